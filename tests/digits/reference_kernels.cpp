#include "tests/digits/reference_kernels.h"

#include <string>
#include <vector>

namespace taketa::reference {

void AddDigits(DigitArray a, DigitArray b, DigitArray& r, int n) {
  for (int i = 0; i <= n; ++i) r[i] = 0;
  int carry = 0;
  for (int i = n; i >= 0; --i) {
    const int s = a[i] + b[i] + carry;
    r[i] = static_cast<std::uint8_t>(s % 10);
    carry = s / 10;
  }
}

void SubtractDigits(DigitArray a, DigitArray b, DigitArray& r, int n) {
  for (int i = 0; i <= n; ++i) r[i] = 0;
  int k = 1;
  for (int i = n; i >= 1; --i) {
    const int t = a[i] + 9 + k - b[i];
    r[i] = static_cast<std::uint8_t>(t % 10);
    k = t / 10;
  }
}

void DivideDigitsByInt(DigitArray a, std::int32_t d, DigitArray& q, int n) {
  const int l = static_cast<int>(std::to_string(d).size());
  std::int32_t r = 0;
  for (int i = 1; i <= l; ++i) r = r * 10 + (i < static_cast<int>(a.size()) ? a[i] : 0);
  for (int i = 0; i <= n; ++i) q[i] = 0;
  for (int p = l; p <= n - 1; ++p) {
    q[p] = static_cast<std::uint8_t>(r / d);
    r = (r - q[p] * d) * 10 + a[p + 1];
  }
}

void IntegerSquareRoot(DigitArray x, int n, DigitArray& s) {
  const int k = (n + 1) / 2;
  DigitArray p(n + 2), d(k + 2), t(k + 2);
  for (int i = 1; i <= n; ++i) p[i + n % 2] = x[i];
  // T[0..i+1] = (10 * D[1..i] + q) * q
  auto trial = [&](int i, int q) {
    int carry = q * q / 10;
    t[i + 1] = static_cast<std::uint8_t>(q * q % 10);
    for (int j = i; j >= 1; --j) {
      const int v = d[j] * q + carry;
      t[j] = static_cast<std::uint8_t>(v % 10);
      carry = v / 10;
    }
    t[0] = static_cast<std::uint8_t>(carry);
  };
  for (int i = 1; i <= k; ++i) {
    int digit = 0;
    bool equal = false;
    for (int q = 1; q <= 9; ++q) {
      trial(i, q);
      int cmp = 0;
      for (int j = 0; j <= i + 1 && cmp == 0; ++j)
        cmp = (t[j] > p[i - 1 + j]) - (t[j] < p[i - 1 + j]);
      if (cmp > 0) {
        digit = q - 1;
        break;
      }
      if (cmp == 0) {
        digit = q;
        equal = true;
        for (int j = i - 1; j <= 2 * i; ++j) p[j] = 0;
        break;
      }
      if (q == 9) digit = 9;
    }
    s[i] = static_cast<std::uint8_t>(digit);
    if (!equal) {
      trial(i, digit);
      int f = 1;
      for (int j = 2 * i; j >= i - 1; --j) {
        const int v = p[j] + 9 + f - t[j - i + 1];
        p[j] = static_cast<std::uint8_t>(v % 10);
        f = v / 10;
      }
    }
    d[i + 1] = static_cast<std::uint8_t>(2 * digit % 10);
    d[i] = static_cast<std::uint8_t>(d[i] + 2 * digit / 10);
  }
}

void LongDivide(DigitArray a, DigitArray b, DigitArray& q, DigitArray& r) {
  const int n = static_cast<int>(a.size()) - 1, l = static_cast<int>(b.size()) - 1;
  DigitArray w(l + 1);
  // W[from..l] -= B[from..l]
  auto subtract = [&](int from) {
    int f = 1;
    for (int k = l; k >= from; --k) {
      const int v = w[k] + 9 + f - b[k];
      w[k] = static_cast<std::uint8_t>(v % 10);
      f = v / 10;
    }
  };
  for (int k = 1; k <= l; ++k) {
    q[k] = 0;
    w[k] = a[k];
  }
  for (int s = 1;; ++s) {
    int digit = 0;
    for (;;) {
      if (w[0] != 0) {
        subtract(0);
        ++digit;
        continue;
      }
      int cmp = 0;
      for (int k = 1; k <= l && cmp == 0; ++k) cmp = (w[k] > b[k]) - (w[k] < b[k]);
      if (cmp > 0) {
        subtract(1);
        ++digit;
      } else if (cmp == 0) {
        ++digit;
        for (int k = 1; k <= l; ++k) w[k] = 0;
      } else {
        break;
      }
    }
    q[l - 1 + s] = static_cast<std::uint8_t>(digit);
    if (l - 1 + s == n) {
      for (int k = 1; k <= l; ++k) r[k] = w[k];
      return;
    }
    for (int k = 1; k <= l; ++k) w[k - 1] = w[k];
    w[l] = a[l + s];
  }
}

void MultiplyDigits(UnitsFirstDigits a, UnitsFirstDigits b, UnitsFirstDigits& p, std::int32_t& la,
                    std::int32_t lb) {
  const int width = la + lb + 1;
  std::vector<std::vector<std::uint8_t>> table(lb + 1, std::vector<std::uint8_t>(width, 0));
  for (int d = 1; d <= lb; ++d) {
    int carry = 0;
    for (int k = 1; k <= la; ++k) {
      const int t = a[k] * b[d] + carry;
      table[d][k + d - 1] = static_cast<std::uint8_t>(t % 10);
      carry = t / 10;
    }
    table[d][la + d] = static_cast<std::uint8_t>(carry);
  }
  int carry = 0;
  for (int j = 1; j <= la + lb; ++j) {
    int s = carry;
    for (int d = 1; d <= lb; ++d) s += table[d][j];
    p[j] = static_cast<std::uint8_t>(s % 10);
    carry = s / 10;
  }
  la = p[la + lb] == 0 ? la + lb - 1 : la + lb;
}

}  // namespace taketa::reference
