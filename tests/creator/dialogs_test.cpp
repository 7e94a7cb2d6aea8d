// The editing dialogs' own behaviour (browsing keeps what was typed, the accuracy range), the
// compile dialog, About, help, Exit and what the window leaves behind when it goes.

#include <wx/app.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/html/helpfrm.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <filesystem>

#include "creator/about_dialog.h"
#include "creator/answer_dialog.h"
#include "creator/command_ids.h"
#include "creator/compile_dialog.h"
#include "creator/question_dialog.h"
#include "tests/creator/main_window_fixture.h"
#include "tests/support/qb_builder.h"

namespace vornet::testing {
namespace {

using namespace creator_ids;

wxString FieldText(wxDialog& dialog, int id) {
  return wxStaticCast(dialog.FindWindow(id), wxTextCtrl)->GetValue();
}

void Type(wxDialog& dialog, int id, const std::string& utf8) {
  wxStaticCast(dialog.FindWindow(id), wxTextCtrl)->SetValue(wxString::FromUTF8(utf8));
}

void Press(wxDialog& dialog, int buttonId) {
  wxWindow* button = dialog.FindWindow(buttonId);
  wxCommandEvent event(wxEVT_BUTTON, buttonId);
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

// A file chooser that must start from `initial` and then picks `chosen`.
ModalAnswers::Answer ChooseStartingFrom(const std::string& initial, const std::string& chosen) {
  return [=](wxDialog& dialog) {
    auto* chooser = dynamic_cast<wxFileDialog*>(&dialog);
    EXPECT_NE(chooser, nullptr);
    if (chooser == nullptr) return static_cast<int>(wxID_CANCEL);
    EXPECT_EQ(chooser->GetDirectory().utf8_string(),
              std::filesystem::path(initial).parent_path().string());
    const wxString wanted = wxString::FromUTF8(chosen);
    chooser->SetPath(wanted);
    for (int k = 0; k < 100 && chooser->GetPath() != wanted; ++k) RunPendingEvents(20);
    return static_cast<int>(wxID_OK);
  };
}

using DialogsTest = MainWindowTest;

TEST_F(DialogsTest, BrowsingInTheQuestionDialogKeepsWhatWasTyped) {
  const std::string stored = dir_.File("old.bmp");
  const std::string chosen = dir_.File("new.bmp");
  WriteFileBytes(stored, "BM");
  WriteFileBytes(chosen, "BM");
  AddQuestionThroughDialog("Q", stored, "");

  answers_.Expect<CQuestionDlg>([&](CQuestionDlg& dialog) {
    Type(dialog, kQuestionText, "набранный текст");
    Type(dialog, kQuestionPicture, dir_.File("typed.bmp"));
    Type(dialog, kQuestionSound, "typed.wav");
    // The chooser starts from the stored path, not from what was typed since.
    answers_.Expect(ChooseStartingFrom(stored, chosen));
    Press(dialog, kQuestionBrowsePicture);
    EXPECT_EQ(FieldText(dialog, kQuestionText).utf8_string(), "набранный текст");
    EXPECT_EQ(FieldText(dialog, kQuestionPicture).utf8_string(), chosen);
    EXPECT_EQ(FieldText(dialog, kQuestionSound), "typed.wav");
    // A cancelled chooser changes nothing.
    answers_.ExpectFileChoice("");
    Press(dialog, kQuestionBrowseSound);
    EXPECT_EQ(FieldText(dialog, kQuestionSound), "typed.wav");
    return dialog.TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
  });
  Click(kEditQuestion);
  const Question& question = Doc().QuestionAt(0);
  EXPECT_EQ(question.text, Ansi("набранный текст"));
  EXPECT_EQ(question.picturePath, chosen);
  EXPECT_EQ(question.soundPath, "typed.wav");
}

TEST_F(DialogsTest, BrowsingInTheAnswerDialogKeepsWhatWasTypedEvenABadAccuracy) {
  const std::string chosen = dir_.File("s.wav");
  WriteFileBytes(chosen, "RIFF");
  AddQuestionThroughDialog("Q");
  answers_.Expect<CAnswerDlg>([&](CAnswerDlg& dialog) {
    EXPECT_EQ(FieldText(dialog, kAnswerAccuracy), "0") << "a new variant starts at 0";
    Type(dialog, kAnswerText, "вариант");
    Type(dialog, kAnswerPicture, "typed.bmp");
    Type(dialog, kAnswerAccuracy, "150");
    answers_.ExpectFileChoice(chosen);
    answers_.ExpectMessage("Введите целое число от 0 до 100.", "Ошибка");
    Press(dialog, kAnswerBrowseSound);
    EXPECT_EQ(FieldText(dialog, kAnswerText).utf8_string(), "вариант");
    EXPECT_EQ(FieldText(dialog, kAnswerPicture), "typed.bmp");
    EXPECT_EQ(FieldText(dialog, kAnswerSound).utf8_string(), chosen);
    EXPECT_EQ(FieldText(dialog, kAnswerAccuracy), "150");
    Type(dialog, kAnswerAccuracy, "50");
    return dialog.Validate() && dialog.TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
  });
  Click(kAddAnswer);
  const Answer& answer = Doc().QuestionAt(0).answers[0];
  EXPECT_EQ(answer.text, Ansi("вариант"));
  EXPECT_EQ(answer.picturePath, "typed.bmp");
  EXPECT_EQ(answer.soundPath, chosen);
  EXPECT_EQ(answer.accuracy, 50);
}

TEST_F(DialogsTest, TheAccuracyMustBeAnIntegerFrom0To100) {
  AddQuestionThroughDialog("Q");
  answers_.Expect<CAnswerDlg>([&](CAnswerDlg& dialog) {
    for (const char* refused : {"101", "", "1000"}) {
      SCOPED_TRACE(refused);
      Type(dialog, kAnswerAccuracy, refused);
      answers_.ExpectMessage("Введите целое число от 0 до 100.", "Ошибка");
      EXPECT_FALSE(dialog.Validate()) << "the dialog stays open";
    }
    for (const char* accepted : {"0", "100"}) {
      Type(dialog, kAnswerAccuracy, accepted);
      EXPECT_TRUE(dialog.Validate()) << accepted;
    }
    Type(dialog, kAnswerText, "A");
    return dialog.TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
  });
  Click(kAddAnswer);
  EXPECT_EQ(Doc().QuestionAt(0).answers[0].accuracy, 100);
}

TEST_F(DialogsTest, TheCompileStateIsSetHoweverTheDialogIsClosed) {
  const auto closeBox = [](wxDialog& dialog) {
    EXPECT_NE(dynamic_cast<CCompileDlg*>(&dialog), nullptr);
    return static_cast<int>(wxID_CANCEL);
  };
  answers_.Expect(closeBox);
  CompileTest(&Window(), Doc());
  EXPECT_EQ(Doc().compileState, 1) << "an empty test passes";
  AddQuestionThroughDialog("Q");
  answers_.Expect(closeBox);
  CompileTest(&Window(), Doc());
  EXPECT_EQ(Doc().compileState, -1);
  // The check changes nothing else, and gives the same result again.
  answers_.Expect(AcceptCompileDialog(false, true, true, false));
  Command(kCompile);
  EXPECT_EQ(Doc().compileState, -1);
  EXPECT_EQ(Doc().questionCount, 1);
}

TEST_F(DialogsTest, AboutNamesTheProgramAndItsButtonOpensTheMakersPage) {
  answers_.Expect<CAboutDlg>([](CAboutDlg& about) {
    EXPECT_EQ(about.GetTitle().utf8_string(), "О программе");
    return static_cast<int>(wxID_OK);
  });
  Command(kAbout);

  std::vector<wxString> opened;
  CAboutDlg about(&Window(), [&](const wxString& address) { opened.push_back(address); });
  std::vector<std::string> labels;
  for (wxWindow* child : about.GetChildren()) {
    if (auto* label = dynamic_cast<wxStaticText*>(child))
      labels.push_back(label->GetLabel().utf8_string());
  }
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Vornet v1.0 - Creation"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), kMakerPage), labels.end());
  Press(about, kAboutOpenPage);
  EXPECT_EQ(opened, std::vector<wxString>{kMakerPage});
  EXPECT_EQ(wxStaticCast(about.FindWindow(kAboutOpenPage), wxButton)->GetLabel(), "^");
}

TEST_F(DialogsTest, ExitAsksFirstAndEscDoesNothing) {
  Command(kEscape);
  EXPECT_FALSE(IsClosed());
  answers_.ExpectMessage("Завершить работу?", "Подтверждение", wxID_CANCEL);
  Command(kExit);
  EXPECT_FALSE(IsClosed());
  answers_.ExpectMessage("Завершить работу?", "Подтверждение", wxID_OK);
  Command(kExit);
  EXPECT_TRUE(IsClosed());
}

bool AnyHelpFrame() {
  for (wxWindow* window : wxTopLevelWindows) {
    if (dynamic_cast<wxHtmlHelpFrame*>(window) && !window->IsBeingDeleted()) return true;
  }
  return false;
}

TEST_F(DialogsTest, HelpOpensAndClosesWithTheWindow) {
  ASSERT_FALSE(Window().Help().FindBook().empty()) << "the help book is installed";
  Command(kHelpContents);
  EXPECT_TRUE(Window().Help().IsOpen());
  EXPECT_TRUE(AnyHelpFrame());
  DestroyWindow();
  wxTheApp->ProcessIdle();
  EXPECT_FALSE(AnyHelpFrame());
}

TEST_F(DialogsTest, DestroyingTheWindowDeletesStagedMediaButNotTheAuthorsFiles) {
  const std::string mine = dir_.File("mine.bmp");
  WriteFileBytes(mine, "BM");
  QbBuilder file;
  file.Header("T", "", "", {})
      .I16(1)
      .Str("Q")
      .Media(PatternBytes(30))
      .Media(PatternBytes(40))
      .U8(1);
  file.Str("A").U8(100).Media(PatternBytes(50)).NoMedia();
  const std::string path = dir_.File("t.qb");
  WriteFileBytes(path, file.Bytes());
  LoadThroughMenu(path);
  AddQuestionThroughDialog("Mine", mine);
  const std::string staged[] = {Doc().QuestionAt(0).picturePath, Doc().QuestionAt(0).soundPath,
                                Doc().QuestionAt(0).answers[0].picturePath};
  for (const std::string& stagedFile : staged) EXPECT_TRUE(FileExists(stagedFile)) << stagedFile;
  DestroyWindow();
  for (const std::string& stagedFile : staged) EXPECT_FALSE(FileExists(stagedFile)) << stagedFile;
  EXPECT_TRUE(FileExists(mine));
  EXPECT_TRUE(FileExists(path));
}

}  // namespace
}  // namespace vornet::testing
