// tester: the test-taking program.

#include <wx/app.h>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "platform/russian_interface.h"
#include "tester/tester_dlg.h"

namespace {

class TesterApp : public wxApp {
 public:
  bool OnInit() override {
    vornet::UseRussianInterface();
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    auto* window = new vornet::CTesterDlg();
    SetTopWindow(window);
    window->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(TesterApp);
