// Input checks that several calculators share.
#pragma once

#include <cstddef>
#include <string_view>

#include "calculators/common/input_error.h"

namespace taketa {

// A natural number typed into one box, checked in this order: the box is
// empty (rangeMessage); a character is not a digit (rangeMessage); the text
// is longer than maxLength (lengthMessage); the value lies outside lo..hi
// (rangeMessage). Leading zeros are allowed. On success sets `value`.
InputCheck CheckNaturalNumber(std::string_view text, std::size_t maxLength, long lo, long hi,
                              std::string_view rangeMessage, std::string_view lengthMessage,
                              int box, long& value);

// The number of digits N of a constant (pi, e): a natural number from 2 to
// 60000 of at most five characters, in the first box. On success sets
// `digits`.
InputCheck CheckDigitCount(std::string_view text, int& digits);

}  // namespace taketa
