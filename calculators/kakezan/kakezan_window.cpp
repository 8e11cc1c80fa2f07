#include "calculators/kakezan/kakezan_window.h"

namespace taketa {

Tfrm_kakezan::Tfrm_kakezan() : CalculatorWindow(QStringLiteral("frm_kakezan")) {}

}  // namespace taketa
