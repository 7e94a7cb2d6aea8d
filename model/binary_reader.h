#pragma once
// Buffered little-endian reading of a test file that never reads past the end: every read
// checks what is left, so a damaged length is found before anything is trusted.

#include <cstdint>
#include <string>

#include "model/test_file_layout.h"
#include "platform/locked_file.h"

namespace vornet {

class BinaryReader {
 public:
  // The file must stay open while the reader is used.
  explicit BinaryReader(LockedFile& file);

  int64_t Position() const { return position_; }
  int64_t Remaining() const { return size_ - position_; }
  // False once any read failed; later reads then fail too.
  bool Ok() const { return ok_; }

  bool ReadBytes(void* data, size_t count);
  bool ReadU8(uint8_t& value);
  bool ReadI16(int16_t& value);
  bool ReadU32(uint32_t& value);
  // A signed 16-bit length followed by that many bytes; a negative length fails.
  bool ReadString(std::string& text);
  bool Skip(uint64_t count);
  bool SeekTo(int64_t offset);
  // Copies `count` bytes into `out` in pieces of at most kMediaCopyBufferSize bytes.
  // `out` may be null to skip the bytes. False on a short file or a write error.
  bool CopyTo(LockedFile* out, uint64_t count);

 private:
  bool Fail() { ok_ = false; return false; }
  bool Fill();

  LockedFile& file_;
  int64_t size_ = 0;
  int64_t position_ = 0;  // logical position of the next byte to read
  char buffer_[kMediaCopyBufferSize];
  size_t bufferStart_ = 0;  // next unread byte in buffer_
  size_t bufferEnd_ = 0;
  bool ok_ = true;
};

}  // namespace vornet
