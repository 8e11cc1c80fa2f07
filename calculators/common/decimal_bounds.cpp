#include "calculators/common/decimal_bounds.h"
#include "calculators/common/text.h"

#include <cassert>
#include <initializer_list>
#include <string_view>

namespace taketa {
namespace {

const Natural kOne(1);

// The smallest number the value stays below: lo itself for an exact value
// (it is reached, but no bound is built from it as a strict one), else hi + 1.
Natural Above(const DecimalBounds& v) { return v.exact ? v.lo : v.hi + kOne; }

}  // namespace

DecimalBounds DecimalBounds::Exact(Natural value, long exponent) {
  DecimalBounds v;
  v.hi = value;
  v.lo = std::move(value);
  v.exponent = exponent;
  v.exact = true;
  return v;
}

DecimalBounds DecimalBounds::Between(Natural lo, const Natural& upper, long exponent) {
  assert(lo <= upper);
  DecimalBounds v;
  v.lo = std::move(lo);
  v.hi = upper;  // value <= upper < upper + 1
  v.exponent = exponent;
  return v;
}

DecimalBounds operator*(const DecimalBounds& a, const DecimalBounds& b) {
  if (a.exact && b.exact) return DecimalBounds::Exact(a.lo * b.lo, a.exponent + b.exponent);
  DecimalBounds p;
  p.lo = a.lo * b.lo;
  // value < Above(a) × Above(b), strictly, since one of them is strict.
  Natural above = Above(a) * Above(b);
  p.hi = above.IsZero() ? above : above - kOne;
  if (p.hi < p.lo) p.hi = p.lo;
  p.exponent = a.exponent + b.exponent;
  return p;
}

DecimalBounds Trimmed(DecimalBounds value, std::size_t digits) {
  const std::size_t have = value.hi.DigitCount();
  if (have <= digits) return value;
  const long exponent = value.exponent + static_cast<long>(have - digits);
  return AtExponent(std::move(value), exponent);
}

DecimalBounds AtExponent(DecimalBounds value, long exponent) {
  assert(exponent >= value.exponent);
  const auto shift = static_cast<std::size_t>(exponent - value.exponent);
  if (shift == 0) return value;
  Natural lo = value.lo.ShiftedDown(shift);
  const bool exact = value.exact && lo.ShiftedUp(shift) == value.lo;
  // value < hi + 1 gives value / 10^shift < floor(hi / 10^shift) + 1.
  Natural hi = exact ? lo : value.hi.ShiftedDown(shift);
  DecimalBounds v;
  v.lo = std::move(lo);
  v.hi = std::move(hi);
  v.exponent = exponent;
  v.exact = exact;
  return v;
}

DecimalBounds Reciprocal(const DecimalBounds& value, std::size_t digits) {
  assert(!value.lo.IsZero());
  const Natural above = Above(value);
  const std::size_t k = above.DigitCount() + digits;
  const Natural power = kOne.ShiftedUp(k);
  Natural q, r;
  DivMod(power, value.lo, q, r);
  DecimalBounds v;
  v.exponent = -static_cast<long>(k) - value.exponent;
  if (value.exact) {
    // 10^k / value lies in [q, q + 1), and is q when nothing remains.
    v.lo = q;
    v.hi = q;
    v.exact = r.IsZero();
    return v;
  }
  // 1 / value lies in (10^k / above, 10^k / lo].
  v.hi = std::move(q);
  Natural q2, r2;
  DivMod(power, above, q2, r2);
  v.lo = std::move(q2);
  return v;
}

std::optional<LeadingDigits> Leading(const DecimalBounds& value, std::size_t count) {
  if (value.lo.IsZero()) return std::nullopt;
  LeadingDigits lead;
  if (value.exact) {
    std::string text = value.lo.ToDecimal();
    lead.exponent10 = static_cast<long>(text.size()) - 1 + value.exponent;
    lead.significant = text.find_last_not_of('0') + 1;
    text.resize(count, '0');
    lead.digits = std::move(text);
    return lead;
  }
  const std::size_t have = value.lo.DigitCount();
  if (value.hi.DigitCount() != have || have < count) return std::nullopt;
  Natural lo = value.lo.ShiftedDown(have - count);
  if (lo != value.hi.ShiftedDown(have - count)) return std::nullopt;
  lead.exponent10 = static_cast<long>(have) - 1 + value.exponent;
  lead.digits = lo.ToDecimal();
  return lead;
}

std::optional<std::string> TruncatedDecimals(const DecimalBounds& value, int decimals) {
  const long shift = -value.exponent - decimals;
  Natural scaled;
  if (shift >= 0) {
    scaled = value.lo.ShiftedDown(static_cast<std::size_t>(shift));
    if (!value.exact && value.hi.ShiftedDown(static_cast<std::size_t>(shift)) != scaled) {
      return std::nullopt;
    }
  } else {
    if (!value.exact) return std::nullopt;
    scaled = value.lo.ShiftedUp(static_cast<std::size_t>(-shift));
  }
  std::string digits = scaled.IsZero() ? std::string() : scaled.ToDecimal();
  const auto places = static_cast<std::size_t>(decimals);
  if (digits.size() <= places)
    digits = Concat({std::string(places + 1 - digits.size(), '0'), digits});
  const std::string_view view(digits);
  return Concat({view.substr(0, view.size() - places), ".", view.substr(view.size() - places)});
}

std::string ExactDecimalText(const DecimalBounds& value) {
  assert(value.exact);
  if (value.lo.IsZero()) return "0";
  std::string digits = value.lo.ToDecimal();
  long exponent = value.exponent;
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<long>(digits.size() - last - 1);
  digits.resize(last + 1);
  if (exponent >= 0) return Concat({digits, std::string(static_cast<std::size_t>(exponent), '0')});
  const auto decimals = static_cast<std::size_t>(-exponent);
  const std::string_view view(digits);
  if (digits.size() > decimals) {
    return Concat(
        {view.substr(0, view.size() - decimals), ".", view.substr(view.size() - decimals)});
  }
  return Concat({"0.", std::string(decimals - digits.size(), '0'), digits});
}

DecimalBounds TruncatedTextBounds(std::string_view text, long decimals) {
  std::string digits;
  long places = 0;
  bool afterPoint = false;
  for (char c : text) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    digits += c;
    places += afterPoint;
  }
  const Natural value = Natural::FromDecimal(digits);
  if (places <= decimals) {
    const auto shift = static_cast<std::size_t>(decimals - places);
    return DecimalBounds::Between(value.ShiftedUp(shift), (value + kOne).ShiftedUp(shift) - kOne,
                                  -decimals);
  }
  const auto shift = static_cast<std::size_t>(places - decimals);
  const Natural lo = value.ShiftedDown(shift);
  // (value + 1) / 10^shift <= floor(value / 10^shift) + 1.
  return DecimalBounds::Between(lo, lo, -decimals);
}

}  // namespace taketa
