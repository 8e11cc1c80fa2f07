// The window of unit ruijou.
#pragma once

#include "frame/calculator_window.h"

namespace taketa {

class Tfrm_ruijou : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_ruijou();
};

}  // namespace taketa
