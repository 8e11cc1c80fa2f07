#include "calculators/yuurisuubeki/yuurisuubeki_window.h"

namespace taketa {

Tfrm_yuurisuubeki::Tfrm_yuurisuubeki() : CalculatorWindow(QStringLiteral("frm_yuurisuubeki")) {}

}  // namespace taketa
