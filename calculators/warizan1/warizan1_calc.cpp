#include "calculators/warizan1/warizan1_calc.h"

#include "calculators/common/decimal_division.h"
#include "calculators/common/decimal_input.h"

namespace taketa::warizan1 {
namespace {

// Single-line boxes: no line-break check, no length counter.
constexpr DecimalInputRules kRules{.maxDigits = 50,
                                   .lengthMessage = kLengthMessage,
                                   .pointLengthMessage = kPointLengthMessage,
                                   .rangeMessage = kRangeMessage};

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

}  // namespace taketa::warizan1
