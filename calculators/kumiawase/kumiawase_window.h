// The window of unit kumiawase.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_kumiawase : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_kumiawase();
};

}  // namespace taketa
