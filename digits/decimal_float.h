// Decimal texts read into the machine's extended floating point.
#pragma once

#include <string_view>

namespace taketa {

// `text` (digits '0'..'9' with at most one '.', leading zeros allowed) as a
// long double rounded to nearest, ties to even: the same value on every
// platform and in every locale. (std::from_chars reads a long double through
// a double where the C library cannot read one in the "C" locale, as on
// MinGW, which loses eleven bits and every value beyond double's range.)
// Precondition: the value is 0 or lies within the normal range of long
// double.
long double DecimalToLongDouble(std::string_view text);

}  // namespace taketa
