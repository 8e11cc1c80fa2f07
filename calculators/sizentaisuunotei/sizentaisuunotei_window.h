// The window of e, the base of the natural logarithm.
#pragma once

#include "frame/layouts/constant_window.h"

namespace taketa {

class Tfrm_sizentaisuunotei : public ConstantWindow {
  Q_OBJECT

 public:
  Tfrm_sizentaisuunotei();
};

}  // namespace taketa
