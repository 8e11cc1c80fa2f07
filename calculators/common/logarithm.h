// The logarithm of a positive decimal number of up to 20 digits, shared by
// the natural logarithm, the common logarithm and the decimal power:
//
//   x = d × 10^(±k), 1 <= d < 10, k >= 0,
//   y = (d - 1) / (d + 1),
//   ln d = 2y × (1 + y²/3 + y⁴/5 + y⁶/7 + …),
//   log10 d = ln d / ln 10,
//   |log10 x| = k ± log10 d, |ln x| = |log10 x| × ln 10.
//
// Every value is carried as bounds (DecimalBounds) at a working precision P:
// the divisions give P quotient digits, the series and ln 10 are summed to
// P + 20 decimals. The caller raises P until the bounds settle the digits it
// shows.
#pragma once

#include <string>
#include <string_view>

#include "calculators/common/decimal_bounds.h"
#include "calculators/common/input_error.h"

namespace taketa {

inline constexpr std::string_view kLogarithmInputMessage =
    "半角数字で20桁以内の正の数を入力してください。";
inline constexpr std::string_view kLogarithmLengthMessage =
    "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";

// The check of the logarithm windows' Edit1 (box 0): a positive decimal
// number of up to 20 digits, the 0 before a leading point counted.
InputCheck CheckLogarithmInput(std::string_view edit1);

// A positive decimal text brought to x = d × 10^(±k).
struct ReducedNumber {
  std::string normalised;  // NormalisedDecimal of the input
  std::string mantissa;    // d: one digit, ".", the rest ("5." for one significant digit)
  int k = 0;
  int comparedWithOne = 0;     // -1 below 1, 0 equal, +1 above
  bool mantissaIsOne = false;  // d = 1: x is a power of ten
};

// Precondition: `text` is a decimal text with a digit other than 0.
ReducedNumber Reduce(std::string_view text);

// ln 10 to `decimals` decimals.
DecimalBounds Ln10Bounds(int decimals);

// The pipeline for one x (not 1) at working precision `precision` (100 for
// the shown results, more when they are not settled).
class LogarithmPipeline {
 public:
  LogarithmPipeline(const ReducedNumber& x, int precision);

  int decimals() const { return decimals_; }  // the scale of the bounds below
  const DecimalBounds& Ln10() const { return ln10_; }
  // k ± log10 d: the magnitude of log10 x. Exact when x is a power of ten.
  const DecimalBounds& CommonLog() const { return commonLog_; }
  // |log10 x| × ln 10: the magnitude of ln x.
  DecimalBounds NaturalLog() const;

 private:
  int decimals_;
  DecimalBounds ln10_;
  DecimalBounds commonLog_;
};

}  // namespace taketa
