#include "calculators/warizan3/warizan3_window.h"

namespace taketa {

Tfrm_warizan3::Tfrm_warizan3() : CalculatorWindow(QStringLiteral("frm_warizan3")) {}

}  // namespace taketa
