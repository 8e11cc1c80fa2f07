// A calculator unit's run, written once: its inputs as the boxes hold them,
// its checks in the window's order, its special cases, its computation and
// the file it offers to save. Its window and taketa-calc (and the
// benchmarks) both call it. The window passes a RunControl that binds the
// steps to its controls (progress boxes, stop polls, BeginComputing) and
// shows the outcome; taketa-calc prints it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"

namespace taketa {

struct UnitOutcome {
  enum class Status {
    kDone,     // `file` holds the title and the result lines, `shown` what the window shows
    kRefused,  // `error` says why and which box gets the focus
    kStopped,  // stopped before the end: no result
    kFailed,   // no result: its digits could not be settled; `error.message` says so
  };
  Status status = Status::kDone;
  InputError error;
  ResultFile file;
  // The texts of the window's result boxes, in the order its unit names them.
  std::vector<std::string> shown;
  // False where the window shows the result without offering to save it.
  bool offersSave = true;
  // False for a special case answered at once, without the computation.
  bool computed = true;

  // A computed result that the window shows as the file's result lines.
  static UnitOutcome Done(ResultFile file) {
    std::vector<std::string> shown = file.lines;
    return Done(std::move(file), std::move(shown));
  }
  static UnitOutcome Done(ResultFile file, std::vector<std::string> shown, bool offersSave = true) {
    return {Status::kDone, {}, std::move(file), std::move(shown), offersSave, true};
  }
  // A special case, found without computing.
  static UnitOutcome Special(ResultFile file, std::vector<std::string> shown, bool offersSave) {
    return {Status::kDone, {}, std::move(file), std::move(shown), offersSave, false};
  }
  static UnitOutcome Refused(InputError error) {
    return {Status::kRefused, std::move(error), {}, {}, false, true};
  }
  static UnitOutcome Stopped() { return {Status::kStopped, {}, {}, {}, false, true}; }
  static UnitOutcome Failed() {
    return {Status::kFailed, {std::string(kFailedMessage), -1, {}}, {}, {}, false, true};
  }

  static constexpr std::string_view kFailedMessage = "計算結果の桁を確定できませんでした。";
};

struct Unit {
  std::string_view name;  // the unit's name, also the command-line name
  int inputCount;         // input boxes, in the window's order
  bool stoppable;         // runs with a stop button (polls RunControl)
  // Checks the inputs (a missing one is an empty box) exactly as the start
  // button does, then computes.
  UnitOutcome (*run)(std::span<const std::string> inputs, RunControl& run);
  // What taketa-calc --help adds about how this build runs the unit ("" or
  // nullptr: nothing).
  std::string_view (*note)() = nullptr;
};

// Every calculator unit, in the order the program creates their windows.
std::span<const Unit> AllUnits();
const Unit* FindUnit(std::string_view name);

}  // namespace taketa
