#pragma once
// Dialog 139 "О программе": the program's name and maker, and a button that opens the maker's
// web page in the browser.

#include <wx/dialog.h>

#include <functional>

namespace vornet {

// The maker's web page.
extern const char kMakerPageAddress[];

class CTesterAboutDlg : public wxDialog {
 public:
  explicit CTesterAboutDlg(wxWindow* parent);

  // Opens a web page in the browser; wxLaunchDefaultBrowser unless a test replaces it.
  static std::function<bool(const wxString& address)> openWebPage;

  // The "^" button.
  void OpenMakerPage();
};

}  // namespace vornet
