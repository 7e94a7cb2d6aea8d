#pragma once
// The name, description and password fields that the New-test dialog and the "Название" page
// share, with the rule that the password and its confirmation must match.

#include <wx/window.h>

#include "creator/test_parameters.h"

class wxTextCtrl;

namespace vornet {

class TestInfoControls {
 public:
  // Finds the four fields among the window's controls and caps what they take.
  explicit TestInfoControls(wxWindow* window);

  void Show(const TestInfoFields& fields);
  TestInfoFields Take() const;

  // Takes the fields into `fields`. When the password and its confirmation differ, says so,
  // empties both (members and fields) and returns false.
  bool TakeMatchingPasswords(TestInfoFields& fields);

 private:
  wxWindow* window_;
  wxTextCtrl* name_;
  wxTextCtrl* description_;
  wxTextCtrl* password_;
  wxTextCtrl* confirmation_;
};

}  // namespace vornet
