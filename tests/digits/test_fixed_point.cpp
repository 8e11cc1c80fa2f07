#include <gtest/gtest.h>

#include "digits/fixed_point.h"

namespace taketa {
namespace {

TEST(FixedPoint, CarryLimbsTakesSignedSums) {
  // 3 + (-1) * 10^-9 + 1500000000 * 10^-18 = 2.999999999 + 1.5 * 10^-9
  std::vector<std::int64_t> limbs = {3, -1, 1500000000};
  CarryLimbs(limbs);
  EXPECT_EQ(limbs, (std::vector<std::int64_t>{3, 0, 500000000}));
  limbs = {2, 0, -1};
  CarryLimbs(limbs);
  EXPECT_EQ(limbs, (std::vector<std::int64_t>{1, 999999999, 999999999}));
}

TEST(FixedPoint, SettledDigitsNeedRoomOnBothSides) {
  // 3.141592653589793|238: fifteen shown decimals leave the tail 238 of 999.
  const std::vector<std::int64_t> pi = {3, 141592653, 589793238};
  EXPECT_EQ(SettledDigits(pi, 3, 1000), "3141");
  EXPECT_EQ(SettledDigits(pi, 15, 238), "3141592653589793");
  EXPECT_EQ(SettledDigits(pi, 15, 239), std::nullopt);  // 238 - 239 crosses ...793|000
  // ...999999999 under a carry from below: 9 + 1 units away from the next digit.
  const std::vector<std::int64_t> nines = {0, 999999999, 999999990};
  EXPECT_EQ(SettledDigits(nines, 9, 9), "0999999999");
  EXPECT_EQ(SettledDigits(nines, 9, 10), std::nullopt);
}

TEST(FixedPoint, BoundForPowerOfTen) {
  const LimbBound b = BoundForPowerOfTen(11, 5);
  EXPECT_EQ(b.limb, 4u);
  EXPECT_EQ(b.below, 100u);
  EXPECT_EQ(BoundForPowerOfTen(0, 5).limb, 5u);
  EXPECT_EQ(BoundForPowerOfTen(0, 5).below, 1u);
}

TEST(FixedPoint, SmallDivisorIsExactBelowItsLimit) {
  for (std::uint64_t d : {2ull, 3ull, 7ull, 25ull, 57121ull, 86011ull, 131071ull}) {
    const SmallDivisor divisor(d);
    const std::uint64_t limit = ~std::uint64_t{0} / d;
    for (std::uint64_t x : {std::uint64_t{0}, d - 1, d, d * 1000000007, limit - 1, limit / 2,
                            limit / d * d, limit / d * d - 1}) {
      ASSERT_EQ(divisor.Divide(x), x / d) << x << " / " << d;
    }
  }
}

}  // namespace
}  // namespace taketa
