#include "calculators/junretu/junretu_window.h"

#include "calculators/junretu/junretu_calc.h"

namespace taketa {

Tfrm_junretu::Tfrm_junretu()
    : CountingWindow({"frm_junretu", QStringLiteral("順列の総数を求めます。"), QStringLiteral("P"),
                      220, junretu::RunUnit}) {}

}  // namespace taketa
