#include "calculators/kumiawase/kumiawase_window.h"

#include "calculators/kumiawase/kumiawase_calc.h"

namespace taketa {

Tfrm_kumiawase::Tfrm_kumiawase()
    : CountingWindow({"frm_kumiawase", QStringLiteral("組合せの総数を求めます。"),
                      QStringLiteral("C"), 241, kumiawase::RunUnit}) {}

}  // namespace taketa
