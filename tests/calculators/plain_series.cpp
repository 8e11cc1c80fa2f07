#include "tests/calculators/plain_series.h"

#include "digits/digit_array.h"
#include "tests/digits/reference_kernels.h"

namespace taketa::testing {

PlainSeries PlainPi(int digits) {
  const int n = digits + 5;
  DigitArray f(n + 1), g(n + 1), t(n + 1), s(n + 1), four(n + 1);
  f[1] = 3;  // 16/5
  f[2] = 2;
  four[1] = 4;
  reference::DivideDigitsByInt(four, 239, g, n);  // 4/239
  reference::SubtractDigits(f, g, s, n);
  int k = 2;
  for (;; ++k) {
    reference::DivideDigitsByInt(f, 25, f, n);
    if (f.IsZero(1, n)) break;
    reference::DivideDigitsByInt(g, 57121, g, n);
    reference::SubtractDigits(f, g, t, n);
    reference::DivideDigitsByInt(t, 2 * k - 1, t, n);
    if (k % 2 == 0)
      reference::SubtractDigits(s, t, s, n);
    else
      reference::AddDigits(s, t, s, n);
  }
  return {s.ToText(1, digits), k};
}

PlainSeries PlainE(int digits) {
  const int n = digits + 8;
  DigitArray t(n + 1), s(n + 1);
  s[1] = 2;  // 1 + 1 + 1/2!
  s[2] = 5;
  t[2] = 5;  // 1/2!
  int k = 3;
  for (;; ++k) {
    reference::DivideDigitsByInt(t, k, t, n);
    if (t.IsZero(1, n)) break;
    reference::AddDigits(s, t, s, n);
  }
  return {s.ToText(1, digits), k};
}

}  // namespace taketa::testing
