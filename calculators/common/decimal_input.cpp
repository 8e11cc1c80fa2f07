#include "calculators/common/decimal_input.h"

#include <optional>
#include <string>

#include "calculators/common/decimal_text.h"
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
  const std::size_t withPoint =
      rules.leadingPointCountsZero && point == 0 ? rules.maxDigits : rules.maxDigits + 1;
  if (point != std::string_view::npos && length > withPoint) {
    return InputError{std::string(rules.pointLengthMessage), box, counter};
  }
  const std::string digits = SplitDecimal(text).digits;
  if (!AllDigits(digits) || StripLeadingZeros(digits).empty()) {
    return InputError{std::string(rules.rangeMessage), box, {}};
  }
  return std::nullopt;
}

}  // namespace taketa
