#include "calculators/soinsuu2/soinsuu2_window.h"

namespace taketa {

Tfrm_soinsuu2::Tfrm_soinsuu2() : CalculatorWindow(QStringLiteral("frm_soinsuu2")) {}

}  // namespace taketa
