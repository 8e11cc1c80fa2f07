// The window of unit sizentaisuu.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_sizentaisuu : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_sizentaisuu();
};

}  // namespace taketa
