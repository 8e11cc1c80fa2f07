#include "calculators/ensyuuritu/ensyuuritu_calc.h"

#include "calculators/common/checks.h"
#include "calculators/ensyuuritu/pi_series.h"

namespace taketa::ensyuuritu {

InputCheck CheckInput(std::string_view edit1, int& digits) {
  return CheckDigitCount(edit1, digits);
}

std::optional<std::string> Compute(int digits, RunControl& run) { return PiDigits(digits, run); }

std::string SaveTitle(std::string_view edit1) { return "円周率" + std::string(edit1) + "桁"; }

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run) {
  int digits = 0;
  if (InputCheck error = CheckInput(inputs[0], digits)) return UnitOutcome::Refused(*error);
  run.BeginComputing();
  std::optional<std::string> pi = Compute(digits, run);
  if (!pi) return UnitOutcome::Stopped();
  return UnitOutcome::Done({SaveTitle(inputs[0]), {std::move(*pi)}});
}

}  // namespace taketa::ensyuuritu
