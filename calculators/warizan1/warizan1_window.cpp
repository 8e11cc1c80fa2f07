#include "calculators/warizan1/warizan1_window.h"

namespace taketa {

Tfrm_warizan1::Tfrm_warizan1() : CalculatorWindow(QStringLiteral("frm_warizan1")) {}

}  // namespace taketa
