#include "calculators/sizentaisuu/sizentaisuu_window.h"

namespace taketa {

Tfrm_sizentaisuu::Tfrm_sizentaisuu() : CalculatorWindow(QStringLiteral("frm_sizentaisuu")) {}

}  // namespace taketa
