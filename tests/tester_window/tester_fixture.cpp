#include "tests/tester_window/tester_fixture.h"

#include <wx/textctrl.h>

#include "tester/command_ids.h"
#include "tests/tester_window/media_bytes.h"

namespace vornet::testing {

std::string TestFileBytes(const std::string& name, const std::string& description,
                          const std::vector<QuestionSpec>& questions, SettingsSpec s) {
  QbBuilder file;
  file.Header(Ansi(name), Ansi(description), "",
              {s.testTimeLimited, s.questionTimeLimited, s.testMinutes, s.questionMinutes,
               s.shuffleQuestions, s.shuffleAnswers, s.questionsToAsk, s.answersToOffer});
  file.I16(static_cast<int16_t>(questions.size()));
  for (const QuestionSpec& question : questions) {
    file.Str(Ansi(question.text));
    if (question.withPicture) {
      file.Media(BitmapBytes(40, 30, 255, 0, 0));
    } else {
      file.NoMedia();
    }
    if (question.withSound) {
      file.Media(WaveBytes(100, 500));
    } else {
      file.NoMedia();
    }
    file.U8(static_cast<uint8_t>(question.answers.size()));
    for (const AnswerSpec& answer : question.answers) {
      file.Str(Ansi(answer.text)).U8(answer.accuracy).NoMedia();
      if (answer.withSound) {
        file.Media(WaveBytes(100, 700));
      } else {
        file.NoMedia();
      }
    }
  }
  return file.Bytes();
}

void TesterWindowTest::SetUp() {
  inDir = std::make_unique<ScopedWorkingDir>(dir.Path());
  answers = std::make_unique<ModalAnswers>();
  TesterWindowOptions options;
  options.player = std::make_unique<RecordingPlayer>(sounds);
  options.clock = [this] { return now; };
  options.endProgram = [this] { programEnded = true; };
  window = new CTesterDlg(std::move(options));
  window->Show();
  RunPendingEvents(100);
}

void TesterWindowTest::TearDown() {
  DestroyWindow();
  answers.reset();
  inDir.reset();
}

void TesterWindowTest::DestroyWindow() {
  if (window == nullptr) return;
  delete window;
  window = nullptr;
  RunPendingEvents(20);
}

std::string TesterWindowTest::WriteTest(const std::string& fileName, const std::string& bytes) {
  const std::string path = dir.File(fileName);
  WriteFileBytes(path, bytes);
  return path;
}

void TesterWindowTest::StartTest(const std::string& path, const std::string& surname) {
  answers->ExpectFileChoice(path);
  ExpectDescription(wxID_OK);
  ExpectCandidate(surname, "Пётр", "Сергеевич", "1985");
  window->OpenTest();
  ASSERT_TRUE(answers->AllAnswered());
}

void TesterWindowTest::ExpectDescription(int code) {
  answers->Expect([code](wxDialog& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Описание теста");
    return code;
  });
}

void TesterWindowTest::ExpectCandidate(const std::string& surname, const std::string& firstName,
                                       const std::string& patronymic, const std::string& year) {
  answers->Expect<CCandidateDlg>(std::function<int(CCandidateDlg&)>([=](CCandidateDlg& dialog) {
    dialog.Field(tester_ids::kSurname)->SetValue(wxString::FromUTF8(surname));
    dialog.Field(tester_ids::kFirstName)->SetValue(wxString::FromUTF8(firstName));
    dialog.Field(tester_ids::kPatronymic)->SetValue(wxString::FromUTF8(patronymic));
    dialog.Field(tester_ids::kBirthYear)->SetValue(year);
    EXPECT_TRUE(dialog.Confirm());
    return wxID_OK;
  }));
}

void TesterWindowTest::ExpectBox(const std::string& text, const std::string& caption, long icon,
                                 int code) {
  answers->Expect([=](wxDialog& dialog) {
    auto* box = dynamic_cast<wxGenericMessageDialog*>(&dialog);
    EXPECT_NE(box, nullptr) << "expected the message \"" << text << "\", got the dialog \""
                            << dialog.GetTitle().utf8_string() << "\"";
    if (box == nullptr) return static_cast<int>(wxID_CANCEL);
    EXPECT_EQ(box->GetMessage().utf8_string(), text);
    EXPECT_EQ(box->GetTitle().utf8_string(), caption);
    EXPECT_TRUE(box->GetMessageDialogStyle() & icon) << text;
    return code;
  });
}

int TesterWindowTest::MiddleOfItem(int k) const {
  const PlacedItem& item = window->Layout().items.at(static_cast<size_t>(k));
  return (item.bandTop + item.bandBottom) / 2;
}

wxColour TesterWindowTest::PixelAt(int x, int y) const {
  const wxImage image = window->PageSnapshot();
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

}  // namespace vornet::testing
