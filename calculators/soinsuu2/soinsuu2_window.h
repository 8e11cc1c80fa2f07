// The window of unit soinsuu2.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_soinsuu2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_soinsuu2();
};

}  // namespace taketa
