#include "model/binary_reader.h"

#include <algorithm>
#include <cstring>

namespace vornet {

BinaryReader::BinaryReader(LockedFile& file) : file_(file) {
  size_ = file.Size();
  if (size_ < 0) ok_ = false;
}

bool BinaryReader::Fill() {
  bufferStart_ = 0;
  bufferEnd_ = 0;
  const long got = file_.Read(buffer_, sizeof buffer_);
  if (got <= 0) return Fail();
  bufferEnd_ = static_cast<size_t>(got);
  return true;
}

bool BinaryReader::ReadBytes(void* data, size_t count) {
  if (!ok_ || static_cast<uint64_t>(Remaining()) < count) return Fail();
  char* out = static_cast<char*>(data);
  while (count > 0) {
    if (bufferStart_ == bufferEnd_ && !Fill()) return false;
    const size_t piece = std::min(count, bufferEnd_ - bufferStart_);
    std::memcpy(out, buffer_ + bufferStart_, piece);
    bufferStart_ += piece;
    out += piece;
    count -= piece;
    position_ += static_cast<int64_t>(piece);
  }
  return true;
}

bool BinaryReader::ReadU8(uint8_t& value) { return ReadBytes(&value, 1); }

bool BinaryReader::ReadI16(int16_t& value) {
  unsigned char bytes[2];
  if (!ReadBytes(bytes, 2)) return false;
  value = static_cast<int16_t>(bytes[0] | (bytes[1] << 8));
  return true;
}

bool BinaryReader::ReadU32(uint32_t& value) {
  unsigned char bytes[4];
  if (!ReadBytes(bytes, 4)) return false;
  value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
          (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  return true;
}

bool BinaryReader::ReadString(std::string& text) {
  int16_t length = 0;
  if (!ReadI16(length)) return false;
  if (length < 0 || length > Remaining()) return Fail();
  text.resize(static_cast<size_t>(length));
  return ReadBytes(text.data(), text.size());
}

bool BinaryReader::Skip(uint64_t count) {
  if (!ok_ || static_cast<uint64_t>(Remaining()) < count) return Fail();
  return SeekTo(position_ + static_cast<int64_t>(count));
}

bool BinaryReader::SeekTo(int64_t offset) {
  if (!ok_ || offset < 0 || offset > size_) return Fail();
  // A target inside the buffered bytes needs no system call.
  const int64_t bufferBase = position_ - static_cast<int64_t>(bufferStart_);
  if (offset >= bufferBase && offset <= bufferBase + static_cast<int64_t>(bufferEnd_)) {
    bufferStart_ = static_cast<size_t>(offset - bufferBase);
  } else {
    if (!file_.Seek(static_cast<uint64_t>(offset))) return Fail();
    bufferStart_ = bufferEnd_ = 0;
  }
  position_ = offset;
  return true;
}

bool BinaryReader::CopyTo(LockedFile* out, uint64_t count) {
  if (!ok_ || static_cast<uint64_t>(Remaining()) < count) return Fail();
  if (out == nullptr) return Skip(count);
  // What is already buffered goes first; the rest is copied straight from the file.
  const size_t buffered =
      static_cast<size_t>(std::min<uint64_t>(count, bufferEnd_ - bufferStart_));
  if (buffered > 0 && !out->WriteAll(buffer_ + bufferStart_, buffered)) return Fail();
  bufferStart_ += buffered;
  position_ += static_cast<int64_t>(buffered);
  count -= buffered;
  if (count == 0) return true;
  bufferStart_ = bufferEnd_ = 0;
  if (!out->CopyFrom(file_, count, buffer_, sizeof buffer_)) return Fail();
  position_ += static_cast<int64_t>(count);
  return true;
}

}  // namespace vornet
