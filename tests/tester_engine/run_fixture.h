#pragma once
// A test run in a temporary working folder with fake services: write a test file, open it,
// start the run, and read back the results log and the folder's files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tester/test_run.h"
#include "tests/support/qb_builder.h"
#include "tests/support/test_files.h"
#include "tests/tester_engine/fake_run_services.h"

namespace vornet::testing {

class RunFixture : public ::testing::Test {
 protected:
  // Writes `bytes` as "test.qb" in the working folder and opens it the way the window does.
  int Open(const std::string& bytes) {
    WriteFileBytes(dir_.File("test.qb"), bytes);
    DropRun(run_);
    run_.testFilePath = dir_.File("test.qb");
    const int result = OpenTestForRun(run_);
    if (result == 0) SeekQuestion(run_, 0);
    return result;
  }
  // Writes the report header and puts the first question on the page.
  void Start(const std::string& candidate = Ansi("Иванов Петр Сергеевич"), int year = 1985) {
    ASSERT_TRUE(BeginReport(run_, candidate, year));
    StartRun(run_);
  }
  // Ticks once a second up to and including `until` on the fake clock.
  void TickUntil(int64_t until) {
    while (services_.clock < until) {
      ++services_.clock;
      TimerTick(run_);
    }
  }
  std::string Log() const { return ReadFileBytes(dir_.File(kResultsLogName)); }
  // Names of the files in the working folder, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Staged(const std::string& name) const { return FileExists(dir_.File(name)); }

  TempDir dir_;
  ScopedWorkingDir cwd_{dir_.Path()};
  FakeRunServices services_;
  TestRun run_{services_};
};

// The lines of a report, each ended by a single carriage return.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + '\r';
  return bytes;
}

}  // namespace vornet::testing
