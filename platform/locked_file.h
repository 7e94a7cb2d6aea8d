#pragma once
// Files opened with the sharing rules the programs rely on, over flock(2): a reader that denies
// writing takes a shared lock, a writer that denies all sharing takes an exclusive lock, both
// without waiting. A lock that cannot be had is the same failure as a file that cannot be opened.
// Programs that take no lock can still read the file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vornet {

class LockedFile {
 public:
  LockedFile() = default;
  ~LockedFile();
  LockedFile(LockedFile&& other) noexcept;
  LockedFile& operator=(LockedFile&& other) noexcept;
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens an existing file for reading; others may read it but not write it meanwhile.
  static LockedFile OpenForRead(const std::string& path);
  // Creates the file, or empties an existing one, for writing; nobody else may open it.
  static LockedFile CreateExclusive(const std::string& path);
  // Opens the file for appending, creating it when missing and keeping its content; nobody else
  // may open it.
  static LockedFile OpenForAppend(const std::string& path);
  // Takes an existing file exclusively without changing it (used to make sure nobody reads or
  // writes a file that is about to be replaced). Fails when the file is held by another.
  static LockedFile LockExisting(const std::string& path);
  // Creates a new, uniquely named file beside `target` (its name is `target` plus a suffix),
  // held exclusively. `createdPath` receives its name.
  static LockedFile CreateTemporaryBeside(const std::string& target, std::string& createdPath);

  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }

  // Reads up to `size` bytes; returns the number read, 0 at the end, -1 on error.
  long Read(void* data, size_t size);
  // Writes all bytes, retrying short writes. False on any error (a full disk included).
  bool WriteAll(const void* data, size_t size);
  bool WriteAll(const std::string& bytes) { return WriteAll(bytes.data(), bytes.size()); }
  // Copies `count` bytes from `source`'s current position to this file's current position. The
  // system copies inside the kernel where it can; otherwise the bytes pass through `buffer`.
  // Either way nothing is held in memory beyond that buffer. False when the source ends early or
  // a write fails.
  bool CopyFrom(LockedFile& source, uint64_t count, char* buffer, size_t bufferSize);
  bool Seek(uint64_t offset);
  bool SeekToEnd();
  int64_t Size() const;
  // Closes the file; false when the system reports an error that surfaced at closing.
  bool Close();

 private:
  explicit LockedFile(int fd) : fd_(fd) {}
  static LockedFile OpenLocked(const std::string& path, int flags, int lockOperation);
  int fd_ = -1;
};

}  // namespace vornet
