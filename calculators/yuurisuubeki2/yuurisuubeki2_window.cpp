#include "calculators/yuurisuubeki2/yuurisuubeki2_window.h"

namespace taketa {

Tfrm_yuurisuubeki2::Tfrm_yuurisuubeki2() : CalculatorWindow(QStringLiteral("frm_yuurisuubeki2")) {}

}  // namespace taketa
