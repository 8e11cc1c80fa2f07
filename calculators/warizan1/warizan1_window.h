// The window of unit warizan1.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_warizan1 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan1();
};

}  // namespace taketa
