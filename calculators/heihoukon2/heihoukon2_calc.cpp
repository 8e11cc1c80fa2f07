#include "calculators/heihoukon2/heihoukon2_calc.h"

#include <cassert>

#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "digits/natural.h"

namespace taketa::heihoukon2 {
namespace {

constexpr DecimalInputRules kRules{
    .maxDigits = 200,
    .lengthMessage = "入力文字数を200以下にしてください。",
    .pointLengthMessage = "小数点を含めた入力文字数を201以下にしてください。",
    .rangeMessage = "半角数字で200桁以内の正の数を入力してください。",
    .checksLineBreak = true};

// The root's digits with leading zeros up to `count` digits.
std::string Padded(const Natural& root, std::size_t count) {
  std::string digits = root.ToDecimal();
  assert(digits.size() <= count);
  return std::string(count - digits.size(), '0') + digits;
}

}  // namespace

InputCheck CheckInput(std::string_view a) { return CheckPositiveDecimal(a, kRules, 0); }

std::string Compute(std::string_view a, std::size_t rootDigits) {
  const DecimalDigits split = SplitDecimal(a);
  const bool hasPoint = split.hasPoint;
  std::string g = split.digits;
  if (split.decimals % 2 == 1) g += '0';  // decimals in whole pairs
  const std::size_t pairs = (g.size() + 1) / 2;
  const std::size_t integerDigits = split.digits.size() - split.decimals;
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

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {Compute(inputs[0])}});
}

}  // namespace taketa::heihoukon2
