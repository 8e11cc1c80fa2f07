#include <algorithm>
#include <array>

#include "calculators/Njoukon/Njoukon_calc.h"
#include "calculators/common/unit.h"
#include "calculators/ensyuuritu/ensyuuritu_calc.h"
#include "calculators/heihoukon1/heihoukon1_calc.h"
#include "calculators/heihoukon2/heihoukon2_calc.h"
#include "calculators/jouyoutaisuu/jouyoutaisuu_calc.h"
#include "calculators/junretu/junretu_calc.h"
#include "calculators/kaijou/kaijou_calc.h"
#include "calculators/kakezan/kakezan_calc.h"
#include "calculators/kumiawase/kumiawase_calc.h"
#include "calculators/ruijou/ruijou_calc.h"
#include "calculators/sizentaisuu/sizentaisuu_calc.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_calc.h"
#include "calculators/soinsuu2/soinsuu2_calc.h"
#include "calculators/warizan1/warizan1_calc.h"
#include "calculators/warizan3/warizan3_calc.h"
#include "calculators/warizan4/warizan4_calc.h"
#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"
#include "calculators/yuurisuubeki2/yuurisuubeki2_calc.h"

namespace taketa {
namespace {

constexpr std::array kUnits = {
    Unit{"ensyuuritu", 1, true, ensyuuritu::RunUnit},
    Unit{"sizentaisuunotei", 1, true, sizentaisuunotei::RunUnit},
    Unit{"heihoukon1", 1, false, heihoukon1::RunUnit},
    Unit{"heihoukon2", 1, false, heihoukon2::RunUnit},
    Unit{"Njoukon", 2, true, Njoukon::RunUnit},
    Unit{"kakezan", 2, false, kakezan::RunUnit},
    Unit{"warizan1", 2, false, warizan1::RunUnit},
    Unit{"warizan3", 2, false, warizan3::RunUnit},
    Unit{"kaijou", 1, true, kaijou::RunUnit},
    Unit{"ruijou", 2, true, ruijou::RunUnit},
    Unit{"soinsuu2", 1, true, soinsuu2::RunUnit, soinsuu2::BuildNote},
    Unit{"junretu", 2, true, junretu::RunUnit},
    Unit{"kumiawase", 2, true, kumiawase::RunUnit},
    Unit{"warizan4", 2, false, warizan4::RunUnit},
    Unit{"yuurisuubeki", 2, true, yuurisuubeki::RunUnit},
    Unit{"yuurisuubeki2", 2, true, yuurisuubeki2::RunUnit},
    Unit{"jouyoutaisuu", 1, false, jouyoutaisuu::RunUnit},
    Unit{"sizentaisuu", 1, false, sizentaisuu::RunUnit},
};

}  // namespace

std::span<const Unit> AllUnits() { return kUnits; }

const Unit* FindUnit(std::string_view name) {
  const auto it = std::find_if(kUnits.begin(), kUnits.end(),
                               [&](const Unit& unit) { return unit.name == name; });
  return it == kUnits.end() ? nullptr : &*it;
}

}  // namespace taketa
