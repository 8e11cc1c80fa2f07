// taketa-factor-bench: times whole `taketa-calc soinsuu2 N` runs on fixed
// inputs (tests/data/factoring-cases.txt) by class, and how soon Ctrl-C
// ends a run in the fast phase.
//
//   taketa-factor-bench [--runs N] [--calc PATH] [CLASS-FILTER]
//
// Each input runs N times (default 3); its time is the median of its runs.
// Per class: the median and the maximum of those times. Build Release
// first; the figures of other build types mean little.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Input {
  std::string number;
  std::string expected;  // the output line, "" when not known
};

// The classes timed, in the order shown, with the figures they must meet
// (0: none).
struct Class {
  const char* name;
  double medianTarget;
  double maxTarget;
};
constexpr Class kClasses[] = {
    {"semiprime40", 0, 0}, {"semiprime45", 0, 0}, {"semiprime50", 0.5, 1.0},
    {"random50", 0, 1.0},  {"prime50", 0, 1.0},   {"prime-hard", 0, 1.0},
};

std::map<std::string, std::vector<Input>> ReadCases(const std::string& path) {
  std::map<std::string, std::vector<Input>> cases;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string cls, number, factor;
    words >> cls >> number;
    std::vector<std::string> factors;
    while (words >> factor) factors.push_back(factor);
    Input input{number, ""};
    if (factors.size() == 1 && factors[0] == number) {
      input.expected = number + " は素数です。";
    } else if (!factors.empty() && factors[0] != "?") {
      for (std::size_t i = 0; i < factors.size(); ++i)
        input.expected += (i ? "×" : "") + factors[i];
    }
    cases[cls].push_back(input);
  }
  return cases;
}

// One whole run: its wall time, or a negative value when it failed or
// answered wrongly.
double RunOnce(const std::string& calc, const Input& input) {
  taketa::bench::Finished run = taketa::bench::Run(calc, {"soinsuu2", input.number});
  if (run.status != 0) return -1;
  if (!run.out.empty() && run.out.back() == '\n') run.out.pop_back();
  if (!input.expected.empty() && run.out != input.expected) return -2;
  return run.seconds;
}

// Ctrl-C after `after` in the fast phase: the time from the signal to the
// run's end, or a negative value when it did not exit with 130.
double StopLatency(const std::string& calc, const std::string& number,
                   std::chrono::milliseconds after) {
  int out = -1;
  const pid_t child = taketa::bench::Start(calc, {"soinsuu2", number}, out);
  if (child < 0) return -1;
  std::this_thread::sleep_for(after);
  const auto sent = Clock::now();
  kill(child, SIGINT);
  const int status = taketa::bench::Wait(child);
  const double seconds = std::chrono::duration<double>(Clock::now() - sent).count();
  close(out);
  return status == 130 ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  using taketa::bench::Median;
  const auto options = taketa::bench::ReadOptions(
      argc, argv, 3, "taketa-factor-bench [--runs N] [--calc PATH] [CLASS-FILTER]");
  if (!options) return 64;
  const auto& [runs, calc, filter] = *options;
  const auto cases = ReadCases(TAKETA_FACTORING_CASES);
  std::printf("taketa-calc: %s (%s build), %d runs of each input, times in seconds\n", calc.c_str(),
              TAKETA_BUILD_TYPE, runs);
  std::printf("(PARI/GP takes about 0.28 s for a balanced 50-digit semiprime on this machine)\n");
  std::printf("%-12s %6s %9s %9s %9s  %s\n", "class", "inputs", "median", "max", "min", "");
  bool allMet = true;
  for (const Class& c : kClasses) {
    if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos) continue;
    const auto found = cases.find(c.name);
    if (found == cases.end()) continue;
    std::vector<double> times;
    for (const Input& input : found->second) {
      std::vector<double> samples;
      for (int r = 0; r < runs; ++r) {
        const double seconds = RunOnce(calc, input);
        if (seconds < 0) {
          std::printf("%s %s: %s\n", c.name, input.number.c_str(),
                      seconds == -2 ? "wrong answer" : "failed");
          return 1;
        }
        samples.push_back(seconds);
      }
      times.push_back(Median(samples));
    }
    const double median = Median(times);
    const double max = *std::max_element(times.begin(), times.end());
    const bool met = (c.medianTarget == 0 || median <= c.medianTarget) &&
                     (c.maxTarget == 0 || max <= c.maxTarget);
    allMet = allMet && met;
    std::printf("%-12s %6zu %9.3f %9.3f %9.3f  %s\n", c.name, times.size(), median, max,
                *std::min_element(times.begin(), times.end()), met ? "ok" : "OVER");
  }
  if (filter.empty() || std::string("stop").find(filter) != std::string::npos) {
    const auto found = cases.find("semiprime50");
    if (found != cases.end()) {
      std::vector<double> latencies;
      for (const Input& input : found->second) {
        const double seconds = StopLatency(calc, input.number, std::chrono::milliseconds(60));
        if (seconds < 0) {
          std::printf("stop %s: did not exit with 130\n", input.number.c_str());
          return 1;
        }
        latencies.push_back(seconds);
      }
      const double max = *std::max_element(latencies.begin(), latencies.end());
      const bool met = max <= 0.1;
      allMet = allMet && met;
      std::printf("%-12s %6zu %9.3f %9.3f %9.3f  %s  (Ctrl-C 60 ms into the run to exit)\n", "stop",
                  latencies.size(), Median(latencies), max,
                  *std::min_element(latencies.begin(), latencies.end()), met ? "ok" : "OVER");
    }
  }
  return allMet ? 0 : 1;
}
