#include "calculators/yuurisuubeki2/yuurisuubeki2_calc.h"

#include "calculators/common/logarithm.h"
#include "calculators/common/text.h"

namespace taketa::yuurisuubeki2 {
namespace {

bool AllZeros(std::string_view digits) { return digits.find_first_not_of('0') == std::string_view::npos; }

// The checks of B, in their order; on success fills B's part of `input`.
InputCheck CheckExponent(std::string_view b, PowerInput& input) {
  const InputError refused{std::string(kExponentMessage), 1, {}};
  const InputError outOfRange{std::string(kExponentRangeMessage), 1, {}};
  if (b.empty() || b == "-" || b == "." || b == "-.") return refused;
  const bool negative = b.front() == '-';
  const std::string_view magnitude = negative ? b.substr(1) : b;
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

  input.negative = negative;
  input.p = p;
  input.fraction = std::string(fraction);
  if (AllZeros(fraction)) {
    input.kind = ExponentClass::kInteger;
  } else {
    input.kind = p == 0 ? ExponentClass::kFraction : ExponentClass::kMixed;
  }
  return std::nullopt;
}

}  // namespace

InputCheck CheckInput(std::string_view a, std::string_view b, PowerInput& input) {
  if (InputCheck error = CheckPositiveDecimal(a, kBaseMessage, kBaseLengthMessage, 0)) return error;
  if (InputCheck error = CheckExponent(b, input)) return error;
  input.a = std::string(a);
  input.b = std::string(b);
  input.base = Reduce(a);
  // A = S × 10^scale, S without trailing zeros.
  const std::string& t = input.base.normalised;
  const std::size_t point = t.find('.');
  input.baseIsInteger = point == std::string::npos;
  std::string digits = t;
  if (input.baseIsInteger) {
    const std::size_t last = digits.find_last_not_of('0');
    input.scale = static_cast<long>(digits.size() - last - 1);
    digits.resize(last + 1);
  } else {
    digits.erase(point, 1);
    input.scale = -static_cast<long>(t.size() - point - 1);
  }
  input.significant = Natural::FromDecimal(digits);
  return std::nullopt;
}

std::optional<std::string> SpecialValue(const PowerInput& input) {
  if (input.base.comparedWithOne == 0) return "1";
  if (!input.negative && input.p == 1 && AllZeros(input.fraction)) return input.a;
  if (input.p == 0 && AllZeros(input.fraction)) return "1";
  return std::nullopt;
}

std::optional<std::string> Compute(const PowerInput& input, RunControl& run) {
  std::optional<DecimalBounds> integerPower = IntegerPower(input, run);
  if (!integerPower) return std::nullopt;
  return FinishPower(input, std::move(*integerPower));
}

std::string SaveTitle(std::string_view a, std::string_view b) {
  std::string title(a);
  title += "の";
  title += b;
  title += "乗";
  return title;
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  PowerInput input;
  if (InputCheck error = CheckInput(inputs[0], inputs[1], input)) return UnitOutcome::Refused(*error);
  std::optional<std::string> result = SpecialValue(input);
  if (!result) result = Compute(input, run);
  if (!result) return UnitOutcome::Stopped();
  return {UnitOutcome::Status::kDone, {}, {SaveTitle(inputs[0], inputs[1]), {std::move(*result)}}, true};
}

}  // namespace taketa::yuurisuubeki2
