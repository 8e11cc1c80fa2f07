// Helpers for working on several decimal digits per machine word: reading
// and writing eight digit bytes at once, and division by a divisor that stays
// the same over many steps through a precomputed reciprocal.
#pragma once

#include <cstdint>
#include <cstring>

namespace taketa {

__extension__ typedef unsigned __int128 UInt128;

// Value of the eight digit bytes p[0..7], p[0] the most significant.
inline std::uint32_t ReadDigits8(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);                              // p[0] in the low byte
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;    // pairs of digits
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;  // groups of four
  return static_cast<std::uint32_t>((v * 10000 + (v >> 32)) & 0xFFFFFFFFULL);
}

// Writes value (below 10^8) as eight digit bytes, most significant first.
inline void WriteDigits8(std::uint8_t* p, std::uint32_t value) {
  std::uint64_t v = (value / 10000) | (std::uint64_t{value % 10000} << 32);
  std::uint64_t h = ((v * 10486) >> 20) & 0x0000007F0000007FULL;  // each half / 100
  v = h | ((v - h * 100) << 16);                                  // four lanes of two digits
  h = ((v * 103) >> 10) & 0x000F000F000F000FULL;                  // each lane / 10
  v = h | ((v - h * 10) << 8);
  std::memcpy(p, &v, 8);
}

// Division of 64-bit values by a fixed divisor d >= 1 with one multiplication
// by floor((2^64 - 1) / d) and at most one correction, instead of a hardware
// division per step. The estimate is never above the true quotient and at
// most one below it.
class InvariantDivisor {
 public:
  explicit InvariantDivisor(std::uint64_t d) : d_(d), inverse_(~std::uint64_t{0} / d) {}

  std::uint64_t divisor() const { return d_; }

  // Returns x / d and sets rem = x % d.
  std::uint64_t Divide(std::uint64_t x, std::uint64_t& rem) const {
    std::uint64_t q = static_cast<std::uint64_t>((UInt128{x} * inverse_) >> 64);
    std::uint64_t r = x - q * d_;
    const bool over = r >= d_;
    q += over;
    r -= over ? d_ : 0;
    rem = r;
    return q;
  }

 private:
  std::uint64_t d_;
  std::uint64_t inverse_;
};

}  // namespace taketa
