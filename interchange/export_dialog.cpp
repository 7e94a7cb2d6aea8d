#include "interchange/export_dialog.h"

#include "interchange/interchange_dialog_ids.h"
#include "interchange/template_dialog.h"

namespace vornet {

using namespace interchange_ids;

CExportDlg::CExportDlg(wxWindow* parent, const InterchangeSettings& templates, HelpBook* help)
    : templates_(templates) {
  LoadTemplateDialog(*this, parent, "CExportDlg", wxSize(310, 117), help);
  TransferDataToWindow();
}

bool CExportDlg::TransferDataToWindow() {
  WriteTemplateField(*this, kAnswersTemplate, templates_.exportAnswerTemplate);
  WriteTemplateField(*this, kQuestionsTemplate, templates_.exportQuestionTemplate);
  WriteTemplateField(*this, kRightAnswersTemplate, templates_.exportRightAnswersTemplate);
  WriteTemplateField(*this, kDescriptionsTemplate, templates_.exportDescriptionTemplate);
  return true;
}

bool CExportDlg::TransferDataFromWindow() {
  templates_.exportAnswerTemplate = ReadTemplateField(*this, kAnswersTemplate);
  templates_.exportQuestionTemplate = ReadTemplateField(*this, kQuestionsTemplate);
  templates_.exportRightAnswersTemplate = ReadTemplateField(*this, kRightAnswersTemplate);
  templates_.exportDescriptionTemplate = ReadTemplateField(*this, kDescriptionsTemplate);
  return true;
}

}  // namespace vornet
