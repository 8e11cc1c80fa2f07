#include "app/window_instances.h"

#include <memory>

#include "app/menu_window.h"
#include "calculators/Njoukon/Njoukon_window.h"
#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/heihoukon1/heihoukon1_window.h"
#include "calculators/heihoukon2/heihoukon2_window.h"
#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"
#include "calculators/junretu/junretu_window.h"
#include "calculators/kaijou/kaijou_window.h"
#include "calculators/kakezan/kakezan_window.h"
#include "calculators/kumiawase/kumiawase_window.h"
#include "calculators/ruijou/ruijou_window.h"
#include "calculators/sizentaisuu/sizentaisuu_window.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_window.h"
#include "calculators/soinsuu2/soinsuu2_window.h"
#include "calculators/warizan1/warizan1_window.h"
#include "calculators/warizan3/warizan3_window.h"
#include "calculators/warizan4/warizan4_window.h"
#include "calculators/yuurisuubeki/yuurisuubeki_window.h"
#include "calculators/yuurisuubeki2/yuurisuubeki2_window.h"

namespace taketa {

Tfrm_menu* frm_menu = nullptr;
Tfrm_ensyuuritu* frm_ensyuuritu = nullptr;
Tfrm_sizentaisuunotei* frm_sizentaisuunotei = nullptr;
Tfrm_heihoukon1* frm_heihoukon1 = nullptr;
Tfrm_heihoukon2* frm_heihoukon2 = nullptr;
Tfrm_Njoukon* frm_Njoukon = nullptr;
Tfrm_kakezan* frm_kakezan = nullptr;
Tfrm_warizan1* frm_warizan1 = nullptr;
Tfrm_warizan3* frm_warizan3 = nullptr;
Tfrm_kaijou* frm_kaijou = nullptr;
Tfrm_ruijou* frm_ruijou = nullptr;
Tfrm_soinsuu2* frm_soinsuu2 = nullptr;
Tfrm_junretu* frm_junretu = nullptr;
Tfrm_kumiawase* frm_kumiawase = nullptr;
Tfrm_warizan4* frm_warizan4 = nullptr;
Tfrm_yuurisuubeki* frm_yuurisuubeki = nullptr;
Tfrm_yuurisuubeki2* frm_yuurisuubeki2 = nullptr;
Tfrm_jouyoutaisuu* frm_jouyoutaisuu = nullptr;
Tfrm_sizentaisuu* frm_sizentaisuu = nullptr;

namespace {

std::vector<std::unique_ptr<CalculatorWindow>> owned;

template <class Window>
void Create(Window*& instance) {
  auto window = std::make_unique<Window>();
  instance = window.get();
  owned.push_back(std::move(window));
}

}  // namespace

void CreateWindows() {
  Create(frm_menu);
  Create(frm_ensyuuritu);
  Create(frm_sizentaisuunotei);
  Create(frm_heihoukon1);
  Create(frm_heihoukon2);
  Create(frm_Njoukon);
  Create(frm_kakezan);
  Create(frm_warizan1);
  Create(frm_warizan3);
  Create(frm_kaijou);
  Create(frm_ruijou);
  Create(frm_soinsuu2);
  Create(frm_junretu);
  Create(frm_kumiawase);
  Create(frm_warizan4);
  Create(frm_yuurisuubeki);
  Create(frm_yuurisuubeki2);
  Create(frm_jouyoutaisuu);
  Create(frm_sizentaisuu);
}

void DestroyWindows() {
  owned.clear();
  frm_menu = nullptr;
  frm_ensyuuritu = nullptr;
  frm_sizentaisuunotei = nullptr;
  frm_heihoukon1 = nullptr;
  frm_heihoukon2 = nullptr;
  frm_Njoukon = nullptr;
  frm_kakezan = nullptr;
  frm_warizan1 = nullptr;
  frm_warizan3 = nullptr;
  frm_kaijou = nullptr;
  frm_ruijou = nullptr;
  frm_soinsuu2 = nullptr;
  frm_junretu = nullptr;
  frm_kumiawase = nullptr;
  frm_warizan4 = nullptr;
  frm_yuurisuubeki = nullptr;
  frm_yuurisuubeki2 = nullptr;
  frm_jouyoutaisuu = nullptr;
  frm_sizentaisuu = nullptr;
}

std::vector<CalculatorWindow*> CreatedWindows() {
  std::vector<CalculatorWindow*> windows;
  for (const auto& window : owned) windows.push_back(window.get());
  return windows;
}

}  // namespace taketa
