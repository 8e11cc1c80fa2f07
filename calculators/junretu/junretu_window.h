// The window of unit junretu: nPr for r <= n <= 50000.
#pragma once

#include "frame/layouts/counting_window.h"

namespace taketa {

class Tfrm_junretu : public CountingWindow {
  Q_OBJECT

 public:
  Tfrm_junretu();
};

}  // namespace taketa
