#pragma once
// CPasswordDlg, "Введите пароль": asks for a loaded test's edit password. "Выход" is its cancel
// button, so Esc and the close box give the same answer.

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

namespace vornet {

class CPasswordDlg : public wxDialog {
 public:
  // Opens with an empty field.
  explicit CPasswordDlg(wxWindow* parent);

  // The text typed, in Windows-1251, after the dialog closed with OK.
  const std::string& Entered() const { return entered_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  wxTextCtrl* field_;
  std::string entered_;
};

}  // namespace vornet
