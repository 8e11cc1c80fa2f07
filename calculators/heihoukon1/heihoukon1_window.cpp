#include "calculators/heihoukon1/heihoukon1_window.h"

namespace taketa {

Tfrm_heihoukon1::Tfrm_heihoukon1() : CalculatorWindow(QStringLiteral("frm_heihoukon1")) {}

}  // namespace taketa
