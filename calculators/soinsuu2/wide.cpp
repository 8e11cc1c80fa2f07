#include "calculators/soinsuu2/wide.h"

#include <algorithm>
#include <bit>

namespace taketa::soinsuu2 {

U192 U192::FromDecimal(std::string_view digits) {
  U192 x;
  for (char ch : digits) {
    UInt128 carry = static_cast<unsigned>(ch - '0');
    for (U64& word : x.w) {
      const UInt128 v = UInt128{word} * 10 + carry;
      word = static_cast<U64>(v);
      carry = v >> 64;
    }
  }
  return x;
}

std::string U192::ToDecimal() const {
  constexpr U64 kChunk = 10000000000000000000ULL;  // 10^19
  U64 chunks[4];
  int count = 0;
  U192 rest = *this;
  do {
    chunks[count++] = DivideSmall(rest, kChunk);
  } while (!rest.IsZero());
  std::string text = std::to_string(chunks[count - 1]);
  for (int c = count - 1; c-- > 0;) {
    const std::string chunk = std::to_string(chunks[c]);
    text += std::string(19 - chunk.size(), '0') + chunk;
  }
  return text;
}

int U192::Bits() const {
  for (int i = 2; i >= 0; --i) {
    if (w[i] != 0) return 64 * i + 64 - std::countl_zero(w[i]);
  }
  return 0;
}

U192 operator+(const U192& a, const U192& b) {
  U192 r;
  U64 carry = 0;
  for (int i = 0; i < 3; ++i) {
    const UInt128 s = UInt128{a.w[i]} + b.w[i] + carry;
    r.w[i] = static_cast<U64>(s);
    carry = static_cast<U64>(s >> 64);
  }
  return r;
}

U192 operator-(const U192& a, const U192& b) {
  U192 r;
  U64 borrow = 0;
  for (int i = 0; i < 3; ++i) {
    const UInt128 d = UInt128{a.w[i]} - b.w[i] - borrow;
    r.w[i] = static_cast<U64>(d);
    borrow = static_cast<U64>(d >> 64) & 1;
  }
  return r;
}

U192 operator*(const U192& a, const U192& b) {
  U192 r;
  for (int i = 0; i < 3; ++i) {
    UInt128 carry = 0;
    for (int j = 0; i + j < 3; ++j) {
      carry += UInt128{a.w[i]} * b.w[j] + r.w[i + j];
      r.w[i + j] = static_cast<U64>(carry);
      carry >>= 64;
    }
  }
  return r;
}

U192 operator<<(const U192& a, int s) {
  if (s >= 192) return U192();
  U192 r;
  const int words = s / 64, bits = s % 64;
  for (int i = 2; i >= words; --i) {
    U64 v = a.w[i - words] << bits;
    if (bits != 0 && i - words - 1 >= 0) v |= a.w[i - words - 1] >> (64 - bits);
    r.w[i] = v;
  }
  return r;
}

U192 operator>>(const U192& a, int s) {
  if (s >= 192) return U192();
  U192 r;
  const int words = s / 64, bits = s % 64;
  for (int i = 0; i + words < 3; ++i) {
    U64 v = a.w[i + words] >> bits;
    if (bits != 0 && i + words + 1 < 3) v |= a.w[i + words + 1] << (64 - bits);
    r.w[i] = v;
  }
  return r;
}

bool MultiplyChecked(const U192& a, const U192& b, U192& product) {
  if (a.Bits() + b.Bits() > 193) return false;
  U64 t[6] = {};
  for (int i = 0; i < 3; ++i) {
    UInt128 carry = 0;
    for (int j = 0; j < 3; ++j) {
      carry += UInt128{a.w[i]} * b.w[j] + t[i + j];
      t[i + j] = static_cast<U64>(carry);
      carry >>= 64;
    }
    t[i + 3] = static_cast<U64>(carry);
  }
  if ((t[3] | t[4] | t[5]) != 0) return false;
  product = U192::FromWords(t[0], t[1], t[2]);
  return true;
}

U64 DivideSmall(U192& a, U64 d) {
  U64 rem = 0;
  for (int i = 2; i >= 0; --i) {
    const UInt128 x = (UInt128{rem} << 64) | a.w[i];
    a.w[i] = static_cast<U64>(x / d);
    rem = static_cast<U64>(x % d);
  }
  return rem;
}

U64 RemainderSmall(const U192& a, U64 d) {
  U64 rem = 0;
  for (int i = 2; i >= 0; --i) {
    const UInt128 x = (UInt128{rem} << 64) | a.w[i];
    rem = static_cast<U64>(x % d);
  }
  return rem;
}

void DivMod(const U192& a, const U192& b, U192& q, U192& r) {
  if (b.FitsIn64()) {
    q = a;
    r = U192(DivideSmall(q, b.w[0]));
    return;
  }
  // Shift and subtract, one quotient bit at a time.
  q = U192();
  r = U192();
  if (a < b) {
    r = a;
    return;
  }
  const int shift = a.Bits() - b.Bits();
  U192 d = b << shift;
  r = a;
  for (int i = shift; i >= 0; --i) {
    if (r >= d) {
      r = r - d;
      q.w[i / 64] |= U64{1} << (i % 64);
    }
    d = d >> 1;
  }
}

U192 Gcd(U192 a, U192 b) {
  if (a.IsZero()) return b;
  if (b.IsZero()) return a;
  const auto trailing = [](const U192& x) {
    for (int i = 0; i < 3; ++i) {
      if (x.w[i] != 0) return 64 * i + std::countr_zero(x.w[i]);
    }
    return 192;
  };
  const int shift = std::min(trailing(a), trailing(b));
  a = a >> trailing(a);
  do {
    b = b >> trailing(b);
    if (a > b) std::swap(a, b);
    b = b - a;
  } while (!b.IsZero());
  return a << shift;
}

U192 IntegerRoot(const U192& n, int k) {
  // Bit by bit from the top: r^k <= n decides each bit.
  const int bits = (n.Bits() + k - 1) / k;
  U192 r;
  for (int i = bits - 1; i >= 0; --i) {
    U192 trial = r;
    trial.w[i / 64] |= U64{1} << (i % 64);
    U192 power(1);
    bool fits = true;
    for (int j = 0; j < k && fits; ++j) fits = MultiplyChecked(power, trial, power);
    if (fits && power <= n) r = trial;
  }
  return r;
}

bool IsPower(const U192& n, int k, U192& root) {
  root = IntegerRoot(n, k);
  U192 power(1);
  for (int j = 0; j < k; ++j) {
    if (!MultiplyChecked(power, root, power)) return false;
  }
  return power == n;
}

bool IsSquare(const U192& n) {
  // Squares mod 64 first: most numbers are settled without a root.
  constexpr U64 kSquaresMod64 = 0x0202021202030213ULL;
  if (((kSquaresMod64 >> (n.w[0] & 63)) & 1) == 0) return false;
  U192 root;
  return IsPower(n, 2, root);
}

}  // namespace taketa::soinsuu2
