#include "calculators/junretu/junretu_window.h"

namespace taketa {

Tfrm_junretu::Tfrm_junretu() : CalculatorWindow(QStringLiteral("frm_junretu")) {}

}  // namespace taketa
