// Division of decimal texts: "0".."9" with at most one ".", no sign.
#pragma once

#include <string>
#include <string_view>

namespace taketa {

// The schoolbook division's limits: the dividend's and the divisor's digit
// strings (their significant digits, see below) hold at most this many
// digits, and at most kMaxQuotientDigits quotient digits can be asked for.
inline constexpr std::size_t kMaxDividendDigits = 255;
inline constexpr std::size_t kMaxDivisorDigits = 201;
inline constexpr int kMaxQuotientDigits = 1000;

// A / B with n quotient digits, truncated, never rounded, as a decimal text
// with its point in place.
//
// Each operand is first written as 0.D × 10^e: leading "0"s are dropped (a
// text of "0"s only stays as it is); without a point D is the text and e its
// length; with the point first, D runs from the first non-zero digit after it
// (empty when there is none) and e is minus the zeros skipped (0 when D is
// empty); otherwise D is the text without its point and e the point's
// position less one. Trailing zeros stay in D.
//
// The quotient digits are those of long division of A's digits (followed by
// zeros) by B's digits, starting from A's first len(DB) digits: the first may
// be 0, and it counts among the n. The division ends after n digits, or as
// soon as A's digits are used up and the remainder is 0. With E = eA - eB + 1
// digits before the point and Q the k digits found, the result is: Q (E = k),
// Q and E - k zeros (E > k), Q's first E digits, "." and the rest (E < k), in
// these three cases without Q's leading "0" unless E = 1 and k > E; and "0.",
// -E zeros and Q when E <= 0. So 1 / 3 (n = 100) is "0." and ninety-nine 3s,
// 10 / 0.5 is "20", .01 / 3 (n = 4) is "0.000333" and 0.0 / 2.0 is "0.0".
//
// Preconditions: A >= 0 and B > 0, both decimal texts; 1 <= n <= 1000; D of
// A at most 255 digits and D of B at most 201. A call outside the limits
// throws std::length_error, a zero divisor std::domain_error. A zero dividend
// whose quotient the rules above would leave empty ("0" or ".0" by a divisor
// below 1; callers pass "0.0") gives "0".
std::string DivideDecimalText(std::string_view a, std::string_view b, int n);

}  // namespace taketa
