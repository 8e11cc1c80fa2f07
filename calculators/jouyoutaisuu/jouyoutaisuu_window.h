// The common logarithm window.
#pragma once

#include "frame/layouts/logarithm_window.h"

namespace taketa {

class Tfrm_jouyoutaisuu : public LogarithmWindow {
  Q_OBJECT

 public:
  Tfrm_jouyoutaisuu();
};

}  // namespace taketa
