#include "creator/about_dialog.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/utils.h>
#include <wx/xrc/xmlres.h>

#include "creator/command_ids.h"
#include "creator/creator_resources.h"

namespace vornet {

const char kMakerPage[] = "https://vornet.example.org/";

CAboutDlg::CAboutDlg(wxWindow* parent, PageOpener openPage) : openPage_(std::move(openPage)) {
  LoadCreatorResources();
  wxXmlResource::Get()->LoadDialog(this, parent, "CAboutDlg");
  SetClientSize(ConvertDialogToPixels(wxSize(190, 85)));
  new wxStaticBitmap(this, wxID_ANY, CreatorIcons().GetIcon(32),
                     ConvertDialogToPixels(wxPoint(11, 12)));
  XRCCTRL(*this, "ID_ABOUT_PAGE", wxStaticText)->SetLabel(kMakerPage);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { openPage_(kMakerPage); },
      creator_ids::kAboutOpenPage);
  // Enter closes the box rather than opening the page.
  FindWindow(wxID_OK)->SetFocus();
  CentreOnParent();
}

void CAboutDlg::OpenInBrowser(const wxString& address) { wxLaunchDefaultBrowser(address); }

}  // namespace vornet
