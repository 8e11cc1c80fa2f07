// Integer square roots of long naturals with few full-length divisions.
#pragma once

#include "digits/natural.h"

namespace taketa {

// floor(sqrt(a)), the same value as Sqrt(a). The root of the leading half of
// the digits (found the same way, down to a few limbs) gives the leading half
// of the root's digits; Newton's steps from there settle the rest in two or
// three divisions of full length, where Sqrt starts from a power of ten and
// needs a dozen or more.
Natural SquareRoot(const Natural& a);

}  // namespace taketa
