// The window of unit yuurisuubeki2.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_yuurisuubeki2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_yuurisuubeki2();
};

}  // namespace taketa
