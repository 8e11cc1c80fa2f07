// A product that grows by one machine-integer factor at a time, as n!, nPr
// and nCr build theirs: the running product times a multiplier, again and
// again, with the result read out once at the end.
//
// The product is kept in limbs of eighteen decimal digits, least
// significant first, in a redundant form: a limb may exceed 10^18 a little
// (it stays below 2^61), and the carries are only settled when the digits
// are read. A multiplication then has no carry running from limb to limb:
// limb j of the new product is (limb j times m) mod about 10^18 plus
// (limb j - 1 times m) div 10^18, each found with one multiplication by a
// reciprocal, and the limbs can be worked on independently of one another.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "digits/two_threads.h"

namespace taketa {

class GrowingProduct {
 public:
  static constexpr std::uint64_t kBase = 1000000000000000000ULL;  // 10^18
  static constexpr int kLimbDigits = 18;
  // Multipliers must stay below this (2^47).
  static constexpr std::uint64_t kMultiplierLimit = std::uint64_t{1} << 47;

  // The product 1, with room for `digits` decimal digits before the limbs
  // are moved.
  explicit GrowingProduct(std::size_t digits = 0);
  ~GrowingProduct();
  GrowingProduct(GrowingProduct&&) noexcept;
  GrowingProduct& operator=(GrowingProduct&&) noexcept;

  // product = product * m, for 1 <= m < kMultiplierLimit. A long product is
  // swept in pieces shared with a helper thread, with the same limbs.
  void MultiplyBy(std::uint64_t m);

  // Products of at least `limbs` limbs are shared with a helper thread; the
  // tests lower it, and a product already built on a helper raises it out of
  // reach.
  void ShareFrom(std::size_t limbs) { shareFrom_ = limbs; }

  // The value in limbs of 10^18 with every carry settled, least significant
  // first, without a zero limb at the top.
  std::vector<std::uint64_t> Limbs() const;

  // Decimal digits, most significant first, without leading zeros.
  std::string ToDecimal() const;

  // Decimal digits of the product of from..to (1 <= from <= to + 1), with
  // some room to spare: what the constructor needs to hold that product.
  static std::size_t DigitsOfRange(std::uint64_t from, std::uint64_t to);

 private:
  bool HelperRunning();

  std::vector<std::uint64_t> limbs_;  // each below 2^61; the top one not 0
  // Limbs at the bottom that are 0: they stay 0 (nothing carries into
  // them), so a multiplication starts above them.
  std::size_t zeroLimbs_ = 0;
  // A sweep of 4096 limbs takes a few microseconds: far more than handing
  // half of it on.
  std::size_t shareFrom_ = 4096;
  std::unique_ptr<HelperThread> helper_;  // started at the first long sweep
};

// The product from x (from + 1) x ... x to, built on a helper thread while
// the calling thread does other work, several multipliers to a sweep as
// long as their product stays below the multiplier limit. When the helper
// has not started on it by the time it is needed, the calling thread builds
// it itself; the product is the same either way.
class ProductOnHelper {
 public:
  // `helper` may be null or not running: then everything happens here,
  // as Reach asks for it. Precondition: to < GrowingProduct::kMultiplierLimit.
  ProductOnHelper(HelperThread* helper, std::uint64_t from, std::uint64_t to);
  // Ends the helper's work after its current sweep and waits for it.
  ~ProductOnHelper();
  ProductOnHelper(const ProductOnHelper&) = delete;
  ProductOnHelper& operator=(const ProductOnHelper&) = delete;

  // Returns once every multiplier up to i is in the product.
  void Reach(std::uint64_t i);

  // The product, once Reach(to) has returned.
  const GrowingProduct& Product() const { return product_; }

 private:
  enum class Where { kHere, kOffered, kHelper };
  struct Work {
    ProductOnHelper* self;
    void operator()() const { self->Sweeps(true); }
  };

  // Sweeps until `next_` passes `to_` (or, here, `until_`); on the helper
  // also stops when asked to.
  void Sweeps(bool onHelper);

  HelperThread* helper_;
  GrowingProduct product_;
  std::uint64_t to_;
  std::uint64_t next_;       // the first multiplier not in the product yet
  std::uint64_t until_ = 0;  // here: the last multiplier asked for
  Where where_ = Where::kHere;
  Work work_{this};
  RisingCount reached_;  // the helper's last multiplier in the product
  std::atomic<bool> stop_{false};
};

// Settled limbs of 10^18 (least significant first, top one not 0) as
// decimal digits; "0" for no limbs.
std::string LimbsToDecimal(std::span<const std::uint64_t> limbs);

}  // namespace taketa
