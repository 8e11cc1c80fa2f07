// Random digit arrays and readable failure output for the kernel tests.
#pragma once

#include <random>
#include <string>

#include "digits/digit_array.h"

namespace taketa::testing {

// `size` elements, each a random digit. With `runs`, digits come in long
// stretches of 0 and 9 too, where carries and borrows travel far.
inline DigitArray RandomDigits(std::mt19937_64& rng, std::size_t size, bool runs = false) {
  DigitArray a(size);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> kind(0, 3);
  for (std::size_t i = 0; i < size; ++i) {
    if (!runs) {
      a[i] = static_cast<std::uint8_t>(digit(rng));
    } else {
      const int k = kind(rng);
      a[i] = static_cast<std::uint8_t>(k == 0 ? 0 : k == 1 ? 9 : digit(rng));
    }
  }
  return a;
}

inline std::string Show(const DigitArray& a) {
  return a.size() == 0 ? std::string("(empty)") : a.ToText(0, a.size() - 1);
}

}  // namespace taketa::testing
