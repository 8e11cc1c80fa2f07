#include "calculators/warizan4/warizan4_calc.h"

#include "calculators/common/decimal_division.h"
#include "calculators/common/decimal_input.h"

namespace taketa::warizan4 {
namespace {

constexpr DecimalInputRules kRules{.maxDigits = 2000,
                                   .lengthMessage = kLengthMessage,
                                   .pointLengthMessage = kPointLengthMessage,
                                   .rangeMessage = kRangeMessage,
                                   .checksLineBreak = true,
                                   .rewritesCounter = true};

}  // namespace

InputCheck CheckInput(std::string_view a, std::string_view b) {
  if (InputCheck error = CheckPositiveDecimal(a, kRules, 0)) return error;
  return CheckPositiveDecimal(b, kRules, 1);
}

std::string Compute(std::string_view a, std::string_view b) { return DivideDecimals(a, b); }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  std::string quotient = Compute(inputs[0], inputs[1]);
  return UnitOutcome::Done(DivisionFile(inputs[0], inputs[1], quotient), {quotient});
}

}  // namespace taketa::warizan4
