#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"

namespace taketa {

Tfrm_jouyoutaisuu::Tfrm_jouyoutaisuu() : CalculatorWindow(QStringLiteral("frm_jouyoutaisuu")) {}

}  // namespace taketa
