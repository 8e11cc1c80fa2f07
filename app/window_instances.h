// Every window of the program, created once at start-up and kept until the
// program ends.
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

// The single instance of each window; null before CreateWindows.
extern Tfrm_menu* frm_menu;
extern Tfrm_ensyuuritu* frm_ensyuuritu;
extern Tfrm_sizentaisuunotei* frm_sizentaisuunotei;
extern Tfrm_heihoukon1* frm_heihoukon1;
extern Tfrm_heihoukon2* frm_heihoukon2;
extern Tfrm_Njoukon* frm_Njoukon;
extern Tfrm_kakezan* frm_kakezan;
extern Tfrm_warizan1* frm_warizan1;
extern Tfrm_warizan3* frm_warizan3;
extern Tfrm_kaijou* frm_kaijou;
extern Tfrm_ruijou* frm_ruijou;
extern Tfrm_soinsuu2* frm_soinsuu2;
extern Tfrm_junretu* frm_junretu;
extern Tfrm_kumiawase* frm_kumiawase;
extern Tfrm_warizan4* frm_warizan4;
extern Tfrm_yuurisuubeki* frm_yuurisuubeki;
extern Tfrm_yuurisuubeki2* frm_yuurisuubeki2;
extern Tfrm_jouyoutaisuu* frm_jouyoutaisuu;
extern Tfrm_sizentaisuu* frm_sizentaisuu;

// Creates the nineteen windows in their fixed order, the menu first; all of
// them hidden.
void CreateWindows();
// Destroys them (before the application object goes).
void DestroyWindows();
// The windows in the order they were created.
std::vector<CalculatorWindow*> CreatedWindows();

}  // namespace taketa
