#include "tests/calculators/plain_soinsuu2.h"

#include <cmath>
#include <cstdint>

#include "digits/natural.h"
#include "digits/packed.h"

namespace taketa::testing {
namespace {

constexpr int kDivisor = 0, kBound = 1, kFactors = 2;

struct Recorder {
  PlainFactorisation out;
  std::string factors;  // each followed by ×

  void Show(int box, std::string text) { out.shown.emplace_back(box, std::move(text)); }
  void Append(const std::string& f) {
    factors += f + "×";
    Show(kFactors, factors);
  }
  PlainFactorisation Last(const std::string& f) {
    out.result = factors + f;
    out.memo1 = factors + f + "    計算完了";
    return out;
  }
  PlainFactorisation Prime(const std::string& working) {
    out.result = out.memo1 = working + " は素数です。";
    return out;
  }
  PlainFactorisation Switched(const std::string& cofactor) {
    out.result = out.memo1 = factors;
    out.cofactor = cofactor;
    return out;
  }
};

// floor(sqrt(n)) by counting up from the float estimate's neighbourhood.
std::uint64_t Root(std::uint64_t n) {
  std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (static_cast<UInt128>(r) * r > n) --r;
  while (static_cast<UInt128>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

PlainFactorisation Short(const std::string& working, std::uint64_t limit) {
  Recorder rec;
  std::uint64_t n = std::stoull(working);
  if (Root(n) < 2) return rec.Prime(working);
  std::uint64_t q = n / 2, r = n - 2 * q;
  while (r == 0) {
    if (q == 1) return rec.Last("2");
    rec.Append("2");
    n = q;
    q = n / 2;
    r = n - 2 * q;
  }
  rec.Show(kDivisor, "3");
  rec.Show(kBound, std::to_string(Root(n)));
  std::uint64_t i = 3;
  for (;;) {
    if (i > Root(n)) return rec.factors.empty() ? rec.Prime(working) : rec.Last(std::to_string(n));
    q = n / i;
    r = n - i * q;
    while (r == 0) {
      if (q == 1) return rec.Last(std::to_string(i));
      rec.Append(std::to_string(i));
      n = q;
      q = n / i;
      r = n - i * q;
      rec.Show(kBound, std::to_string(Root(n)));
      while (r != 0) {
        i += 2;
        if (limit != 0 && i > limit && i <= Root(n)) return rec.Switched(std::to_string(n));
        if (i % 100000 == 1) rec.Show(kDivisor, std::to_string(i));
        if (i > Root(n)) return rec.Last(std::to_string(n));
        q = n / i;
        r = n - i * q;
      }
    }
    i += 2;
    if (limit != 0 && i > limit && i <= Root(n)) return rec.Switched(std::to_string(n));
    if (i % 100000 == 1) rec.Show(kDivisor, std::to_string(i));
  }
}

PlainFactorisation Long(const std::string& working, std::uint64_t limit) {
  Recorder rec;
  Natural n = Natural::FromDecimal(working);
  Natural d(2), q, r;
  const Natural one(1), two(2);
  DivMod(n, d, q, r);
  while (r.IsZero()) {
    if (q == one) return rec.Last("2");
    rec.Append("2");
    n = q;
    DivMod(n, d, q, r);
  }
  d = Natural(3);
  rec.Show(kDivisor, "3");
  Natural s = Sqrt(n);
  rec.Show(kBound, s.ToDecimal());
  const Natural limitValue(limit);
  bool switched = false;
  // False when the new divisor passed the limit below the bound.
  const auto addTwo = [&] {
    d = d + two;
    if (limit != 0 && d > limitValue && !(d > s)) {
      switched = true;
      return false;
    }
    const std::string text = d.ToDecimal();
    if (text.size() > 4 && text.ends_with("9999")) rec.Show(kDivisor, text);
    return true;
  };
  for (;;) {
    if (switched) return rec.Switched(n.ToDecimal());
    if (d > s) return rec.factors.empty() ? rec.Prime(working) : rec.Last(n.ToDecimal());
    DivMod(n, d, q, r);
    while (r.IsZero()) {
      if (q == one) return rec.Last(d.ToDecimal());
      rec.Append(d.ToDecimal());
      n = q;
      s = Sqrt(n);
      rec.Show(kBound, s.ToDecimal());
      DivMod(n, d, q, r);
      while (!r.IsZero()) {
        if (!addTwo()) return rec.Switched(n.ToDecimal());
        if (d > s) return rec.Last(n.ToDecimal());
        DivMod(n, d, q, r);
      }
    }
    addTwo();
  }
}

}  // namespace

PlainFactorisation PlainFactorise(const std::string& working, std::uint64_t switchBound) {
  const bool shortPath = working.size() < 19 ||
                         (working.size() == 19 && working <= std::string("9223372000000000000"));
  return shortPath ? Short(working, switchBound) : Long(working, switchBound);
}

bool PlainIsProbablePrime(const std::string& decimal) {
  const Natural n = Natural::FromDecimal(decimal);
  const Natural one(1), two(2);
  if (n < two) return false;
  const auto modMul = [&n](const Natural& a, const Natural& b) {
    Natural q, r;
    DivMod(a * b, n, q, r);
    return r;
  };
  Natural d = n - one;
  int s = 0;
  while (d.DivideSmall(2) == 0) ++s;  // d halved once too often: undone below
  d = d * 2 + one;
  const Natural minusOne = n - one;
  for (std::uint64_t a : {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                          43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97}) {
    const Natural base(a);
    if (base == n) return true;
    Natural q, r;
    DivMod(n, base, q, r);
    if (r.IsZero()) return false;
    // x = a^d mod n, square and multiply from the top of d's binary digits.
    std::string bits;
    for (Natural e = d; !e.IsZero();) bits += static_cast<char>('0' + e.DivideSmall(2));
    Natural x = one;
    for (auto bit = bits.rbegin(); bit != bits.rend(); ++bit) {
      x = modMul(x, x);
      if (*bit == '1') x = modMul(x, base);
    }
    if (x == one || x == minusOne) continue;
    bool witness = true;
    for (int k = 1; k < s && witness; ++k) {
      x = modMul(x, x);
      witness = !(x == minusOne);
    }
    if (witness) return false;
  }
  return true;
}

}  // namespace taketa::testing
