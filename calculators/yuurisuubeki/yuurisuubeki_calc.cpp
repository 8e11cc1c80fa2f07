#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"

#include <utility>

#include "calculators/common/decimal_bounds.h"
#include "calculators/common/decimal_power.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"

namespace taketa::yuurisuubeki {
namespace {

InputError Error(std::string_view message, int box) { return {std::string(message), box, {}}; }

std::string WithoutFirstPoint(std::string_view text) { return SplitDecimal(text).digits; }

std::string_view Magnitude(std::string_view edit2) {
  return edit2.starts_with('-') ? edit2.substr(1) : edit2;
}

}  // namespace

InputCheck CheckInput(std::string_view edit1, std::string_view edit2) {
  if (edit1.empty()) return Error(kBaseMessage, 0);
  const bool basePoint = edit1.find('.') != std::string_view::npos;
  const std::size_t baseLength = Cp932Length(edit1);
  if (!basePoint && baseLength > 12) return Error(kBaseMessage, 0);
  if (basePoint && baseLength > 13) return Error(kBasePointMessage, 0);
  const std::string baseDigits = WithoutFirstPoint(edit1);
  if (!AllDigits(baseDigits)) return Error(kBasePointMessage, 0);
  if (baseDigits.empty() || CompareDecimals(edit1, "0.001") < 0 ||
      CompareDecimals(edit1, "1200") > 0) {
    return Error(kBaseRangeMessage, 0);
  }
  if (edit2.empty() || edit2 == "-" || edit2 == "." || edit2 == "-.")
    return Error(kExponentMessage, 1);
  const std::string_view magnitude = Magnitude(edit2);
  const bool exponentPoint = magnitude.find('.') != std::string_view::npos;
  const std::size_t exponentLength = Cp932Length(magnitude);
  if (!exponentPoint && exponentLength > 12) return Error(kExponentMessage, 1);
  if (exponentPoint && exponentLength > 13) return Error(kExponentPointMessage, 1);
  if (!AllDigits(WithoutFirstPoint(magnitude))) return Error(kExponentRangeMessage, 1);
  if (CompareDecimals(magnitude, "1600") > 0) return Error(kExponentRangeMessage, 1);
  return std::nullopt;
}

std::optional<std::string> Shortcut(std::string_view edit1, std::string_view edit2) {
  if (CompareDecimals(edit1, "1") == 0) return "1";
  if (!edit2.starts_with('-') && CompareDecimals(edit2, "1") == 0) return std::string(edit1);
  if (CompareDecimals(Magnitude(edit2), "0") == 0) return "1";
  return std::nullopt;
}

bool HasIntegerPart(std::string_view edit2) {
  const std::string_view magnitude = Magnitude(edit2);
  return CompareDecimals(magnitude.substr(0, magnitude.find('.')), "0") != 0;
}

Power Compute(std::string_view edit1, std::string_view edit2, RunControl& run) {
  // The pipeline of the 50-digit power, which takes every input accepted
  // here (12 digits, 0.001 <= A <= 1200, |B| <= 1600). The integer part of
  // the exponent polls after every multiplication; this window shows no
  // step counter.
  const PowerInput input = TakeApartPower(edit1, edit2);
  WithoutProgress polls(run);
  std::optional<DecimalBounds> power = IntegerPower(input, polls);
  if (!power) return {Power::Status::kStopped, ""};

  // The fraction, the point and the reciprocal, worked out until the first
  // 15 digits of A^B are settled.
  const std::optional<LeadingDigits> lead =
      LeadingPowerDigits(input, std::move(*power), kGeneralDigits);
  if (!lead) return {Power::Status::kFailed, ""};
  return {Power::Status::kDone, ResultText(GeneralText(lead->digits, lead->exponent10))};
}

std::string GeneralText(std::string_view leading, long exponent10) {
  std::string digits(leading.substr(0, kGeneralDigits));
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.empty()) return "0";
  const auto count = static_cast<long>(digits.size());
  if (exponent10 < -5 || exponent10 > 14) {
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific.append(".").append(digits, 1);
    return Concat({scientific, "E", std::to_string(exponent10)});
  }
  if (exponent10 < 0)
    return Concat({"0.", std::string(static_cast<std::size_t>(-exponent10 - 1), '0'), digits});
  const auto whole = static_cast<std::size_t>(exponent10 + 1);
  if (digits.size() <= whole) return Concat({digits, std::string(whole - digits.size(), '0')});
  return Concat(
      {std::string_view(digits).substr(0, whole), ".", std::string_view(digits).substr(whole)});
}

std::string ResultText(std::string_view general) {
  const std::string t(general);
  if (const std::size_t e = t.find('E'); e != std::string::npos) {
    // The mantissa cut to 12 significant digits.
    return e + 1 > 14 ? t.substr(0, 13) + t.substr(e) : t;
  }
  const std::size_t point = t.find('.');
  const std::string d = WithoutFirstPoint(t);
  if (d.size() <= 12) return t;
  if (point != std::string::npos && t[0] != '0') {
    return d.substr(0, 1) + "." + d.substr(1, 11) + "E" +
           std::to_string(static_cast<long>(point) - 1);
  }
  if (point != std::string::npos) return t.substr(0, 14);
  return t.substr(0, 1) + "." + t.substr(1, 11) + "E" + std::to_string(t.size() - 1);
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return std::string(edit1) + "の" + std::string(edit2) + "乗";
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  const std::string title = SaveTitle(inputs[0], inputs[1]);
  if (std::optional<std::string> shortcut = Shortcut(inputs[0], inputs[1])) {
    return UnitOutcome::Special({title, {*shortcut}}, {*shortcut}, true);
  }
  if (HasIntegerPart(inputs[1])) run.BeginComputing();
  Power power = Compute(inputs[0], inputs[1], run);
  if (power.status == Power::Status::kStopped) return UnitOutcome::Stopped();
  if (power.status == Power::Status::kFailed) return UnitOutcome::Failed();
  return UnitOutcome::Done({title, {std::move(power.text)}});
}

}  // namespace taketa::yuurisuubeki
