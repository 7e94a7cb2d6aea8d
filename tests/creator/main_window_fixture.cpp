#include "tests/creator/main_window_fixture.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "creator/answer_dialog.h"
#include "creator/command_ids.h"
#include "creator/compile_dialog.h"
#include "creator/question_dialog.h"
#include "platform/codepage.h"

namespace vornet::testing {

using namespace creator_ids;

namespace {

wxTextCtrl* FirstTextField(wxWindow& window) {
  for (wxWindow* child : window.GetChildren()) {
    if (auto* field = dynamic_cast<wxTextCtrl*>(child)) return field;
    if (wxTextCtrl* inner = FirstTextField(*child)) return inner;
  }
  return nullptr;
}

void SetField(wxDialog& dialog, int id, const std::string& utf8) {
  auto* field = wxDynamicCast(dialog.FindWindow(id), wxTextCtrl);
  ASSERT_NE(field, nullptr) << "no text field " << id;
  field->SetValue(wxString::FromUTF8(utf8));
}

// The dialog's own OK path: validation, then the transfer into its members.
int PressOk(wxDialog& dialog) {
  return dialog.Validate() && dialog.TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

}  // namespace

std::string Utf8(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

MainWindowTest::MainWindowTest() : doc_(std::make_unique<TestDocument>()) {
  window_ = new CMainDlg(*doc_);
}

MainWindowTest::~MainWindowTest() { DestroyWindow(); }

void MainWindowTest::DestroyWindow() {
  if (window_ == nullptr) return;
  if (IsClosed()) {
    wxTheApp->ProcessIdle();  // a closed window is deleted when the loop is idle
  } else {
    delete window_;
  }
  window_ = nullptr;
}

bool MainWindowTest::IsClosed() const {
  return window_ == nullptr || wxPendingDelete.Member(window_);
}

void MainWindowTest::Click(int buttonId) {
  wxButton* button = window_->Button(buttonId);
  ASSERT_TRUE(button->IsEnabled()) << "button " << buttonId << " is disabled";
  wxCommandEvent event(wxEVT_BUTTON, buttonId);
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::Command(int commandId) {
  wxCommandEvent event(wxEVT_MENU, commandId);
  event.SetEventObject(window_);
  window_->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::SelectQuestion(int position) {
  wxChoice* list = window_->QuestionList();
  ASSERT_TRUE(list->IsEnabled());
  list->SetSelection(position);
  wxCommandEvent event(wxEVT_CHOICE, kQuestionList);
  event.SetEventObject(list);
  event.SetInt(position);
  list->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::SelectAnswer(int index) {
  wxListBox* list = window_->AnswerList();
  ASSERT_TRUE(list->IsEnabled());
  list->SetSelection(index);
  wxCommandEvent event(wxEVT_LISTBOX, kAnswerList);
  event.SetEventObject(list);
  event.SetInt(index);
  list->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::DoubleClickAnswer(int index) {
  SelectAnswer(index);
  wxListBox* list = window_->AnswerList();
  wxCommandEvent event(wxEVT_LISTBOX_DCLICK, kAnswerList);
  event.SetEventObject(list);
  event.SetInt(index);
  list->GetEventHandler()->ProcessEvent(event);
}

std::vector<std::string> MainWindowTest::QuestionListTexts() const {
  std::vector<std::string> texts;
  for (const wxString& text : window_->QuestionList()->GetStrings()) {
    texts.push_back(text.utf8_string());
  }
  return texts;
}

std::vector<std::string> MainWindowTest::AnswerListTexts() const {
  std::vector<std::string> texts;
  for (const wxString& text : window_->AnswerList()->GetStrings()) {
    texts.push_back(text.utf8_string());
  }
  return texts;
}

int MainWindowTest::QuestionSelection() const { return window_->QuestionList()->GetSelection(); }
int MainWindowTest::AnswerSelection() const { return window_->AnswerList()->GetSelection(); }

void MainWindowTest::ExpectListsMirrorModel() {
  const TestDocument& doc = *doc_;
  std::vector<std::string> questions;
  for (int p = 0; p < doc.questionCount; ++p) questions.push_back(Utf8(doc.QuestionAt(p).text));
  EXPECT_EQ(QuestionListTexts(), questions);
  std::vector<std::string> variants;
  if (doc.questionCount > 0) {
    EXPECT_EQ(QuestionSelection(), doc.currentQuestion);
    const Question& question = doc.QuestionAt(doc.currentQuestion);
    for (int j = 0; j < question.answerCount; ++j)
      variants.push_back(Utf8(question.answers[j].text));
    if (question.answerCount > 0) {
      EXPECT_EQ(AnswerSelection(), doc.currentAnswer);
    }
  }
  EXPECT_EQ(AnswerListTexts(), variants);
  if (variants.empty()) {
    EXPECT_EQ(AnswerSelection(), wxNOT_FOUND);
  }
}

void MainWindowTest::LoadThroughMenu(const std::string& path) {
  answers_.ExpectFileChoice(path);
  Command(kLoad);
}

void MainWindowTest::MergeThroughMenu(const std::string& path) {
  answers_.ExpectFileChoice(path);
  Command(kMerge);
}

void MainWindowTest::AddQuestionThroughDialog(const std::string& text, const std::string& picture,
                                              const std::string& sound) {
  answers_.Expect(FillQuestionDialog(text, picture, sound));
  Click(kAddQuestion);
}

void MainWindowTest::AddAnswerThroughDialog(const std::string& text, int accuracy,
                                            const std::string& picture, const std::string& sound) {
  answers_.Expect(FillAnswerDialog(text, accuracy, picture, sound));
  Click(kAddAnswer);
}

ModalAnswers::Answer FillQuestionDialog(const std::string& text, const std::string& picture,
                                        const std::string& sound) {
  return [=](wxDialog& dialog) {
    EXPECT_NE(dynamic_cast<CQuestionDlg*>(&dialog), nullptr);
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Вопрос");
    SetField(dialog, kQuestionText, text);
    SetField(dialog, kQuestionPicture, picture);
    SetField(dialog, kQuestionSound, sound);
    return PressOk(dialog);
  };
}

ModalAnswers::Answer FillAnswerDialog(const std::string& text, int accuracy,
                                      const std::string& picture, const std::string& sound) {
  return [=](wxDialog& dialog) {
    EXPECT_NE(dynamic_cast<CAnswerDlg*>(&dialog), nullptr);
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Вариант ответа");
    SetField(dialog, kAnswerText, text);
    SetField(dialog, kAnswerPicture, picture);
    SetField(dialog, kAnswerSound, sound);
    SetField(dialog, kAnswerAccuracy, std::to_string(accuracy));
    return PressOk(dialog);
  };
}

ModalAnswers::Answer AcceptCompileDialog(bool row1, bool row2, bool row3, bool row4) {
  return [=](wxDialog& dialog) {
    auto* compile = dynamic_cast<CCompileDlg*>(&dialog);
    EXPECT_NE(compile, nullptr) << "expected the compile dialog, got \""
                                << dialog.GetTitle().utf8_string() << "\"";
    if (compile == nullptr) return static_cast<int>(wxID_CANCEL);
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Компиляция");
    const bool rows[] = {row1, row2, row3, row4};
    for (int row = 1; row <= 4; ++row) {
      EXPECT_EQ(compile->RowResult(row).utf8_string(), rows[row - 1] ? "Да" : "Нет")
          << "row " << row;
    }
    return static_cast<int>(wxID_OK);
  };
}

ModalAnswers::Answer TypePassword(const std::string& password) {
  return [=](wxDialog& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Введите пароль");
    wxTextCtrl* field = FirstTextField(dialog);
    EXPECT_NE(field, nullptr);
    if (field == nullptr) return static_cast<int>(wxID_CANCEL);
    EXPECT_EQ(field->GetValue(), "") << "the prompt opens empty";
    field->SetValue(wxString::FromUTF8(password));
    return PressOk(dialog);
  };
}

ModalAnswers::Answer GiveUpAtPassword() {
  return [](wxDialog& dialog) {
    EXPECT_EQ(dialog.GetTitle().utf8_string(), "Введите пароль");
    return static_cast<int>(wxID_CANCEL);
  };
}

ModalAnswers::Answer AcceptAsShown() {
  return [](wxDialog& dialog) { return PressOk(dialog); };
}

}  // namespace vornet::testing
