#pragma once
// A small set of byte values (at most four) with a fast search for the first byte of a buffer
// that belongs to it. The import reader uses it to pass over the bytes that no recogniser acts on.

#include <array>
#include <cstddef>

namespace vornet {

class ActionBytes {
 public:
  static constexpr int kCapacity = 4;

  // Adds a byte value; values beyond the capacity are not taken (returns false).
  bool Add(unsigned char byte);
  bool Contains(unsigned char byte) const { return member_[byte]; }

  // The number of leading bytes of `data` that are not in the set.
  size_t QuietPrefix(const char* data, size_t size) const;

 private:
  std::array<bool, 256> member_{};
  std::array<unsigned char, kCapacity> values_{};
  int count_ = 0;
};

}  // namespace vornet
