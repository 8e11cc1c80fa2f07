// Decimal texts into long double, correctly rounded, against values the
// compiler rounded from literals and against the C library's strtold.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <random>
#include <string>

#include "digits/decimal_float.h"

namespace taketa {
namespace {

TEST(DecimalToLongDouble, KnownValues) {
  EXPECT_EQ(DecimalToLongDouble("0"), 0.0L);
  EXPECT_EQ(DecimalToLongDouble("000.000"), 0.0L);
  EXPECT_EQ(DecimalToLongDouble("1"), 1.0L);
  EXPECT_EQ(DecimalToLongDouble("0001.5000"), 1.5L);
  EXPECT_EQ(DecimalToLongDouble("1.1"), 1.1L);
  EXPECT_EQ(DecimalToLongDouble("0.001"), 0.001L);
  EXPECT_EQ(DecimalToLongDouble("1200"), 1200.0L);
  EXPECT_EQ(DecimalToLongDouble("3.14159265358979323846264338327950288"),
            3.14159265358979323846264338327950288L);
  EXPECT_EQ(DecimalToLongDouble("12345678901234567890123456789"), 12345678901234567890123456789.0L);
  // Far outside double's range.
  EXPECT_EQ(DecimalToLongDouble("1" + std::string(4800, '0')), 1e4800L);
  EXPECT_EQ(DecimalToLongDouble("0." + std::string(4799, '0') + "1"), 1e-4800L);
}

#if LDBL_MANT_DIG == 64
// Halfway between two long doubles: to the even mantissa.
TEST(DecimalToLongDouble, TiesToEven) {
  const long double two64 = 18446744073709551616.0L;
  EXPECT_EQ(DecimalToLongDouble("18446744073709551617"), two64);        // 2^64 + 1
  EXPECT_EQ(DecimalToLongDouble("18446744073709551619"), two64 + 4);    // 2^64 + 3
  EXPECT_EQ(DecimalToLongDouble("18446744073709551617.000001"), two64 + 2);
  // 2^65 - 1: every mantissa bit set and a half beyond; rounds up into the
  // next binade.
  EXPECT_EQ(DecimalToLongDouble("36893488147419103231"), 2 * two64);
}
#endif

// Random texts of every shape against strtold (correctly rounded in glibc
// and MinGW-w64), which the tests may use: their locale is "C".
TEST(DecimalToLongDouble, AgainstStrtold) {
  std::mt19937_64 rng(11);
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    const int whole = static_cast<int>(rng() % 40), decimals = static_cast<int>(rng() % 40);
    for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + rng() % 10);
    if (decimals > 0) text += '.';
    for (int k = 0; k < decimals; ++k) text += static_cast<char>('0' + rng() % 10);
    if (text.empty() || text == ".") text = "7";
    ASSERT_EQ(DecimalToLongDouble(text), std::strtold(text.c_str(), nullptr)) << text;
  }
}

}  // namespace
}  // namespace taketa
