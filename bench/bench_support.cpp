#include "bench/bench_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace vornet::bench {

ScratchDir::ScratchDir() {
  const char* base = std::getenv("VORNET_BENCH_DIR");
  std::string pattern = std::string(base && *base ? base : ".") + "/vornet-bench-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
  path_ = std::filesystem::absolute(buffer.data()).string();
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void WritePatternFile(const std::string& path, uint64_t size) {
  std::vector<char> block(1 << 20);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 31 + i / 4093) & 0xFF);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  while (size > 0) {
    const size_t piece = size < block.size() ? static_cast<size_t>(size) : block.size();
    out.write(block.data(), static_cast<std::streamsize>(piece));
    size -= piece;
  }
}

void PlainCopy(const std::string& from, const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY);
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char> buffer(1 << 20);
  ssize_t got = 0;
  while ((got = ::read(in, buffer.data(), buffer.size())) > 0) {
    if (::write(out, buffer.data(), static_cast<size_t>(got)) != got) break;
  }
  ::close(in);
  ::close(out);
}

namespace {

int64_t StatusField(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atoll(line.c_str() + prefix.size()) * 1024;
  }
  return -1;
}

}  // namespace

void ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

int64_t CurrentResidentBytes() { return StatusField("VmRSS"); }

int64_t PeakResidentBytes() { return StatusField("VmHWM"); }

}  // namespace vornet::bench
