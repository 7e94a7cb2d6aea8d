#pragma once
// Splits a fuzz input into pieces separated by a zero byte, so one input can carry several
// templates and a file; missing pieces are empty.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vornet::fuzzing {

inline std::vector<std::string> SplitInput(const uint8_t* data, size_t size, size_t pieces) {
  std::vector<std::string> out(pieces);
  size_t piece = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && piece + 1 < pieces) {
      ++piece;
      continue;
    }
    out[piece] += static_cast<char>(data[i]);
  }
  return out;
}

}  // namespace vornet::fuzzing
