#pragma once
// A media file that the tester stages in the working folder: created, or emptied when one of
// that name exists, and held exclusively while it is written. Symbolic links and anything but a
// regular file are refused, and opening never waits (a pipe of that name fails at once).
// A new file is not truncated, so the file system is not asked to flush it on closing.

#include <cstddef>
#include <string>

namespace vornet {

class StagedFile {
 public:
  explicit StagedFile(const std::string& path);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Writes all bytes, retrying short writes; false on any error.
  bool WriteAll(const char* data, size_t size);
  // False when the system reports an error that surfaced at closing.
  bool Close();

 private:
  int fd_ = -1;
};

}  // namespace vornet
