// Decimal texts as the input boxes hold them: digits with at most one point
// and no sign ("12.5", ".5", "007", "5.").
#pragma once

#include <string>
#include <string_view>

namespace taketa {

// The text without superfluous zeros: leading zeros removed, one "0" kept
// before the point and one added before a leading point; when it has a
// point, trailing zeros removed, and the point too when nothing follows it
// ("0012.50" -> "12.5", ".5" -> "0.5", "10.0" -> "10"). Precondition: a
// digit other than 0.
std::string NormalisedDecimal(std::string_view text);

// The values of two decimal texts compared exactly: -1, 0 or 1. A text
// without a digit counts as 0.
int CompareDecimals(std::string_view a, std::string_view b);

}  // namespace taketa
