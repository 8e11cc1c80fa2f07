#include "calculators/sizentaisuu/sizentaisuu_window.h"

#include "calculators/sizentaisuu/sizentaisuu_calc.h"

namespace taketa {

Tfrm_sizentaisuu::Tfrm_sizentaisuu()
    : LogarithmWindow(
          {"frm_sizentaisuu",
           QStringLiteral(
               "20桁以内の正の数(整数または小数)の自然対数を小数点以下 50桁まで求めます。"),
           QStringLiteral("求める自然対数＝"), sizentaisuu::RunUnit}) {}

}  // namespace taketa
