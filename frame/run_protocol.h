// The two ways a calculation runs inside a window.
//
// Stoppable: the window's busy flag is set while the calculation runs, the
// start button reads "計算中止" and pressing it again, or closing the window,
// clears the flag; pending events run between the passes of the
// calculation. One-shot: events run once before the calculation, so that
// cleared boxes are painted, and not again until the result is shown.
//
// Either way the start handler passes its boxes' texts (BoxTexts) to its
// unit's run (calculators/common/unit.h) with a RunControl that binds the
// run's steps to the window's controls, WindowRunControl when stoppable,
// UnstoppableRun when one-shot, and then shows the UnitOutcome.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace taketa {

// Lets pending events run once.
void LetEventsRun();

// Empties a line edit or a multi-line box.
void ClearBox(QWidget* box);

// The inputs of a unit's run: the texts of single-line or multi-line boxes
// as the checks see them (BoxText), in the window's input order.
std::vector<std::string> BoxTexts(std::initializer_list<QWidget*> boxes);

// One-shot run, first step: empties the result boxes and lets events run
// once, so that the emptied boxes are painted before the work starts.
void BeginOneShot(std::initializer_list<QWidget*> resultBoxes);

// Makes the wait notice visible and lets events run once so that it is
// painted; the window then does not respond until the result is shown.
void ShowWaitNotice(QWidget* notice);

// A run that ended without a result it could settle (UnitOutcome::kFailed):
// beep and a message box with its text.
void ReportFailure(QWidget* window, const UnitOutcome& outcome);

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

  // After a unit's run: true when it finished with a result. A result
  // computed while the flag was cleared (a stop pressed or the window closed
  // during the last pass) counts as stopped.
  bool Finished(const UnitOutcome& outcome) const {
    return outcome.status == UnitOutcome::Status::kDone && (busy_ || !outcome.computed);
  }

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
// pass. The first poll after the computation begins always lets them run,
// so that the start button's new caption is drawn and a press that came
// with it is seen, however short the run. The boxes show the last counters
// when the run ends. `beginComputing`
// is the window's step where the computation begins (its progress boxes
// shown, EnterRunning).
class WindowRunControl final : public RunControl {
 public:
  WindowRunControl(StoppableRun& run, std::vector<QPlainTextEdit*> progressBoxes,
                   std::function<void()> beginComputing = {});
  ~WindowRunControl() override;

  void ShowProgress(std::string_view text, int box) override;
  bool StopRequested() override;
  void BeginComputing() override;

  // Writes the counters not yet shown.
  void Flush();

 private:
  StoppableRun& run_;
  std::vector<QPlainTextEdit*> boxes_;
  std::vector<QString> pending_;
  std::vector<bool> changed_;
  std::function<void()> beginComputing_;
  QElapsedTimer sinceEvents_;
  bool firstPoll_ = true;
};

}  // namespace taketa
