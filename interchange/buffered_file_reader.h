#pragma once
// Byte-at-a-time reading of a file through a block buffer, with a position that can be moved
// back (a failed look-ahead puts bytes back) without a system call per byte.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/locked_file.h"

namespace vornet {

class BufferedFileReader {
 public:
  // Reads the first `length` bytes of `file`, which must stay open while the reader is used.
  BufferedFileReader(LockedFile& file, uint64_t length, size_t blockSize = 64 * 1024);

  bool AtEnd() const { return position_ >= length_; }
  uint64_t Position() const { return position_; }
  // False once a read has failed or the file turned out shorter than its length; the reader
  // then behaves as if the file ended there.
  bool Failed() const { return failed_; }

  // The byte at the position (0..255), moving past it; -1 at the end.
  int ReadByte() {
    if (position_ >= start_ && position_ - start_ < count_) return buffer_[position_++ - start_];
    return ReadByteSlow();
  }

  // Moves the position, at most to the end.
  void Seek(uint64_t position) { position_ = position < length_ ? position : length_; }

  // The bytes buffered from the position on, filling the buffer when it has none left; empty at
  // the end. Advance() moves past bytes taken from it.
  std::string_view Peek();
  void Advance(size_t count) { Seek(position_ + count); }

 private:
  int ReadByteSlow();
  bool Fill();

  LockedFile& file_;
  uint64_t length_;
  std::vector<unsigned char> buffer_;
  uint64_t start_ = 0;    // file offset of buffer_[0]
  uint64_t count_ = 0;    // bytes held in buffer_
  uint64_t filePos_ = 0;  // offset of the descriptor
  uint64_t position_ = 0;
  bool failed_ = false;
};

}  // namespace vornet
