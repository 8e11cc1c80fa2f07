// The pi window.
#pragma once

#include "frame/layouts/constant_window.h"

namespace taketa {

class Tfrm_ensyuuritu : public ConstantWindow {
  Q_OBJECT

 public:
  Tfrm_ensyuuritu();
};

}  // namespace taketa
