// What the benchmarks that time whole taketa-calc runs share: their command
// line, starting taketa-calc, and the median.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace taketa::bench {

// [--runs N] [--calc PATH] [FILTER]
struct Options {
  int runs;
  std::string calc;    // the taketa-calc to time
  std::string filter;  // only the cases whose name contains it
};

// Reads the command line; nullopt, with `usage` on standard error, when it
// is not understood.
std::optional<Options> ReadOptions(int argc, char** argv, int defaultRuns, const char* usage);

// Starts `calc` with `args`, standard output into a pipe whose reading end
// goes to `out`, standard error thrown away, standard input from the file
// `input` when one is named. -1 when it could not start.
pid_t Start(const std::string& calc, const std::vector<std::string>& args, int& out,
            const std::string& input = "");

struct Finished {
  int status = -1;  // the exit status, -1 when the run did not exit normally
  double seconds = 0;
  double megabytes = 0;  // peak resident memory
  std::string out;       // standard output
};

// One whole run, timed from its start to its end; with `input`, the
// program reads its standard input from that file.
Finished Run(const std::string& calc, const std::vector<std::string>& args,
             const std::string& input = "");

// PARI/GP's gp where it is installed ("" when not), for the figures beside
// which the benchmarks set their own.
std::string FindGp();

// gp -q -f reading `script` from a file: its whole run, as Run.
Finished RunGp(const std::string& gp, const std::string& script);

// Waits for `child` to end: its exit status, -1 when it did not exit
// normally; its peak memory goes to `megabytes` when given.
int Wait(pid_t child, double* megabytes = nullptr);

double Median(std::vector<double> values);

// Deterministic pseudo-random digits, the first one not 0, the last one
// `last` (0: any): the benchmarks' long inputs.
std::string Digits(std::size_t count, unsigned seed, char last = 0);

}  // namespace taketa::bench
