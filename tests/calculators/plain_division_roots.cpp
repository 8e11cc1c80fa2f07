#include "tests/calculators/plain_division_roots.h"

#include <algorithm>
#include <vector>

namespace taketa::testing {

std::string PlainQuotientDigits(std::string_view a, std::string_view b, std::size_t limit) {
  const std::size_t la = a.size(), lb = b.size();
  const long consumedAt = static_cast<long>(la) - static_cast<long>(lb) + 1;
  std::vector<int> dividend(std::max(la, lb + limit) + 2, 0);  // from element 1, zeros after a
  for (std::size_t i = 0; i < la; ++i) dividend[i + 1] = a[i] - '0';
  std::vector<int> divisor(lb + 1, 0), window(lb + 1, 0);  // least significant first
  for (std::size_t k = 0; k < lb; ++k) divisor[k] = b[lb - 1 - k] - '0';
  for (std::size_t k = 0; k < lb; ++k) window[k] = dividend[lb - k];

  auto subtract = [&](std::size_t top) {
    int borrow = 0;
    for (std::size_t k = 0; k <= top; ++k) {
      int t = window[k] - divisor[k] - borrow;
      borrow = t < 0;
      window[k] = t < 0 ? t + 10 : t;
    }
  };
  std::string q;
  for (;;) {
    int d = 0;
    for (;;) {
      if (window[lb] != 0) {
        subtract(lb);
        ++d;
        continue;
      }
      int cmp = 0;
      for (std::size_t k = lb; k-- > 0;) {
        if (window[k] != divisor[k]) {
          cmp = window[k] > divisor[k] ? 1 : -1;
          break;
        }
      }
      if (cmp < 0) break;
      if (cmp > 0) {
        subtract(lb - 1);
      } else {
        for (std::size_t k = 0; k < lb; ++k) window[k] = 0;
      }
      ++d;
    }
    q += static_cast<char>('0' + d);
    const std::size_t s = q.size();
    if (s == limit) break;
    bool zero = true;
    for (std::size_t k = 0; k < lb; ++k) zero = zero && window[k] == 0;
    if ((consumedAt <= 0 || static_cast<long>(s) >= consumedAt) && zero) break;
    for (std::size_t k = lb; k > 0; --k) window[k] = window[k - 1];
    window[0] = dividend[lb + s];
  }
  return q;
}

std::string PlainDecimalSquareRoot(std::string_view a, std::size_t rootDigits) {
  const std::size_t r = rootDigits;
  const std::size_t point = a.find('.');
  const bool hasPoint = point != std::string_view::npos;
  std::string g(a);
  if (hasPoint) {
    g.erase(point, 1);
    if ((a.size() - point - 1) % 2 == 1) g += '0';
  }
  const std::size_t l = g.size();
  const std::size_t integerDigits = hasPoint ? point : l;
  const std::size_t k1 = (l + 1) / 2, u = (integerDigits + 1) / 2;

  std::vector<int> p(2 * r + 2, 0), d(r + 2, 0), t(r + 2, 0), s(r + 1, 0);
  for (std::size_t i = 0; i < l; ++i) p[(l % 2 == 0 ? 1 : 2) + i] = g[i] - '0';

  // (10 * D[1..i] + q) * q into T[0..i+1].
  auto trial = [&](std::size_t i, int q) {
    int carry = q * q / 10;
    t[i + 1] = q * q % 10;
    for (std::size_t k = i; k >= 1; --k) {
      const int v = d[k] * q + carry;
      t[k] = v % 10;
      carry = v / 10;
    }
    t[0] = carry;
  };
  auto step = [&](std::size_t i) {
    int digit = 0;
    bool equal = false;
    for (int q = 1; q <= 9; ++q) {
      trial(i, q);
      int cmp = 0;
      for (std::size_t j = 0; j <= i + 1 && cmp == 0; ++j) {
        if (t[j] != p[i - 1 + j]) cmp = t[j] > p[i - 1 + j] ? 1 : -1;
      }
      if (cmp > 0) {
        digit = q - 1;
        break;
      }
      if (cmp == 0) {
        digit = q;
        equal = true;
        for (std::size_t k = i - 1; k <= 2 * i; ++k) p[k] = 0;
        break;
      }
      if (q == 9) digit = 9;
    }
    s[i] = digit;
    d[i + 1] = digit;
    if (!equal) {
      trial(i, digit);  // D[i + 1] = digit: the same product as 10 * D + digit
      int f = 1;
      for (std::size_t k = 2 * i; k + 1 >= i; --k) {
        const int v = p[k] + 9 + f - t[k - i + 1];
        p[k] = v % 10;
        f = v / 10;
        if (k == 0) break;
      }
    }
    d[i + 1] = 2 * digit % 10;
    d[i] += 2 * digit / 10;
  };

  for (std::size_t i = 1; i <= k1; ++i) step(i);
  bool exact = true;
  for (std::size_t k = k1 - 1; k <= 2 * k1; ++k) exact = exact && p[k] == 0;
  std::string digits;
  if (exact) {
    for (std::size_t i = 1; i <= k1; ++i) digits += static_cast<char>('0' + s[i]);
    if (!hasPoint) return digits;
  } else {
    for (std::size_t i = k1 + 1; i <= r; ++i) step(i);
    for (std::size_t i = 1; i <= r; ++i) digits += static_cast<char>('0' + s[i]);
  }
  return digits.substr(0, u) + "." + digits.substr(u);
}

}  // namespace taketa::testing
