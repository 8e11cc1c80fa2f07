#include "app/window_instances.h"

#include <memory>
#include <type_traits>

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
namespace {

// One window of the program: creating it sets its instance, forgetting it
// clears the instance again.
struct WindowSlot {
  std::unique_ptr<CalculatorWindow> (*create)();
  void (*forget)();
};

template <auto& instance>
constexpr WindowSlot Slot() {
  using Window = std::remove_pointer_t<std::remove_reference_t<decltype(instance)>>;
  return {[]() -> std::unique_ptr<CalculatorWindow> {
            auto window = std::make_unique<Window>();
            instance = window.get();
            return window;
          },
          [] { instance = nullptr; }};
}

// Every window, in the order the program creates them; the first, the menu,
// becomes the main window.
constexpr WindowSlot kWindows[] = {
    Slot<frm_menu>(),         Slot<frm_ensyuuritu>(),    Slot<frm_sizentaisuunotei>(),
    Slot<frm_heihoukon1>(),   Slot<frm_heihoukon2>(),    Slot<frm_Njoukon>(),
    Slot<frm_kakezan>(),      Slot<frm_warizan1>(),      Slot<frm_warizan3>(),
    Slot<frm_kaijou>(),       Slot<frm_ruijou>(),        Slot<frm_soinsuu2>(),
    Slot<frm_junretu>(),      Slot<frm_kumiawase>(),     Slot<frm_warizan4>(),
    Slot<frm_yuurisuubeki>(), Slot<frm_yuurisuubeki2>(), Slot<frm_jouyoutaisuu>(),
    Slot<frm_sizentaisuu>(),
};

std::vector<std::unique_ptr<CalculatorWindow>> owned;

}  // namespace

void CreateWindows() {
  for (const WindowSlot& slot : kWindows) owned.push_back(slot.create());
}

void DestroyWindows() {
  owned.clear();
  for (const WindowSlot& slot : kWindows) slot.forget();
}

std::vector<CalculatorWindow*> CreatedWindows() {
  std::vector<CalculatorWindow*> windows;
  for (const auto& window : owned) windows.push_back(window.get());
  return windows;
}

}  // namespace taketa
