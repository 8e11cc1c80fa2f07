#include "calculators/ensyuuritu/ensyuuritu_window.h"

#include "calculators/ensyuuritu/ensyuuritu_calc.h"

namespace taketa {

Tfrm_ensyuuritu::Tfrm_ensyuuritu()
    : ConstantWindow({"frm_ensyuuritu",
                      QStringLiteral("円周率を 60000桁まで求めることができます。"),
                      QStringLiteral("円周率を何桁まで求めますか。桁数＝"),
                      QStringLiteral("円周率の桁数"), 308, 73, ensyuuritu::RunUnit}) {}

}  // namespace taketa
