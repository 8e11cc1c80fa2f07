// The logarithm pipeline shared by the logarithm and power windows, and the
// bounds its values are carried in.
#include <gtest/gtest.h>

#include "calculators/common/decimal_bounds.h"
#include "calculators/common/logarithm.h"
#include "tests/calculators/logarithm_test_data.h"

namespace taketa {
namespace {

TEST(Logarithm, NormalisedTextMantissaAndExponent) {
  struct Row {
    const char* input;
    const char* normalised;
    const char* mantissa;
    int k;
    int comparedWithOne;
    bool powerOfTen;
  } rows[] = {
      {"2", "2", "2.", 0, 1, false},
      {"007", "7", "7.", 0, 1, false},
      {"10", "10", "1.0", 1, 1, true},
      {"1200", "1200", "1.200", 3, 1, false},
      {"2.50", "2.5", "2.5", 0, 1, false},
      {"5.", "5", "5.", 0, 1, false},
      {"123.4500", "123.45", "1.2345", 2, 1, false},
      {"0.5", "0.5", "5.", 1, -1, false},
      {".5", "0.5", "5.", 1, -1, false},
      {"000.050", "0.05", "5.", 2, -1, false},
      {"0.001", "0.001", "1.", 3, -1, true},
      {".0000000000000000001", "0.0000000000000000001", "1.", 19, -1, true},
      {"0.0123", "0.0123", "1.23", 2, -1, false},
      {"1.000", "1", "1.", 0, 0, true},
      {"0001", "1", "1.", 0, 0, true},
      {"99999999999999999999", "99999999999999999999", "9.9999999999999999999", 19, 1, false},
  };
  for (const Row& row : rows) {
    const ReducedNumber x = Reduce(row.input);
    EXPECT_EQ(x.normalised, row.normalised) << row.input;
    EXPECT_EQ(x.mantissa, row.mantissa) << row.input;
    EXPECT_EQ(x.k, row.k) << row.input;
    EXPECT_EQ(x.comparedWithOne, row.comparedWithOne) << row.input;
    EXPECT_EQ(x.mantissaIsOne, row.powerOfTen) << row.input;
  }
}

TEST(Logarithm, Ln10HoldsTheStoredConstant) {
  const std::string stored =
      "2.302585092994045684017991454684364207601101488628772976033327900967572609677352480235997205089598298";
  EXPECT_EQ(TruncatedDecimals(Ln10Bounds(120), 99), stored);
  // and far beyond it
  const std::vector<std::string> ten = testing::ReadCases("logarithms_long.txt").front();
  ASSERT_EQ(ten[0], "10");
  EXPECT_EQ(TruncatedDecimals(Ln10Bounds(420), 380), ten[1]);
}

// The working precisions past the shown one: 200 is the largest that the
// text division takes, 400 divides on Natural.
TEST(Logarithm, HigherPrecisionsAgreeWithMpmath) {
  for (const std::vector<std::string>& row : testing::ReadCases("logarithms_long.txt")) {
    const ReducedNumber x = Reduce(row[0]);
    const LogarithmPipeline fine(x, 400);
    EXPECT_EQ(TruncatedDecimals(fine.NaturalLog(), 380), row[1]) << row[0];
    EXPECT_EQ(TruncatedDecimals(fine.CommonLog(), 380), row[2]) << row[0];
    const LogarithmPipeline kernelLimit(x, 200);
    EXPECT_EQ(TruncatedDecimals(kernelLimit.NaturalLog(), 180),
              row[1].substr(0, row[1].find('.') + 181))
        << row[0];
  }
}

// The bounds of the standard precision are narrow: about 10^-98 wide.
TEST(Logarithm, BoundsAreNarrowAndHoldTheValue) {
  for (const std::vector<std::string>& row : testing::ReadCases("logarithms_long.txt")) {
    const LogarithmPipeline pipeline(Reduce(row[0]), 100);
    const DecimalBounds ln = pipeline.NaturalLog();
    ASSERT_EQ(ln.exponent, -120);
    EXPECT_LT((ln.hi - ln.lo).DigitCount(), 24u) << row[0];
    const Natural truth = Natural::FromDecimal(row[1].substr(0, row[1].find('.')) +
                                               row[1].substr(row[1].find('.') + 1, 120));
    EXPECT_LE(ln.lo, truth) << row[0];
    EXPECT_LE(truth, ln.hi) << row[0];
  }
}

// (d - 1) / (d + 1) ends for d = 3, 9, 1.5, 4, 1.25, 1.9: the quotient is
// exact, and the bounds stay as narrow as for any other d.
TEST(Logarithm, QuotientsThatEndKeepTheBoundsNarrow) {
  for (const char* x : {"3", "0.9", "1.5", "4", "0.25", "1.25", "19", "2.5"}) {
    const LogarithmPipeline pipeline(Reduce(x), 100);
    EXPECT_LT((pipeline.CommonLog().hi - pipeline.CommonLog().lo).DigitCount(), 24u) << x;
    EXPECT_TRUE(TruncatedDecimals(pipeline.NaturalLog(), 50)) << x;
  }
}

TEST(DecimalBounds, LeadingDigitsOfExactAndBoundedValues) {
  // 1024 exactly: four significant digits, zeros past them.
  std::optional<LeadingDigits> lead = Leading(DecimalBounds::Exact(Natural(102400), -2), 6);
  ASSERT_TRUE(lead);
  EXPECT_EQ(lead->exponent10, 3);
  EXPECT_EQ(lead->digits, "102400");
  EXPECT_EQ(lead->significant, 4u);
  // [1.99999, 2.00001): neither the first digit nor its place is settled
  EXPECT_FALSE(Leading(DecimalBounds::Between(Natural(199999), Natural(200000), -5), 1));
  // [2.00000, 2.00010): the first five digits are settled, not the sixth
  lead = Leading(DecimalBounds::Between(Natural(200000), Natural(200009), -5), 5);
  ASSERT_TRUE(lead);
  EXPECT_EQ(lead->digits, "20000");
  EXPECT_EQ(lead->significant, std::string::npos);
  EXPECT_FALSE(Leading(DecimalBounds::Between(Natural(200000), Natural(200009), -5), 6));
  // [9.99, 10): the place of the first digit is settled by the strict bound
  lead = Leading(DecimalBounds::Between(Natural(999), Natural(999), -2), 3);
  ASSERT_TRUE(lead);
  EXPECT_EQ(lead->exponent10, 0);
}

TEST(DecimalBounds, ReciprocalTrimAndDecimals) {
  // 1 / 2.5 ends: exact; 1 / 3 does not.
  const DecimalBounds quarter = Reciprocal(DecimalBounds::Exact(Natural(25), -1), 10);
  EXPECT_TRUE(quarter.exact);
  EXPECT_EQ(ExactDecimalText(quarter), "0.4");
  const DecimalBounds third = Reciprocal(DecimalBounds::Exact(Natural(3)), 10);
  EXPECT_FALSE(third.exact);
  EXPECT_EQ(Leading(third, 10)->digits, "3333333333");
  // 1 / [4, 5) lies in (0.2, 0.25]
  const DecimalBounds inverse = Reciprocal(DecimalBounds::Between(Natural(4), Natural(4), 0), 4);
  EXPECT_EQ(Leading(inverse, 1)->digits, "2");
  EXPECT_FALSE(Leading(inverse, 2));
  // Cutting zeros keeps a value exact, cutting other digits does not.
  EXPECT_TRUE(Trimmed(DecimalBounds::Exact(Natural(123000)), 3).exact);
  const DecimalBounds cut = Trimmed(DecimalBounds::Exact(Natural(123456)), 3);
  EXPECT_FALSE(cut.exact);
  EXPECT_EQ(cut.exponent, 3);
  EXPECT_EQ(TruncatedDecimals(DecimalBounds::Exact(Natural(5), -3), 2), "0.00");
  EXPECT_EQ(TruncatedDecimals(DecimalBounds::Exact(Natural(46), 0), 2), "46.00");
  EXPECT_EQ(TruncatedDecimals(DecimalBounds::Between(Natural(1999), Natural(2000), -3), 2),
            std::nullopt);
  EXPECT_EQ(ExactDecimalText(DecimalBounds::Exact(Natural(2000), -3)), "2");
  EXPECT_EQ(ExactDecimalText(DecimalBounds::Exact(Natural(1), 3)), "1000");
  EXPECT_EQ(ExactDecimalText(DecimalBounds::Exact(Natural(5), -9)), "0.000000005");
}

}  // namespace
}  // namespace taketa
