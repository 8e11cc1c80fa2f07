// The window of unit kaijou.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_kaijou : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_kaijou();
};

}  // namespace taketa
