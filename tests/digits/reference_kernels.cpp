#include "tests/digits/reference_kernels.h"

#include <string>

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

}  // namespace taketa::reference
