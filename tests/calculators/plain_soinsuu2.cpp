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
};

// floor(sqrt(n)) by counting up from the float estimate's neighbourhood.
std::uint64_t Root(std::uint64_t n) {
  std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (static_cast<UInt128>(r) * r > n) --r;
  while (static_cast<UInt128>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

PlainFactorisation Short(const std::string& working) {
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
        if (i % 100000 == 1) rec.Show(kDivisor, std::to_string(i));
        if (i > Root(n)) return rec.Last(std::to_string(n));
        q = n / i;
        r = n - i * q;
      }
    }
    i += 2;
    if (i % 100000 == 1) rec.Show(kDivisor, std::to_string(i));
  }
}

PlainFactorisation Long(const std::string& working) {
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
  const auto addTwo = [&] {
    d = d + two;
    const std::string text = d.ToDecimal();
    if (text.size() > 4 && text.ends_with("9999")) rec.Show(kDivisor, text);
  };
  for (;;) {
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
        addTwo();
        if (d > s) return rec.Last(n.ToDecimal());
        DivMod(n, d, q, r);
      }
    }
    addTwo();
  }
}

}  // namespace

PlainFactorisation PlainFactorise(const std::string& working) {
  const bool shortPath = working.size() < 19 ||
                         (working.size() == 19 && working <= std::string("9223372000000000000"));
  return shortPath ? Short(working) : Long(working);
}

}  // namespace taketa::testing
