// The creator: one test in memory for the whole process, edited in the main window. The program
// ends when the main window is closed.

#include <wx/app.h>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

#include "creator/main_window.h"
#include "model/test_document.h"
#include "platform/russian_interface.h"

namespace {

// Outlives the main window; its staging folder goes when the process ends.
vornet::TestDocument& Document() {
  static vornet::TestDocument document;
  return document;
}

class CreatorApp : public wxApp {
 public:
  bool OnInit() override {
    vornet::UseRussianInterface();
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    auto* window = new vornet::CMainDlg(Document());
    SetTopWindow(window);
    window->Show();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(CreatorApp);
