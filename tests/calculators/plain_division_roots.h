// Decimal division and square roots exactly as the schoolbook runs them: one
// digit per byte, each quotient digit found by repeated subtraction, each
// root digit by trying 1 to 9. The fast calculations must give the same
// digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taketa::testing {

// Quotient digits of the digit strings a / b (each beginning with a digit
// other than 0): the window starts with a's first lB digits (zeros past a's
// end), each digit is the number of subtractions of b, and the run stops
// after `limit` digits, or once a is used up and the window is 0.
std::string PlainQuotientDigits(std::string_view a, std::string_view b, std::size_t limit);

// The square root of the decimal text `a` (digits, at most one point) as
// the square-root window shows it, worked pair by pair over a remainder
// array with `rootDigits` pairs of zeros after a's digits.
std::string PlainDecimalSquareRoot(std::string_view a, std::size_t rootDigits);

}  // namespace taketa::testing
