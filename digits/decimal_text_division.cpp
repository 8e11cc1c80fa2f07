// The long division of decimal texts done in one Natural division: the k-th
// quotient digit of the schoolbook method is the last digit of
// floor(X_k / DB), where X_k is the number formed by the first len(DB) + k - 1
// digits of DA followed by zeros. So all n digits come from X_n / DB, and
// the early end (dividend used up, remainder 0) shows as trailing zeros of
// that quotient when the remainder is 0.
#include "digits/decimal_text_division.h"

#include <algorithm>
#include <stdexcept>

#include "digits/natural.h"

namespace taketa {
namespace {

// 0.D × 10^e.
struct NormalForm {
  std::string_view digits;
  long exponent = 0;
};

NormalForm Normalise(std::string_view text) {
  const std::size_t firstNonZero = text.find_first_not_of('0');
  if (firstNonZero == std::string_view::npos) return {text, static_cast<long>(text.size())};
  text.remove_prefix(firstNonZero);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return {text, static_cast<long>(text.size())};
  if (point == 0) {
    const std::size_t first = text.find_first_not_of('0', 1);
    if (first == std::string_view::npos) return {std::string_view(), 0};
    return {text.substr(first), -static_cast<long>(first - 1)};
  }
  return {text, static_cast<long>(point)};  // the point is dropped below
}

// D's digits without the point.
std::string DigitsOf(const NormalForm& form) {
  std::string digits;
  digits.reserve(form.digits.size());
  for (char c : form.digits)
    if (c != '.') digits += c;
  return digits;
}

}  // namespace

std::string DivideDecimalText(std::string_view a, std::string_view b, int n) {
  const NormalForm fa = Normalise(a), fb = Normalise(b);
  const std::string da = DigitsOf(fa), db = DigitsOf(fb);
  if (n < 1 || n > kMaxQuotientDigits || da.size() > kMaxDividendDigits ||
      db.size() > kMaxDivisorDigits) {
    throw std::length_error("DivideDecimalText: operand or quotient beyond the limits");
  }
  if (db.find_first_not_of('0') == std::string::npos) {
    throw std::domain_error("DivideDecimalText: zero divisor");
  }
  const long na = static_cast<long>(da.size()), nb = static_cast<long>(db.size());
  const long e = fa.exponent - fb.exponent + 1;  // digits before the point
  const long g = na - nb + 1;                    // digits after which A is used up

  // X_n: the first nb + n - 1 digits of DA, zeros past its end.
  const long used = nb + n - 1;
  Natural x = Natural::FromDecimal(
      std::string_view(da).substr(0, static_cast<std::size_t>(std::min(na, used))));
  if (used > na) x = x.ShiftedUp(static_cast<std::size_t>(used - na));
  Natural quotient, remainder;
  DivMod(x, Natural::FromDecimal(db), quotient, remainder);
  std::string q = quotient.IsZero() ? std::string() : quotient.ToDecimal();
  q.insert(0, static_cast<std::size_t>(n) - q.size(), '0');

  // The early end: the first k >= max(g, 1) after which the remainder is 0.
  long k = n;
  if (remainder.IsZero()) {
    const std::size_t last = q.find_last_not_of('0');
    const long needed = last == std::string::npos ? 0 : static_cast<long>(last) + 1;
    k = std::min<long>(n, std::max({needed, g, 1L}));
  }
  q.resize(static_cast<std::size_t>(k));

  std::string result;
  if (e <= 0) {
    result = "0.";
    result.append(static_cast<std::size_t>(-e), '0');
    result += q;
    return result;
  }
  if (k <= e) {
    result = q;
    result.append(static_cast<std::size_t>(e - k), '0');
  } else {
    result = q.substr(0, static_cast<std::size_t>(e)) + "." + q.substr(static_cast<std::size_t>(e));
    if (e == 1) return result;  // a leading 0 stays: "0.…"
  }
  if (result.front() == '0') result.erase(0, 1);
  return result.empty() ? "0" : result;
}

}  // namespace taketa
