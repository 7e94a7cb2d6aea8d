#include "creator/test_info_fields.h"

#include <wx/textctrl.h>

#include "creator/parameter_dialog_ids.h"
#include "model/test_document.h"
#include "platform/message_box.h"
#include "platform/wx_text.h"

namespace vornet {

namespace {

// GTK caps only one-line fields; in a multi-line field, what goes beyond the cap is taken off the
// end of what was just typed or pasted, so the rest of the text stays as it was. The cut waits
// until GTK has finished the insertion that reported the change.
void CapMultiLine(wxTextCtrl* field) {
  wxString text = field->GetValue();
  if (text.length() <= kMaxTextLength) return;
  const size_t excess = text.length() - kMaxTextLength;
  size_t end = static_cast<size_t>(field->GetInsertionPoint());
  if (end < excess || end > text.length()) end = text.length();
  text.erase(end - excess, excess);
  field->ChangeValue(text);
  field->SetInsertionPoint(static_cast<long>(end - excess));
}

void OnMultiLineChanged(wxCommandEvent& event) {
  event.Skip();
  auto* field = static_cast<wxTextCtrl*>(event.GetEventObject());
  if (field->GetLastPosition() > static_cast<long>(kMaxTextLength)) {
    field->CallAfter([field] { CapMultiLine(field); });
  }
}

wxTextCtrl* Field(wxWindow* window, int id) {
  auto* field = dynamic_cast<wxTextCtrl*>(window->FindWindow(id));
  wxASSERT_MSG(field != nullptr, "text field missing from the dialog template");
  // Windows-1251 has one byte per character, so a character cap is the byte cap of a test text.
  if (field->IsMultiLine()) {
    field->Bind(wxEVT_TEXT, &OnMultiLineChanged);
  } else {
    field->SetMaxLength(kMaxTextLength);
  }
  return field;
}

}  // namespace

TestInfoControls::TestInfoControls(wxWindow* window)
    : window_(window),
      name_(Field(window, parameter_ids::kName)),
      description_(Field(window, parameter_ids::kDescription)),
      password_(Field(window, parameter_ids::kPassword)),
      confirmation_(Field(window, parameter_ids::kConfirmation)) {}

void TestInfoControls::Show(const TestInfoFields& fields) {
  name_->ChangeValue(FromAnsi(fields.name));
  description_->ChangeValue(FromAnsi(LineBreaksForWindow(fields.description)));
  password_->ChangeValue(FromAnsi(fields.password));
  confirmation_->ChangeValue(FromAnsi(fields.confirmation));
}

TestInfoFields TestInfoControls::Take() const {
  TestInfoFields fields;
  fields.name = ToAnsi(name_->GetValue());
  fields.description = LineBreaksFromWindow(ToAnsi(description_->GetValue()));
  fields.password = ToAnsi(password_->GetValue());
  fields.confirmation = ToAnsi(confirmation_->GetValue());
  return fields;
}

bool TestInfoControls::TakeMatchingPasswords(TestInfoFields& fields) {
  fields = Take();
  // Compared as typed: two characters that Windows-1251 lacks would both be stored as '?'.
  if (password_->GetValue() == confirmation_->GetValue()) return true;
  ShowMessage(window_, wxString::FromUTF8("Пароли не совпадают."), kCaptionError,
              MessageIcon::Stop);
  fields.password.clear();
  fields.confirmation.clear();
  password_->Clear();
  confirmation_->Clear();
  return false;
}

}  // namespace vornet
