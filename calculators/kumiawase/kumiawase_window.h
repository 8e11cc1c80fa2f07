// The window of unit kumiawase: nCr for r <= n <= 50000.
#pragma once

#include "frame/layouts/counting_window.h"

namespace taketa {

class Tfrm_kumiawase : public CountingWindow {
  Q_OBJECT

 public:
  Tfrm_kumiawase();
};

}  // namespace taketa
