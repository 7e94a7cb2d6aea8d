#pragma once
// CNewTestDlg, "Новый Тест": the name, description and edit password of a new test.

#include <wx/dialog.h>

#include <memory>

#include "creator/test_info_fields.h"

namespace vornet {

class CNewTestDlg : public wxDialog {
 public:
  // Opens with the name "Тест" and everything else empty.
  explicit CNewTestDlg(wxWindow* parent);

  // What the OK button does: takes the fields and keeps the dialog open, with both password
  // fields emptied, when the password and its confirmation differ. True when it may close.
  bool AcceptOk();

  const TestInfoFields& Fields() const { return fields_; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void OnOk(wxCommandEvent& event);

  TestInfoFields fields_;
  std::unique_ptr<TestInfoControls> controls_;
};

}  // namespace vornet
