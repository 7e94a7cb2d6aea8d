#pragma once
// Binds an integer member to a text field that takes digits only. Validation refuses a field
// that holds no number, or a number outside the range, with a Russian message box, and gives the
// field the focus back so the dialog stays open on it.

#include <wx/validate.h>

#include <optional>

namespace vornet {

class IntegerValidator : public wxValidator {
 public:
  struct Range {
    int minimum;
    int maximum;
  };

  explicit IntegerValidator(int* value, std::optional<Range> range = std::nullopt);
  IntegerValidator(const IntegerValidator& other);

  wxObject* Clone() const override { return new IntegerValidator(*this); }
  bool Validate(wxWindow* parent) override;
  bool TransferToWindow() override;
  // Leaves the member as it was when the field holds no number.
  bool TransferFromWindow() override;

  // Parses a field's text: digits only (surrounding blanks allowed). False for anything else.
  static bool Parse(const wxString& text, int& value);

 private:
  void OnChar(wxKeyEvent& event);

  int* value_;
  std::optional<Range> range_;
};

}  // namespace vornet
