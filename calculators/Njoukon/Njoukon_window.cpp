#include "calculators/Njoukon/Njoukon_window.h"

namespace taketa {

Tfrm_Njoukon::Tfrm_Njoukon() : CalculatorWindow(QStringLiteral("frm_Njoukon")) {}

}  // namespace taketa
