#include "interchange/buffered_file_reader.h"

#include <algorithm>

namespace vornet {

BufferedFileReader::BufferedFileReader(LockedFile& file, uint64_t length, size_t blockSize)
    : file_(file), length_(length), buffer_(std::max<size_t>(blockSize, 1)) {}

int BufferedFileReader::ReadByteSlow() {
  if (AtEnd() || !Fill()) return -1;
  return buffer_[position_++ - start_];
}

std::string_view BufferedFileReader::Peek() {
  if (AtEnd()) return std::string_view();
  if (!(position_ >= start_ && position_ - start_ < count_) && !Fill()) return std::string_view();
  const uint64_t offset = position_ - start_;
  return std::string_view(reinterpret_cast<const char*>(buffer_.data()) + offset,
                          static_cast<size_t>(count_ - offset));
}

// Loads the block that begins at the position. A short file ends the reading there.
bool BufferedFileReader::Fill() {
  if (filePos_ != position_ && !file_.Seek(position_)) {
    failed_ = true;
    length_ = position_;
    return false;
  }
  filePos_ = position_;
  const uint64_t wanted = std::min<uint64_t>(buffer_.size(), length_ - position_);
  uint64_t got = 0;
  while (got < wanted) {
    const long read = file_.Read(buffer_.data() + got, static_cast<size_t>(wanted - got));
    if (read <= 0) break;
    got += static_cast<uint64_t>(read);
  }
  filePos_ += got;
  start_ = position_;
  count_ = got;
  if (got < wanted) {
    failed_ = true;
    length_ = position_ + got;
  }
  return got > 0;
}

}  // namespace vornet
