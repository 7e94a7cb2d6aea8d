#pragma once
// CAboutDlg: the program's name and the maker's web page, which the "^" button opens in the
// browser. The box stays open meanwhile.

#include <wx/dialog.h>

#include <functional>

namespace vornet {

// The maker's web page shown in the About box.
extern const char kMakerPage[];

class CAboutDlg : public wxDialog {
 public:
  using PageOpener = std::function<void(const wxString& address)>;

  // `openPage` opens the address; by default the system's browser, never a shell command.
  explicit CAboutDlg(wxWindow* parent, PageOpener openPage = OpenInBrowser);

  static void OpenInBrowser(const wxString& address);

 private:
  PageOpener openPage_;
};

}  // namespace vornet
