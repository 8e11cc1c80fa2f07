// The calculations of n!, nPr, nCr and the long multiplication exactly as
// the schoolbook describes them, one digit per byte: the growing product
// with its table of partial products, the exact division by repeated
// subtraction, the multiplication table with its column sums. The units
// must give the same digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taketa::testing {

// from x (from + 1) x ... x to with the plain growing product, as decimal
// digits.
std::string PlainProduct(std::uint64_t from, std::uint64_t to);

// Num / Den for Den dividing Num, both units first at 1..len (element 0
// unused): one quotient digit per pass by repeated subtraction of Den from
// a window of lenD + 1 digits, as the passes record them (the first may be
// 0).
std::vector<int> PlainExactDivision(const std::vector<std::uint8_t>& num, std::size_t lenN,
                                    const std::vector<std::uint8_t>& den, std::size_t lenD);

// nCr's digits without leading zeros, r reduced to min(r, n - r) first.
std::string PlainCombinations(long n, long r);

// The value of decimal digits modulo p (p below 2^62), for comparing
// results too long to paste with residues worked out independently.
std::uint64_t DecimalResidue(std::string_view digits, std::uint64_t p);

// A x B for texts that pass the input checks, through the partial-product
// table and the point placement rules.
std::string PlainKakezan(std::string_view a, std::string_view b);

}  // namespace taketa::testing
