// The window of unit Njoukon.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_Njoukon : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_Njoukon();
};

}  // namespace taketa
