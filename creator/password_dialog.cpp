#include "creator/password_dialog.h"

#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "creator/parameter_dialog_ids.h"
#include "creator/parameter_templates.h"
#include "model/test_document.h"
#include "platform/wx_text.h"

namespace vornet {

CPasswordDlg::CPasswordDlg(wxWindow* parent) {
  LoadParameterTemplates();
  wxXmlResource::Get()->LoadDialog(this, parent, "CPasswordDlg");
  field_ = dynamic_cast<wxTextCtrl*>(FindWindow(parameter_ids::kEnteredPassword));
  wxASSERT_MSG(field_ != nullptr, "password field missing from the dialog template");
  field_->SetMaxLength(kMaxTextLength);
  TransferDataToWindow();
}

bool CPasswordDlg::TransferDataToWindow() {
  field_->ChangeValue(FromAnsi(entered_));
  return true;
}

bool CPasswordDlg::TransferDataFromWindow() {
  entered_ = ToAnsi(field_->GetValue());
  return true;
}

}  // namespace vornet
