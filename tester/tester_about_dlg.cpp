#include "tester/tester_about_dlg.h"

#include <wx/statbmp.h>
#include <wx/utils.h>
#include <wx/xrc/xmlres.h>

#include "resources/icons/tester.xpm"
#include "tester/command_ids.h"
#include "tester/tester_resources.h"

namespace vornet {

const char kMakerPageAddress[] = "https://vornet.example.org/";

std::function<bool(const wxString&)> CTesterAboutDlg::openWebPage = [](const wxString& address) {
  return wxLaunchDefaultBrowser(address);
};

CTesterAboutDlg::CTesterAboutDlg(wxWindow* parent) {
  LoadTesterResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CTesterAboutDlg");
  new wxStaticBitmap(this, wxID_ANY, wxBitmap(tester_xpm), ConvertDialogToPixels(wxPoint(8, 10)));
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OpenMakerPage(); }, tester_ids::kMakerPage);
}

void CTesterAboutDlg::OpenMakerPage() { openWebPage(wxString::FromUTF8(kMakerPageAddress)); }

}  // namespace vornet
