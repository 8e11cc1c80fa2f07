// The window of unit heihoukon2.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_heihoukon2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_heihoukon2();
};

}  // namespace taketa
