#include "calculators/sizentaisuunotei/sizentaisuunotei_calc.h"

#include "calculators/common/checks.h"
#include "calculators/sizentaisuunotei/e_series.h"

namespace taketa::sizentaisuunotei {

InputCheck CheckInput(std::string_view edit1, int& digits) {
  return CheckDigitCount(edit1, digits);
}

std::optional<std::string> Compute(int digits, RunControl& run) { return EDigits(digits, run); }

std::string SaveTitle(std::string_view edit1) { return "自然対数の底" + std::string(edit1) + "桁"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  int digits = 0;
  if (InputCheck error = CheckInput(inputs[0], digits)) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  std::optional<std::string> e = Compute(digits, run);
  if (!e) return UnitOutcome::Stopped();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {std::move(*e)}});
}

}  // namespace taketa::sizentaisuunotei
