// The window of unit warizan3.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_warizan3 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan3();
};

}  // namespace taketa
