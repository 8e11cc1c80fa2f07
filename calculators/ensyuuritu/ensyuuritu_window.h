// The pi window.
#pragma once

#include "calculators/common/constant_window.h"

namespace taketa {

class Tfrm_ensyuuritu : public ConstantWindow {
  Q_OBJECT

 public:
  Tfrm_ensyuuritu();
};

}  // namespace taketa
