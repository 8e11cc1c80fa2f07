#include "calculators/common/decimal_text.h"

#include "calculators/common/text.h"

namespace taketa {

std::string NormalisedDecimal(std::string_view text) {
  std::string normal(text);
  const std::size_t first = normal.find_first_not_of('0');
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

int CompareDecimals(std::string_view a, std::string_view b) {
  const auto split = [](std::string_view text, std::string_view& whole, std::string_view& fraction) {
    const std::size_t point = text.find('.');
    whole = StripLeadingZeros(text.substr(0, point));
    fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const std::size_t last = fraction.find_last_not_of('0');
    fraction = last == std::string_view::npos ? std::string_view() : fraction.substr(0, last + 1);
  };
  std::string_view aWhole, aFraction, bWhole, bFraction;
  split(a, aWhole, aFraction);
  split(b, bWhole, bFraction);
  if (aWhole.size() != bWhole.size()) return aWhole.size() < bWhole.size() ? -1 : 1;
  // Same length: as text. Fractions without trailing zeros compare as text too.
  if (const int c = aWhole.compare(bWhole); c != 0) return c < 0 ? -1 : 1;
  const int c = aFraction.compare(bFraction);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace taketa
