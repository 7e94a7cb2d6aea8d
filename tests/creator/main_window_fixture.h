#pragma once
// A real main window over a document of its own, driven as a user drives it: clicks on enabled
// buttons, menu commands, list selections; the modal dialogs that follow are answered through
// `answers`.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "creator/main_window.h"
#include "model/test_document.h"
#include "tests/support/modal_answers.h"
#include "tests/support/test_files.h"

namespace vornet::testing {

class MainWindowTest : public ::testing::Test {
 public:
  MainWindowTest();
  ~MainWindowTest() override;

  TestDocument& Doc() { return *doc_; }
  CMainDlg& Window() { return *window_; }

  // A user's actions. Clicking a disabled button fails the test.
  void Click(int buttonId);
  void Command(int commandId);
  void SelectQuestion(int position);
  void SelectAnswer(int index);
  void DoubleClickAnswer(int index);

  // Destroys the window now, as closing it would.
  void DestroyWindow();
  // True once the window was closed (it is then deleted when the event loop is idle).
  bool IsClosed() const;

  // What the lists show (UTF-8) and select.
  std::vector<std::string> QuestionListTexts() const;
  std::vector<std::string> AnswerListTexts() const;
  int QuestionSelection() const;
  int AnswerSelection() const;
  // Fails unless both lists show exactly the model: question k is the text at position k, the
  // answer list the current question's variants, and the selections match the editing state.
  void ExpectListsMirrorModel();

  // Loads or merges `path` through the menu and the file chooser.
  void LoadThroughMenu(const std::string& path);
  void MergeThroughMenu(const std::string& path);

  // Adds through the dialogs, answering them with these values (UTF-8 texts).
  void AddQuestionThroughDialog(const std::string& text, const std::string& picture = "",
                                const std::string& sound = "");
  void AddAnswerThroughDialog(const std::string& text, int accuracy,
                              const std::string& picture = "", const std::string& sound = "");

  TempDir dir_;
  ScopedWorkingDir workingDir_{dir_.Path()};
  ModalAnswers answers_;

 private:
  std::unique_ptr<TestDocument> doc_;
  CMainDlg* window_ = nullptr;
};

// Answers for the creator's own dialogs.
ModalAnswers::Answer FillQuestionDialog(const std::string& text, const std::string& picture = "",
                                        const std::string& sound = "");
ModalAnswers::Answer FillAnswerDialog(const std::string& text, int accuracy,
                                      const std::string& picture = "",
                                      const std::string& sound = "");
// Accepts the compile dialog, first checking its four rows ("Да"/"Нет" as true/false).
ModalAnswers::Answer AcceptCompileDialog(bool row1, bool row2, bool row3, bool row4);
// Types `password` into the edit-password prompt and confirms it.
ModalAnswers::Answer TypePassword(const std::string& password);
// Leaves the edit-password prompt with "Выход".
ModalAnswers::Answer GiveUpAtPassword();
// Confirms a dialog with what it shows (the New-test dialog).
ModalAnswers::Answer AcceptAsShown();

// Windows-1251 texts of the model as UTF-8, for comparisons.
std::string Utf8(const std::string& cp1251);

}  // namespace vornet::testing
