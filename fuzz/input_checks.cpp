// Every unit's input checks on text as the boxes may hold it: any bytes,
// invalid UTF-8, CR, LF, NUL. The first byte picks the unit (in the order of
// AllUnits), the rest is the first box up to the first 0xFF byte (never part
// of UTF-8) and the second box after it. Only the checks run, and what is
// cheap after them (shortcuts, normalising, the title line), never the
// calculation. A check must refuse with a message and an existing box, or
// pass a value inside the unit's range.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "calculators/Njoukon/Njoukon_calc.h"
#include "calculators/common/counting_steps.h"
#include "calculators/common/decimal_division.h"
#include "calculators/common/decimal_power.h"
#include "calculators/common/result_file.h"
#include "calculators/common/text.h"
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

namespace {

using namespace taketa;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

// A refusal names a message and one of the unit's boxes.
void CheckRefusal(const InputCheck& check, int boxes) {
  if (!check) return;
  Require(!check->message.empty(), "a refusal without a message");
  Require(check->box >= 0 && check->box < boxes, "a refusal focuses a box the unit lacks");
}

// The title line goes through the encoder whatever the boxes hold.
void Title(const std::string& title) { Require(!EncodeResultFile({title, {}}).empty(), "title"); }

// The units in the order of AllUnits, which the switch below follows.
constexpr std::string_view kOrder[] = {
    "ensyuuritu",    "sizentaisuunotei", "heihoukon1", "heihoukon2", "Njoukon",
    "kakezan",       "warizan1",         "warizan3",   "kaijou",     "ruijou",
    "soinsuu2",      "junretu",          "kumiawase",  "warizan4",   "yuurisuubeki",
    "yuurisuubeki2", "jouyoutaisuu",     "sizentaisuu"};

void RunChecks(std::size_t unit, std::string_view a, std::string_view b) {
  Require(AllUnits()[unit].name == kOrder[unit], "the units changed order");
  const int boxes = AllUnits()[unit].inputCount;
  InputCheck check;
  switch (unit) {
    case 0: {  // ensyuuritu
      int digits = 0;
      check = ensyuuritu::CheckInput(a, digits);
      Require(check || (digits >= 2 && digits <= 60000), "pi digits out of range");
      Title(ensyuuritu::SaveTitle(a));
      break;
    }
    case 1: {  // sizentaisuunotei
      int digits = 0;
      check = sizentaisuunotei::CheckInput(a, digits);
      Require(check || (digits >= 1 && digits <= 60000), "e digits out of range");
      Title(sizentaisuunotei::SaveTitle(a));
      break;
    }
    case 2:  // heihoukon1
      check = heihoukon1::CheckInput(a);
      Require(check || (AllDigits(a) && a.size() <= 10000), "heihoukon1 passed a bad number");
      Title(heihoukon1::SaveTitle(a));
      break;
    case 3:  // heihoukon2
      check = heihoukon2::CheckInput(a);
      Title(heihoukon2::SaveTitle(a));
      break;
    case 4: {  // Njoukon: the degree, then the radicand
      long degree = 0;
      check = Njoukon::CheckDegree(a, degree);
      Require(check || (degree >= 2 && degree <= 300), "root degree out of range");
      if (!check) {
        Require(!Njoukon::StageTwoPrompt(a).empty(), "no prompt");
        Require(!Njoukon::ResultCaption(degree).empty(), "no caption");
        check = Njoukon::CheckRadicand(b);
        if (!check) Njoukon::IsOne(b);
      }
      Title(Njoukon::SaveTitle(a, b));
      break;
    }
    case 5:  // kakezan
      check = kakezan::CheckInput(a, b);
      Title(kakezan::SaveFile(a, b, "1").title);
      break;
    case 6:  // warizan1
      check = warizan1::CheckInput(a, b);
      Title(DivisionFile(a, b, "1").title);
      break;
    case 7:  // warizan3
      check = warizan3::CheckInput(a, b);
      break;
    case 8: {  // kaijou
      long n = 0;
      check = kaijou::CheckInput(a, n);
      Require(check || (n >= 1 && n <= 50000), "n! out of range");
      Title(kaijou::SaveTitle(a));
      break;
    }
    case 9: {  // ruijou
      long exponent = 0;
      check = ruijou::CheckInput(a, b, exponent);
      Require(check || (exponent >= 1 && exponent <= 10000), "exponent out of range");
      if (!check) {
        const ruijou::Base base = ruijou::Normalise(a);
        Require(!base.normalised.empty() && !base.significant.empty(), "empty base");
        Require(base.significant.front() != '0' && AllDigits(base.significant),
                "significant digits");
      }
      break;
    }
    case 10: {  // soinsuu2
      std::string working;
      check = soinsuu2::CheckInput(a, working);
      if (!check) {
        Require(!working.empty() && working.size() <= 50 && AllDigits(working) &&
                    working.front() != '0',
                "soinsuu2 working number");
        soinsuu2::UsesShortPath(working);
      }
      Title(soinsuu2::SaveTitle(a));
      break;
    }
    case 11:
    case 12: {  // junretu, kumiawase
      long n = 0, r = 0;
      check = CheckCounts(a, b, n, r);
      Require(check || (1 <= r && r <= n && n <= 50000), "n and r out of range");
      Title(unit == 11 ? junretu::SaveTitle(a, b) : kumiawase::SaveTitle(a, b));
      break;
    }
    case 13:  // warizan4
      check = warizan4::CheckInput(a, b);
      Title(DivisionFile(a, b, "1").title);
      break;
    case 14:  // yuurisuubeki
      check = yuurisuubeki::CheckInput(a, b);
      if (!check) {
        yuurisuubeki::Shortcut(a, b);
        yuurisuubeki::HasIntegerPart(b);
      }
      Title(yuurisuubeki::SaveTitle(a, b));
      break;
    case 15: {  // yuurisuubeki2
      check = yuurisuubeki2::CheckInput(a, b);
      if (!check) yuurisuubeki2::SpecialValue(TakeApartPower(a, b));
      Title(yuurisuubeki2::SaveTitle(a, b));
      break;
    }
    case 16:  // jouyoutaisuu
      check = jouyoutaisuu::CheckInput(a);
      Title(jouyoutaisuu::SaveTitle(a));
      break;
    case 17:  // sizentaisuu
      check = sizentaisuu::CheckInput(a);
      Title(sizentaisuu::SaveTitle(a));
      break;
  }
  CheckRefusal(check, boxes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static_assert(std::size(kOrder) == 18);
  if (AllUnits().size() != std::size(kOrder)) std::abort();
  const std::size_t unit = data[0] % std::size(kOrder);
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t cut = rest.find('\xff');
  const std::string_view a = rest.substr(0, cut);
  const std::string_view b =
      cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  RunChecks(unit, a, b);
  return 0;
}
