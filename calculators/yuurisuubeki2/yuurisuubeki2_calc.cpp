#include "calculators/yuurisuubeki2/yuurisuubeki2_calc.h"

#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"

namespace taketa::yuurisuubeki2 {
namespace {

bool AllZeros(std::string_view digits) {
  return digits.find_first_not_of('0') == std::string_view::npos;
}

constexpr DecimalInputRules kBaseRules{.maxDigits = 20,
                                       .lengthMessage = kBaseMessage,
                                       .pointLengthMessage = kBaseLengthMessage,
                                       .rangeMessage = kBaseMessage,
                                       .leadingPointCountsZero = true};

// The checks of B, in their order.
InputCheck CheckExponent(std::string_view b) {
  const InputError refused{std::string(kExponentMessage), 1, {}};
  const InputError outOfRange{std::string(kExponentRangeMessage), 1, {}};
  if (b.empty() || b == "-" || b == "." || b == "-.") return refused;
  const std::string_view magnitude = b.front() == '-' ? b.substr(1) : b;
  const std::size_t length = Cp932Length(magnitude);
  const std::size_t point = magnitude.find('.');
  if (point == std::string_view::npos) {
    if (length > 20) return refused;
  } else if (length > (point == 0 ? 20u : 21u)) {
    return InputError{std::string(kExponentLengthMessage), 1, {}};
  }
  const std::string_view whole = magnitude.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : magnitude.substr(point + 1);
  if (!AllDigits(whole) || !AllDigits(fraction)) return outOfRange;
  // |B| <= 5000.
  const std::string_view wholeDigits = StripLeadingZeros(whole);
  if (wholeDigits.size() > 4) return outOfRange;
  const int p = wholeDigits.empty() ? 0 : std::stoi(std::string(wholeDigits));
  if (p > 5000 || (p == 5000 && !AllZeros(fraction))) return outOfRange;
  return std::nullopt;
}

}  // namespace

InputCheck CheckInput(std::string_view a, std::string_view b) {
  if (InputCheck error = CheckPositiveDecimal(a, kBaseRules, 0)) return error;
  return CheckExponent(b);
}

std::optional<std::string> SpecialValue(const PowerInput& input) {
  if (input.base.comparedWithOne == 0) return "1";
  if (!input.negative && input.p == 1 && AllZeros(input.fraction)) return input.a;
  if (input.p == 0 && AllZeros(input.fraction)) return "1";
  return std::nullopt;
}

std::string SaveTitle(std::string_view a, std::string_view b) { return Concat({a, "の", b, "乗"}); }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  const PowerInput input = TakeApartPower(inputs[0], inputs[1]);
  const std::string title = SaveTitle(inputs[0], inputs[1]);
  if (std::optional<std::string> special = SpecialValue(input)) {
    return UnitOutcome::Special({title, {*special}}, {*special}, true);
  }
  if (HasIntegerPower(input)) run.BeginComputing();
  std::optional<DecimalBounds> integerPower = IntegerPower(input, run);
  if (!integerPower) return UnitOutcome::Stopped();
  std::optional<std::string> result = FinishPower(input, std::move(*integerPower));
  if (!result) return UnitOutcome::Failed();
  return UnitOutcome::Done({title, {std::move(*result)}});
}

}  // namespace taketa::yuurisuubeki2
