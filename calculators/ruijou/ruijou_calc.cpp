#include "calculators/ruijou/ruijou_calc.h"

#include <algorithm>

#include "calculators/common/checks.h"
#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/repeated_product.h"

namespace taketa::ruijou {
namespace {

constexpr DecimalInputRules kBaseRules{.maxDigits = 100,
                                       .lengthMessage = kBaseLengthMessage,
                                       .pointLengthMessage = kBasePointLengthMessage,
                                       .rangeMessage = kBaseMessage};

}  // namespace

InputCheck CheckInput(std::string_view edit1, std::string_view edit2, long& exponent) {
  if (InputCheck error = CheckPositiveDecimal(edit1, kBaseRules, 0)) return error;
  return CheckNaturalNumber(edit2, 5, 1, 10000, kExponentMessage, kExponentLengthMessage, 1,
                            exponent);
}

Base Normalise(std::string_view edit1) {
  Base base;
  base.normalised = NormalisedDecimal(edit1);
  const DecimalDigits split = SplitDecimal(base.normalised);
  base.decimals = static_cast<int>(split.decimals);
  std::string digits = split.digits;
  const std::size_t lastDigit = digits.find_last_not_of('0');
  base.trailingZeros = static_cast<int>(digits.size() - lastDigit - 1);
  digits.erase(lastDigit + 1);
  if (digits[0] == '0') base.leadingFraction = static_cast<int>(digits.size()) - 1;
  base.significant = std::string(StripLeadingZeros(digits));
  return base;
}

std::optional<Power> Compute(std::string_view edit1, long exponent, RunControl& run) {
  const Base base = Normalise(edit1);
  const std::size_t n = static_cast<std::size_t>(exponent);
  RepeatedProduct product(base.significant, "1", base.significant.size() * n + 1);
  for (std::size_t i = 1; i <= n; ++i) {
    run.ShowStep(static_cast<std::int64_t>(i));
    product.Multiply();
    if (run.StopRequested()) return std::nullopt;
  }
  const std::string e = product.ToDecimal();
  const std::size_t l = e.size();
  const bool hasPoint = base.normalised.find('.') != std::string::npos;
  const std::size_t z = static_cast<std::size_t>(base.trailingZeros);
  const std::size_t f = static_cast<std::size_t>(base.leadingFraction);
  const std::size_t nd = n * static_cast<std::size_t>(base.decimals);
  Power power;
  if (z > 0) {
    power.full = e + std::string(z * n, '0');
  } else if (f > 0) {
    power.full = "0." + std::string(f * n - l, '0') + e;
  } else if (!hasPoint) {
    power.full = e;
  } else {
    power.full = e.substr(0, l - nd) + "." + e.substr(l - nd);
  }
  power.digitCount = power.full.size() - (power.full.find('.') != std::string::npos ? 1 : 0);
  // At most 200 significant digits: one before the point, 199 after.
  const auto mantissa = [](const std::string& digits) {
    return digits.substr(0, 1) + "." + digits.substr(1, 199);
  };
  if (base.normalised.starts_with("0.")) {
    power.floating = mantissa(e) + "E-" + std::to_string(f * n - l + 1);
  } else if (!hasPoint) {
    power.floating = mantissa(power.full) + "E" + std::to_string(power.digitCount - 1);
  } else {
    power.floating = mantissa(e) + "E" + std::to_string(l - nd - 1);
  }
  return power;
}

std::string FullLine(const Power& power) {
  return power.full + "    (桁数＝" + std::to_string(power.digitCount) + ")";
}

std::string FloatingLine(const Power& power) { return "浮動小数点形式では　" + power.floating; }

ResultFile SaveFile(std::string_view edit1, std::string_view edit2, const Power& power) {
  return {std::string(edit1) + "の" + std::string(edit2) + "乗",
          {FullLine(power), std::string(ResultFile::kLoneCr), FloatingLine(power)}};
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  long exponent = 0;
  if (InputCheck error = CheckInput(inputs[0], inputs[1], exponent)) {
    return UnitOutcome::Refused(*error);
  }
  run.BeginComputing();
  const std::optional<Power> power = Compute(inputs[0], exponent, run);
  if (!power) return UnitOutcome::Stopped();
  return UnitOutcome::Done(SaveFile(inputs[0], inputs[1], *power),
                           {FullLine(*power), power->floating});
}

}  // namespace taketa::ruijou
