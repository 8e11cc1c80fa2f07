// A running product multiplied again and again by one short factor, as the
// power calculators build their powers: one multiplication per step, the
// running product growing by the factor's length each time.
//
// The product lives in limbs of seven decimal digits held in doubles, in a
// balanced form (a limb may be a little negative or a little above the
// base), so that a step is a pass of vector multiply-adds over the limbs
// with its carries settled locally, and the digits are written out only
// when asked for. Every value involved is an integer below 2^53, so the
// doubles hold everything exactly. The two buffers are reused from step to
// step; nothing is allocated per step once they are large enough. A long
// step is split between this thread and a helper by columns; the carries
// into each part are worked out again by the thread that runs it, so the
// limbs come out the same however the step is split.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace taketa {

class HelperThread;

class RepeatedProduct {
 public:
  // The longest factor: fifteen limbs of seven digits.
  static constexpr std::size_t kMaxFactorDigits = 105;

  RepeatedProduct();
  ~RepeatedProduct();

  // `factor` and `start`: decimal digits '0'..'9', leading zeros allowed;
  // `factor` at most kMaxFactorDigits long. `expectedDigits`, when known, is
  // the length the product will reach, so that the buffers are made that
  // large once.
  RepeatedProduct(std::string_view factor, std::string_view start, std::size_t expectedDigits = 0)
      : RepeatedProduct() {
    Reset(factor, start, expectedDigits);
  }

  // Starts over with another factor and start value, keeping the buffers.
  void Reset(std::string_view factor, std::string_view start, std::size_t expectedDigits = 0);

  // product = product * factor. A long step is shared with a helper
  // thread (the column sums split in two halves), with the same result.
  void Multiply();

  // Steps whose work (columns times the factor's limbs and a little more)
  // reaches `work` are shared with a helper thread; the tests lower it.
  void ShareWorkFrom(std::size_t work) { shareFrom_ = work; }

  // The product's decimal digits without leading zeros ("0" for zero).
  std::string ToDecimal() const;

 private:
  static constexpr std::size_t kPad = 16;  // zero limbs below limb 0

  void Reserve(std::size_t limbs);
  bool HelperRunning();
  double* Limbs(std::vector<double>& buffer) { return buffer.data() + kPad; }

  std::vector<double> x_, out_;  // the product and the next one, kPad zeros first
  std::size_t limbs_ = 0;        // limbs of x_ in use (no zero limb on top)
  std::size_t dirty_ = 0;        // limbs of either buffer written since the last reset
  double factor_[16] = {};       // the factor's limbs, units first
  int factorLimbs_ = 1;
  std::size_t shareFrom_ = kShareWork;
  std::unique_ptr<HelperThread> helper_;  // started at the first long step

  // About ten microseconds of work: far more than handing half of it on.
  static constexpr std::size_t kShareWork = 16384;
};

}  // namespace taketa
