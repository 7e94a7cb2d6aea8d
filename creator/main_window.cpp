#include "creator/main_window.h"

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "creator/control_state.h"
#include "creator/creator_resources.h"
#include "model/test_document.h"
#include "platform/wx_text.h"

namespace vornet {

using namespace creator_ids;

CMainDlg::CMainDlg(TestDocument& doc)
    : wxFrame(nullptr, wxID_ANY, "Vornet - Creation", wxDefaultPosition, wxDefaultSize,
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      doc_(doc) {
  LoadCreatorResources();
  SetIcons(CreatorIcons());
  panel_ = wxXmlResource::Get()->LoadPanel(this, "CMainDlg");
  questionList_ = wxStaticCast(panel_->FindWindow(kQuestionList), wxChoice);
  answerList_ = wxStaticCast(panel_->FindWindow(kAnswerList), wxListBox);
  BuildMenuAndKeys();
  BindCommands();
  SetClientSize(panel_->ConvertDialogToPixels(wxSize(301, 191)));
  // Enter presses question "Добавить".
  SetDefaultItem(Button(kAddQuestion));

  ResetTest(doc_);
  TestSettings& settings = doc_.testSettings;
  if (settings.questionsToAsk < 1) settings.questionsToAsk = 1;
  if (settings.questionsToAsk > doc_.questionCount) settings.questionsToAsk = doc_.questionCount;
  if (settings.answersToOffer < 1) settings.answersToOffer = 1;
  ApplyControlState();
  Centre();
}

CMainDlg::~CMainDlg() {
  help_.Close();
  if (doc_.mediaStaged) doc_.staging.RemoveAll();
}

wxButton* CMainDlg::Button(int id) const { return wxStaticCast(panel_->FindWindow(id), wxButton); }

void CMainDlg::BuildMenuAndKeys() {
  SetMenuBar(wxXmlResource::Get()->LoadMenuBar("menu129"));
  // Esc is bound to a command that nothing handles, so it does nothing here.
  wxAcceleratorEntry keys[] = {
      {wxACCEL_NORMAL, WXK_ESCAPE, kEscape}, {wxACCEL_NORMAL, WXK_F2, kSave},
      {wxACCEL_NORMAL, WXK_F3, kLoad},       {wxACCEL_NORMAL, WXK_F4, kNew},
      {wxACCEL_NORMAL, WXK_F9, kCompile},
  };
  SetAcceleratorTable(wxAcceleratorTable(WXSIZEOF(keys), keys));
}

void CMainDlg::BindCommands() {
  const struct {
    int id;
    void (CMainDlg::*handler)(wxCommandEvent&);
  } menu[] = {
      {kNew, &CMainDlg::OnNew},
      {kLoad, &CMainDlg::OnLoad},
      {kMerge, &CMainDlg::OnMerge},
      {kSave, &CMainDlg::OnSave},
      {kSaveAs, &CMainDlg::OnSaveAs},
      {kImport, &CMainDlg::OnImport},
      {kExport, &CMainDlg::OnExport},
      {kExit, &CMainDlg::OnExit},
      {kCompile, &CMainDlg::OnCompile},
      {kParameters, &CMainDlg::OnParameters},
      {kHelpContents, &CMainDlg::OnHelpContents},
      {kAbout, &CMainDlg::OnAbout},
  };
  for (const auto& command : menu) Bind(wxEVT_MENU, command.handler, this, command.id);
  const struct {
    int id;
    void (CMainDlg::*handler)(wxCommandEvent&);
  } buttons[] = {
      {kAddQuestion, &CMainDlg::OnAddQuestion},       {kEditQuestion, &CMainDlg::OnEditQuestion},
      {kDeleteQuestion, &CMainDlg::OnDeleteQuestion}, {kAddAnswer, &CMainDlg::OnAddAnswer},
      {kEditAnswer, &CMainDlg::OnEditAnswer},         {kDeleteAnswer, &CMainDlg::OnDeleteAnswer},
  };
  for (const auto& button : buttons) Bind(wxEVT_BUTTON, button.handler, this, button.id);
  Bind(wxEVT_CHOICE, &CMainDlg::OnQuestionSelected, this, kQuestionList);
  Bind(wxEVT_LISTBOX, &CMainDlg::OnAnswerSelected, this, kAnswerList);
  Bind(wxEVT_LISTBOX_DCLICK, &CMainDlg::OnEditAnswer, this, kAnswerList);
  panel_->Bind(wxEVT_PAINT, &CMainDlg::OnPaint, this);
}

void CMainDlg::ClearLists() {
  questionList_->Clear();
  answerList_->Clear();
}

void CMainDlg::FillAnswerList() {
  answerList_->Clear();
  const Question& question = doc_.QuestionAt(doc_.currentQuestion);
  wxArrayString texts;
  for (int index = 0; index < question.answerCount; ++index) {
    texts.Add(FromAnsi(question.answers[index].text));
  }
  answerList_->Append(texts);
}

// Makes the question at `position` current: its variants are listed and the first is selected.
void CMainDlg::ShowQuestion(int position) {
  doc_.currentQuestion = static_cast<int16_t>(position);
  FillAnswerList();
  doc_.currentAnswer = 0;
  if (answerList_->GetCount() > 0) answerList_->SetSelection(0);
}

// After a load or merge: the question list is built from the order, the first question shown.
void CMainDlg::ShowListsAfterRead() {
  ClearLists();
  wxArrayString texts;
  texts.Alloc(doc_.questionCount);
  for (int position = 0; position < doc_.questionCount; ++position) {
    texts.Add(FromAnsi(doc_.QuestionAt(position).text));
  }
  questionList_->Append(texts);
  doc_.currentQuestion = 0;
  doc_.currentAnswer = 0;
  if (doc_.questionCount > 0) {
    questionList_->SetSelection(0);
    ShowQuestion(0);
  }
  ApplyControlState();
}

void CMainDlg::ApplyControlState() {
  const ControlState state = ControlStateFor(doc_);
  questionList_->Enable(state.questionList);
  Button(kAddQuestion)->Enable(state.addQuestion);
  Button(kEditQuestion)->Enable(state.editQuestion);
  Button(kDeleteQuestion)->Enable(state.deleteQuestion);
  answerList_->Enable(state.answerList);
  Button(kAddAnswer)->Enable(state.addAnswer);
  Button(kEditAnswer)->Enable(state.editAnswer);
  Button(kDeleteAnswer)->Enable(state.deleteAnswer);
}

// While minimised the window shows the program icon centred; otherwise painting is the default.
void CMainDlg::OnPaint(wxPaintEvent& event) {
  if (!IsIconized()) {
    event.Skip();
    return;
  }
  wxPaintDC dc(panel_);
  dc.SetBackground(wxBrush(panel_->GetBackgroundColour()));
  dc.Clear();
  const wxIcon icon = CreatorIcons().GetIcon(32);
  const wxSize client = panel_->GetClientSize();
  dc.DrawIcon(icon, (client.x - icon.GetWidth() + 1) / 2, (client.y - icon.GetHeight() + 1) / 2);
}

}  // namespace vornet
