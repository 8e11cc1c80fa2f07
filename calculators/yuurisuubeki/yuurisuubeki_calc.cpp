#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/decimal_float.h"
#include "digits/repeated_product.h"

namespace taketa::yuurisuubeki {
namespace {

// Longest text of the integer power that is read into a float.
constexpr std::size_t kReadLength = 4932;

InputError Error(std::string_view message, int box) { return {std::string(message), box, {}}; }

std::string WithoutFirstPoint(std::string_view text) {
  std::string rest(text);
  if (const std::size_t point = rest.find('.'); point != std::string::npos) rest.erase(point, 1);
  return rest;
}

// A decimal text read as an 80-bit float, rounded to nearest; the same in
// every locale and on every platform.
long double Read(std::string_view text) { return DecimalToLongDouble(text); }

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
  if (baseDigits.empty() || CompareDecimals(edit1, "0.001") < 0 || CompareDecimals(edit1, "1200") > 0) {
    return Error(kBaseRangeMessage, 0);
  }
  if (edit2.empty() || edit2 == "-" || edit2 == "." || edit2 == "-.") return Error(kExponentMessage, 1);
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
  const std::string_view magnitude = Magnitude(edit2);
  const std::string_view wholeText = magnitude.substr(0, magnitude.find('.'));
  const long whole = wholeText.empty() ? 0 : std::strtol(std::string(wholeText).c_str(), nullptr, 10);
  const long double fraction = Read(magnitude) - static_cast<long double>(whole);

  // The integer part applied exactly: the base's digits (leading zeros
  // included) multiplied in `whole` times, the point put back after.
  long double integerPower = 1;
  if (whole > 0) {
    const std::string base = NormalisedDecimal(edit1);
    const std::size_t point = base.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : base.size() - point - 1;
    std::string digits = base;
    if (point != std::string::npos) digits.erase(point, 1);
    RepeatedProduct product(digits, "1", digits.size() * static_cast<std::size_t>(whole));
    for (long i = 1; i <= whole; ++i) {
      product.Multiply();
      if (run.StopRequested()) return {Power::Status::kStopped, ""};
    }
    std::string text = product.ToDecimal();
    if (point != std::string::npos) {
      const std::size_t places = decimals * static_cast<std::size_t>(whole);
      if (text.size() <= places) text = std::string(places + 1 - text.size(), '0') + text;
      text = text.substr(0, text.size() - places) + '.' + text.substr(text.size() - places);
      if (text.size() > kReadLength) text.resize(kReadLength);
    }
    integerPower = Read(text);
  }

  // The fractional part through exp(f ln A), summed to the term y^99 / 99!.
  long double fractionPower = 1;
  if (fraction != 0) {
    const long double y = fraction * std::log(Read(edit1));
    long double term = y;
    fractionPower = 1 + y;
    for (int i = 2; i <= 99; ++i) {
      term = term * y / i;
      fractionPower += term;
    }
  }

  long double x = whole == 0 ? fractionPower : fraction == 0 ? integerPower : integerPower * fractionPower;
  if (edit2.starts_with('-')) {
    if (x == 0) return {Power::Status::kZero, std::string(kZeroMessage)};
    x = 1 / x;
  }
  return {Power::Status::kDone, ResultText(GeneralText(x))};
}

std::string GeneralText(long double x) {
  // Fifteen significant digits, rounded to nearest, and the decimal exponent.
  char buffer[64];
  const std::to_chars_result end =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(end.ptr - buffer));
  const std::size_t e = text.find('e');
  std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.empty()) return "0";
  const auto count = static_cast<int>(digits.size());
  if (exponent < -5 || exponent > 14) {
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific.append(".").append(digits, 1);
    return scientific + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  if (count <= exponent + 1) return digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
  return digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
         digits.substr(static_cast<std::size_t>(exponent + 1));
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
    return d.substr(0, 1) + "." + d.substr(1, 11) + "E" + std::to_string(static_cast<long>(point) - 1);
  }
  if (point != std::string::npos) return t.substr(0, 14);
  return t.substr(0, 1) + "." + t.substr(1, 11) + "E" + std::to_string(t.size() - 1);
}

std::string SaveTitle(std::string_view edit1, std::string_view edit2) {
  return std::string(edit1) + "の" + std::string(edit2) + "乗";
}

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  if (InputCheck error = CheckInput(inputs[0], inputs[1])) return UnitOutcome::Refused(*error);
  std::string result;
  if (std::optional<std::string> shortcut = Shortcut(inputs[0], inputs[1])) {
    result = std::move(*shortcut);
  } else {
    Power power = Compute(inputs[0], inputs[1], run);
    if (power.status == Power::Status::kStopped) return UnitOutcome::Stopped();
    if (power.status == Power::Status::kZero) return UnitOutcome::Refused({power.text, 1, {}});
    result = std::move(power.text);
  }
  return {UnitOutcome::Status::kDone, {}, {SaveTitle(inputs[0], inputs[1]), {std::move(result)}}, true};
}

}  // namespace taketa::yuurisuubeki
