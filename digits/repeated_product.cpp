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

#include "digits/packed.h"
#include "digits/two_threads.h"
#include "digits/vector_level.h"

namespace taketa {
namespace {

constexpr int kLimbDigits = 7;
constexpr double kBase = 1e7;
constexpr double kInverse = 1e-7;
constexpr std::int64_t kIntBase = 10000000;
// Adding and taking off 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to the nearest integer.
constexpr double kRounder = 6755399441055744.0;
// Columns a part of a step starts at and ends at: a multiple of the columns
// one pass of the loop takes (four vectors of four or eight).
constexpr std::size_t kBlock = 32;

// Vectors of W doubles: four lanes in AVX2 registers, eight in AVX-512 ones.
template <int W>
struct Vector;
template <>
struct Vector<4> {
  using Doubles = double __attribute__((vector_size(32)));
  using Stored = double __attribute__((vector_size(32), aligned(8)));
  using Lanes = std::int64_t __attribute__((vector_size(32)));
};
template <>
struct Vector<8> {
  using Doubles = double __attribute__((vector_size(64)));
  using Stored = double __attribute__((vector_size(64), aligned(8)));
  using Lanes = std::int64_t __attribute__((vector_size(64)));
};

// Always inlined, as every helper taking a vector here: a call between the
// plain and the x86-64-v3 copy would pass the vector in different registers.
template <class Doubles>
[[gnu::always_inline]] inline Doubles Nearest(Doubles v) {
  return (v * kInverse + kRounder) - kRounder;
}

// Each lane of v takes the lane below it; lane 0 takes the top lane of below.
[[gnu::always_inline]] inline Vector<4>::Doubles FromBelow(Vector<4>::Doubles v,
                                                           Vector<4>::Doubles below) {
#ifdef __clang__
  return __builtin_shufflevector(v, below, 7, 0, 1, 2);
#else
  return __builtin_shuffle(v, below, Vector<4>::Lanes{7, 0, 1, 2});
#endif
}
[[gnu::always_inline]] inline Vector<8>::Doubles FromBelow(Vector<8>::Doubles v,
                                                           Vector<8>::Doubles below) {
#ifdef __clang__
  return __builtin_shufflevector(v, below, 15, 0, 1, 2, 3, 4, 5, 6);
#else
  return __builtin_shuffle(v, below, Vector<8>::Lanes{15, 0, 1, 2, 3, 4, 5, 6});
#endif
}

// One block of 4W columns from k on: four vectors of columns, each limb
// vector read once serving every column vector it belongs to, two sums per
// vector halving the chains of dependent additions. qBelow and pBelow bring
// the carries of the column below the block and take those of its top one.
template <int W, int M>
[[gnu::always_inline]] inline void MultiplyBlock(const double* x, std::size_t k,
                                                 const typename Vector<W>::Doubles* yv,
                                                 typename Vector<W>::Doubles& qBelow,
                                                 typename Vector<W>::Doubles& pBelow, double* out) {
  using Doubles = typename Vector<W>::Doubles;
  using Stored = typename Vector<W>::Stored;
  Doubles sum[4][2] = {};
#pragma GCC unroll 64
  for (int o = -(M - 1); o <= 3 * W; ++o) {
    const Doubles v = *reinterpret_cast<const Stored*>(x + k + o);
#pragma GCC unroll 4
    for (int b = 0; b < 4; ++b) {
      const int j = W * b - o;
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
    *reinterpret_cast<Stored*>(out + W * b) = (t - p * kBase) + FromBelow(p, pBelow);
    pBelow = p;
  }
}

// Columns from..to-1 of x * y into out (both multiples of kBlock). Reads
// x[from-kBlock-(M-1)] .. x[to-1], which must be 0 outside the product's
// limbs. A part that does not start at column 0 first works out the carries
// of the block below it (again, into scratch): the two rounds of a column
// depend only on that column and the one below it, so the carries come out
// exactly as when the columns are run from 0, and the parts can run on
// different threads.
template <int W, int M>
[[gnu::always_inline]] inline void MultiplyColumns(const double* x, std::size_t from,
                                                   std::size_t to, const double* y, double* out) {
  using Doubles = typename Vector<W>::Doubles;
  Doubles yv[M];
  for (int j = 0; j < M; ++j) {
    for (int l = 0; l < W; ++l) yv[j][l] = y[j];
  }
  Doubles qBelow{}, pBelow{};
  if (from > 0) {
    double scratch[4 * W];
    MultiplyBlock<W, M>(x, from - 4 * W, yv, qBelow, pBelow, scratch);
  }
  for (std::size_t k = from; k < to; k += 4 * W) {
    MultiplyBlock<W, M>(x, k, yv, qBelow, pBelow, out + k);
  }
}

// One copy of the loop per factor length, each fully unrolled.
template <int W>
[[gnu::always_inline]] inline void RunColumnsFor(int m, const double* x, std::size_t from,
                                                 std::size_t to, const double* y, double* out) {
  switch (m) {
    case 1: MultiplyColumns<W, 1>(x, from, to, y, out); break;
    case 2: MultiplyColumns<W, 2>(x, from, to, y, out); break;
    case 3: MultiplyColumns<W, 3>(x, from, to, y, out); break;
    case 4: MultiplyColumns<W, 4>(x, from, to, y, out); break;
    case 5: MultiplyColumns<W, 5>(x, from, to, y, out); break;
    case 6: MultiplyColumns<W, 6>(x, from, to, y, out); break;
    case 7: MultiplyColumns<W, 7>(x, from, to, y, out); break;
    case 8: MultiplyColumns<W, 8>(x, from, to, y, out); break;
    case 9: MultiplyColumns<W, 9>(x, from, to, y, out); break;
    case 10: MultiplyColumns<W, 10>(x, from, to, y, out); break;
    case 11: MultiplyColumns<W, 11>(x, from, to, y, out); break;
    case 12: MultiplyColumns<W, 12>(x, from, to, y, out); break;
    case 13: MultiplyColumns<W, 13>(x, from, to, y, out); break;
    case 14: MultiplyColumns<W, 14>(x, from, to, y, out); break;
    default: MultiplyColumns<W, 15>(x, from, to, y, out); break;
  }
}

// All of it built for plain x86-64, for x86-64-v3 and for x86-64-v4 (with
// eight lanes); the processor's level picks one.
void RunColumnsBaseline(int m, const double* x, std::size_t from, std::size_t to, const double* y,
                        double* out) {
  RunColumnsFor<4>(m, x, from, to, y, out);
}

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("arch=x86-64-v3")]] void RunColumnsV3(int m, const double* x, std::size_t from,
                                                    std::size_t to, const double* y, double* out) {
  RunColumnsFor<4>(m, x, from, to, y, out);
}

[[gnu::target("arch=x86-64-v4")]] void RunColumnsV4(int m, const double* x, std::size_t from,
                                                    std::size_t to, const double* y, double* out) {
  RunColumnsFor<8>(m, x, from, to, y, out);
}
#endif

void RunColumns(int m, const double* x, std::size_t from, std::size_t to, const double* y,
                double* out) {
#if TAKETA_X86_VECTOR_COPIES
  const VectorLevel level = CurrentVectorLevel();
  if (level >= VectorLevel::kX86_64V4) return RunColumnsV4(m, x, from, to, y, out);
  if (level >= VectorLevel::kX86_64V3) return RunColumnsV3(m, x, from, to, y, out);
#endif
  RunColumnsBaseline(m, x, from, to, y, out);
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

RepeatedProduct::RepeatedProduct() = default;
RepeatedProduct::~RepeatedProduct() = default;

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
    std::fill(
        buffer->begin(),
        buffer->begin() + static_cast<std::ptrdiff_t>(std::min(buffer->size(), kPad + dirty_)),
        0.0);
  }
  Reserve(std::max(x.size(), expectedDigits / kLimbDigits + 1) + factorLimbs_ + 2);
  std::copy(x.begin(), x.end(), Limbs(x_));
  limbs_ = x.size();
  dirty_ = x.size();
}

void RepeatedProduct::Multiply() {
  const std::size_t cols = RoundUp(limbs_ + static_cast<std::size_t>(factorLimbs_) + 1);
  Reserve(cols + kBlock);
  const double* x = Limbs(x_);
  double* out = Limbs(out_);
  const int m = factorLimbs_;
  // A column costs about as much as four limb products besides its own.
  // Shared, the columns go in pieces of a thousand or more, this thread
  // taking them from the bottom and the helper from the top (a piece costs
  // one block more, for the carries from below it).
  if (cols * static_cast<std::size_t>(m + 4) >= shareFrom_ && HelperRunning()) {
    const std::size_t blocks = cols / kBlock;
    const std::size_t pieces = std::clamp<std::size_t>(blocks / 32, 2, 16);
    helper_->ForEachChunk(pieces, [&](std::size_t piece) {
      RunColumns(m, x, blocks * piece / pieces * kBlock, blocks * (piece + 1) / pieces * kBlock,
                 factor_, out);
    });
  } else {
    RunColumns(m, x, 0, cols, factor_, out);
  }
  dirty_ = std::max(dirty_, cols);
  std::size_t n = cols;
  const double* product = Limbs(out_);
  while (n > 0 && product[n - 1] == 0) --n;
  limbs_ = n;
  x_.swap(out_);
}

bool RepeatedProduct::HelperRunning() {
  if (!helper_) helper_ = std::make_unique<HelperThread>();
  return helper_->Running();
}

// A limb of a product lies within B/2 + 16 of 0 and one of a start value in
// 0..B-1, so with the carry from below (-1, 0 or 1) a limb is almost always
// settled by adding B once or not at all.
std::string RepeatedProduct::ToDecimal() const {
  const double* x = x_.data() + kPad;
  std::vector<std::uint32_t> canonical(limbs_);
  std::int64_t carry = 0;
  for (std::size_t k = 0; k < limbs_; ++k) {
    std::int64_t v = static_cast<std::int64_t>(x[k]) + carry;
    carry = 0;
    if (v < 0 || v >= kIntBase) [[unlikely]] {
      carry = v >= 0 ? v / kIntBase : -((-v + kIntBase - 1) / kIntBase);
      v -= carry * kIntBase;
    }
    canonical[k] = static_cast<std::uint32_t>(v);
  }
  for (; carry > 0; carry /= kIntBase)
    canonical.push_back(static_cast<std::uint32_t>(carry % kIntBase));
  assert(carry == 0);
  while (!canonical.empty() && canonical.back() == 0) canonical.pop_back();
  if (canonical.empty()) return "0";
  const std::string top = std::to_string(canonical.back());
  const std::size_t lower = canonical.size() - 1;
  // Every lower limb is written as eight digits, its first (always 0)
  // landing on the last digit of the limb above, which is written after
  // it; the byte in front takes that of the first lower limb and is cut off.
  std::string text(1 + top.size() + lower * kLimbDigits, '\0');
  auto* out = reinterpret_cast<std::uint8_t*>(text.data()) + 1 + top.size();
  for (std::size_t k = 0; k < lower; ++k) {
    WriteDigits8(out + (lower - 1 - k) * kLimbDigits - 1, canonical[k]);
  }
  for (std::size_t i = 0; i < lower * kLimbDigits; ++i)
    out[i] = static_cast<std::uint8_t>(out[i] + '0');
  text.replace(0, 1 + top.size(), top);
  return text;
}

}  // namespace taketa
