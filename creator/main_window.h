#pragma once
// CMainDlg: the creator's one top-level window. It shows the questions of the test in a drop-down
// list and the answer variants of the selected question in a list box, and it carries every
// command of the program. Each editing command changes the model and then makes the same change
// at the same index of the list on screen, so a list index is always a position in the model.

#include <wx/frame.h>

#include <string>

#include "platform/help_book.h"

class wxButton;
class wxChoice;
class wxListBox;
class wxPanel;

namespace vornet {

struct TestDocument;

class CMainDlg : public wxFrame {
 public:
  // Resets the document and shows it empty. The document outlives the window.
  explicit CMainDlg(TestDocument& doc);
  // Closes the help viewer and deletes the staged media of the test.
  ~CMainDlg() override;

  // Load and Merge once the file is chosen: read `path` (whole, or merged into the test), ask
  // the edit password, and list the result.
  void LoadTest(const std::string& path);
  void MergeTest(const std::string& path);

  wxChoice* QuestionList() const { return questionList_; }
  wxListBox* AnswerList() const { return answerList_; }
  wxButton* Button(int id) const;
  const HelpBook& Help() const { return help_; }

 private:
  void BuildMenuAndKeys();
  void BindCommands();

  // Lists and controls (main_window.cpp).
  void ClearLists();
  void FillAnswerList();
  void ShowQuestion(int position);
  void ShowListsAfterRead();
  void ApplyControlState();
  void OnPaint(wxPaintEvent& event);

  // Document commands (main_window_document.cpp).
  void OnNew(wxCommandEvent&);
  void OnLoad(wxCommandEvent&);
  void OnMerge(wxCommandEvent&);
  void OnSave(wxCommandEvent&);
  void OnSaveAs(wxCommandEvent&);
  void OnExit(wxCommandEvent&);
  void OnAbout(wxCommandEvent&);
  void OnHelpContents(wxCommandEvent&);
  void OnParameters(wxCommandEvent&);
  void OnCompile(wxCommandEvent&);
  void OnImport(wxCommandEvent&);
  void OnExport(wxCommandEvent&);
  bool ChooseTestFile(std::string& path);
  int ReadTestFile(bool merge);
  void ReportReadFailure(int result);
  bool PassEditPasswordCheck();
  void SaveAs();
  bool CompileBeforeSave();
  void WriteTestFile();

  // Question and answer editing (main_window_editing.cpp).
  void OnAddQuestion(wxCommandEvent&);
  void OnEditQuestion(wxCommandEvent&);
  void OnDeleteQuestion(wxCommandEvent&);
  void OnAddAnswer(wxCommandEvent&);
  void OnEditAnswer(wxCommandEvent&);
  void OnDeleteAnswer(wxCommandEvent&);
  void OnQuestionSelected(wxCommandEvent&);
  void OnAnswerSelected(wxCommandEvent&);

  TestDocument& doc_;
  wxPanel* panel_ = nullptr;
  wxChoice* questionList_ = nullptr;
  wxListBox* answerList_ = nullptr;
  HelpBook help_{"creator"};
};

}  // namespace vornet
