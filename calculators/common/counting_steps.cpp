#include "calculators/common/counting_steps.h"

namespace taketa {

bool MultiplyEach(GrowingProduct& product, std::uint64_t from, std::uint64_t to, RunControl& run) {
  // The multipliers of a sweep: as many as keep their product below the
  // limit (three near 50000, more below).
  for (std::uint64_t i = from; i <= to;) {
    std::uint64_t multiplier = i, last = i;
    while (last < to && last + 1 < GrowingProduct::kMultiplierLimit / multiplier) {
      multiplier *= ++last;
    }
    product.MultiplyBy(multiplier);
    for (; i <= last; ++i) {
      run.ShowStep(static_cast<std::int64_t>(i));
      if (run.StopRequested()) return false;
    }
  }
  return true;
}

std::string WithDigitCount(std::string_view digits) {
  return std::string(digits) + "    (桁数＝" + std::to_string(digits.size()) + ")";
}

}  // namespace taketa
