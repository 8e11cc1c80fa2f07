#include "calculators/sizentaisuunotei/sizentaisuunotei_window.h"

#include "calculators/sizentaisuunotei/sizentaisuunotei_calc.h"

namespace taketa {

Tfrm_sizentaisuunotei::Tfrm_sizentaisuunotei()
    : ConstantWindow({"frm_sizentaisuunotei",
                      QStringLiteral("自然対数の底を 60000桁まで求めることができます。"),
                      QStringLiteral("自然対数の底を何桁まで求めますか。桁数＝"),
                      QStringLiteral("自然対数の底の桁数"), 356, 72, sizentaisuunotei::RunUnit}) {}

}  // namespace taketa
