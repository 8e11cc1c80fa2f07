// The window of unit heihoukon1.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_heihoukon1 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_heihoukon1();
};

}  // namespace taketa
