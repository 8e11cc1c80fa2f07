// What the calculator tests share: a run that records what it was shown and
// can stop after a number of polls, and the reference digits on disk.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calculators/common/run_control.h"

namespace taketa::testing {

class RecordingRun final : public RunControl {
 public:
  explicit RecordingRun(long stopAtPoll = -1) : stopAtPoll_(stopAtPoll) {}

  void ShowProgress(std::string_view text, int box) override {
    shown.emplace_back(box, std::string(text));
  }
  bool StopRequested() override { return ++polls == stopAtPoll_; }

  // The last text shown in `box`, "" when none.
  std::string Last(int box = 0) const {
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
      if (it->first == box) return it->second;
    return "";
  }

  std::vector<std::pair<int, std::string>> shown;
  long polls = 0;

 private:
  long stopAtPoll_;
};

// The first 60000 digits of a constant ("pi" or "e"), made independently.
inline const std::string& ReferenceDigits(const std::string& name) {
  static std::string pi, e;
  std::string& digits = name == "pi" ? pi : e;
  if (digits.empty()) {
    std::ifstream in(std::string(TAKETA_TEST_DATA_DIR) + "/" + name + "-60000.txt");
    std::getline(in, digits);
  }
  return digits;
}

}  // namespace taketa::testing
