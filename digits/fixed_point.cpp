#include "digits/fixed_point.h"

#include <cassert>
#include <string_view>

namespace taketa {
namespace {

// True when the decimal number written by `digits` is at least `bound`.
bool AtLeast(std::string_view digits, std::uint64_t bound) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return bound == 0;
  digits.remove_prefix(first);
  if (digits.size() > 19) return true;  // at least 10^19 > any bound
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value >= bound;
}

}  // namespace

LimbBound BoundForPowerOfTen(int e, std::size_t lastLimb) {
  assert(e >= 0 && static_cast<std::size_t>(e / kLimbDigits) <= lastLimb);
  std::uint32_t below = 1;
  for (int i = 0; i < e % kLimbDigits; ++i) below *= 10;
  return {lastLimb - static_cast<std::size_t>(e / kLimbDigits), below};
}

void CarryLimbs(std::vector<std::int64_t>& limbs) {
  std::int64_t carry = 0;
  constexpr std::int64_t base = kLimbBase;
  for (std::size_t i = limbs.size() - 1; i >= 1; --i) {
    const std::int64_t v = limbs[i] + carry;
    std::int64_t q = v / base;
    if (v % base < 0) --q;  // floor division
    limbs[i] = v - q * base;
    carry = q;
  }
  limbs[0] += carry;
}

std::optional<std::string> SettledDigits(const std::vector<std::int64_t>& limbs, int fractionDigits,
                                         std::uint64_t errorBound) {
  assert(!limbs.empty() && limbs[0] >= 0 && limbs[0] <= 9);
  std::string all(1, static_cast<char>('0' + limbs[0]));
  all.reserve(1 + (limbs.size() - 1) * kLimbDigits);
  for (std::size_t i = 1; i < limbs.size(); ++i) {
    char group[kLimbDigits];
    auto v = static_cast<std::uint32_t>(limbs[i]);
    for (int j = kLimbDigits - 1; j >= 0; --j, v /= 10) group[j] = static_cast<char>('0' + v % 10);
    all.append(group, kLimbDigits);
  }
  const std::size_t shown = 1 + static_cast<std::size_t>(fractionDigits);
  assert(shown < all.size());
  // V - errorBound and V + errorBound must not leave the run of numbers that
  // share the shown digits: tail >= bound and (10^z - 1 - tail) >= bound.
  std::string tail = all.substr(shown);
  if (!AtLeast(tail, errorBound)) return std::nullopt;
  for (char& c : tail) c = static_cast<char>('9' - (c - '0'));
  if (!AtLeast(tail, errorBound)) return std::nullopt;
  all.resize(shown);
  return all;
}

}  // namespace taketa
