#include "calculators/heihoukon2/heihoukon2_window.h"

namespace taketa {

Tfrm_heihoukon2::Tfrm_heihoukon2() : CalculatorWindow(QStringLiteral("frm_heihoukon2")) {}

}  // namespace taketa
