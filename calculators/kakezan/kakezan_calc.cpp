#include "calculators/kakezan/kakezan_calc.h"

#include "calculators/common/text.h"
#include "digits/natural.h"

namespace taketa::kakezan {
namespace {

constexpr std::size_t kMaxDigits = 5000;

// A checked text as a number: its digits without the point and without
// leading zeros, and how many characters followed the point.
struct Operand {
  std::string digits;
  std::size_t decimals = 0;
  bool hasPoint = false;
};

std::string WithoutFirstPoint(std::string_view text) {
  std::string digits(text);
  if (const std::size_t point = digits.find('.'); point != std::string::npos) digits.erase(point, 1);
  return digits;
}

Operand Parse(std::string_view text) {
  Operand operand;
  const std::size_t point = text.find('.');
  operand.hasPoint = point != std::string_view::npos;
  operand.decimals = operand.hasPoint ? text.size() - point - 1 : 0;
  operand.digits = StripLeadingZeros(WithoutFirstPoint(text));
  return operand;
}

InputCheck CheckNumber(std::string_view text, int box) {
  if (EndsWithLineBreak(text)) return InputError{std::string(kLineBreakMessage), box, {}};
  const std::size_t length = Cp932Length(text);
  const bool hasPoint = text.find('.') != std::string_view::npos;
  if (!hasPoint && length > kMaxDigits) return InputError{std::string(kLengthMessage), box, length};
  if (hasPoint && length > kMaxDigits + 1) {
    return InputError{std::string(kPointLengthMessage), box, length};
  }
  const std::string digits = WithoutFirstPoint(text);
  if (!AllDigits(digits) || StripLeadingZeros(digits).empty()) {
    return InputError{std::string(kNumberMessage), box, {}};
  }
  return std::nullopt;
}

}  // namespace

InputCheck CheckInput(std::string_view memo1, std::string_view memo2) {
  if (InputCheck error = CheckNumber(memo1, 0)) return error;
  return CheckNumber(memo2, 1);
}

// The product of the digit strings has n digits, the first not 0; m of
// them stand before the point.
std::string Multiply(std::string_view a, std::string_view b) {
  const Operand x = Parse(a), y = Parse(b);
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

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl&) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  return {UnitOutcome::Status::kDone, {}, SaveFile(inputs[0], inputs[1], Multiply(inputs[0], inputs[1])), true};
}

}  // namespace taketa::kakezan
