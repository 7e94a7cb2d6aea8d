#pragma once
// Shared pieces of the benchmarks: scratch folders on the build's disk and peak-memory readings.

#include <cstdint>
#include <string>

namespace vornet::bench {

// A scratch folder beside the build (the same disk as the files a user would save), removed
// when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Writes `size` bytes of a varied pattern to `path`.
void WritePatternFile(const std::string& path, uint64_t size);

// Copies a file through a read/write loop with a large buffer: the machine's own copy speed.
void PlainCopy(const std::string& from, const std::string& to);

// Resets the process's peak resident size, and reads how far it rose above `baseline` since.
void ResetPeakMemory();
int64_t CurrentResidentBytes();
int64_t PeakResidentBytes();

}  // namespace vornet::bench
