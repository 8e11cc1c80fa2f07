// The two ways a calculation runs inside a window.
//
// Stoppable: the window's busy flag is set while the calculation runs, the
// start button reads "計算中止" and pressing it again, or closing the window,
// clears the flag; pending events run between the passes of the
// calculation. One-shot: events run once before the calculation, so that
// cleared boxes are painted, and not again until the result is shown.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace taketa {

// Lets pending events run once.
void LetEventsRun();

// Empties a line edit or a multi-line box.
void ClearBox(QWidget* box);

// One-shot run, first step: empties the result boxes and lets events run
// once, so that the emptied boxes are painted before the work starts.
void BeginOneShot(std::initializer_list<QWidget*> resultBoxes);

// Makes the wait notice visible and lets events run once so that it is
// painted; the window then does not respond until the result is shown.
void ShowWaitNotice(QWidget* notice);

// Beep, a message box with the error's text, the focus to the box it names
// (boxes in the window's input order) and, where the error says so, the
// length counter rewritten.
void ReportInputError(QWidget* window, const InputError& error,
                      std::initializer_list<QWidget*> inputBoxes,
                      QPlainTextEdit* lengthCounter = nullptr);

// The busy flag of a stoppable window, with its start and exit buttons.
class StoppableRun {
 public:
  StoppableRun(QPushButton* startButton, QPushButton* exitButton)
      : start_(startButton), exit_(exitButton) {}

  bool busy() const { return busy_; }

  // The start button pressed: when a run is going on this is the stop
  // press, which clears the flag and returns true (the handler returns at
  // once); otherwise sets the flag and returns false.
  bool StopOrBegin();

  // Closing the window, or a stop from elsewhere: the running calculation
  // ends as stopped at its next pass.
  void Stop() { busy_ = false; }

  // A refused input: reported as ReportInputError does, and the flag cleared.
  void Refuse(QWidget* window, const InputError& error, std::initializer_list<QWidget*> inputBoxes,
              QPlainTextEdit* lengthCounter = nullptr);

  // The run's display: the start button reads "計算中止", the exit button
  // is hidden.
  void EnterRunning();

  // Runs `compute(RunControl&)`, which returns an optional result, with the
  // start button reading "計算中止", the exit button hidden and the step
  // counters going to `progressBoxes`. The result when the run finished,
  // nullopt when it was stopped; the buttons stay as they are until
  // LeaveRunning, so that the result can be shown first.
  template <class Compute>
  auto Run(std::vector<QPlainTextEdit*> progressBoxes, Compute&& compute);

  // After the calculation: the start button reads "計算開始" again, the exit
  // button is shown and the flag is cleared. True when the run finished,
  // false when it was stopped.
  bool LeaveRunning();

 private:
  QPushButton* start_;
  QPushButton* exit_;
  bool busy_ = false;
};

// Enter (Return or the keypad's Enter) in a single-line input box, and
// Ctrl+Enter in a multi-line one, where Enter stays a line break, press
// `start` as a click does. While the stoppable `run` is going on they do
// nothing: a stop takes the button or the window's close box.
void StartOnEnter(std::initializer_list<QWidget*> inputBoxes, QPushButton* start,
                  const StoppableRun* run = nullptr);
// The same with the button that is pressed chosen at each key press.
void StartOnEnter(std::initializer_list<QWidget*> inputBoxes,
                  const std::function<QPushButton*()>& start, const StoppableRun* run);

// What a stoppable calculation sees of its window: its step counters go to
// the first line of the progress boxes, and every pass lets pending events
// run, at most about 60 times a second, so that a stop press or a close
// takes effect within a few tens of milliseconds whatever the length of a
// pass. The boxes show the last counters when the run ends.
class WindowRunControl final : public RunControl {
 public:
  WindowRunControl(StoppableRun& run, std::vector<QPlainTextEdit*> progressBoxes);
  ~WindowRunControl() override;

  void ShowProgress(std::string_view text, int box) override;
  bool StopRequested() override;

  // Writes the counters not yet shown.
  void Flush();

 private:
  StoppableRun& run_;
  std::vector<QPlainTextEdit*> boxes_;
  std::vector<QString> pending_;
  std::vector<bool> changed_;
  QElapsedTimer sinceEvents_;
};

template <class Compute>
auto StoppableRun::Run(std::vector<QPlainTextEdit*> progressBoxes, Compute&& compute) {
  EnterRunning();
  WindowRunControl control(*this, std::move(progressBoxes));
  auto result = compute(static_cast<RunControl&>(control));
  control.Flush();
  if (!busy_) result.reset();
  return result;
}

}  // namespace taketa
