// What n!, nPr and nCr share: the checks of n and r, multiplying the growing
// product by each of a run of consecutive integers as steps of a stoppable
// calculation, and the result text with its digit count.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "digits/growing_product.h"

namespace taketa {

// The checks of the permutations and combinations windows: Edit1 (n, box 0)
// and Edit2 (r, box 1), each a natural number up to 50000 of at most five
// characters, then r <= n (box 1). On success sets n and r.
InputCheck CheckCounts(std::string_view edit1, std::string_view edit2, long& n, long& r);

// product = product x from x (from + 1) x ... x to, one step per
// multiplier: step i shows i in progress box 0 and is followed by a stop
// poll. Several multipliers may go through the limbs in one sweep (their
// product stays below the multiplier limit), their steps shown and polled
// after it. Precondition: to < GrowingProduct::kMultiplierLimit. False when
// a poll asked to stop (the product is then unfinished). Nothing happens
// when to < from.
bool MultiplyEach(GrowingProduct& product, std::uint64_t from, std::uint64_t to, RunControl& run);

// The digits followed by "    (桁数＝" (four half-width spaces), the number
// of digits and ")": 3628800    (桁数＝7).
std::string WithDigitCount(std::string_view digits);

}  // namespace taketa
