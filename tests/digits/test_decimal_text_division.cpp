#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "digits/decimal_text_division.h"
#include "tests/digits/plain_decimal_division.h"

namespace taketa {
namespace {

TEST(DivideDecimalText, SchoolbookCases) {
  struct Case {
    const char* a;
    const char* b;
    int n;
    std::string quotient;
  } cases[] = {
      {"1", "3", 100, "0." + std::string(99, '3')},  // the leading 0 is one of the 100
      {"4.", "6.", 5, "0.6666"},
      {"7", "2", 100, "3.5"},
      {"12.5", "0.5", 100, "25"},
      {"1000", "8", 100, "125"},
      {"800", "8", 100, "100"},  // integer zeros after the quotient digits
      {"10", "0.5", 100, "20"},
      {"0.0", "2.0", 100, "0.0"},
      {".01", "3", 4, "0.00333"},  // digits 0333 after E = -1 places
      {"0012", "004", 100, "3"},
      {"1", "7", 1, "0"},  // only the leading 0
      {"22", "7", 2, "3"},
      {"220", "7", 2, "30"},  // digits before the point cut off: integer zeros
      {"220", "7", 1, "00"},
      {"5.", "2.50", 10, "2"},
      {"1", "1.00", 70, "1"},
      {"1", "0.5", 70, "2"},
      {"1", "2.5", 70, "0.4"},
      {"1", "1.024", 70, "0.9765625"},
      {"0", "2", 10, "0"},
      {".0", "2", 10, "0.0"},
      {".0", ".5", 10, "0"},  // the schoolbook leaves this zero quotient empty
      {"0.25", "2.25", 100, "0." + std::string(100, '1')},  // E = 0: no digit is lost
      {"99999999999999999999", "0.0000000000000000001", 10,
       "999999999900000000000000000000000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DivideDecimalText(c.a, c.b, c.n), c.quotient) << c.a << " / " << c.b;
  }
}

TEST(DivideDecimalText, LimitsAndZeroDivisor) {
  const std::string dividend255(255, '7'), divisor201(201, '3');
  EXPECT_NO_THROW(DivideDecimalText(dividend255, divisor201, 1000));
  EXPECT_NO_THROW(DivideDecimalText("000" + dividend255 + ".", "0.00" + divisor201, 1));
  EXPECT_THROW(DivideDecimalText(dividend255 + "1", "3", 10), std::length_error);
  EXPECT_THROW(DivideDecimalText("1", divisor201 + "3", 10), std::length_error);
  EXPECT_THROW(DivideDecimalText("1", "3", 1001), std::length_error);
  EXPECT_THROW(DivideDecimalText("1", "3", 0), std::length_error);
  EXPECT_THROW(DivideDecimalText("1", "0.000", 10), std::domain_error);
  EXPECT_THROW(DivideDecimalText("1", "00", 10), std::domain_error);
}

// A random decimal text: leading zeros, a point anywhere (also first or
// last) or none, runs of 0 and 9, trailing zeros.
std::string RandomText(std::mt19937_64& rng, std::size_t maxDigits, bool allowZero) {
  for (;;) {
    const std::size_t digits = 1 + rng() % maxDigits;
    std::string text;
    const int style = static_cast<int>(rng() % 4);
    for (std::size_t i = 0; i < digits; ++i) {
      const int r = static_cast<int>(rng() % 10);
      text += static_cast<char>(style == 0   ? '0' + r
                                : style == 1 ? (r < 5 ? '9' : '0' + r)
                                : style == 2 ? (r < 5 ? '0' : '0' + r)
                                             : '0' + r);
    }
    if (rng() % 3 == 0) text = std::string(rng() % 4, '0') + text;
    if (rng() % 4 != 0) {
      const std::size_t at = rng() % (text.size() + 1);
      text = text.substr(0, at) + "." + text.substr(at);
    }
    if (rng() % 5 == 0 && text.find('.') != std::string::npos) text += std::string(rng() % 4, '0');
    std::string digitsOnly;
    for (char c : text)
      if (c != '.') digitsOnly += c;
    const std::size_t first = digitsOnly.find_first_not_of('0');
    if (first == std::string::npos && !allowZero) continue;
    if (first != std::string::npos && digitsOnly.size() - first > maxDigits) continue;
    return text;
  }
}

TEST(DivideDecimalText, AgreesWithPlainDivision) {
  std::mt19937_64 rng(26);
  for (int round = 0; round < 4000; ++round) {
    const bool large = round % 10 == 0;
    const std::string a = RandomText(rng, large ? 240 : 25, true);
    const std::string b = RandomText(rng, large ? 190 : 25, false);
    const int n =
        round % 7 == 0 ? 1 + static_cast<int>(rng() % 1000) : 1 + static_cast<int>(rng() % 120);
    // A zero quotient that the digit-by-digit method leaves empty reads "0".
    const std::string plain = reference::DivideDecimalText(a, b, n);
    ASSERT_EQ(DivideDecimalText(a, b, n), plain.empty() ? "0" : plain)
        << a << " / " << b << " n=" << n;
  }
}

TEST(DivideDecimalText, ExactQuotientsEndEarly) {
  // b × q / b with q terminating: the division stops once the dividend is used up.
  std::mt19937_64 rng(7);
  for (int round = 0; round < 500; ++round) {
    const std::string b = RandomText(rng, 12, false);
    const std::string q = RandomText(rng, 12, true);
    // The product computed with the plain division's inverse is not needed:
    // compare with the plain version on b × q built by long multiplication.
    std::string bd, qd;
    for (char c : b)
      if (c != '.') bd += c;
    for (char c : q)
      if (c != '.') qd += c;
    std::string product(bd.size() + qd.size(), '0');
    for (std::size_t i = bd.size(); i-- > 0;) {
      int carry = 0;
      for (std::size_t j = qd.size(); j-- > 0;) {
        const int t = (product[i + j + 1] - '0') + (bd[i] - '0') * (qd[j] - '0') + carry;
        product[i + j + 1] = static_cast<char>('0' + t % 10);
        carry = t / 10;
      }
      product[i] = static_cast<char>(product[i] - '0' + carry + '0');
    }
    const int n = 1 + static_cast<int>(rng() % 60);
    ASSERT_EQ(DivideDecimalText(product, bd, n), reference::DivideDecimalText(product, bd, n))
        << product << " / " << bd;
  }
}

}  // namespace
}  // namespace taketa
