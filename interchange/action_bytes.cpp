#include "interchange/action_bytes.h"

#include <cstdint>
#include <cstring>

namespace vornet {
namespace {

// Sixteen bytes compared at once (GCC and Clang vector extensions).
using Block = unsigned char __attribute__((vector_size(16)));
using Lanes = signed char __attribute__((vector_size(16)));

// The index of the first set lane, or 16 when none is set.
size_t FirstSetLane(Lanes lanes) {
  uint64_t halves[2];
  std::memcpy(halves, &lanes, sizeof halves);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  if (halves[0] != 0) return static_cast<size_t>(__builtin_ctzll(halves[0]) / 8);
  if (halves[1] != 0) return 8 + static_cast<size_t>(__builtin_ctzll(halves[1]) / 8);
  return 16;
#else
  return (halves[0] | halves[1]) != 0 ? 0 : 16;  // the byte loop below finds the lane
#endif
}

}  // namespace

bool ActionBytes::Add(unsigned char byte) {
  if (member_[byte]) return true;
  if (count_ == kCapacity) return false;
  member_[byte] = true;
  values_[count_++] = byte;
  // Unused places repeat the first value, so the block search can always compare four.
  for (int i = count_; i < kCapacity; ++i) values_[i] = values_[0];
  return true;
}

size_t ActionBytes::QuietPrefix(const char* data, size_t size) const {
  size_t i = 0;
  if (count_ > 0) {
    const Block a = values_[0] - Block{};
    const Block b = values_[1] - Block{};
    const Block c = values_[2] - Block{};
    const Block d = values_[3] - Block{};
    for (; i + sizeof(Block) <= size; i += sizeof(Block)) {
      Block block;
      std::memcpy(&block, data + i, sizeof block);
      const size_t lane = FirstSetLane((block == a) | (block == b) | (block == c) | (block == d));
      if (lane < sizeof(Block)) return i + lane;
    }
  }
  while (i < size && !member_[static_cast<unsigned char>(data[i])]) ++i;
  return i;
}

}  // namespace vornet
