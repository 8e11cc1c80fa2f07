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

}  // namespace taketa::reference
