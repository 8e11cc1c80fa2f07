// The window of unit junretu.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_junretu : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_junretu();
};

}  // namespace taketa
