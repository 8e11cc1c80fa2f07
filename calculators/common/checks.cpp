#include "calculators/common/checks.h"

#include <string>

#include "calculators/common/text.h"

namespace taketa {

InputCheck CheckNaturalNumber(std::string_view text, std::size_t maxLength, long lo, long hi,
                              std::string_view rangeMessage, std::string_view lengthMessage,
                              int box, long& value) {
  const InputError range{std::string(rangeMessage), box, {}};
  if (text.empty() || !AllDigits(text)) return range;
  if (Cp932Length(text) > maxLength) return InputError{std::string(lengthMessage), box, {}};
  // Short enough for a long once the leading zeros are gone.
  const std::string_view digits = StripLeadingZeros(text);
  if (digits.size() > 9) return range;
  const long v = digits.empty() ? 0 : std::stol(std::string(digits));
  if (v < lo || v > hi) return range;
  value = v;
  return std::nullopt;
}

InputCheck CheckDigitCount(std::string_view text, int& digits) {
  long value = 0;
  InputCheck error = CheckNaturalNumber(text, 5, 2, 60000,
                                        "半角数字で 2以上 60000以下の自然数を入力してください。",
                                        "入力文字数を5以下にしてください。", 0, value);
  if (!error) digits = static_cast<int>(value);
  return error;
}

}  // namespace taketa
