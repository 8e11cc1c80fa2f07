#include "calculators/kaijou/kaijou_window.h"

namespace taketa {

Tfrm_kaijou::Tfrm_kaijou() : CalculatorWindow(QStringLiteral("frm_kaijou")) {}

}  // namespace taketa
