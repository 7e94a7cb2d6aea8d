// main() of the window tests: wxWidgets is started once for the whole binary, log output goes
// to stderr so no log box can block a run.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/xrc/xmlres.h>

namespace {

class TestApp : public wxApp {
 public:
  bool OnInit() override {
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    return true;
  }
};

class WxEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
      std::fprintf(stderr, "Window tests need a display: run them under xvfb-run.\n");
      std::exit(1);
    }
    static char name[] = "window-tests";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "wxWidgets could not start (no display?)";
    started_ = true;
    ASSERT_TRUE(wxTheApp->CallOnInit());
    delete wxLog::SetActiveTarget(new wxLogStderr);
  }
  void TearDown() override {
    if (!started_) return;
    wxTheApp->OnExit();
    wxEntryCleanup();
  }

 private:
  bool started_ = false;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
  setenv("NO_AT_BRIDGE", "1", 0);  // no accessibility bus under a virtual display
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new WxEnvironment);
  return RUN_ALL_TESTS();
}
