// Loading a full test (1024 questions of 16 variants) into the creator's main window and listing
// it, against the model's read alone. Needs a display: run under xvfb-run.

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/xrc/xmlres.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "creator/main_window.h"
#include "model/test_document.h"
#include "model/test_file.h"
#include "tests/support/qb_builder.h"

namespace {

using vornet::testing::QbBuilder;

// Texts of ordinary length; with `pictureBytes` > 0 every question carries a picture.
std::string FullTestFile(size_t pictureBytes) {
  QbBuilder file;
  file.Header("Benchmark", "", "", {0, 0, 0, 0, 0, 0, 10, 4}).I16(vornet::kMaxQuestions);
  for (int q = 0; q < vornet::kMaxQuestions; ++q) {
    file.Str("Question number " + std::to_string(q) + " of the full benchmark test, asked here?");
    if (pictureBytes > 0) {
      file.Media(std::string(pictureBytes, static_cast<char>(q)));
    } else {
      file.NoMedia();
    }
    file.NoMedia().U8(vornet::kMaxAnswers);
    for (int j = 0; j < vornet::kMaxAnswers; ++j) {
      file.Str("Answer variant " + std::to_string(j) + " of question " + std::to_string(q))
          .U8(j == 0 ? 100 : 0)
          .NoMedia()
          .NoMedia();
    }
  }
  return file.Bytes();
}

std::string WriteBenchFile(const std::string& name, const std::string& bytes) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
  return path;
}

void LoadAndList(benchmark::State& state, size_t pictureBytes) {
  const std::string path = WriteBenchFile("vornet-bench-full.qb", FullTestFile(pictureBytes));
  auto doc = std::make_unique<vornet::TestDocument>();
  auto* window = new vornet::CMainDlg(*doc);
  for (auto _ : state) {
    window->LoadTest(path);
    if (window->QuestionList()->GetCount() != vornet::kMaxQuestions) {
      state.SkipWithError("the test was not listed");
      break;
    }
  }
  delete window;
  std::filesystem::remove(path);
}

void ModelReadOnly(benchmark::State& state, size_t pictureBytes) {
  const std::string path = WriteBenchFile("vornet-bench-model.qb", FullTestFile(pictureBytes));
  auto doc = std::make_unique<vornet::TestDocument>();
  for (auto _ : state) {
    vornet::ResetTest(*doc);
    doc->testFilePath = path;
    if (vornet::LoadTestFile(*doc, false) != vornet::kFileOk) {
      state.SkipWithError("the test was not read");
      break;
    }
  }
  vornet::ResetTest(*doc);
  std::filesystem::remove(path);
}

BENCHMARK_CAPTURE(LoadAndList, texts_only, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadAndList, with_4k_picture_per_question, 4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelReadOnly, texts_only, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelReadOnly, with_4k_picture_per_question, 4096)->Unit(benchmark::kMillisecond);

class BenchApp : public wxApp {
 public:
  bool OnInit() override {
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "wxWidgets could not start (no display?)\n");
    return 1;
  }
  delete wxLog::SetActiveTarget(new wxLogStderr);
  benchmark::RunSpecifiedBenchmarks();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
