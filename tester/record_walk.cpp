#include "tester/record_walk.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vornet {
namespace {

class WindowReader {
 public:
  WindowReader(int fd, int64_t size, int64_t position)
      : fd_(fd), size_(size), position_(position), runStart_(position), skipFrom_(position) {}

  int64_t Position() const { return position_; }

  bool ReadU8(uint8_t& value) {
    if (!Need(1)) return false;
    value = static_cast<uint8_t>(At(0));
    position_ += 1;
    return true;
  }
  bool ReadI16(int16_t& value) {
    if (!Need(2)) return false;
    value = static_cast<int16_t>(At(0) | (At(1) << 8));
    position_ += 2;
    return true;
  }
  bool ReadU32(uint32_t& value) {
    if (!Need(4)) return false;
    value = static_cast<uint32_t>(At(0)) | (static_cast<uint32_t>(At(1)) << 8) |
            (static_cast<uint32_t>(At(2)) << 16) | (static_cast<uint32_t>(At(3)) << 24);
    position_ += 4;
    return true;
  }
  bool Skip(uint64_t count) {
    if (count > static_cast<uint64_t>(size_ - position_)) return false;
    skipFrom_ = position_;
    position_ += static_cast<int64_t>(count);
    return true;
  }

 private:
  // The window after a seek fits twice what was read between the last two seeks (media tend to
  // come at a steady distance), at least kSmallWindow; it doubles while the walk reads on.
  static constexpr size_t kSmallWindow = 512;

  unsigned At(size_t offset) const {
    return static_cast<unsigned char>(buffer_[position_ - windowStart_ + offset]);
  }

  // Makes the `count` bytes at the position available in the window.
  bool Need(size_t count) {
    const int64_t windowEnd = windowStart_ + static_cast<int64_t>(windowLength_);
    if (position_ >= windowStart_ && position_ + static_cast<int64_t>(count) <= windowEnd) {
      return true;
    }
    if (static_cast<int64_t>(count) > size_ - position_) return false;
    // A short step past the window (a text that ran over its end) still counts as reading on;
    // a longer jump is a seek over media.
    const bool sequential =
        position_ >= windowStart_ && position_ - windowEnd <= static_cast<int64_t>(nextWindow_);
    if (sequential) {
      nextWindow_ = std::min(nextWindow_ * 2, sizeof buffer_);
    } else {
      const int64_t lastRun = skipFrom_ - runStart_;
      nextWindow_ = kSmallWindow;
      while (nextWindow_ < sizeof buffer_ && static_cast<int64_t>(nextWindow_) < 2 * lastRun) {
        nextWindow_ *= 2;
      }
      runStart_ = position_;
    }
    const size_t want =
        static_cast<size_t>(std::min<int64_t>(std::max(nextWindow_, count), size_ - position_));
    size_t got = 0;
    while (got < want) {
      const ssize_t piece = ::pread(fd_, buffer_ + got, want - got,
                                    static_cast<off_t>(position_ + static_cast<int64_t>(got)));
      if (piece < 0 && errno == EINTR) continue;
      if (piece <= 0) break;
      got += static_cast<size_t>(piece);
    }
    windowStart_ = position_;
    windowLength_ = got;
    return got >= count;
  }

  int fd_;
  int64_t size_;
  int64_t position_;
  int64_t runStart_;  // where the walk landed after the last seek
  int64_t skipFrom_;  // where the last skip began
  int64_t windowStart_ = 0;
  size_t windowLength_ = 0;
  size_t nextWindow_ = kSmallWindow;
  char buffer_[kMediaCopyBufferSize];
};

bool SkipMediaBlock(WindowReader& in) {
  uint8_t present = 0;
  if (!in.ReadU8(present)) return false;
  // Any value other than 1 means that no block follows.
  if (present != 1) return true;
  uint32_t length = 0;
  return in.ReadU32(length) && in.Skip(length);
}

// A text (its length, then its bytes) followed by `extra` bytes.
bool SkipText(WindowReader& in, uint64_t extra) {
  int16_t length = 0;
  if (!in.ReadI16(length) || length < 0) return false;
  return in.Skip(static_cast<uint64_t>(length) + extra);
}

bool SkipQuestionRecord(WindowReader& in) {
  if (!SkipText(in, 0) || !SkipMediaBlock(in) || !SkipMediaBlock(in)) return false;
  uint8_t answers = 0;
  if (!in.ReadU8(answers) || answers > kMaxAnswers) return false;
  for (int t = 0; t < answers; ++t) {
    // The answer's text and its accuracy byte, then its picture and sound.
    if (!SkipText(in, 1) || !SkipMediaBlock(in) || !SkipMediaBlock(in)) return false;
  }
  return true;
}

}  // namespace

bool WalkQuestionRecords(const LockedFile& file, int64_t start, int count,
                         std::array<int64_t, kMaxQuestions>& offsets) {
  const int64_t size = file.Size();
  if (size < 0 || start < 0 || start > size || count < 0 || count > kMaxQuestions) return false;
  WindowReader in(file.Descriptor(), size, start);
  for (int j = 0; j < count; ++j) {
    offsets[j] = in.Position();
    if (!SkipQuestionRecord(in)) return false;
  }
  return true;
}

}  // namespace vornet
