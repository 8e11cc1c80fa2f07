#include "calculators/heihoukon2/heihoukon2_calc.h"

#include <cassert>

#include "calculators/common/decimal_input.h"
#include "digits/natural.h"

namespace taketa::heihoukon2 {
namespace {

constexpr DecimalInputRules kRules{200, kLengthMessage, kPointLengthMessage, kRangeMessage, true,
                                   false};

// The root's digits with leading zeros up to `count` digits.
std::string Padded(const Natural& root, std::size_t count) {
  std::string digits = root.ToDecimal();
  assert(digits.size() <= count);
  return std::string(count - digits.size(), '0') + digits;
}

}  // namespace

InputCheck CheckInput(std::string_view a) { return CheckPositiveDecimal(a, kRules, 0); }

std::string Compute(std::string_view a, std::size_t rootDigits) {
  const std::size_t point = a.find('.');
  const bool hasPoint = point != std::string_view::npos;
  std::string g(a);
  if (hasPoint) {
    g.erase(point, 1);
    if ((a.size() - point - 1) % 2 == 1) g += '0';  // decimals in whole pairs
  }
  const std::size_t pairs = (g.size() + 1) / 2;
  const std::size_t integerDigits = hasPoint ? point : g.size();
  const std::size_t beforePoint = (integerDigits + 1) / 2;
  assert(pairs <= rootDigits);

  const Natural radicand = Natural::FromDecimal(g);
  const Natural root = Sqrt(radicand);
  std::string digits;
  if (root * root == radicand) {
    digits = Padded(root, pairs);
    if (!hasPoint) return digits;
  } else {
    // Further pairs of zeros until the root has rootDigits digits.
    digits = Padded(Sqrt(radicand.ShiftedUp(2 * (rootDigits - pairs))), rootDigits);
  }
  return digits.substr(0, beforePoint) + "." + digits.substr(beforePoint);
}

std::string SaveTitle(std::string_view a) { return std::string(a) + "の平方根（10000桁）"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl&) {
  if (InputCheck error = CheckInput(inputs[0])) return UnitOutcome::Refused(*error);
  return {UnitOutcome::Status::kDone, {}, {SaveTitle(inputs[0]), {Compute(inputs[0])}}, true};
}

}  // namespace taketa::heihoukon2
