#include "calculators/heihoukon1/heihoukon1_calc.h"

#include "calculators/common/line_break.h"
#include "calculators/common/text.h"
#include "digits/natural.h"

namespace taketa::heihoukon1 {
namespace {

constexpr std::size_t kMaxLength = 10000;

}  // namespace

InputCheck CheckInput(std::string_view n) {
  const InputError range{std::string(kRangeMessage), 0, {}};
  if (n.empty()) return range;
  if (EndsWithLineBreak(n)) return InputError{std::string(kLineBreakMessage), 0, {}};
  if (Cp932Length(n) > kMaxLength) return InputError{std::string(kLengthMessage), 0, {}};
  if (!AllDigits(n) || StripLeadingZeros(n).empty()) return range;
  return std::nullopt;
}

std::string Compute(std::string_view n) {
  return Sqrt(Natural::FromDecimal(StripLeadingZeros(n))).ToDecimal();
}

std::string SaveTitle(std::string_view n) { return std::string(n) + "の平方根の整数部分"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {Compute(inputs[0])}});
}

}  // namespace taketa::heihoukon1
