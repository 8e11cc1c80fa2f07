// Decimal texts: normalising, comparing, and division to a few quotient
// digits. The first byte gives n (1..40), the rest is A "/" B. Texts that
// are not decimal texts (digits with at most one point) are skipped, as
// every caller checks them first. The division is compared digit for digit
// with the plain schoolbook division of the tests.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calculators/common/decimal_division.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/decimal_text_division.h"
#include "tests/digits/plain_decimal_division.h"

namespace {

using namespace taketa;

void Require(bool condition, const char* what, std::string_view a, std::string_view b) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\nA = %.*s\nB = %.*s\n", what, static_cast<int>(a.size()),
                 a.data(), static_cast<int>(b.size()), b.data());
    std::abort();
  }
}

bool IsDecimalText(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point != std::string_view::npos && text.find('.', point + 1) != std::string_view::npos) {
    return false;
  }
  bool digit = false;
  for (char c : text) {
    if (IsDigit(c))
      digit = true;
    else if (c != '.')
      return false;
  }
  return digit;
}

bool IsZero(std::string_view text) {
  return text.find_first_not_of("0.") == std::string_view::npos;
}

void Normalising(std::string_view a, std::string_view b) {
  Require(CompareDecimals(a, a) == 0, "A <> A", a, b);
  Require(CompareDecimals(a, b) == -CompareDecimals(b, a), "compare not antisymmetric", a, b);
  if (IsZero(a)) {
    Require(CompareDecimals(a, "0") == 0, "zero <> 0", a, b);
    return;
  }
  const std::string normal = NormalisedDecimal(a);
  Require(CompareDecimals(normal, a) == 0, "normalised text changes the value", a, b);
  Require(NormalisedDecimal(normal) == normal, "normalising twice changes the text", a, b);
  Require(normal.front() != '0' || normal.starts_with("0."), "a leading zero stays", a, b);
  Require(normal.back() != '.', "a final point stays", a, b);
  Require(normal.find('.') == std::string::npos || normal.back() != '0', "a trailing zero stays", a,
          b);
  const NormalForm form = ToNormalForm(a);
  Require(!form.digits.empty() && form.digits.front() != '0', "normal form digits", a, b);
}

void Division(std::string_view a, std::string_view b, int n) {
  std::string fast;
  try {
    fast = DivideDecimalText(a, b, n);
  } catch (const std::domain_error&) {
    Require(IsZero(b), "a divisor other than 0 refused", a, b);
    return;
  } catch (const std::length_error&) {
    return;  // beyond the schoolbook arrays
  }
  Require(!IsZero(b), "division by zero answered", a, b);
  // A zero quotient that the digit-by-digit method leaves empty reads "0".
  const std::string plain = reference::DivideDecimalText(std::string(a), std::string(b), n);
  Require(fast == (plain.empty() ? "0" : plain), "differs from the schoolbook division", a, b);

  // The calculators' division of checked (positive) numbers, to at least
  // two digits: they ask for thousands, and a single digit "0" is dropped
  // as a leading zero.
  if (!IsZero(a)) {
    const std::string quotient = DivideDecimals(a, b, static_cast<std::size_t>(n) + 1);
    Require(!quotient.empty() && IsDecimalText(quotient), "quotient is no decimal text", a, b);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int n = 1 + data[0] % 40;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return 0;
  const std::string_view a = rest.substr(0, slash), b = rest.substr(slash + 1);
  if (!IsDecimalText(a) || !IsDecimalText(b)) return 0;
  Normalising(a, b);
  Division(a, b, n);
  return 0;
}
