// Saving and loading a test that holds 1 GiB of media, against a plain copy of the same bytes on
// the same disk in the same run, with the growth of peak memory during each operation. Disk
// timings vary from one write to the next, so the three operations take turns several times,
// each starting from flushed caches, and the fastest run of each is compared.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "bench/bench_support.h"
#include "model/test_file.h"

namespace vornet::bench {
namespace {

constexpr uint64_t kMediaBytes = uint64_t{1} << 30;
constexpr int kQuestions = 64;  // each with a 16 MiB picture
constexpr int kRounds = 3;

struct Measurement {
  double seconds = 1e9;
  double peakGrowthMiB = 0;
};

// Runs `operation` from flushed caches and keeps the fastest time and the largest memory growth.
void Measure(Measurement& m, const std::function<void()>& prepare,
             const std::function<void()>& operation) {
  prepare();
  ::sync();
  const int64_t baseline = CurrentResidentBytes();
  ResetPeakMemory();
  const auto start = std::chrono::steady_clock::now();
  operation();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.seconds = std::min(m.seconds, seconds);
  m.peakGrowthMiB = std::max(m.peakGrowthMiB, (PeakResidentBytes() - baseline) / (1024.0 * 1024.0));
}

void BM_SaveAndLoadOneGiBOfMediaVsPlainCopy(benchmark::State& state) {
  ScratchDir dir;
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  const std::string picture = dir.File("picture.bmp");
  WritePatternFile(picture, kMediaBytes / kQuestions);
  for (int k = 0; k < kQuestions; ++k) {
    AddQuestion(*doc, "Q", picture, "");
    AddAnswer(*doc, k, "A", "", "", 100);
  }
  doc->testFilePath = dir.File("big.qb");
  auto loaded = std::make_unique<TestDocument>();
  Measurement copy, save, load;
  bool ok = true;
  for (auto _ : state) {
    for (int round = 0; round < kRounds; ++round) {
      Measure(save, [&] { std::remove(doc->testFilePath.c_str()); },
              [&] { ok = ok && SaveTestFile(*doc) == kFileOk; });
      Measure(copy, [&] { std::remove(dir.File("copy.qb").c_str()); },
              [&] { PlainCopy(doc->testFilePath, dir.File("copy.qb")); });
      Measure(load,
              [&] {
                ResetTest(*loaded);
                loaded->testFilePath = doc->testFilePath;
              },
              [&] { ok = ok && LoadTestFile(*loaded, false) == kFileOk; });
    }
  }
  ResetTest(*loaded);
  if (!ok) state.SkipWithError("a save or load failed");
  const double mib = static_cast<double>(kMediaBytes) / (1024.0 * 1024.0);
  state.counters["copy_MiB/s"] = mib / copy.seconds;
  state.counters["save_MiB/s"] = mib / save.seconds;
  state.counters["load_MiB/s"] = mib / load.seconds;
  state.counters["save_vs_copy"] = copy.seconds / save.seconds;
  state.counters["load_vs_copy"] = copy.seconds / load.seconds;
  state.counters["copy_peak_MiB"] = copy.peakGrowthMiB;
  state.counters["save_peak_MiB"] = save.peakGrowthMiB;
  state.counters["load_peak_MiB"] = load.peakGrowthMiB;
}

BENCHMARK(BM_SaveAndLoadOneGiBOfMediaVsPlainCopy)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vornet::bench

BENCHMARK_MAIN();
