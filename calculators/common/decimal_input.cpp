#include "calculators/common/decimal_input.h"

#include <string>

#include "calculators/common/line_break.h"
#include "calculators/common/text.h"

namespace taketa {

InputCheck CheckPositiveDecimal(std::string_view text, const DecimalInputRules& rules, int box) {
  if (rules.checksLineBreak && EndsWithLineBreak(text)) {
    return InputError{std::string(kLineBreakMessage), box, {}};
  }
  const std::size_t length = Cp932Length(text);
  const std::size_t point = text.find('.');
  const std::optional<std::size_t> counter =
      rules.rewritesCounter ? std::optional<std::size_t>(length) : std::nullopt;
  if (point == std::string_view::npos && length > rules.maxDigits) {
    return InputError{std::string(rules.lengthMessage), box, counter};
  }
  if (point != std::string_view::npos && length > rules.maxDigits + 1) {
    return InputError{std::string(rules.pointLengthMessage), box, counter};
  }
  std::string digits(text);
  if (point != std::string_view::npos) digits.erase(point, 1);
  if (!AllDigits(digits) || StripLeadingZeros(digits).empty()) {
    return InputError{std::string(rules.rangeMessage), box, {}};
  }
  return std::nullopt;
}

}  // namespace taketa
