// One full drawing of the test page into the off-screen bitmap: a question with a picture and
// sixteen offered answers, at the window's starting size. The run timer redraws the page every
// second, and every hover change redraws it too. Needs a display (run it under xvfb-run).

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/image.h>

#include "platform/codepage.h"
#include "tester/tester_dlg.h"

namespace {

class BenchApp : public wxApp {
 public:
  bool OnInit() override {
    wxInitAllImageHandlers();
    return true;
  }
};

vornet::CTesterDlg* MakeWindowWithFullPage() {
  auto* window = new vornet::CTesterDlg();
  window->Show();
  vornet::TestRun& run = window->Run();
  run.questionCount = 1;
  run.answerCount = 16;
  run.testSettings.testTimeLimited = 1;
  run.testSettings.testMinutes = 10;
  run.testSettings.questionTimeLimited = 1;
  run.testSettings.questionMinutes = 2;
  run.testElapsed = 100;
  run.questionElapsed = 30;
  run.items[0].text = vornet::Utf8ToCp1251(
      "Какой из приведённых ниже вариантов правильно описывает движение тела, брошенного под "
      "углом к горизонту, если сопротивлением воздуха можно пренебречь?");
  wxImage picture(320, 200);
  picture.SetRGB(wxRect(0, 0, 320, 200), 90, 140, 220);
  run.items[0].picture = std::make_shared<vornet::PagePicture>(wxBitmap(picture));
  run.items[0].hasPicture = true;
  for (int k = 1; k <= 16; ++k) {
    run.items[k].text =
        vornet::Utf8ToCp1251("Вариант ответа номер " + std::to_string(k) + ": по параболе");
  }
  return window;
}

void BM_RenderPage(benchmark::State& state) {
  vornet::CTesterDlg* window = MakeWindowWithFullPage();
  const wxSize client = window->Page()->GetClientSize();
  for (auto _ : state) window->RenderPage(client.GetWidth(), client.GetHeight());
  state.counters["width"] = client.GetWidth();
  state.counters["height"] = client.GetHeight();
  delete window;
}
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond);

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  int wxArgc = 1;
  char* wxArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
