#include "calculators/kakezan/kakezan_calc.h"

#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "digits/natural.h"

namespace taketa::kakezan {
namespace {

constexpr DecimalInputRules kRules{.maxDigits = 5000,
                                   .lengthMessage = kLengthMessage,
                                   .pointLengthMessage = kPointLengthMessage,
                                   .rangeMessage = kNumberMessage,
                                   .checksLineBreak = true,
                                   .rewritesCounter = true};

}  // namespace

InputCheck CheckInput(std::string_view memo1, std::string_view memo2) {
  if (InputCheck error = CheckPositiveDecimal(memo1, kRules, 0)) return error;
  return CheckPositiveDecimal(memo2, kRules, 1);
}

// The product of the digit strings has n digits, the first not 0; m of
// them stand before the point.
std::string Multiply(std::string_view a, std::string_view b) {
  const DecimalDigits x = SplitDecimal(a), y = SplitDecimal(b);
  const std::string product =
      (Natural::FromDecimal(x.digits) * Natural::FromDecimal(y.digits)).ToDecimal();
  if (!x.hasPoint && !y.hasPoint) return product;
  const auto n = static_cast<long>(product.size());
  const long m = n - static_cast<long>(x.decimals + y.decimals);
  std::size_t end = product.find_last_not_of('0') + 1;  // trailing zeros dropped
  if (m >= 1) {
    const auto integer = static_cast<std::size_t>(m);
    if (end <= integer) return product.substr(0, integer);
    return product.substr(0, integer) + "." + product.substr(integer, end - integer);
  }
  return "0." + std::string(static_cast<std::size_t>(-m), '0') + product.substr(0, end);
}

ResultFile SaveFile(std::string_view memo1, std::string_view memo2, std::string_view product) {
  return {std::string(memo1) + "×" + std::string(memo2) + "の計算結果（積）",
          {std::string(ResultFile::kLoneCr), std::string(product)}};
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  const std::string product = Multiply(inputs[0], inputs[1]);
  return UnitOutcome::Done(SaveFile(inputs[0], inputs[1], product), {product});
}

}  // namespace taketa::kakezan
