// The window of unit warizan4.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_warizan4 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan4();
};

}  // namespace taketa
