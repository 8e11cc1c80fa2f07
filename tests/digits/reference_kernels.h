// The kernels exactly as the schoolbook describes them, one digit at a time,
// with the operand copies the contracts speak of. The fast kernels must give
// the same arrays on every input.
#pragma once

#include <cstdint>

#include "digits/digit_array.h"

namespace taketa::reference {

void AddDigits(DigitArray a, DigitArray b, DigitArray& r, int n);
void SubtractDigits(DigitArray a, DigitArray b, DigitArray& r, int n);
void DivideDigitsByInt(DigitArray a, std::int32_t d, DigitArray& q, int n);
// One root digit per pair of radicand digits, each found by trying 1..9.
void IntegerSquareRoot(DigitArray x, int n, DigitArray& s);
// One quotient digit per dividend digit, each found by repeated subtraction.
void LongDivide(DigitArray a, DigitArray b, DigitArray& q, DigitArray& r);
// A table of partial-product rows added column by column.
void MultiplyDigits(UnitsFirstDigits a, UnitsFirstDigits b, UnitsFirstDigits& p, std::int32_t& la,
                    std::int32_t lb);

}  // namespace taketa::reference
