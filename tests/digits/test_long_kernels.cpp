#include <gtest/gtest.h>

#include "tests/digits/digit_test_util.h"
#include "tests/digits/reference_kernels.h"

namespace taketa {
namespace {

using testing::RandomDigits;
using testing::Show;

std::string Root(const std::string& x) {
  const int n = static_cast<int>(x.size());
  DigitArray s((n + 1) / 2 + 1);
  IntegerSquareRoot(DigitArray::FromText(x), n, s);
  return Show(s).substr(1);
}

TEST(IntegerSquareRoot, SmallCases) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "1"},     {"4", "2"},        {"9", "3"},          {"2", "1"},    {"3", "1"},
      {"80", "8"},    {"81", "9"},       {"99", "9"},         {"10", "3"},   {"100", "10"},
      {"121", "11"},  {"999999", "999"}, {"1000000", "1000"}, {"144", "12"}, {"10000", "100"},
      {"0016", "04"}, {"00025", "005"},
  };
  for (const auto& [x, root] : cases) EXPECT_EQ(Root(x), root) << x;
}

TEST(IntegerSquareRoot, LeavesOtherElementsAlone) {
  DigitArray s{7, 7, 7, 7};
  IntegerSquareRoot(DigitArray::FromText("144", 5), 3, s);
  EXPECT_EQ(Show(s), "7127");
}

TEST(IntegerSquareRoot, AgreesWithPlainKernel) {
  std::mt19937_64 rng(2);
  for (int round = 0; round < 600; ++round) {
    const int n = 1 + (round < 400 ? round % 40 : static_cast<int>(rng() % 400));
    DigitArray x = RandomDigits(rng, n + 1, round % 3 == 0);
    if (round % 4 == 0) {
      // squares and their neighbours, where the equal case and the largest
      // digits meet
      std::string t = x.ToText(1, n);
      for (char& c : t) c = round % 8 == 0 ? '9' : c;
      x = DigitArray::FromText(t);
    }
    const int k = (n + 1) / 2;
    DigitArray expect(k + 3), got(k + 3);
    reference::IntegerSquareRoot(x, n, expect);
    IntegerSquareRoot(x, n, got);
    ASSERT_EQ(Show(got), Show(expect)) << "X=" << Show(x);
  }
}

struct Division {
  std::string q, r;
};

Division Divide(const std::string& a, const std::string& b) {
  DigitArray q(a.size() + 1), r(b.size() + 1);
  LongDivide(DigitArray::FromText(a), DigitArray::FromText(b), q, r);
  return {Show(q).substr(1), Show(r).substr(1)};
}

TEST(LongDivide, SmallCases) {
  struct {
    const char *a, *b, *q, *r;
  } cases[] = {
      {"5", "5", "1", "0"},
      {"1000", "10", "0100", "00"},
      {"3", "7", "0", "3"},
      {"37", "74", "00", "37"},
      {"120", "12", "010", "00"},
      {"987654321", "3", "329218107", "0"},
      {"000123", "12", "000010", "03"},
  };
  for (const auto& c : cases) {
    const Division d = Divide(c.a, c.b);
    EXPECT_EQ(d.q, c.q) << c.a << " / " << c.b;
    EXPECT_EQ(d.r, c.r) << c.a << " / " << c.b;
  }
  const std::string big(60000, '7');
  const Division same = Divide(big, big);
  EXPECT_EQ(same.q, std::string(59999, '0') + "1");
  EXPECT_EQ(same.r, std::string(60000, '0'));
}

TEST(LongDivide, AgreesWithPlainKernel) {
  std::mt19937_64 rng(3);
  for (int round = 0; round < 800; ++round) {
    const int n = 1 + static_cast<int>(rng() % (round < 600 ? 40 : 300));
    const int l = 1 + static_cast<int>(rng() % n);
    DigitArray a = RandomDigits(rng, n + 1, round % 2 == 0);
    DigitArray b = RandomDigits(rng, l + 1, round % 3 == 0);
    a[0] = b[0] = 0;
    if (b[1] == 0) b[1] = 1 + static_cast<std::uint8_t>(rng() % 9);
    if (round % 5 == 0) {  // a multiple of b, or one less
      for (int i = 1; i <= l; ++i) a[i] = b[i];
    }
    DigitArray qe(n + 1), re(l + 1), q(n + 1), r(l + 2);
    reference::LongDivide(a, b, qe, re);
    LongDivide(a, b, q, r);
    ASSERT_EQ(Show(q).substr(1), Show(qe).substr(1)) << "A=" << Show(a) << " B=" << Show(b);
    ASSERT_EQ(Show(r).substr(1, l), Show(re).substr(1)) << "A=" << Show(a) << " B=" << Show(b);
    ASSERT_EQ(r[l + 1], 0);  // a longer remainder array is written only up to L
  }
}

TEST(MultiplyDigits, SmallCases) {
  struct {
    const char *a, *b, *p;
    int length;
  } cases[] = {
      {"5", "5", "25", 2},
      {"3", "3", "09", 1},
      {"1", "987", "0987", 3},
      {"999", "99", "98901", 5},
  };
  for (const auto& c : cases) {
    const auto la0 = static_cast<std::int32_t>(std::string(c.a).size());
    const auto lb = static_cast<std::int32_t>(std::string(c.b).size());
    UnitsFirstDigits p(la0 + lb + 1);
    std::int32_t la = la0;
    MultiplyDigits(UnitsFirstDigits::FromText(c.a), UnitsFirstDigits::FromText(c.b), p, la, lb);
    EXPECT_EQ(p.ToText(la0 + lb), c.p) << c.a << " * " << c.b;
    EXPECT_EQ(la, c.length) << c.a << " * " << c.b;
  }
  // 999 nines times 100 nines: every column carry stays below 100.
  std::int32_t la = 999;
  UnitsFirstDigits p(1100);
  MultiplyDigits(UnitsFirstDigits::FromText(std::string(999, '9')),
                 UnitsFirstDigits::FromText(std::string(100, '9')), p, la, 100);
  EXPECT_EQ(la, 1099);
  EXPECT_EQ(p.ToText(1099),
            std::string(99, '9') + "8" + std::string(899, '9') + std::string(99, '0') + "1");
}

TEST(MultiplyDigits, AgreesWithPlainKernel) {
  std::mt19937_64 rng(4);
  for (int round = 0; round < 600; ++round) {
    const auto la0 = 1 + static_cast<std::int32_t>(rng() % (round < 400 ? 40 : 700));
    const auto lb = 1 + static_cast<std::int32_t>(rng() % (round < 400 ? 40 : 120));
    UnitsFirstDigits a(la0 + 1), b(lb + 1);
    for (int i = 1; i <= la0; ++i) a[i] = static_cast<std::uint8_t>(round % 3 ? rng() % 10 : 9);
    for (int i = 1; i <= lb; ++i) b[i] = static_cast<std::uint8_t>(round % 3 ? rng() % 10 : 9);
    UnitsFirstDigits pe(la0 + lb + 1), p(la0 + lb + 1);
    std::int32_t lae = la0, la = la0;
    reference::MultiplyDigits(a, b, pe, lae, lb);
    MultiplyDigits(a, b, p, la, lb);
    ASSERT_EQ(la, lae) << "A=" << a.ToText(la0) << " B=" << b.ToText(lb);
    ASSERT_EQ(p.ToText(la0 + lb), pe.ToText(la0 + lb))
        << "A=" << a.ToText(la0) << " B=" << b.ToText(lb);
  }
}

}  // namespace
}  // namespace taketa
