// Temporary stand-ins for the New-test dialog, the parameters sheet and the password prompt, so
// that the creator links and runs until the real dialogs arrive. Delete this file then.

#include <wx/textdlg.h>

#include "creator/parameter_dialogs.h"
#include "platform/wx_text.h"

namespace vornet {

bool RunNewTestDialog(wxWindow* parent, NewTestData& data) {
  wxTextEntryDialog dialog(parent, wxString::FromUTF8("Название теста"),
                           wxString::FromUTF8("Новый Тест"), wxString::FromUTF8("Тест"));
  if (dialog.ShowModal() != wxID_OK) return false;
  data = NewTestData{ToAnsi(dialog.GetValue()), std::string(), std::string()};
  return true;
}

void RunParametersSheet(wxWindow*, TestDocument&) {}

bool CheckEditPassword(wxWindow* parent, const std::string& editPassword) {
  if (editPassword.empty()) return true;
  for (;;) {
    wxPasswordEntryDialog dialog(parent, wxString(), wxString::FromUTF8("Введите пароль"));
    if (dialog.ShowModal() != wxID_OK) return false;
    if (ToAnsi(dialog.GetValue()) == editPassword) return true;
  }
}

}  // namespace vornet
