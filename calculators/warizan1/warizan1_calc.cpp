#include "calculators/warizan1/warizan1_calc.h"

#include "calculators/common/decimal_division.h"
#include "calculators/common/decimal_input.h"
#include "calculators/warizan4/warizan4_calc.h"

namespace taketa::warizan1 {
namespace {

// Single-line boxes: no line-break check, no length counter.
constexpr DecimalInputRules kRules{50, kLengthMessage, kPointLengthMessage, kRangeMessage, false,
                                   false};

}  // namespace

InputCheck CheckInput(std::string_view a, std::string_view b) {
  if (InputCheck error = CheckPositiveDecimal(a, kRules, 0)) return error;
  return CheckPositiveDecimal(b, kRules, 1);
}

std::string Compute(std::string_view a, std::string_view b) { return DivideDecimals(a, b); }

ResultFile SaveFile(std::string_view a, std::string_view b, std::string quotient) {
  return warizan4::SaveFile(a, b, std::move(quotient));
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl&) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  return {UnitOutcome::Status::kDone, {}, SaveFile(inputs[0], inputs[1], Compute(inputs[0], inputs[1])),
          true};
}

}  // namespace taketa::warizan1
