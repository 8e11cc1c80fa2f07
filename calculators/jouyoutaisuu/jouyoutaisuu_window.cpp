#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"

#include "calculators/jouyoutaisuu/jouyoutaisuu_calc.h"

namespace taketa {

Tfrm_jouyoutaisuu::Tfrm_jouyoutaisuu()
    : LogarithmWindow(
          {"frm_jouyoutaisuu",
           QStringLiteral(
               "20桁以内の正の数(整数または小数)の常用対数を小数点以下 50桁まで求めます。"),
           QStringLiteral("求める常用対数＝"), jouyoutaisuu::RunUnit}) {}

}  // namespace taketa
