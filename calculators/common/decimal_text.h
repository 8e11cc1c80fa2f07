// Decimal texts as the input boxes hold them: digits with at most one point
// and no sign ("12.5", ".5", "007", "5.").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taketa {

// A decimal text as digits and a scale: the text without its first "." and
// the number of characters after that point ("12.50" gives 1250 and 2,
// ".5" gives 5 and 1, "007" gives 007 and 0). Leading and trailing zeros
// stay; a second point stays in `digits`, where a digit check refuses it.
struct DecimalDigits {
  std::string digits;
  std::size_t decimals = 0;
  bool hasPoint = false;
};
DecimalDigits SplitDecimal(std::string_view text);

// The text without superfluous zeros: leading zeros removed, one "0" kept
// before the point and one added before a leading point; when it has a
// point, trailing zeros removed, and the point too when nothing follows it
// ("0012.50" -> "12.5", ".5" -> "0.5", "10.0" -> "10"); "0" when no digit
// is other than 0.
std::string NormalisedDecimal(std::string_view text);

// a / 10^aDecimals compared with b / 10^bDecimals, exactly: -1, 0 or 1.
// `a` and `b` are digits (leading zeros allowed; none at all is 0).
int CompareScaled(std::string_view a, std::size_t aDecimals, std::string_view b,
                  std::size_t bDecimals);

// The values of two decimal texts compared exactly: -1, 0 or 1. A text
// without a digit counts as 0.
int CompareDecimals(std::string_view a, std::string_view b);

}  // namespace taketa
