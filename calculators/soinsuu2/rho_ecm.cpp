#include "calculators/soinsuu2/rho_ecm.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <vector>

#include "calculators/soinsuu2/primality.h"

namespace taketa::soinsuu2 {
namespace {

template <class M>
bool Rho(const M& m, U64 c, U64 steps, StopSignal& stop, U192& factor) {
  using E = typename M::Elem;
  const U192& n = m.modulus();
  const E add = m.To(U192(c));
  const auto next = [&](const E& x) { return m.Add(m.Sqr(x), add); };
  constexpr U64 kBatch = 128;  // steps between gcds
  E y = m.To(U192(2)), x = y, saved = y, product = m.One();
  U192 g(1);
  U64 done = 0;
  for (U64 r = 1; g.IsOne(); r *= 2) {
    if (done >= steps) return false;
    x = y;
    for (U64 i = 0; i < r; ++i) y = next(y);
    for (U64 k = 0; k < r && g.IsOne(); k += kBatch) {
      saved = y;
      const U64 batch = std::min(kBatch, r - k);
      for (U64 i = 0; i < batch; ++i) {
        y = next(y);
        product = m.Mul(product, m.Sub(x, y));
      }
      g = Gcd(M::Raw(product), n);
      done += batch;
      if (stop.Stopped()) return false;
    }
  }
  if (g == n) {
    // The batch met the cycle of every factor at once: step through it.
    do {
      saved = next(saved);
      g = Gcd(M::Raw(m.Sub(x, saved)), n);
    } while (g.IsOne());
    if (g == n) return false;
  }
  factor = g;
  return true;
}

// Whether k is prime, for k below 2^17.
bool IsSmallPrime(std::uint32_t k) {
  static const std::vector<bool> table = [] {
    std::vector<bool> t(kSmallPrimeLimit);
    for (std::uint32_t p : SmallPrimes()) t[p] = true;
    return t;
  }();
  return table[k];
}

// Points on By^2 = x^3 + Ax^2 + x as (X : Z); the curve is given by
// (A + 2) / 4 = a24 / c24.
template <class M>
class Curve {
 public:
  using E = typename M::Elem;
  struct Point {
    E x, z;
  };

  Curve(const M& m, E a24, E c24) : m_(m), a24_(a24), c24_(c24) {}

  Point Double(const Point& p) const {
    const E s = m_.Sqr(m_.Add(p.x, p.z));
    const E d = m_.Sqr(m_.Sub(p.x, p.z));
    const E t = m_.Sub(s, d);  // 4XZ
    const E cd = m_.Mul(c24_, d);
    return {m_.Mul(cd, s), m_.Mul(t, m_.Add(cd, m_.Mul(a24_, t)))};
  }

  // p + q, given p - q.
  Point Add(const Point& p, const Point& q, const Point& diff) const {
    const E u = m_.Mul(m_.Sub(p.x, p.z), m_.Add(q.x, q.z));
    const E v = m_.Mul(m_.Add(p.x, p.z), m_.Sub(q.x, q.z));
    return {m_.Mul(diff.z, m_.Sqr(m_.Add(u, v))), m_.Mul(diff.x, m_.Sqr(m_.Sub(u, v)))};
  }

  Point Multiply(const Point& p, U64 k) const {
    if (k == 1) return p;
    Point r0 = p, r1 = Double(p);
    for (int i = 62 - std::countl_zero(k); i >= 0; --i) {
      if ((k >> i) & 1) {
        r0 = Add(r1, r0, p);
        r1 = Double(r1);
      } else {
        r1 = Add(r0, r1, p);
        r0 = Double(r0);
      }
    }
    return r0;
  }

 private:
  const M& m_;
  E a24_, c24_;
};

template <class M>
bool Ecm(const M& m, U64 sigma, std::uint32_t b1, std::uint32_t b2, StopSignal& stop,
         U192& factor) {
  using E = typename M::Elem;
  const U192& n = m.modulus();
  const auto found = [&](const E& value) {
    const U192 g = Gcd(M::Raw(value), n);
    if (g.IsOne() || g == n) return false;
    factor = g;
    return true;
  };
  // Suyama's curve: u = sigma^2 - 5, v = 4 sigma, x0 = u^3 / v^3,
  // (A + 2) / 4 = (v - u)^3 (3u + v) / (16 u^3 v).
  const E s = m.To(U192(sigma));
  const E u = m.Sub(m.Sqr(s), m.To(U192(5)));
  const E v = m.Add(m.Add(s, s), m.Add(s, s));
  const E u3 = m.Mul(m.Sqr(u), u);
  const E vMinusU = m.Sub(v, u);
  const E a24 = m.Mul(m.Mul(m.Sqr(vMinusU), vMinusU), m.Add(m.Add(u, m.Add(u, u)), v));
  E c24 = m.Mul(u3, v);
  for (int i = 0; i < 4; ++i) c24 = m.Add(c24, c24);
  const Curve<M> curve(m, a24, c24);
  using Point = typename Curve<M>::Point;
  Point q{u3, m.Mul(m.Sqr(v), v)};

  // Stage 1: every prime power up to b1.
  for (std::uint32_t p : SmallPrimes()) {
    if (p > b1) break;
    U64 power = p;
    while (power * p <= b1) power *= p;
    q = curve.Multiply(q, power);
    if ((p & 255) == 1 && stop.Stopped()) return false;
  }
  if (found(q.z)) return true;

  // Stage 2: each prime l in (b1, b2] as l = jD +- i with i prime to D, so
  // that l Q = 0 mod a factor makes (jD Q).x (iQ).z - (iQ).x (jD Q).z = 0.
  constexpr std::uint32_t kD = 2310;
  std::vector<Point> baby(kD / 2 + 1);
  std::vector<bool> useful(kD / 2 + 1);
  const Point q2 = curve.Double(q);
  baby[1] = q;
  baby[3] = curve.Add(q2, q, q);
  for (std::uint32_t i = 5; i <= kD / 2; i += 2) baby[i] = curve.Add(baby[i - 2], q2, baby[i - 4]);
  for (std::uint32_t i = 1; i <= kD / 2; i += 2) useful[i] = std::gcd(i, kD) == 1;
  const Point giantStep = curve.Multiply(q, kD);
  std::uint32_t j = b1 / kD + 1;
  Point giant = curve.Multiply(q, U64{j} * kD);
  Point before = j > 1 ? curve.Multiply(q, U64{j - 1} * kD) : giant;
  E product = m.One();
  for (; U64{j} * kD - kD / 2 <= b2; ++j) {
    const std::uint32_t centre = j * kD;
    for (std::uint32_t i = 1; i <= kD / 2; i += 2) {
      if (!useful[i]) continue;
      const bool below = centre - i > b1 && centre - i <= b2 && IsSmallPrime(centre - i);
      const bool above = centre + i <= b2 && IsSmallPrime(centre + i);
      if (!below && !above) continue;
      product = m.Mul(product, m.Sub(m.Mul(giant.x, baby[i].z), m.Mul(baby[i].x, giant.z)));
    }
    const Point after = j > 1 ? curve.Add(giant, giantStep, before) : curve.Double(giant);
    before = giant;
    giant = after;
    if (stop.Stopped()) return false;
  }
  return found(product);
}

}  // namespace

bool PollardRho(const U192& n, U64 c, U64 steps, StopSignal& stop, U192& factor) {
  return WithMontgomery(n, [&](const auto& m) { return Rho(m, c, steps, stop, factor); });
}

bool EcmCurve(const U192& n, U64 sigma, std::uint32_t b1, std::uint32_t b2, StopSignal& stop,
              U192& factor) {
  return WithMontgomery(n, [&](const auto& m) { return Ecm(m, sigma, b1, b2, stop, factor); });
}

}  // namespace taketa::soinsuu2
