#include "platform/locked_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vornet {

LockedFile::~LockedFile() { Close(); }

LockedFile::LockedFile(LockedFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

LockedFile LockedFile::OpenLocked(const std::string& path, int flags, int lockOperation) {
  // Opened without waiting, so that a pipe bearing the name cannot hold the program up.
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) return LockedFile();
  struct stat info {};
  // Only regular files take part: a folder, a pipe or a device is no test, log or media file.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::flock(fd, lockOperation | LOCK_NB) != 0 ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return LockedFile();
  }
  return LockedFile(fd);
}

LockedFile LockedFile::OpenForRead(const std::string& path) {
  return OpenLocked(path, O_RDONLY, LOCK_SH);
}

LockedFile LockedFile::CreateExclusive(const std::string& path) {
  // The file is emptied only once the lock is held, so a file in use elsewhere stays intact. A
  // new, empty file is not truncated: ext4 flushes a file truncated to nothing when it is closed,
  // which made every staged media file cost a disk write.
  LockedFile file = OpenLocked(path, O_WRONLY | O_CREAT, LOCK_EX);
  if (file.IsOpen() && file.Size() != 0 && ::ftruncate(file.fd_, 0) != 0) file.Close();
  return file;
}

LockedFile LockedFile::OpenForAppend(const std::string& path) {
  LockedFile file = OpenLocked(path, O_WRONLY | O_CREAT, LOCK_EX);
  if (file.IsOpen() && !file.SeekToEnd()) file.Close();
  return file;
}

LockedFile LockedFile::LockExisting(const std::string& path) {
  return OpenLocked(path, O_RDONLY, LOCK_EX);
}

LockedFile LockedFile::CreateTemporaryBeside(const std::string& target, std::string& createdPath) {
  std::vector<char> pattern(target.begin(), target.end());
  const std::string suffix = ".vornet-XXXXXX";
  pattern.insert(pattern.end(), suffix.begin(), suffix.end());
  pattern.push_back('\0');
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return LockedFile();
  createdPath.assign(pattern.data());
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    ::unlink(createdPath.c_str());
    return LockedFile();
  }
  return LockedFile(fd);
}

long LockedFile::Read(void* data, size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd_, data, size);
    if (got >= 0) return static_cast<long>(got);
    if (errno != EINTR) return -1;
  }
}

bool LockedFile::WriteAll(const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t put = ::write(fd_, bytes, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (put == 0) return false;
    bytes += put;
    size -= static_cast<size_t>(put);
  }
  return true;
}

bool LockedFile::CopyFrom(LockedFile& source, uint64_t count, char* buffer, size_t bufferSize) {
  bool kernelCopy = true;
  while (count > 0) {
    if (kernelCopy) {
      const ssize_t copied =
          ::copy_file_range(source.fd_, nullptr, fd_, nullptr, static_cast<size_t>(count), 0);
      if (copied > 0) {
        count -= static_cast<uint64_t>(copied);
        continue;
      }
      if (copied == 0) return false;  // the source ended early
      if (errno == EINTR) continue;
      // Not possible between these files (another file system, an old kernel): copy by hand.
      if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return false;
      }
      kernelCopy = false;
    }
    const size_t piece = count < bufferSize ? static_cast<size_t>(count) : bufferSize;
    const long got = source.Read(buffer, piece);
    if (got <= 0 || !WriteAll(buffer, static_cast<size_t>(got))) return false;
    count -= static_cast<uint64_t>(got);
  }
  return true;
}

bool LockedFile::Seek(uint64_t offset) {
  return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

bool LockedFile::SeekToEnd() { return ::lseek(fd_, 0, SEEK_END) >= 0; }

int64_t LockedFile::Size() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool LockedFile::Close() {
  if (fd_ < 0) return true;
  const int result = ::close(std::exchange(fd_, -1));
  return result == 0;
}

}  // namespace vornet
