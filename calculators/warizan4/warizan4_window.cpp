#include "calculators/warizan4/warizan4_window.h"

namespace taketa {

Tfrm_warizan4::Tfrm_warizan4() : CalculatorWindow(QStringLiteral("frm_warizan4")) {}

}  // namespace taketa
