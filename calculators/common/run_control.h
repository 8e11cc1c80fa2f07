// How a calculation reports its step counter, learns that it must stop, and
// says where its computation begins.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

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

  // The inputs passed the checks and the computation begins: a window shows
  // its progress boxes or its wait notice here (and, when it has one, its
  // stop button). Not called for a result found without computing.
  virtual void BeginComputing() {}

  void ShowStep(std::int64_t step, int box = 0) { ShowProgress(std::to_string(step), box); }
};

// Runs to the end and shows nothing; `beginComputing`, when given, runs
// where the computation begins (a one-shot window's wait notice).
class UnstoppableRun final : public RunControl {
 public:
  UnstoppableRun() = default;
  explicit UnstoppableRun(std::function<void()> beginComputing)
      : beginComputing_(std::move(beginComputing)) {}

  void ShowProgress(std::string_view, int) override {}
  bool StopRequested() override { return false; }
  void BeginComputing() override {
    if (beginComputing_) beginComputing_();
  }

 private:
  std::function<void()> beginComputing_;
};

// Passes the stop polls on and shows no step counter: a step of a
// calculation whose window has no progress box for it.
class WithoutProgress final : public RunControl {
 public:
  explicit WithoutProgress(RunControl& run) : run_(run) {}

  void ShowProgress(std::string_view, int) override {}
  bool StopRequested() override { return run_.StopRequested(); }

 private:
  RunControl& run_;
};

}  // namespace taketa
