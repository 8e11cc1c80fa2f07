#include "calculators/ruijou/ruijou_window.h"

namespace taketa {

Tfrm_ruijou::Tfrm_ruijou() : CalculatorWindow(QStringLiteral("frm_ruijou")) {}

}  // namespace taketa
