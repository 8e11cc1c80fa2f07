// Division of two positive decimal numbers, shared by the division windows
// of up to 50 and up to 2000 digits: a quotient that terminates is shown
// exactly, with its point and nothing superfluous; one that does not is cut
// off (never rounded) after a fixed number of quotient digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calculators/common/result_file.h"

namespace taketa {

// The most quotient digits a division produces.
inline constexpr std::size_t kQuotientDigits = 20000;

// A positive number as 0.d1d2... x 10^exponent: `digits` begins with a digit
// other than 0 and keeps the trailing zeros of the text (1.50 gives 150, 2).
struct NormalForm {
  std::string digits;
  long exponent = 0;
};

// From a text of digits with at most one "." and a digit other than 0.
NormalForm ToNormalForm(std::string_view text);

// The quotient digits of long division of the two digit strings, the
// dividend continued with zeros: the first digit divides the dividend's
// first lB digits (lB: the divisor's length), each later one brings down one
// more digit. It stops at `maxDigits` digits, or at the first digit after
// which every digit of the dividend has been brought down and the remainder
// is 0. The first digit may be 0, the second then is not.
std::string QuotientDigits(const NormalForm& a, const NormalForm& b, std::size_t maxDigits);

// a / b written out: the quotient digits with the point placed by the
// exponents (E = eA - eB + 1 digits before it) and at most one leading zero
// dropped; a quotient shorter than E is filled up with zeros; with E <= 0 it
// begins "0." and -E zeros. Both texts must pass the input checks.
std::string DivideDecimals(std::string_view a, std::string_view b,
                           std::size_t maxDigits = kQuotientDigits);

// The saved file of a division window: the title from the texts of A and B,
// a line holding a lone carriage return, then the quotient.
ResultFile DivisionFile(std::string_view a, std::string_view b, std::string quotient);

}  // namespace taketa
