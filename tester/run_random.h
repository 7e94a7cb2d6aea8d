#pragma once
// The run's random choices: the generator is seeded from the clock in seconds before each
// shuffle, and every choice is rand() mod n.

#include <array>
#include <cstddef>
#include <utility>

#include "tester/run_services.h"

namespace vornet {

inline void SeedFromClock(RunServices& services) {
  services.Seed(static_cast<unsigned>(services.Now()));
}

// rand() mod n; a generator is not trusted to stay non-negative.
inline int RandomBelow(RunServices& services, int n) {
  return static_cast<int>(static_cast<unsigned>(services.Random()) % static_cast<unsigned>(n));
}

// n exchanges of two entries picked at random.
template <typename T, size_t N>
void ShuffleFirst(RunServices& services, std::array<T, N>& entries, int n) {
  for (int i = 0; i < n; ++i) {
    const int a = RandomBelow(services, n);
    const int b = RandomBelow(services, n);
    std::swap(entries[a], entries[b]);
  }
}

}  // namespace vornet
