// taketa-bench: times whole taketa-calc runs, each calculator at its largest
// input, and reports the median wall time and the peak memory; where PARI/GP
// is installed, also gp computing and printing the same result, run in turn
// with taketa-calc, and the ratio of the two medians.
//
//   taketa-bench [--runs N] [--calc PATH] [NAME-FILTER]
//
// Build Release first; the figures of other build types mean little.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

using taketa::bench::Digits;

struct Case {
  const char* name;
  std::vector<std::string> args;
  double targetSeconds;
  double targetMegabytes;
};

// Every calculator at its largest input.
const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"pi 60000", {"ensyuuritu", "60000"}, 0.5, 32},
      {"e 60000", {"sizentaisuunotei", "60000"}, 0.15, 32},
      {"kakezan 5000 x 5000 digits", {"kakezan", Digits(5000, 1), Digits(5000, 2)}, 0.03, 32},
      {"kaijou 50000", {"kaijou", "50000"}, 0.3, 32},
      {"junretu 50000 50000", {"junretu", "50000", "50000"}, 0.3, 32},
      {"kumiawase 50000 25000", {"kumiawase", "50000", "25000"}, 0.5, 32},
      {"warizan3 60000 / 30000 digits", {"warizan3", Digits(60000, 3), Digits(30000, 4)}, 0.1, 32},
      {"heihoukon1 10000 digits", {"heihoukon1", Digits(10000, 5)}, 0.05, 32},
      {"heihoukon2 200 digits", {"heihoukon2", Digits(200, 6, '3')}, 0.1, 32},
      {"warizan4 2000 / 2000 digits", {"warizan4", Digits(2000, 7), Digits(2000, 8, '7')}, 0.1, 32},
      {"ruijou 100 digits ^ 10000", {"ruijou", Digits(100, 9), "10000"}, 2.0, 64},
      {"Njoukon 300 of 20 digits", {"Njoukon", "300", Digits(20, 10, '3')}, 3.0, 64},
      {"soinsuu2 999999929 x 999999937", {"soinsuu2", "999999866000004473"}, 3.0, 64},
      {"soinsuu2 100000007 x 10000000000037", {"soinsuu2", "1000000070003700000259"}, 0.5, 64},
      {"yuurisuubeki 1200 ^ 1600", {"yuurisuubeki", "1200", "1600"}, 0.05, 64},
      {"yuurisuubeki 12 digits ^ -1599.98",
       {"yuurisuubeki", "987.654321012", "-1599.98765432"},
       0.05,
       64},
      {"sizentaisuu 20 digits", {"sizentaisuu", Digits(20, 11)}, 0.01, 32},
      {"jouyoutaisuu 20 digits", {"jouyoutaisuu", Digits(20, 12)}, 0.01, 32},
      {"yuurisuubeki2 20 digits ^ 4999.75", {"yuurisuubeki2", Digits(20, 13), "4999.75"}, 0.3, 32},
  };
  return cases;
}

// gp's script for the same calculation on the same inputs, printing the
// same result to as many digits; "" for none.
std::string GpScript(const std::vector<std::string>& args) {
  const std::string& unit = args[0];
  const auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::string(); };
  const auto precision = [](int digits) {
    return "default(realprecision," + std::to_string(digits) + ");";
  };
  if (unit == "ensyuuritu") return precision(std::stoi(arg(1)) + 5) + "print(Pi)";
  if (unit == "sizentaisuunotei") return precision(std::stoi(arg(1)) + 5) + "print(exp(1))";
  if (unit == "kakezan") return "print(" + arg(1) + "*" + arg(2) + ")";
  if (unit == "kaijou") return "print(" + arg(1) + "!)";
  if (unit == "junretu") return "print(" + arg(1) + "!/(" + arg(1) + "-" + arg(2) + ")!)";
  if (unit == "kumiawase") return "print(binomial(" + arg(1) + "," + arg(2) + "))";
  if (unit == "warizan3") return "a=" + arg(1) + ";b=" + arg(2) + ";print(a\\b);print(a%b)";
  if (unit == "heihoukon1") return "print(sqrtint(" + arg(1) + "))";
  if (unit == "heihoukon2") return precision(10010) + "print(sqrt(" + arg(1) + "))";
  if (unit == "warizan4") return precision(20010) + "print(" + arg(1) + "/" + arg(2) + ".)";
  if (unit == "ruijou") return "print(" + arg(1) + "^" + arg(2) + ")";
  if (unit == "Njoukon") return precision(110) + "print(sqrtn(" + arg(2) + "," + arg(1) + "))";
  if (unit == "soinsuu2") return "print(factor(" + arg(1) + "))";
  if (unit == "yuurisuubeki") return precision(19) + "print(" + arg(1) + ".^" + arg(2) + ")";
  if (unit == "sizentaisuu") return precision(60) + "print(log(" + arg(1) + "))";
  if (unit == "jouyoutaisuu") return precision(60) + "print(log(" + arg(1) + ")/log(10))";
  if (unit == "yuurisuubeki2") return precision(60) + "print(" + arg(1) + "^" + arg(2) + ")";
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace taketa::bench;
  const auto options =
      ReadOptions(argc, argv, 7, "taketa-bench [--runs N] [--calc PATH] [NAME-FILTER]");
  if (!options) return 64;
  const auto& [runs, calc, filter] = *options;
  const std::string gp = FindGp();
  std::printf("taketa-calc: %s (%s build), %d runs each\n", calc.c_str(), TAKETA_BUILD_TYPE, runs);
  if (!gp.empty()) std::printf("PARI/GP: %s -q -f, run in turn with taketa-calc\n", gp.c_str());
  std::printf("%-34s %9s %9s %9s %8s %8s  %-4s %8s %7s\n", "case", "median s", "min s", "max s",
              "peak MB", "target", "", gp.empty() ? "" : "gp s", gp.empty() ? "" : "x gp");
  bool allMet = true;
  for (const Case& c : Cases()) {
    if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos) continue;
    std::vector<double> seconds, megabytes, gpSeconds;
    const std::string gpScript = gp.empty() ? std::string() : GpScript(c.args);
    for (int r = 0; r < runs; ++r) {
      const Finished run = Run(calc, c.args);
      // Every unit is built: any failure, a usage error (64) included, is
      // a broken case.
      if (run.status != 0) {
        std::printf("%-34s failed (exit %d)\n", c.name, run.status);
        return 1;
      }
      seconds.push_back(run.seconds);
      megabytes.push_back(run.megabytes);
      if (!gpScript.empty()) {
        const Finished gpRun = RunGp(gp, gpScript);
        if (gpRun.status == 0) gpSeconds.push_back(gpRun.seconds);
      }
    }
    const double median = Median(seconds);
    const double peak = *std::max_element(megabytes.begin(), megabytes.end());
    const bool met = median <= c.targetSeconds && peak <= c.targetMegabytes;
    allMet = allMet && met;
    std::printf("%-34s %9.3f %9.3f %9.3f %8.1f %7.2fs  %-4s", c.name, median,
                *std::min_element(seconds.begin(), seconds.end()),
                *std::max_element(seconds.begin(), seconds.end()), peak, c.targetSeconds,
                met ? "ok" : "OVER");
    if (!gpSeconds.empty()) {
      const double gpMedian = Median(gpSeconds);
      std::printf(" %8.3f %6.1fx", gpMedian, median / gpMedian);
    }
    std::printf("\n");
  }
  return allMet ? 0 : 1;
}
