// Division of decimal texts one digit at a time, in the fixed arrays of the
// schoolbook method: the reference the fast DivideDecimalText is compared
// with. Inputs must lie within the limits (255 dividend digits, 201 divisor
// digits, 1000 quotient digits) and the divisor must not be zero.
#pragma once

#include <string>

namespace taketa::reference {

std::string DivideDecimalText(std::string a, std::string b, int n);

}  // namespace taketa::reference
