#include <algorithm>
#include <array>

#include "calculators/common/unit.h"
#include "calculators/Njoukon/Njoukon_calc.h"
#include "calculators/ensyuuritu/ensyuuritu_calc.h"
#include "calculators/ruijou/ruijou_calc.h"
#include "calculators/soinsuu2/soinsuu2_calc.h"
#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_calc.h"

namespace taketa {
namespace {

constexpr std::array kUnits = {
    Unit{"ensyuuritu", 1, true, ensyuuritu::RunUnit},
    Unit{"sizentaisuunotei", 1, true, sizentaisuunotei::RunUnit},
    Unit{"heihoukon1", 1, false, nullptr},
    Unit{"heihoukon2", 1, false, nullptr},
    Unit{"Njoukon", 2, true, Njoukon::RunUnit},
    Unit{"kakezan", 2, false, nullptr},
    Unit{"warizan1", 2, false, nullptr},
    Unit{"warizan3", 2, false, nullptr},
    Unit{"kaijou", 1, true, nullptr},
    Unit{"ruijou", 2, true, ruijou::RunUnit},
    Unit{"soinsuu2", 1, true, soinsuu2::RunUnit},
    Unit{"junretu", 2, true, nullptr},
    Unit{"kumiawase", 2, true, nullptr},
    Unit{"warizan4", 2, false, nullptr},
    Unit{"yuurisuubeki", 2, true, yuurisuubeki::RunUnit},
    Unit{"yuurisuubeki2", 2, true, nullptr},
    Unit{"jouyoutaisuu", 1, false, nullptr},
    Unit{"sizentaisuu", 1, false, nullptr},
};

}  // namespace

std::span<const Unit> AllUnits() { return kUnits; }

const Unit* FindUnit(std::string_view name) {
  const auto it = std::find_if(kUnits.begin(), kUnits.end(),
                               [&](const Unit& unit) { return unit.name == name; });
  return it == kUnits.end() ? nullptr : &*it;
}

}  // namespace taketa
