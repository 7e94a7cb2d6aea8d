// Fuzzes the tester's reader: every input is opened for a run and, when accepted, every question
// is prepared and answered in turn, with the staged media of each question. Whatever the bytes,
// nothing is read past the tables, the offered answers stay within 16 and the run ends.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "tester/test_run.h"

namespace {

using namespace vornet;

void Check(bool condition) {
  if (!condition) std::abort();
}

class QuietServices : public RunServices {
 public:
  int64_t Now() override { return 1000000; }
  void StopSound() override {}
  std::shared_ptr<DecodedPicture> DecodePicture(const std::string&) override { return nullptr; }
  void RequestRelayout() override {}
  void RequestRedraw() override {}
  void StartTimer() override {}
  void StopTimer() override {}
  void ShowResultMessage(const std::string&) override {}
  void ResultsLogUnavailable() override {}
};

std::string ScratchFolder() {
  for (const char* base : {"/dev/shm", "/tmp"}) {
    std::string pattern = std::string(base) + "/vornet-tester-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) return pattern;
  }
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = ScratchFolder();
  static QuietServices services;
  static auto run = std::make_unique<TestRun>(services);
  // Staged media and the results log go to the working folder.
  if (::chdir(folder.c_str()) != 0) std::abort();
  {
    std::ofstream out("input.qb", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ::unlink("Results.txt");
  DropRun(*run);
  run->testFilePath = folder + "/input.qb";
  if (OpenTestForRun(*run) != 0) return 0;
  Check(run->questionCount >= 0 && run->questionCount <= kMaxQuestions);
  SeekQuestion(*run, 0);
  if (!BeginReport(*run, "A B C", 1990)) return 0;
  StartRun(*run);
  // Answer the first offered variant of every question; a question without variants ends the
  // run by the test time instead.
  for (int guard = 0; run->running && guard <= kMaxQuestions; ++guard) {
    Check(run->answerCount <= kMaxAnswers);
    if (run->answerCount > 0) {
      AnswerChosen(*run, 1);
    } else {
      run->testSettings.testTimeLimited = 1;
      run->testSettings.testMinutes = 0;
      TimerTick(*run);
    }
  }
  Check(!run->running);
  return 0;
}
