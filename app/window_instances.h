// Every window of the program, created once at start-up and kept until the
// program ends: the single instance of each window class, and the one table
// (window_instances.cpp) that creates them in their fixed order.
#pragma once

#include <vector>

namespace taketa {

class CalculatorWindow;
class Tfrm_menu;
class Tfrm_ensyuuritu;
class Tfrm_sizentaisuunotei;
class Tfrm_heihoukon1;
class Tfrm_heihoukon2;
class Tfrm_Njoukon;
class Tfrm_kakezan;
class Tfrm_warizan1;
class Tfrm_warizan3;
class Tfrm_kaijou;
class Tfrm_ruijou;
class Tfrm_soinsuu2;
class Tfrm_junretu;
class Tfrm_kumiawase;
class Tfrm_warizan4;
class Tfrm_yuurisuubeki;
class Tfrm_yuurisuubeki2;
class Tfrm_jouyoutaisuu;
class Tfrm_sizentaisuu;

// The single instance of each window; null before CreateWindows and after
// DestroyWindows.
inline Tfrm_menu* frm_menu = nullptr;
inline Tfrm_ensyuuritu* frm_ensyuuritu = nullptr;
inline Tfrm_sizentaisuunotei* frm_sizentaisuunotei = nullptr;
inline Tfrm_heihoukon1* frm_heihoukon1 = nullptr;
inline Tfrm_heihoukon2* frm_heihoukon2 = nullptr;
inline Tfrm_Njoukon* frm_Njoukon = nullptr;
inline Tfrm_kakezan* frm_kakezan = nullptr;
inline Tfrm_warizan1* frm_warizan1 = nullptr;
inline Tfrm_warizan3* frm_warizan3 = nullptr;
inline Tfrm_kaijou* frm_kaijou = nullptr;
inline Tfrm_ruijou* frm_ruijou = nullptr;
inline Tfrm_soinsuu2* frm_soinsuu2 = nullptr;
inline Tfrm_junretu* frm_junretu = nullptr;
inline Tfrm_kumiawase* frm_kumiawase = nullptr;
inline Tfrm_warizan4* frm_warizan4 = nullptr;
inline Tfrm_yuurisuubeki* frm_yuurisuubeki = nullptr;
inline Tfrm_yuurisuubeki2* frm_yuurisuubeki2 = nullptr;
inline Tfrm_jouyoutaisuu* frm_jouyoutaisuu = nullptr;
inline Tfrm_sizentaisuu* frm_sizentaisuu = nullptr;

// Creates the nineteen windows in their fixed order, the menu first; all of
// them hidden.
void CreateWindows();
// Destroys them (before the application object goes).
void DestroyWindows();
// The windows in the order they were created.
std::vector<CalculatorWindow*> CreatedWindows();

}  // namespace taketa
