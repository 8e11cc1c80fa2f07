#include "digits/growing_product.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>

#include "digits/packed.h"

namespace taketa {
namespace {

constexpr std::uint64_t kBase = GrowingProduct::kBase;
constexpr std::uint64_t kLimbBound = std::uint64_t{1} << 61;
constexpr std::size_t kLimbDigits = GrowingProduct::kLimbDigits;

// floor(m 2^64 / 10^18), for m < 2^47. Kept out of line: inlined, the
// compiler forgets that the quotient fits one word and multiplies by its
// high word (zero) in the inner loop as well.
[[gnu::noinline]] std::uint64_t ScaledInverse(std::uint64_t m) {
  return static_cast<std::uint64_t>((UInt128{m} << 64) / kBase);
}

// floor(p inverse / 2^64): the carry a limb p sends to the limb above.
inline std::uint64_t CarryOf(std::uint64_t p, std::uint64_t inverse) {
  return static_cast<std::uint64_t>((UInt128{p} * inverse) >> 64);
}

// Limbs [from, to) times m, the limb below `from` sending `carry`; returns
// the carry out of limb to - 1.
std::uint64_t MultiplyLimbs(std::uint64_t* a, std::size_t from, std::size_t to, std::uint64_t m,
                            std::uint64_t inverse, std::uint64_t carry) {
  for (std::size_t j = from; j < to; ++j) {
    const std::uint64_t p = a[j];
    const std::uint64_t q = CarryOf(p, inverse);
    a[j] = p * m - q * kBase + carry;
    carry = q;
  }
  return carry;
}

}  // namespace

GrowingProduct::GrowingProduct(std::size_t digits) {
  limbs_.reserve(digits / kLimbDigits + 2);
  limbs_.push_back(1);
}

GrowingProduct::~GrowingProduct() = default;
GrowingProduct::GrowingProduct(GrowingProduct&&) noexcept = default;
GrowingProduct& GrowingProduct::operator=(GrowingProduct&&) noexcept = default;

// With p < 2^61 and m < 2^47, inverse = floor(m 2^64 / 10^18) gives
// q = floor(p inverse / 2^64), which is floor(p m / 10^18) or one less: the
// error of the inverse costs at most p / 2^64 < 1/8. So r = p m - q 10^18
// lies in [0, 2 10^18), computed exactly modulo 2^64, and q is below
// 2^61 2^47 / 10^18 < 2^49. The new limb r + (the q of the limb below) stays
// below 2 10^18 + 2^49 < 2^61, the bound the next multiplication needs.
//
// A new limb depends on its old value and on the old value of the limb
// below, so the limbs can be swept in pieces on different threads once the
// carries into the pieces are taken from the old limbs beforehand.
void GrowingProduct::MultiplyBy(std::uint64_t m) {
  assert(m >= 1 && m < kMultiplierLimit);
  const std::uint64_t inverse = ScaledInverse(m);
  std::uint64_t* a = limbs_.data();
  const std::size_t n = limbs_.size();
  std::uint64_t carry = 0;
  constexpr std::size_t kMostPieces = 8;
  // Every piece at least two limbs, so that each takes its carry from a
  // limb of the product.
  if (n - zeroLimbs_ >= std::max(shareFrom_, 2 * kMostPieces) && HelperRunning()) {
    const std::size_t pieces = std::clamp<std::size_t>((n - zeroLimbs_) / 2048, 2, kMostPieces);
    std::size_t bound[kMostPieces + 1];
    std::uint64_t carryIn[kMostPieces];
    for (std::size_t k = 0; k <= pieces; ++k) bound[k] = zeroLimbs_ + (n - zeroLimbs_) * k / pieces;
    carryIn[0] = 0;
    for (std::size_t k = 1; k < pieces; ++k) carryIn[k] = CarryOf(a[bound[k] - 1], inverse);
    carry = CarryOf(a[n - 1], inverse);
    helper_->ForEachChunk(pieces, [&](std::size_t k) {
      MultiplyLimbs(a, bound[k], bound[k + 1], m, inverse, carryIn[k]);
    });
  } else {
    carry = MultiplyLimbs(a, zeroLimbs_, n, m, inverse, 0);
  }
  if (carry != 0) limbs_.push_back(carry);
  assert(limbs_.back() < kLimbBound);
  while (limbs_[zeroLimbs_] == 0) ++zeroLimbs_;  // the top limb is not 0
}

bool GrowingProduct::HelperRunning() {
  if (!helper_) helper_ = std::make_unique<HelperThread>();
  return helper_->Running();
}

std::vector<std::uint64_t> GrowingProduct::Limbs() const {
  std::vector<std::uint64_t> settled;
  settled.reserve(limbs_.size() + 1);
  std::uint64_t carry = 0;
  for (const std::uint64_t limb : limbs_) {
    const std::uint64_t x = limb + carry;  // below 2^61 + 3
    carry = x / kBase;
    settled.push_back(x - carry * kBase);
  }
  if (carry != 0) settled.push_back(carry);
  while (!settled.empty() && settled.back() == 0) settled.pop_back();
  return settled;
}

std::string GrowingProduct::ToDecimal() const { return LimbsToDecimal(Limbs()); }

std::size_t GrowingProduct::DigitsOfRange(std::uint64_t from, std::uint64_t to) {
  if (to < from) return 1;
  // log10(to! / (from - 1)!), with a margin for the rounding of lgamma.
  const double log10 =
      (std::lgamma(static_cast<double>(to) + 1) - std::lgamma(static_cast<double>(from))) /
      std::log(10.0);
  return static_cast<std::size_t>(log10 * (1 + 1e-9)) + 2;
}

ProductOnHelper::ProductOnHelper(HelperThread* helper, std::uint64_t from, std::uint64_t to)
    : helper_(helper), product_(GrowingProduct::DigitsOfRange(from, to)), to_(to), next_(from) {
  assert(from >= 1 && to < GrowingProduct::kMultiplierLimit);
  // Both cores are busy already: this product and whatever the calling
  // thread does meanwhile.
  product_.ShareFrom(~std::size_t{0});
  if (helper_ != nullptr && helper_->Running() && next_ <= to_) {
    where_ = Where::kOffered;
    helper_->Offer(work_);
  }
}

ProductOnHelper::~ProductOnHelper() {
  stop_.store(true, std::memory_order_relaxed);
  if (where_ != Where::kHere) helper_->TakeBack();
}

void ProductOnHelper::Sweeps(bool onHelper) {
  const std::uint64_t until = onHelper ? to_ : until_;
  while (next_ <= until) {
    if (onHelper && stop_.load(std::memory_order_relaxed)) return;
    std::uint64_t multiplier = next_, last = next_;
    while (last < to_ && last + 1 < GrowingProduct::kMultiplierLimit / multiplier) {
      multiplier *= ++last;
    }
    product_.MultiplyBy(multiplier);
    next_ = last + 1;
    if (onHelper) reached_.Raise(last);
  }
}

void ProductOnHelper::Reach(std::uint64_t i) {
  if (where_ == Where::kOffered) where_ = helper_->Withdraw() ? Where::kHere : Where::kHelper;
  if (where_ == Where::kHelper) {
    reached_.WaitFor(i);
    return;
  }
  until_ = i;
  Sweeps(false);
}

std::string LimbsToDecimal(std::span<const std::uint64_t> limbs) {
  if (limbs.empty()) return "0";
  char top[24];
  const int topDigits =
      std::snprintf(top, sizeof top, "%llu", static_cast<unsigned long long>(limbs.back()));
  std::string text(static_cast<std::size_t>(topDigits) + (limbs.size() - 1) * kLimbDigits, '0');
  text.replace(0, topDigits, top);
  auto* out = reinterpret_cast<std::uint8_t*>(text.data()) + topDigits;
  for (std::size_t k = limbs.size() - 1; k-- > 0; out += GrowingProduct::kLimbDigits) {
    const std::uint64_t limb = limbs[k];
    const std::uint64_t high = limb / 100000000;  // ten digits
    const auto low = static_cast<std::uint32_t>(limb % 100000000);
    WriteDigits8(out + 10, low);
    const auto highTop = static_cast<std::uint32_t>(high / 100000000);
    const auto highLow = static_cast<std::uint32_t>(high % 100000000);
    out[0] = static_cast<std::uint8_t>(highTop / 10);
    out[1] = static_cast<std::uint8_t>(highTop % 10);
    WriteDigits8(out + 2, highLow);
    for (int d = 0; d < GrowingProduct::kLimbDigits; ++d) out[d] += '0';
  }
  return text;
}

}  // namespace taketa
