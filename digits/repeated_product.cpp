// One step multiplies the product X (n limbs x_0..x_(n-1), units first) by
// the factor Y (m <= 15 limbs) column by column: column k is
// S_k = sum_j x_(k-j) * y_j. The columns are settled in two rounds of
// rounding to the nearest multiple of the base: S_k = q_k * B + r_k with
// |r_k| <= B/2, then t_k = r_k + q_(k-1) = p_k * B + u_k, and the new limb is
// u_k + p_(k-1). With |x| <= B/2 + 16 (or a canonical limb below B) every
// column stays below 15 * B^2 = 1.5 * 10^15 < 2^53, q below 1.5 * 10^8, p at
// most 16 in size, so the new limbs keep the same bounds and no carry runs
// further than two columns. The digits are written out through one plain
// carry pass.
#include "digits/repeated_product.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "digits/vector_level.h"

namespace taketa {
namespace {

using Doubles = double __attribute__((vector_size(32)));
using StoredDoubles = double __attribute__((vector_size(32), aligned(8)));
using Lanes = std::int64_t __attribute__((vector_size(32)));

constexpr int kLimbDigits = 7;
constexpr double kBase = 1e7;
constexpr double kInverse = 1e-7;
constexpr std::int64_t kIntBase = 10000000;
// Adding and taking off 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to the nearest integer.
constexpr double kRounder = 6755399441055744.0;
constexpr std::size_t kBlock = 16;  // columns per pass of the loop: four vectors

// Always inlined, as every helper taking a vector here: a call between the
// plain and the x86-64-v3 copy would pass the vector in different registers.
[[gnu::always_inline]] inline Doubles Nearest(Doubles v) { return (v * kInverse + kRounder) - kRounder; }

// Each lane of v takes the lane below it; lane 0 takes the top lane of below.
[[gnu::always_inline]] inline Doubles FromBelow(Doubles v, Doubles below) {
#ifdef __clang__
  return __builtin_shufflevector(v, below, 7, 0, 1, 2);
#else
  return __builtin_shuffle(v, below, Lanes{7, 0, 1, 2});
#endif
}

// Columns 0..cols-1 of x * y into out (cols a multiple of kBlock). Reads
// x[-(M-1)] .. x[cols-1], which must be 0 outside the product's limbs.
template <int M>
[[gnu::always_inline]] inline void MultiplyColumns(const double* x, std::size_t cols,
                                                   const double* y, double* out) {
  Doubles yv[M];
  for (int j = 0; j < M; ++j) yv[j] = Doubles{y[j], y[j], y[j], y[j]};
  Doubles qBelow{}, pBelow{};
  for (std::size_t k = 0; k < cols; k += kBlock) {
    // Four vectors of columns; each limb vector read once serves every
    // column vector it belongs to. Two sums per vector halve the chains of
    // dependent additions.
    Doubles sum[4][2] = {};
#pragma GCC unroll 32
    for (int o = -(M - 1); o <= 12; ++o) {
      const Doubles v = *reinterpret_cast<const StoredDoubles*>(x + k + o);
#pragma GCC unroll 4
      for (int b = 0; b < 4; ++b) {
        const int j = 4 * b - o;
        if (j >= 0 && j < M) sum[b][j & 1] += v * yv[j];
      }
    }
#pragma GCC unroll 4
    for (int b = 0; b < 4; ++b) {
      const Doubles s = sum[b][0] + sum[b][1];
      const Doubles q = Nearest(s);
      const Doubles t = (s - q * kBase) + FromBelow(q, qBelow);
      qBelow = q;
      const Doubles p = Nearest(t);
      *reinterpret_cast<StoredDoubles*>(out + k + 4 * b) =
          (t - p * kBase) + FromBelow(p, pBelow);
      pBelow = p;
    }
  }
}

// One copy of the loop per factor length, each fully unrolled.
[[gnu::always_inline]] inline void RunColumnsFor(int m, const double* x, std::size_t cols,
                                                 const double* y, double* out) {
  switch (m) {
    case 1: MultiplyColumns<1>(x, cols, y, out); break;
    case 2: MultiplyColumns<2>(x, cols, y, out); break;
    case 3: MultiplyColumns<3>(x, cols, y, out); break;
    case 4: MultiplyColumns<4>(x, cols, y, out); break;
    case 5: MultiplyColumns<5>(x, cols, y, out); break;
    case 6: MultiplyColumns<6>(x, cols, y, out); break;
    case 7: MultiplyColumns<7>(x, cols, y, out); break;
    case 8: MultiplyColumns<8>(x, cols, y, out); break;
    case 9: MultiplyColumns<9>(x, cols, y, out); break;
    case 10: MultiplyColumns<10>(x, cols, y, out); break;
    case 11: MultiplyColumns<11>(x, cols, y, out); break;
    case 12: MultiplyColumns<12>(x, cols, y, out); break;
    case 13: MultiplyColumns<13>(x, cols, y, out); break;
    case 14: MultiplyColumns<14>(x, cols, y, out); break;
    default: MultiplyColumns<15>(x, cols, y, out); break;
  }
}

// All of it built once for plain x86-64 and once for x86-64-v3; the
// processor's level picks one.
void RunColumnsBaseline(int m, const double* x, std::size_t cols, const double* y, double* out) {
  RunColumnsFor(m, x, cols, y, out);
}

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("arch=x86-64-v3")]]
void RunColumnsV3(int m, const double* x, std::size_t cols, const double* y, double* out) {
  RunColumnsFor(m, x, cols, y, out);
}
#endif

void RunColumns(int m, const double* x, std::size_t cols, const double* y, double* out) {
#if TAKETA_X86_VECTOR_COPIES
  if (CurrentVectorLevel() >= VectorLevel::kX86_64V3) return RunColumnsV3(m, x, cols, y, out);
#endif
  RunColumnsBaseline(m, x, cols, y, out);
}

std::size_t RoundUp(std::size_t n) { return (n + kBlock - 1) / kBlock * kBlock; }

// Limbs of seven digits of a decimal text, units first, without zero limbs
// on top.
std::vector<double> ToLimbs(std::string_view digits) {
  std::vector<double> limbs;
  for (std::size_t end = digits.size(); end > 0;) {
    const std::size_t begin = end > kLimbDigits ? end - kLimbDigits : 0;
    std::int64_t limb = 0;
    for (std::size_t i = begin; i < end; ++i) {
      assert(digits[i] >= '0' && digits[i] <= '9');
      limb = limb * 10 + (digits[i] - '0');
    }
    limbs.push_back(static_cast<double>(limb));
    end = begin;
  }
  while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
  return limbs;
}

}  // namespace

void RepeatedProduct::Reserve(std::size_t limbs) {
  const std::size_t size = kPad + RoundUp(limbs) + kBlock;
  if (x_.size() < size) x_.resize(size, 0.0);
  if (out_.size() < size) out_.resize(size, 0.0);
}

void RepeatedProduct::Reset(std::string_view factor, std::string_view start,
                            std::size_t expectedDigits) {
  assert(factor.size() <= kMaxFactorDigits);
  const std::vector<double> y = ToLimbs(factor);
  const std::vector<double> x = ToLimbs(start);
  std::fill(std::begin(factor_), std::end(factor_), 0.0);
  std::copy(y.begin(), y.end(), factor_);
  factorLimbs_ = std::max<int>(1, static_cast<int>(y.size()));
  // Old limbs above the new product would be read as part of it.
  for (std::vector<double>* buffer : {&x_, &out_}) {
    std::fill(buffer->begin(), buffer->begin() + static_cast<std::ptrdiff_t>(std::min(buffer->size(), kPad + dirty_)), 0.0);
  }
  Reserve(std::max(x.size(), expectedDigits / kLimbDigits + 1) + factorLimbs_ + 2);
  std::copy(x.begin(), x.end(), Limbs(x_));
  limbs_ = x.size();
  dirty_ = x.size();
}

void RepeatedProduct::Multiply() {
  const std::size_t cols = RoundUp(limbs_ + static_cast<std::size_t>(factorLimbs_) + 1);
  Reserve(cols + kBlock);
  RunColumns(factorLimbs_, Limbs(x_), cols, factor_, Limbs(out_));
  dirty_ = std::max(dirty_, cols);
  std::size_t n = cols;
  const double* product = Limbs(out_);
  while (n > 0 && product[n - 1] == 0) --n;
  limbs_ = n;
  x_.swap(out_);
}

std::string RepeatedProduct::ToDecimal() const {
  const double* x = x_.data() + kPad;
  std::vector<std::int64_t> canonical;
  canonical.reserve(limbs_ + 2);
  std::int64_t carry = 0;
  for (std::size_t k = 0; k < limbs_; ++k) {
    const std::int64_t v = static_cast<std::int64_t>(x[k]) + carry;
    carry = v >= 0 ? v / kIntBase : -((-v + kIntBase - 1) / kIntBase);
    canonical.push_back(v - carry * kIntBase);
  }
  for (; carry > 0; carry /= kIntBase) canonical.push_back(carry % kIntBase);
  assert(carry == 0);
  while (!canonical.empty() && canonical.back() == 0) canonical.pop_back();
  if (canonical.empty()) return "0";
  std::string text = std::to_string(canonical.back());
  std::size_t pos = text.size();
  text.resize(pos + (canonical.size() - 1) * kLimbDigits);
  for (std::size_t k = canonical.size() - 1; k-- > 0;) {
    std::int64_t v = canonical[k];
    for (int i = kLimbDigits - 1; i >= 0; --i, v /= 10) text[pos + i] = static_cast<char>('0' + v % 10);
    pos += kLimbDigits;
  }
  return text;
}

}  // namespace taketa
