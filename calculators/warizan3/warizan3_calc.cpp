#include "calculators/warizan3/warizan3_calc.h"

#include "calculators/common/line_break.h"
#include "calculators/common/text.h"
#include "digits/digit_array.h"

namespace taketa::warizan3 {
namespace {

constexpr std::size_t kMaxLength = 60000;

InputCheck CheckBox(std::string_view text, int box, std::string_view lengthMessage) {
  if (EndsWithLineBreak(text)) return InputError{std::string(kLineBreakMessage), box, {}};
  if (!AllDigits(text)) return InputError{std::string(kRangeMessage), box, {}};
  if (text.size() > kMaxLength) return InputError{std::string(lengthMessage), box, text.size()};
  if (StripLeadingZeros(text).empty()) return InputError{std::string(kRangeMessage), box, {}};
  return std::nullopt;
}

// Elements first..last without their leading zeros; "0" when all are 0.
std::string WithoutLeadingZeros(const DigitArray& a, std::size_t first, std::size_t last) {
  std::size_t k = first;
  while (k < last && a[k] == 0) ++k;
  return a.ToText(k, last);
}

}  // namespace

InputCheck CheckInput(std::string_view a, std::string_view b) {
  if (InputCheck error = CheckBox(a, 0, kLengthMessage)) return error;
  return CheckBox(b, 1, kRangeMessage);
}

Division Compute(std::string_view a, std::string_view b) {
  const std::string_view aDigits = StripLeadingZeros(a), bDigits = StripLeadingZeros(b);
  if (aDigits.size() < bDigits.size()) return {"0", std::string(aDigits), true};
  const std::size_t la = aDigits.size(), lb = bDigits.size();
  DigitArray quotient(la + 1), remainder(lb + 1);
  LongDivide(DigitArray::FromText(aDigits), DigitArray::FromText(bDigits), quotient, remainder);
  return {WithoutLeadingZeros(quotient, 1, la), WithoutLeadingZeros(remainder, 1, lb), false};
}

ResultFile SaveFile(std::string_view a, std::string_view b, const Division& division) {
  const std::string cr(ResultFile::kLoneCr);
  return {std::string(a) + "÷" + std::string(b) + " の",
          {cr, "整商＝" + division.quotient, cr, "余り＝" + division.remainder}};
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  const Division division = Compute(inputs[0], inputs[1]);
  return UnitOutcome::Done(SaveFile(inputs[0], inputs[1], division),
                           {division.quotient, division.remainder}, !division.shortcut);
}

}  // namespace taketa::warizan3
