// taketa-bench: times whole taketa-calc runs, each calculator at its largest
// input, and reports the median wall time and the peak memory.
//
//   taketa-bench [--runs N] [--calc PATH] [NAME-FILTER]
//
// Build Release first; the figures of other build types mean little.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case {
  const char* name;
  std::vector<std::string> args;
  double targetSeconds;
  double targetMegabytes;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"pi 60000", {"ensyuuritu", "60000"}, 0.5, 32},
      {"e 60000", {"sizentaisuunotei", "60000"}, 0.15, 32},
  };
  return cases;
}

struct Sample {
  double seconds;
  double megabytes;
};

// One run with standard output and error thrown away.
bool RunOnce(const std::string& calc, const std::vector<std::string>& args, Sample& sample) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(calc.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execv(calc.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  sample.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sample.megabytes = usage.ru_maxrss / 1024.0;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 7;
  std::string calc = TAKETA_CALC;
  std::string filter;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--calc" && i + 1 < argc) {
      calc = argv[++i];
    } else if (arg.starts_with("--")) {
      std::fprintf(stderr, "usage: taketa-bench [--runs N] [--calc PATH] [NAME-FILTER]\n");
      return 64;
    } else {
      filter = arg;
    }
  }
  std::printf("taketa-calc: %s (%s build), %d runs each\n", calc.c_str(), TAKETA_BUILD_TYPE, runs);
  std::printf("%-34s %9s %9s %9s %8s %8s  %s\n", "case", "median s", "min s", "max s", "peak MB",
              "target", "");
  bool allMet = true;
  for (const Case& c : Cases()) {
    if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos) continue;
    std::vector<double> seconds, megabytes;
    for (int r = 0; r < runs; ++r) {
      Sample sample{};
      if (!RunOnce(calc, c.args, sample)) {
        std::printf("%-34s failed\n", c.name);
        return 1;
      }
      seconds.push_back(sample.seconds);
      megabytes.push_back(sample.megabytes);
    }
    const double median = Median(seconds);
    const double peak = *std::max_element(megabytes.begin(), megabytes.end());
    const bool met = median <= c.targetSeconds && peak <= c.targetMegabytes;
    allMet = allMet && met;
    std::printf("%-34s %9.3f %9.3f %9.3f %8.1f %7.2fs  %s\n", c.name, median,
                *std::min_element(seconds.begin(), seconds.end()),
                *std::max_element(seconds.begin(), seconds.end()), peak, c.targetSeconds,
                met ? "ok" : "OVER");
  }
  return allMet ? 0 : 1;
}
