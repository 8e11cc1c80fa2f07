// The window of unit kakezan.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_kakezan : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_kakezan();
};

}  // namespace taketa
