#include "tests/digits/plain_decimal_division.h"

#include <array>
#include <cstdint>

namespace taketa::reference {
namespace {

// Leading "0"s dropped (a text of "0"s only kept), then D and e of 0.D × 10^e.
void Normalise(std::string text, std::string& d, int& e) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == '0') ++i;
  if (i < text.size()) text = text.substr(i);
  const std::size_t p = text.find('.') == std::string::npos ? 0 : text.find('.') + 1;
  if (p == 0) {
    d = text;
    e = static_cast<int>(text.size());
  } else if (p == 1) {
    std::size_t j = 1;
    while (j < text.size() && text[j] == '0') ++j;
    d = text.substr(j);
    e = d.empty() ? 0 : -static_cast<int>(j - 1);
  } else {
    d = text.substr(0, p - 1) + text.substr(p);
    e = static_cast<int>(p) - 1;
  }
}

}  // namespace

std::string DivideDecimalText(std::string a, std::string b, int n) {
  std::string da, db;
  int ea = 0, eb = 0;
  Normalise(a, da, ea);
  Normalise(b, db, eb);
  const std::uint8_t na = static_cast<std::uint8_t>(da.size());
  const std::uint8_t nb = static_cast<std::uint8_t>(db.size());
  const int e = ea - eb + 1;
  const int g = na - nb + 1;

  std::array<std::uint8_t, 1203> dividend{};  // 1..1202
  std::array<std::uint8_t, 202> divisor{}, remainder{};
  std::array<std::uint8_t, 1001> quotient{};  // 1..1000
  for (int i = 1; i <= na; ++i) dividend[i] = static_cast<std::uint8_t>(da[i - 1] - '0');
  for (int i = 0; i < nb; ++i) divisor[i] = static_cast<std::uint8_t>(db[nb - 1 - i] - '0');
  for (int i = 0; i < nb; ++i) remainder[i] = dividend[nb - i];

  auto subtract = [&](int top) {
    int carry = 1;
    for (int i = 0; i <= top; ++i) {
      const int digit = remainder[i] - divisor[i] + 9 + carry;
      remainder[i] = static_cast<std::uint8_t>(digit % 10);
      carry = digit / 10;
    }
  };
  auto shiftAndBringDown = [&](int k) {
    for (int j = nb - 1; j >= 0; --j) remainder[j + 1] = remainder[j];
    remainder[0] = dividend[nb + k];
  };

  int k = 0, count = 0;
  for (;;) {
    if (remainder[nb] != 0) {
      subtract(nb);
      ++count;
      continue;
    }
    int i = nb - 1;
    while (i >= 0 && remainder[i] == divisor[i]) --i;
    if (i < 0) {  // equal
      ++count;
      for (int j = 0; j < nb; ++j) remainder[j] = 0;
      continue;
    }
    if (remainder[i] > divisor[i]) {
      subtract(nb - 1);
      ++count;
      continue;
    }
    quotient[++k] = static_cast<std::uint8_t>(count);
    count = 0;
    if (k == n) break;
    if (g <= 0 || k >= g) {
      bool zero = true;
      for (int j = 0; j < nb; ++j) zero = zero && remainder[j] == 0;
      if (zero) break;
    }
    shiftAndBringDown(k);
  }

  std::string q;
  for (int i = 1; i <= k; ++i) q += static_cast<char>('0' + quotient[i]);
  std::string result;
  if (e <= 0) return "0." + std::string(-e, '0') + q;
  if (k == e) {
    result = q;
  } else if (k < e) {
    result = q + std::string(e - k, '0');
  } else {
    result = q.substr(0, e) + "." + q.substr(e);
    if (e == 1) return result;
  }
  if (result[0] == '0') result.erase(0, 1);
  return result;
}

}  // namespace taketa::reference
