// A calculator unit run without a window: its inputs as the boxes would hold
// them, what the window would show, and the file it would offer to save.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"

namespace taketa {

struct UnitOutcome {
  enum class Status {
    kDone,     // `file` holds the title and the result lines
    kRefused,  // `error` says why
    kStopped,  // stopped before the end: no result
  };
  Status status = Status::kDone;
  InputError error;
  ResultFile file;
  // False where the window shows the result without offering to save it.
  bool offersSave = true;

  static UnitOutcome Refused(InputError error) {
    return {Status::kRefused, std::move(error), {}, false};
  }
  static UnitOutcome Stopped() { return {Status::kStopped, {}, {}, false}; }
};

struct Unit {
  std::string_view name;  // the unit's name, also the command-line name
  int inputCount;         // input boxes, in the window's order
  bool stoppable;         // runs with a stop button (polls RunControl)
  // Checks the inputs (a missing one is an empty box) exactly as the start
  // button does, then computes. nullptr: not built yet.
  UnitOutcome (*run)(std::span<const std::string> inputs, RunControl& run);
};

// Every calculator unit, in the order the program creates their windows.
std::span<const Unit> AllUnits();
const Unit* FindUnit(std::string_view name);

}  // namespace taketa
