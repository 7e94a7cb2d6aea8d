// Import of a 10 MB text file, measured against a plain buffered read of the same file in the
// same run, and export of a test with 1024 questions of 16 variants each.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "interchange/export_text.h"
#include "interchange/import_text.h"
#include "interchange/interchange_result.h"
#include "model/test_document.h"
#include "platform/codepage.h"
#include "platform/locked_file.h"

namespace vornet {
namespace {

constexpr size_t kTextLength = 560;  // about 10 MB for 1024 x 17 lines

// Russian words in Windows-1251; a few begin with the first letters of the default markers, so
// the reader starts look-aheads that fail, as it does in real texts.
std::string Words(size_t length, unsigned seed) {
  static const char* const kWords[] = {"вода",  "Восток", "земля",  "Отдел",  "город", "река",
                                       "число", "ответ",  "вопрос", "лес",    "время", "Волга",
                                       "поле",  "Омск",   "книга",  "дорога", "2*2",   "ум"};
  std::string text;
  unsigned state = seed * 2654435761u + 1;
  while (text.size() < length) {
    state = state * 1103515245u + 12345u;
    text += Utf8ToCp1251(kWords[(state >> 16) % (sizeof kWords / sizeof *kWords)]);
    text += ' ';
  }
  text.resize(length);
  return text;
}

std::unique_ptr<TestDocument> FullTest() {
  auto doc = std::make_unique<TestDocument>();
  ResetTest(*doc);
  doc->testInfo.name = Utf8ToCp1251("Большой тест");
  doc->testInfo.description = Utf8ToCp1251("Тысяча двадцать четыре вопроса");
  for (int q = 0; q < kMaxQuestions; ++q) {
    const int position = AddQuestion(*doc, Words(kTextLength, q), "", "");
    for (int j = 0; j < kMaxAnswers; ++j) {
      AddAnswer(*doc, position, Words(kTextLength, q * 31 + j), "", "", j % 5 == 0 ? 100 : 0);
    }
  }
  return doc;
}

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/vornet-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  std::string File(const char* name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Reads the file through a 64 KiB buffer and touches every byte.
uint64_t PlainBufferedRead(const std::string& path) {
  LockedFile file = LockedFile::OpenForRead(path);
  std::vector<unsigned char> buffer(64 * 1024);
  uint64_t sum = 0;
  for (long got; (got = file.Read(buffer.data(), buffer.size())) > 0;) {
    for (long i = 0; i < got; ++i) sum += buffer[i];
  }
  return sum;
}

double Seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

void BM_Import10MBVersusPlainRead(benchmark::State& state) {
  BenchFolder folder;
  auto source = FullTest();
  source->interchangeSettings.interchangePath = folder.File("import.txt");
  if (ExportText(*source) != kInterchangeDone) std::abort();
  const std::string path = source->interchangeSettings.interchangePath;
  const auto fileSize = std::filesystem::file_size(path);
  source.reset();

  auto doc = std::make_unique<TestDocument>();
  double plainTotal = 0;
  double importTotal = 0;
  for (auto _ : state) {
    ResetTest(*doc);
    doc->interchangeSettings.interchangePath = path;

    const auto plainStart = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(PlainBufferedRead(path));
    const auto importStart = std::chrono::steady_clock::now();
    if (ImportText(*doc) != kInterchangeDone || doc->questionCount != kMaxQuestions) std::abort();
    const auto importEnd = std::chrono::steady_clock::now();

    plainTotal += Seconds(importStart - plainStart);
    importTotal += Seconds(importEnd - importStart);
    state.SetIterationTime(Seconds(importEnd - importStart));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
  state.counters["file_MB"] = static_cast<double>(fileSize) / 1e6;
  state.counters["plain_read_ms"] = plainTotal / static_cast<double>(state.iterations()) * 1e3;
  state.counters["import_ms"] = importTotal / static_cast<double>(state.iterations()) * 1e3;
  state.counters["import_to_plain_read"] = importTotal / plainTotal;
}
BENCHMARK(BM_Import10MBVersusPlainRead)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Export1024QuestionsOf16Variants(benchmark::State& state) {
  BenchFolder folder;
  auto doc = FullTest();
  doc->interchangeSettings.interchangePath = folder.File("export.txt");
  for (auto _ : state) {
    if (ExportText(*doc) != kInterchangeDone) std::abort();
  }
  const auto fileSize = std::filesystem::file_size(doc->interchangeSettings.interchangePath);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
  state.counters["file_MB"] = static_cast<double>(fileSize) / 1e6;
}
BENCHMARK(BM_Export1024QuestionsOf16Variants)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornet

BENCHMARK_MAIN();
