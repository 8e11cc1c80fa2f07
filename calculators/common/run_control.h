// How a calculation reports its step counter and learns that it must stop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace taketa {

class RunControl {
 public:
  virtual ~RunControl() = default;

  // Shows `text` as the step counter of progress box `box` (0: the window's
  // first progress box).
  virtual void ShowProgress(std::string_view text, int box) = 0;

  // Called once per pass of a stoppable calculation, where the window lets
  // pending events run. True when the run must end as stopped.
  virtual bool StopRequested() = 0;

  void ShowStep(std::int64_t step, int box = 0) { ShowProgress(std::to_string(step), box); }
};

// Runs to the end and shows nothing.
class UnstoppableRun final : public RunControl {
 public:
  void ShowProgress(std::string_view, int) override {}
  bool StopRequested() override { return false; }
};

}  // namespace taketa
