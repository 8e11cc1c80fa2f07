#include "calculators/kumiawase/kumiawase_window.h"

namespace taketa {

Tfrm_kumiawase::Tfrm_kumiawase() : CalculatorWindow(QStringLiteral("frm_kumiawase")) {}

}  // namespace taketa
