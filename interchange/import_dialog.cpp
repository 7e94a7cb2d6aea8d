#include "interchange/import_dialog.h"

#include <wx/textctrl.h>

#include "interchange/interchange_dialog_ids.h"
#include "interchange/template_checks.h"
#include "interchange/template_dialog.h"
#include "platform/message_box.h"

namespace vornet {

using namespace interchange_ids;

CImportDlg::CImportDlg(wxWindow* parent, const InterchangeSettings& templates, HelpBook* help)
    : templates_(templates) {
  LoadTemplateDialog(*this, parent, "CImportDlg", wxSize(310, 97), help);
  TransferDataToWindow();
  const struct {
    int id;
    Field field;
  } fields[] = {{kQuestionsTemplate, Field::Questions},
                {kAnswersTemplate, Field::Answers},
                {kRightAnswersTemplate, Field::RightAnswers}};
  for (const auto& entry : fields) {
    const Field field = entry.field;
    FindWindow(entry.id)->Bind(
        wxEVT_KILL_FOCUS, [this, field](wxFocusEvent& event) { OnFieldFocusLost(event, field); });
  }
  Bind(wxEVT_BUTTON, &CImportDlg::OnStart, this, wxID_OK);
}

bool CImportDlg::TransferDataToWindow() {
  WriteTemplateField(*this, kRightAnswersTemplate, templates_.importRightAnswersTemplate);
  WriteTemplateField(*this, kAnswersTemplate, templates_.importAnswerTemplate);
  WriteTemplateField(*this, kQuestionsTemplate, templates_.importQuestionTemplate);
  return true;
}

bool CImportDlg::TransferDataFromWindow() {
  templates_.importRightAnswersTemplate = ReadTemplateField(*this, kRightAnswersTemplate);
  templates_.importAnswerTemplate = ReadTemplateField(*this, kAnswersTemplate);
  templates_.importQuestionTemplate = ReadTemplateField(*this, kQuestionsTemplate);
  return true;
}

void CImportDlg::OnFieldFocusLost(wxFocusEvent& event, Field field) {
  event.Skip();
  if (messageOpen_) return;
  // The check may show a message box, which must not open in the middle of a focus change; it
  // runs as soon as the focus has moved on.
  CallAfter([this, field] { CheckField(field); });
}

void CImportDlg::CheckField(Field field) {
  // Nothing to check once the dialog has closed, or while its own message is open.
  if (messageOpen_ || !IsShown()) return;
  TransferDataFromWindow();
  bool passed = true;
  switch (field) {
    case Field::Questions:
      passed = CheckQuestionTemplate(templates_);
      break;
    case Field::Answers:
      passed = CheckAnswerTemplate(templates_);
      break;
    case Field::RightAnswers:
      passed = CheckRightAnswersTemplate(templates_);
      break;
  }
  TransferDataToWindow();
  if (!passed) ShowQuoteCountMessage();
}

void CImportDlg::OnStart(wxCommandEvent&) {
  TransferDataFromWindow();
  const ImportTemplatesCheck check = CheckImportTemplates(templates_);
  TransferDataToWindow();
  for (int k = 0; k < check.FailureCount(); ++k) ShowQuoteCountMessage();
  if (!check.AllPassed()) return;
  SetReturnCode(wxID_OK);
  EndDialog(wxID_OK);
}

void CImportDlg::ShowQuoteCountMessage() {
  messageOpen_ = true;
  ShowMessage(this, wxString::FromUTF8(kQuoteCountMessage), kCaptionError,
              MessageIcon::Exclamation);
  messageOpen_ = false;
}

}  // namespace vornet
