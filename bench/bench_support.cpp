#include "bench/bench_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace taketa::bench {

std::optional<Options> ReadOptions(int argc, char** argv, int defaultRuns, const char* usage) {
  Options options{defaultRuns, TAKETA_CALC, ""};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      options.runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--calc" && i + 1 < argc) {
      options.calc = argv[++i];
    } else if (arg.starts_with("--")) {
      std::fprintf(stderr, "usage: %s\n", usage);
      return std::nullopt;
    } else {
      options.filter = arg;
    }
  }
  return options;
}

pid_t Start(const std::string& calc, const std::vector<std::string>& args, int& out,
            const std::string& input) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(calc.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    dup2(fds[1], STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDERR_FILENO);
    if (!input.empty()) {
      const int in = open(input.c_str(), O_RDONLY);
      if (in < 0) _exit(127);
      dup2(in, STDIN_FILENO);
    }
    close(fds[0]);
    close(fds[1]);
    execv(calc.c_str(), argv.data());
    _exit(127);
  }
  close(fds[1]);
  out = fds[0];
  return child;
}

int Wait(pid_t child, double* megabytes) {
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return -1;
  if (megabytes != nullptr) *megabytes = usage.ru_maxrss / 1024.0;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Finished Run(const std::string& calc, const std::vector<std::string>& args,
             const std::string& input) {
  Finished run;
  const auto start = std::chrono::steady_clock::now();
  int out = -1;
  const pid_t child = Start(calc, args, out, input);
  if (child < 0) return run;
  char buffer[65536];
  for (ssize_t got; (got = read(out, buffer, sizeof buffer)) > 0;) {
    run.out.append(buffer, static_cast<std::size_t>(got));
  }
  close(out);
  run.status = Wait(child, &run.megabytes);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

std::string FindGp() {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
  for (std::size_t begin = 0; begin <= dirs.size();) {
    std::size_t end = dirs.find(':', begin);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(begin, end - begin) + "/gp";
    if (end > begin && access(candidate.c_str(), X_OK) == 0) return candidate;
    begin = end + 1;
  }
  return "";
}

Finished RunGp(const std::string& gp, const std::string& script) {
  char name[] = "/tmp/taketa-bench-gp-XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return {};
  const std::string text = script + "\nquit\n";
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);
  Finished run;
  if (written) run = Run(gp, {"-q", "-f"}, name);
  unlink(name);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Digits(std::size_t count, unsigned seed, char last) {
  std::string text(count, '0');
  std::uint64_t x = 0x9E3779B97F4A7C15ULL * (seed + 1);
  for (char& c : text) {
    x = x * 6364136223846793005ULL + 1442695040888963407ULL;
    c = static_cast<char>('0' + (x >> 33) % 10);
  }
  if (text[0] == '0') text[0] = '7';
  if (last) text.back() = last;
  return text;
}

}  // namespace taketa::bench
