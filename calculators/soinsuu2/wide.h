// Fixed-width natural numbers for the fast factoring phase: values below
// 2^192 in three 64-bit words, and Montgomery arithmetic modulo an odd
// number of one, two or three words.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "digits/packed.h"

namespace taketa::soinsuu2 {

using U64 = std::uint64_t;
__extension__ typedef __int128 Int128;

// A natural number below 2^192, least significant word first. Sums,
// differences and products wrap around modulo 2^192.
struct U192 {
  std::array<U64, 3> w{};

  constexpr U192() = default;
  constexpr explicit U192(U64 v) : w{v, 0, 0} {}
  static U192 FromWords(U64 w0, U64 w1, U64 w2) {
    U192 x;
    x.w = {w0, w1, w2};
    return x;
  }
  static U192 From128(UInt128 v) {
    return FromWords(static_cast<U64>(v), static_cast<U64>(v >> 64), 0);
  }

  // At most 57 decimal digits.
  static U192 FromDecimal(std::string_view digits);
  std::string ToDecimal() const;

  bool IsZero() const { return (w[0] | w[1] | w[2]) == 0; }
  bool IsOne() const { return w[0] == 1 && (w[1] | w[2]) == 0; }
  bool IsOdd() const { return (w[0] & 1) != 0; }
  bool FitsIn64() const { return (w[1] | w[2]) == 0; }
  bool FitsIn128() const { return w[2] == 0; }
  UInt128 Low128() const { return (UInt128{w[1]} << 64) | w[0]; }
  int Bits() const;  // 0 for zero
  bool Bit(int i) const { return ((w[i >> 6] >> (i & 63)) & 1) != 0; }

  friend bool operator==(const U192&, const U192&) = default;
  friend std::strong_ordering operator<=>(const U192& a, const U192& b) {
    for (int i = 2; i >= 0; --i) {
      if (a.w[i] != b.w[i]) return a.w[i] <=> b.w[i];
    }
    return std::strong_ordering::equal;
  }
};

U192 operator+(const U192& a, const U192& b);
U192 operator-(const U192& a, const U192& b);
U192 operator*(const U192& a, const U192& b);
U192 operator<<(const U192& a, int s);
U192 operator>>(const U192& a, int s);

// a * b, or false when the product does not fit 192 bits.
bool MultiplyChecked(const U192& a, const U192& b, U192& product);
// a = a / d truncated; returns the remainder. d >= 1.
U64 DivideSmall(U192& a, U64 d);
U64 RemainderSmall(const U192& a, U64 d);
// q = a / b truncated, r = a - q * b; b > 0.
void DivMod(const U192& a, const U192& b, U192& q, U192& r);
U192 Gcd(U192 a, U192 b);
// floor(n^(1/k)) for k >= 2.
U192 IntegerRoot(const U192& n, int k);
// True when n = r^k for some r, with that r.
bool IsPower(const U192& n, int k, U192& root);
// Integer square root test: true when n is a perfect square.
bool IsSquare(const U192& n);

// Modular arithmetic modulo an odd n of at most 64 * W bits, with residues
// kept in Montgomery form x * 2^(64W) mod n.
template <int W>
class Montgomery {
 public:
  using Elem = std::array<U64, W>;

  explicit Montgomery(const U192& n);

  const U192& modulus() const { return modulus_; }

  // Inlined into the loops of rho, ECM and the primality tests, where the
  // time goes.
  [[gnu::always_inline]] Elem Mul(const Elem& a, const Elem& b) const;
  [[gnu::always_inline]] Elem Sqr(const Elem& a) const { return Mul(a, a); }
  [[gnu::always_inline]] Elem Add(const Elem& a, const Elem& b) const;
  [[gnu::always_inline]] Elem Sub(const Elem& a, const Elem& b) const;
  Elem One() const { return one_; }
  Elem Zero() const { return Elem{}; }
  // x in [0, n) into Montgomery form, and back.
  Elem To(const U192& x) const;
  U192 From(const Elem& x) const;
  // The residue's representative, not converted back (for gcd with n,
  // which the Montgomery factor does not change).
  static U192 Raw(const Elem& x) {
    U192 r;
    for (int i = 0; i < W; ++i) r.w[i] = x[i];
    return r;
  }
  Elem Pow(Elem base, const U192& e) const;
  static bool IsZero(const Elem& x) {
    U64 acc = 0;
    for (int i = 0; i < W; ++i) acc |= x[i];
    return acc == 0;
  }

 private:
  bool AtLeastModulus(const U64* t, U64 top) const;
  // (top, t) less n when it is at least n; (top, t) must be below 2n.
  Elem ReduceOnce(const U64* t, U64 top) const;

  U192 modulus_;
  Elem n_{};
  U64 nInv_ = 0;  // -n^(-1) mod 2^64
  Elem one_{};    // 2^(64W) mod n
  Elem r2_{};     // 2^(128W) mod n
};

// The number of words a modulus needs: 1, 2 or 3.
inline int WordsFor(const U192& n) { return n.FitsIn64() ? 1 : n.FitsIn128() ? 2 : 3; }

// ---------------------------------------------------------------------------

template <int W>
Montgomery<W>::Montgomery(const U192& n) : modulus_(n) {
  for (int i = 0; i < W; ++i) n_[i] = n.w[i];
  // Newton's iteration for n^(-1) mod 2^64, from three correct bits.
  U64 inv = n.w[0];
  for (int i = 0; i < 5; ++i) inv *= 2 - n.w[0] * inv;
  nInv_ = ~inv + 1;
  // 2^(64W) and 2^(128W) mod n by doubling.
  U192 x(1);
  for (int i = 0; i < 128 * W; ++i) {
    const bool carry = (x.w[2] >> 63) != 0;
    x = x << 1;
    if (carry || x >= n) x = x - n;
    if (i + 1 == 64 * W) {
      for (int j = 0; j < W; ++j) one_[j] = x.w[j];
    }
  }
  for (int j = 0; j < W; ++j) r2_[j] = x.w[j];
}

template <int W>
bool Montgomery<W>::AtLeastModulus(const U64* t, U64 top) const {
  if (top != 0) return true;
  for (int i = W - 1; i >= 0; --i) {
    if (t[i] != n_[i]) return t[i] > n_[i];
  }
  return true;
}

template <int W>
[[gnu::always_inline]] inline std::array<U64, W> Montgomery<W>::ReduceOnce(const U64* t,
                                                                           U64 top) const {
  Elem r;
  if (AtLeastModulus(t, top)) {
    U64 borrow = 0;
    for (int i = 0; i < W; ++i) {
      const UInt128 d = UInt128{t[i]} - n_[i] - borrow;
      r[i] = static_cast<U64>(d);
      borrow = static_cast<U64>(d >> 64) & 1;
    }
  } else {
    for (int i = 0; i < W; ++i) r[i] = t[i];
  }
  return r;
}

template <>
[[gnu::always_inline]] inline std::array<U64, 1> Montgomery<1>::Mul(const Elem& a,
                                                                    const Elem& b) const {
  // t - m n with m = t n^(-1) mod 2^64: the low words cancel exactly.
  const UInt128 t = UInt128{a[0]} * b[0];
  const U64 m = static_cast<U64>(t) * (~nInv_ + 1);
  const U64 mnHigh = static_cast<U64>((UInt128{m} * n_[0]) >> 64);
  const U64 tHigh = static_cast<U64>(t >> 64);
  const U64 r = tHigh - mnHigh;
  return {tHigh < mnHigh ? r + n_[0] : r};
}

template <int W>
[[gnu::always_inline]] inline std::array<U64, W> Montgomery<W>::Mul(const Elem& a,
                                                                    const Elem& b) const {
  // Coarsely integrated operand scanning.
  U64 t[W + 2] = {};
  for (int i = 0; i < W; ++i) {
    UInt128 c = 0;
    for (int j = 0; j < W; ++j) {
      c += UInt128{t[j]} + UInt128{a[j]} * b[i];
      t[j] = static_cast<U64>(c);
      c >>= 64;
    }
    c += t[W];
    t[W] = static_cast<U64>(c);
    t[W + 1] = static_cast<U64>(c >> 64);
    const U64 m = t[0] * nInv_;
    c = (UInt128{t[0]} + UInt128{m} * n_[0]) >> 64;
    for (int j = 1; j < W; ++j) {
      c += UInt128{t[j]} + UInt128{m} * n_[j];
      t[j - 1] = static_cast<U64>(c);
      c >>= 64;
    }
    c += t[W];
    t[W - 1] = static_cast<U64>(c);
    t[W] = t[W + 1] + static_cast<U64>(c >> 64);
  }
  return ReduceOnce(t, t[W]);
}

template <int W>
[[gnu::always_inline]] inline std::array<U64, W> Montgomery<W>::Add(const Elem& a,
                                                                    const Elem& b) const {
  U64 t[W];
  U64 carry = 0;
  for (int i = 0; i < W; ++i) {
    const UInt128 s = UInt128{a[i]} + b[i] + carry;
    t[i] = static_cast<U64>(s);
    carry = static_cast<U64>(s >> 64);
  }
  return ReduceOnce(t, carry);
}

template <int W>
[[gnu::always_inline]] inline std::array<U64, W> Montgomery<W>::Sub(const Elem& a,
                                                                    const Elem& b) const {
  Elem r;
  U64 borrow = 0;
  for (int i = 0; i < W; ++i) {
    const UInt128 d = UInt128{a[i]} - b[i] - borrow;
    r[i] = static_cast<U64>(d);
    borrow = static_cast<U64>(d >> 64) & 1;
  }
  if (borrow) {
    U64 carry = 0;
    for (int i = 0; i < W; ++i) {
      const UInt128 s = UInt128{r[i]} + n_[i] + carry;
      r[i] = static_cast<U64>(s);
      carry = static_cast<U64>(s >> 64);
    }
  }
  return r;
}

template <int W>
std::array<U64, W> Montgomery<W>::To(const U192& x) const {
  Elem e;
  for (int i = 0; i < W; ++i) e[i] = x.w[i];
  return Mul(e, r2_);
}

template <int W>
U192 Montgomery<W>::From(const Elem& x) const {
  Elem one{};
  one[0] = 1;
  return Raw(Mul(x, one));
}

template <int W>
std::array<U64, W> Montgomery<W>::Pow(Elem base, const U192& e) const {
  Elem r = one_;
  for (int i = e.Bits() - 1; i >= 0; --i) {
    r = Sqr(r);
    if (e.Bit(i)) r = Mul(r, base);
  }
  return r;
}

}  // namespace taketa::soinsuu2
