#include "calculators/common/decimal_division.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "calculators/common/text.h"
#include "digits/natural.h"

namespace taketa {

NormalForm ToNormalForm(std::string_view text) {
  const std::string_view stripped = StripLeadingZeros(text);
  const std::size_t point = stripped.find('.');
  NormalForm form;
  if (point == std::string_view::npos) {
    form.digits = std::string(stripped);
    form.exponent = static_cast<long>(stripped.size());
  } else if (point == 0) {
    const std::string_view decimals = stripped.substr(1);
    const std::size_t first = decimals.find_first_not_of('0');
    assert(first != std::string_view::npos);
    form.digits = std::string(decimals.substr(first));
    form.exponent = -static_cast<long>(first);
  } else {
    form.digits = std::string(stripped.substr(0, point));
    form.digits += stripped.substr(point + 1);
    form.exponent = static_cast<long>(point);
  }
  assert(!form.digits.empty() && form.digits[0] != '0');
  return form;
}

// After s digits the quotient is floor(V_s / b), V_s the dividend's first
// lB + s - 1 digits, and the remainder V_s mod b. Once the dividend is used
// up (s >= F = lA - lB + 1), V_s = V_F * 10^(s - F), so the remainder after s
// digits is 0 exactly when the remainder after maxDigits digits is 0 and the
// digits after the s-th are all 0: one division to the limit decides where
// long division would have stopped.
std::string QuotientDigits(const NormalForm& a, const NormalForm& b, std::size_t maxDigits) {
  assert(maxDigits >= 1);
  const std::size_t la = a.digits.size(), lb = b.digits.size();
  const std::size_t used = lb + maxDigits - 1;  // dividend digits brought down in all
  const Natural dividend = used <= la
                               ? Natural::FromDecimal(std::string_view(a.digits).substr(0, used))
                               : Natural::FromDecimal(a.digits).ShiftedUp(used - la);
  Natural quotient, remainder;
  DivMod(dividend, Natural::FromDecimal(b.digits), quotient, remainder);
  std::string digits = quotient.ToDecimal();
  assert(digits.size() <= maxDigits);
  digits.insert(0, maxDigits - digits.size(), '0');

  const std::size_t consumed = la + 1 > lb ? la + 1 - lb : 1;  // max(1, F)
  if (!remainder.IsZero() || consumed > maxDigits) return digits;
  const std::size_t lastNonZero = digits.find_last_not_of('0') + 1;
  digits.resize(std::max(consumed, lastNonZero));
  return digits;
}

std::string DivideDecimals(std::string_view a, std::string_view b, std::size_t maxDigits) {
  const NormalForm na = ToNormalForm(a), nb = ToNormalForm(b);
  const std::string q = QuotientDigits(na, nb, maxDigits);
  const long e = na.exponent - nb.exponent + 1;  // digits before the point
  if (e <= 0) return "0." + std::string(static_cast<std::size_t>(-e), '0') + q;
  const auto before = static_cast<std::size_t>(e);
  std::string text;
  if (q.size() <= before) {
    text = q + std::string(before - q.size(), '0');
    if (text[0] == '0') text.erase(0, 1);
  } else {
    text = q.substr(0, before) + "." + q.substr(before);
    if (before != 1 && text[0] == '0') text.erase(0, 1);
  }
  return text;
}

ResultFile DivisionFile(std::string_view a, std::string_view b, std::string quotient) {
  return {Concat({a, "÷", b, "の計算結果（商）"}),
          {std::string(ResultFile::kLoneCr), std::move(quotient)}};
}

}  // namespace taketa
