#include "creator/parameter_dialogs.h"

#include "creator/new_test_dialog.h"
#include "creator/parameters_sheet.h"
#include "creator/password_dialog.h"
#include "creator/test_parameters.h"
#include "model/test_document.h"

namespace vornet {

bool RunNewTestDialog(wxWindow* parent, NewTestData& data) {
  CNewTestDlg dialog(parent);
  if (dialog.ShowModal() != wxID_OK) return false;
  const TestInfoFields& fields = dialog.Fields();
  data.name = CapText(fields.name);
  data.description = CapText(fields.description);
  data.password = CapText(fields.password);
  return true;
}

void RunParametersSheet(wxWindow* parent, TestDocument& doc) {
  // The counts come into range even when the sheet is then cancelled.
  BringSettingsIntoRange(doc);
  CProp sheet(parent, ReadSheetFields(doc));
  if (sheet.ShowModal() != wxID_OK) return;
  StoreSheetFields(sheet.Fields(), doc);
}

bool CheckEditPassword(wxWindow* parent, const std::string& editPassword) {
  if (editPassword.empty()) return true;
  // No limit on attempts and no message: a wrong text brings the empty prompt back.
  for (;;) {
    CPasswordDlg prompt(parent);
    if (prompt.ShowModal() != wxID_OK) return false;
    if (prompt.Entered() == editPassword) return true;
  }
}

}  // namespace vornet
