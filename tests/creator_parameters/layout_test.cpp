// The templates are laid out in dialog units, which GTK's font makes wider than on Windows: every
// label must still show whole, and no two controls may overlap.

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <memory>
#include <vector>

#include "creator/new_test_dialog.h"
#include "creator/parameters_pages.h"
#include "creator/parameters_sheet.h"
#include "creator/password_dialog.h"

namespace vornet {
namespace {

void ExpectWholeAndApart(wxWindow& window) {
  SCOPED_TRACE(window.GetName().utf8_string());
  std::vector<wxWindow*> controls;
  const wxRect area(window.GetClientSize());
  for (wxWindow* control : window.GetChildren()) {
    const wxString label = control->GetLabel();
    SCOPED_TRACE(label.utf8_string());
    const wxRect rect = control->GetRect();
    EXPECT_TRUE(area.Contains(rect)) << "outside the window";
    if (dynamic_cast<wxStaticBox*>(control)) continue;
    if (dynamic_cast<wxStaticText*>(control) || dynamic_cast<wxCheckBox*>(control)) {
      const wxSize needed = control->GetBestSize();
      EXPECT_GE(rect.width, needed.x) << "label clipped";
      EXPECT_GE(rect.height, needed.y) << "label clipped";
    }
    for (wxWindow* other : controls) {
      EXPECT_FALSE(rect.Intersects(other->GetRect()))
          << "overlaps \"" << other->GetLabel().utf8_string() << "\"";
    }
    controls.push_back(control);
  }
}

TEST(Layout, NewTestDialog) {
  CNewTestDlg dialog(nullptr);
  ExpectWholeAndApart(dialog);
}

TEST(Layout, ParametersSheetPages) {
  CProp sheet(nullptr, ParameterSheetFields{});
  ExpectWholeAndApart(sheet.NamePage());
  ExpectWholeAndApart(sheet.OtherPage());
}

TEST(Layout, PasswordPrompt) {
  CPasswordDlg prompt(nullptr);
  ExpectWholeAndApart(prompt);
}

}  // namespace
}  // namespace vornet
