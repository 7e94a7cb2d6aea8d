#include <wx/wx.h>

// Placeholder until the main window exists.
class PlaceholderApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Vornet");
    frame->Show();
    return true;
  }
};

wxIMPLEMENT_APP(PlaceholderApp);
