// Fixed-point numbers in limbs of nine decimal digits, for the series that
// compute constants to many digits.
//
// A number with L limbs after the point is held in limbs 0..L: limb 0 is the
// integer part, limb i (1 <= i <= L) holds decimal places 9(i-1)+1 .. 9i.
// The number is an integer count of units 10^-9L. Sums may be kept with
// signed limbs of any size and carried once at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "digits/packed.h"

namespace taketa {

inline constexpr std::uint32_t kLimbBase = 1000000000;
inline constexpr int kLimbDigits = 9;

// Divides by a small divisor d >= 2 with one multiplication and no
// correction. Exact for every x < 2^64 / d.
class SmallDivisor {
 public:
  SmallDivisor() : SmallDivisor(2) {}
  explicit SmallDivisor(std::uint64_t d) : d_(d), inverse_(~std::uint64_t{0} / d + 1) {}
  std::uint64_t divisor() const { return d_; }
  std::uint64_t Divide(std::uint64_t x) const {
    return static_cast<std::uint64_t>((UInt128{x} * inverse_) >> 64);
  }

 private:
  std::uint64_t d_;
  std::uint64_t inverse_;
};

// A bound 10^e on a fixed-point number in units: the number is below it
// exactly when every limb before `limb` is 0 and limb `limb` is below `below`.
struct LimbBound {
  std::size_t limb;
  std::uint32_t below;
};
// Precondition: 0 <= e <= 9 * lastLimb.
LimbBound BoundForPowerOfTen(int e, std::size_t lastLimb);

// Carries signed limb sums so that limbs 1..L lie in 0..10^9-1; limb 0 takes
// what is carried out of limb 1.
void CarryLimbs(std::vector<std::int64_t>& limbs);

// The integer part (limb 0, which must be 0..9) followed by the first
// `fractionDigits` decimals of a carried number V, provided every number
// within `errorBound` units of V has the same digits there; nullopt when the
// digits past them are too close to a carry to tell.
std::optional<std::string> SettledDigits(const std::vector<std::int64_t>& limbs, int fractionDigits,
                                         std::uint64_t errorBound);

}  // namespace taketa
