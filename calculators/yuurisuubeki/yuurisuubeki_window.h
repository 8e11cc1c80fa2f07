// The window of unit yuurisuubeki.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_yuurisuubeki : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_yuurisuubeki();
};

}  // namespace taketa
