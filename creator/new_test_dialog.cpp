#include "creator/new_test_dialog.h"

#include <wx/button.h>
#include <wx/xrc/xmlres.h>

#include "creator/parameter_templates.h"
#include "platform/wx_text.h"

namespace vornet {

CNewTestDlg::CNewTestDlg(wxWindow* parent) {
  LoadParameterTemplates();
  wxXmlResource::Get()->LoadDialog(this, parent, "CNewTestDlg");
  controls_ = std::make_unique<TestInfoControls>(this);
  fields_.name = ToAnsi(wxString::FromUTF8("Тест"));
  Bind(wxEVT_BUTTON, &CNewTestDlg::OnOk, this, wxID_OK);
  // Filled now, so the fields hold their values even before the dialog is shown.
  TransferDataToWindow();
}

bool CNewTestDlg::TransferDataToWindow() {
  controls_->Show(fields_);
  return true;
}

bool CNewTestDlg::TransferDataFromWindow() {
  fields_ = controls_->Take();
  return true;
}

bool CNewTestDlg::AcceptOk() { return controls_->TakeMatchingPasswords(fields_); }

void CNewTestDlg::OnOk(wxCommandEvent&) {
  if (AcceptOk()) EndModal(wxID_OK);
}

}  // namespace vornet
