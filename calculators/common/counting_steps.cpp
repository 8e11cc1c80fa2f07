#include "calculators/common/counting_steps.h"

#include "calculators/common/checks.h"

namespace taketa {

InputCheck CheckCounts(std::string_view edit1, std::string_view edit2, long& n, long& r) {
  constexpr std::string_view kRange = "半角数字で 50000以下の自然数を入力してください。";
  constexpr std::string_view kLength = "入力文字数を5以下にしてください。";
  InputCheck error = CheckNaturalNumber(edit1, 5, 1, 50000, kRange, kLength, 0, n);
  if (!error) error = CheckNaturalNumber(edit2, 5, 1, 50000, kRange, kLength, 1, r);
  if (error) return error;
  if (n < r) return InputError{"r は n 以下でなければなりません。", 1, {}};
  return std::nullopt;
}

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
