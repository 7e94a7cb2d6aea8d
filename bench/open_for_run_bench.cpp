// Opening a test for a run must not depend on the size of its media: the walk seeks over them.
// OpenTestForRun on 1024 questions of 16 variants, without media and with about 1 GiB of media
// laid out three ways (sparse files, so building them is quick), reported with the ratio to the
// walk without media and the bytes the walk read: these grow with the number of media blocks,
// never with their size. And PrepareQuestion of a 16-variant question with pictures.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tester/test_run.h"

namespace {

using vornet::kMaxAnswers;
using vornet::kMaxQuestions;

// Writes a .qb file field by field; media bytes are left as holes.
class SparseQbWriter {
 public:
  explicit SparseQbWriter(const std::string& path)
      : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}
  ~SparseQbWriter() {
    Flush();
    if (::ftruncate(fd_, static_cast<off_t>(position_)) != 0) std::abort();
    ::close(fd_);
  }
  void U8(uint8_t v) { pending_ += static_cast<char>(v); }
  void I16(int16_t v) {
    U8(static_cast<uint8_t>(v & 0xFF));
    U8(static_cast<uint8_t>((v >> 8) & 0xFF));
  }
  void U32(uint32_t v) {
    for (int k = 0; k < 4; ++k) U8(static_cast<uint8_t>(v >> (8 * k)));
  }
  void Str(const std::string& text) {
    I16(static_cast<int16_t>(text.size()));
    pending_ += text;
  }
  void Media(uint32_t length, const std::string& start = std::string()) {
    U8(1);
    U32(length);
    pending_ += start;
    Flush();
    position_ += length - start.size();
    if (::lseek(fd_, static_cast<off_t>(position_), SEEK_SET) < 0) std::abort();
  }
  void NoMedia() { U8(0); }

 private:
  void Flush() {
    if (!pending_.empty() &&
        ::write(fd_, pending_.data(), pending_.size()) != static_cast<ssize_t>(pending_.size())) {
      std::abort();
    }
    position_ += pending_.size();
    pending_.clear();
  }
  int fd_;
  uint64_t position_ = 0;
  std::string pending_;
};

// 1024 questions of 16 variants. Every `questionStep`-th question carries a sound of `soundBytes`
// bytes; each of the first `pictureItems` items of every question (the question, then its
// variants) carries a picture of `pictureBytes` bytes.
struct Layout {
  const char* file;
  int questionStep;
  uint32_t soundBytes;
  int pictureItems;
  uint32_t pictureBytes;
};

void WriteBigTest(const std::string& path, const Layout& layout) {
  SparseQbWriter out(path);
  for (char c : std::string("QBv1.0")) out.U8(static_cast<uint8_t>(c));
  out.Str("Benchmark");
  out.Str("1024 x 16");
  out.Str("");
  for (int16_t word : {0, 0, 0, 0, 0, 0, 0, 0}) out.I16(word);
  out.I16(kMaxQuestions);
  auto picture = [&](int item) {
    if (item < layout.pictureItems) {
      out.Media(layout.pictureBytes, "BM");
    } else {
      out.NoMedia();
    }
  };
  for (int q = 0; q < kMaxQuestions; ++q) {
    out.Str("Question number " + std::to_string(q) + " of the benchmark test?");
    picture(0);
    if (layout.questionStep > 0 && q % layout.questionStep == 0) {
      out.Media(layout.soundBytes, "RIFF");
    } else {
      out.NoMedia();
    }
    out.U8(kMaxAnswers);
    for (int t = 0; t < kMaxAnswers; ++t) {
      out.Str("Answer variant " + std::to_string(t));
      out.U8(t == 0 ? 100 : 0);
      picture(t + 1);
      out.NoMedia();
    }
  }
}

class BenchPicture : public vornet::DecodedPicture {
 public:
  int Width() const override { return 64; }
  int Height() const override { return 64; }
};

class BenchServices : public vornet::RunServices {
 public:
  void StopSound() override {}
  std::shared_ptr<vornet::DecodedPicture> DecodePicture(const std::string&) override {
    return std::make_shared<BenchPicture>();
  }
  void RequestRelayout() override {}
  void RequestRedraw() override {}
  void StartTimer() override {}
  void StopTimer() override {}
  void ShowResultMessage(const std::string&) override {}
  void ResultsLogUnavailable() override {}
};

// Bytes this process has read through read() so far.
int64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  int64_t value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return 0;
}

class BenchFolder {
 public:
  BenchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vornet-bench-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) std::abort();
    path_ = buffer.data();
  }
  ~BenchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

BenchFolder& Folder() {
  static BenchFolder folder;
  return folder;
}

// About 1 GiB of media in few large blocks, in one block per question, and in a block on
// every item; and none at all.
constexpr Layout kLayouts[] = {
    {"plain.qb", 0, 0, 0, 0},
    {"big_sounds.qb", 16, 16u << 20, 0, 0},
    {"question_pictures.qb", 0, 0, 1, 1u << 20},
    {"item_pictures.qb", 0, 0, 17, (1u << 30) / (kMaxQuestions * 17)},
};
constexpr int kLayoutCount = sizeof kLayouts / sizeof kLayouts[0];

const std::string& TestFile(int layout) {
  static std::string paths[kLayoutCount];
  std::string& path = paths[layout];
  if (path.empty()) {
    path = Folder().File(kLayouts[layout].file);
    WriteBigTest(path, kLayouts[layout]);
  }
  return path;
}

double OneOpenSeconds(vornet::TestRun& run) {
  const auto start = std::chrono::steady_clock::now();
  const int result = vornet::OpenTestForRun(run);
  const auto end = std::chrono::steady_clock::now();
  if (result != 0) std::abort();
  return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// Each iteration opens the test of the layout and, as the yardstick of the ratio, the test
// without media, so that both see the same load on the machine.
void BM_OpenTestForRun(benchmark::State& state) {
  const int layout = static_cast<int>(state.range(0));
  BenchServices services;
  vornet::TestRun run(services);
  run.testFilePath = TestFile(layout);
  vornet::TestRun plainRun(services);
  plainRun.testFilePath = TestFile(0);
  std::vector<double> times;
  std::vector<double> plainTimes;
  int64_t bytesRead = 0;
  for (auto _ : state) {
    const int64_t before = BytesRead();
    const double seconds = OneOpenSeconds(run);
    bytesRead += BytesRead() - before;
    state.SetIterationTime(seconds);
    times.push_back(seconds);
    plainTimes.push_back(OneOpenSeconds(plainRun));
  }
  state.SetLabel(kLayouts[layout].file);
  state.counters["file_MiB"] =
      static_cast<double>(std::filesystem::file_size(run.testFilePath)) / (1 << 20);
  state.counters["read_KiB_per_open"] =
      static_cast<double>(bytesRead) / 1024 / static_cast<double>(times.size());
  state.counters["ratio_to_plain"] = Median(times) / Median(plainTimes);
}
BENCHMARK(BM_OpenTestForRun)
    ->DenseRange(0, kLayoutCount - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One question of 16 variants, each with a 30 KiB picture, the question with one too; shuffled.
void BM_PrepareQuestion(benchmark::State& state) {
  const std::string path = Folder().File("pictures.qb");
  {
    SparseQbWriter out(path);
    for (char c : std::string("QBv1.0")) out.U8(static_cast<uint8_t>(c));
    out.Str("T");
    out.Str("");
    out.Str("");
    for (int16_t word : {0, 0, 0, 0, 0, 1, 0, 16}) out.I16(word);
    out.I16(1);
    const std::string picture = "BM" + std::string(30 * 1024 - 2, 'p');
    out.Str("Which picture?");
    out.Media(static_cast<uint32_t>(picture.size()), picture);
    out.NoMedia();
    out.U8(kMaxAnswers);
    for (int t = 0; t < kMaxAnswers; ++t) {
      out.Str("Variant " + std::to_string(t));
      out.U8(t == 5 ? 100 : 0);
      out.Media(static_cast<uint32_t>(picture.size()), picture);
      out.NoMedia();
    }
  }
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(Folder().Path());
  BenchServices services;
  vornet::TestRun run(services);
  run.testFilePath = path;
  if (vornet::OpenTestForRun(run) != 0) std::abort();
  for (auto _ : state) {
    vornet::SeekQuestion(run, 0);
    vornet::PrepareQuestion(run);
    benchmark::DoNotOptimize(run.items);
  }
  if (!run.items[16].hasPicture) state.SkipWithError("pictures were not staged");
  std::filesystem::current_path(previous);
}
BENCHMARK(BM_PrepareQuestion)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
