// The window of unit jouyoutaisuu.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_jouyoutaisuu : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_jouyoutaisuu();
};

}  // namespace taketa
