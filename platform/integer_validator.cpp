#include "platform/integer_validator.h"

#include <wx/textctrl.h>

#include "platform/message_box.h"

namespace vornet {

IntegerValidator::IntegerValidator(int* value, std::optional<Range> range)
    : value_(value), range_(range) {
  Bind(wxEVT_CHAR, &IntegerValidator::OnChar, this);
}

IntegerValidator::IntegerValidator(const IntegerValidator& other)
    : wxValidator(other), value_(other.value_), range_(other.range_) {
  Bind(wxEVT_CHAR, &IntegerValidator::OnChar, this);
}

bool IntegerValidator::Parse(const wxString& text, int& value) {
  const wxString trimmed = wxString(text).Trim(true).Trim(false);
  if (trimmed.empty() || trimmed.length() > 9) return false;
  long parsed = 0;
  for (wxUniChar ch : trimmed) {
    if (ch < '0' || ch > '9') return false;
  }
  if (!trimmed.ToLong(&parsed)) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool IntegerValidator::Validate(wxWindow* parent) {
  auto* field = wxDynamicCast(GetWindow(), wxTextCtrl);
  if (field == nullptr) return true;
  int value = 0;
  wxString message;
  if (!Parse(field->GetValue(), value)) {
    message = range_ ? wxString::Format(wxString::FromUTF8("Введите целое число от %d до %d."),
                                        range_->minimum, range_->maximum)
                     : wxString::FromUTF8("Введите целое число.");
  } else if (range_ && (value < range_->minimum || value > range_->maximum)) {
    message = wxString::Format(wxString::FromUTF8("Введите целое число от %d до %d."),
                               range_->minimum, range_->maximum);
  } else {
    return true;
  }
  ShowMessage(parent, message, kCaptionError, MessageIcon::Exclamation);
  field->SetFocus();
  field->SelectAll();
  return false;
}

bool IntegerValidator::TransferToWindow() {
  auto* field = wxDynamicCast(GetWindow(), wxTextCtrl);
  if (field != nullptr && value_ != nullptr) field->ChangeValue(wxString::Format("%d", *value_));
  return true;
}

bool IntegerValidator::TransferFromWindow() {
  auto* field = wxDynamicCast(GetWindow(), wxTextCtrl);
  int value = 0;
  if (field != nullptr && value_ != nullptr && Parse(field->GetValue(), value)) *value_ = value;
  return true;
}

void IntegerValidator::OnChar(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  // Editing and navigation keys pass; of the printable characters only digits do.
  if (key < WXK_SPACE || key == WXK_DELETE || key > WXK_START ||
      (key >= '0' && key <= '9') || event.HasModifiers()) {
    event.Skip();
  }
}

}  // namespace vornet
