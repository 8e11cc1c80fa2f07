#include "calculators/common/decimal_text.h"

#include <algorithm>

#include "calculators/common/text.h"

namespace taketa {

DecimalDigits SplitDecimal(std::string_view text) {
  DecimalDigits split{std::string(text), 0, false};
  if (const std::size_t point = text.find('.'); point != std::string_view::npos) {
    split.digits.erase(point, 1);
    split.decimals = text.size() - point - 1;
    split.hasPoint = true;
  }
  return split;
}

std::string NormalisedDecimal(std::string_view text) {
  std::string normal(text);
  const std::size_t first = normal.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  if (normal[first] != '.') {
    normal.erase(0, first);
  } else if (first == 0) {
    normal = "0" + normal;
  } else {
    normal.erase(0, first - 1);
  }
  if (normal.find('.') != std::string::npos) {
    const std::size_t last = normal.find_last_not_of('0');
    normal.erase(normal[last] == '.' ? last : last + 1);
  }
  return normal;
}

int CompareScaled(std::string_view a, std::size_t aDecimals, std::string_view b,
                  std::size_t bDecimals) {
  a = StripLeadingZeros(a);
  b = StripLeadingZeros(b);
  if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : a.empty() ? -1 : 1;
  // Both scaled to the larger number of decimals: the longer one is larger.
  const std::size_t aLength = a.size() + bDecimals, bLength = b.size() + aDecimals;
  if (aLength != bLength) return aLength < bLength ? -1 : 1;
  const std::size_t common = std::min(a.size(), b.size());
  if (const int c = a.substr(0, common).compare(b.substr(0, common)); c != 0) return c < 0 ? -1 : 1;
  // The longer one continues with digits, the shorter one with zeros.
  const auto anyDigit = [](std::string_view rest) {
    return rest.find_first_not_of('0') != std::string_view::npos;
  };
  if (anyDigit(a.substr(common))) return 1;
  if (anyDigit(b.substr(common))) return -1;
  return 0;
}

int CompareDecimals(std::string_view a, std::string_view b) {
  const DecimalDigits x = SplitDecimal(a), y = SplitDecimal(b);
  return CompareScaled(x.digits, x.decimals, y.digits, y.decimals);
}

}  // namespace taketa
