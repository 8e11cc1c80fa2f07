// The natural logarithm window.
#pragma once

#include "frame/layouts/logarithm_window.h"

namespace taketa {

class Tfrm_sizentaisuu : public LogarithmWindow {
  Q_OBJECT

 public:
  Tfrm_sizentaisuu();
};

}  // namespace taketa
