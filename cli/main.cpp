// taketa-calc: runs one calculator without a window.
//
//   taketa-calc UNIT [INPUT ...] [--save FILE] [--progress]
//   taketa-calc --help | --version
//
// Only --save, --progress, --help and --version are options; every other
// argument is an input, also one that begins with "-" or "--". A lone "--"
// makes every argument after it an input.
//
// Exit status: 0 done (result lines on standard output), 2 input refused
// (the message on standard error), 64 usage error, 70 the result's digits
// could not be settled (the message on standard error), 74 the --save file
// could not be written, 130 interrupted.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/common/result_file.h"
#include "calculators/common/text.h"
#include "calculators/common/unit.h"
#include "cli/console.h"
#include "platform/file_writing.h"

namespace {

using taketa::FindUnit;
using taketa::Unit;
using taketa::UnitOutcome;

constexpr int kExitRefused = 2;
constexpr int kExitUsage = 64;
constexpr int kExitFailed = 70;
constexpr int kExitCannotSave = 74;
constexpr int kExitInterrupted = 130;

// Set from a signal handler (Linux) or the console's control thread
// (Windows).
std::atomic<bool> interrupted{false};
std::atomic<bool> exitAtOnce{false};  // the unit never polls for a stop
static_assert(std::atomic<bool>::is_always_lock_free);

void Interrupt() {
  interrupted = true;
  if (exitAtOnce) taketa::cli::ExitNow(kExitInterrupted);
}

void PrintUsage(std::FILE* out) {
  std::fputs(
      "Usage: taketa-calc UNIT [INPUT ...] [--save FILE] [--progress]\n"
      "\n"
      "Runs one Taketa calculator without a window. The INPUTs are the texts of\n"
      "the window's input boxes in the window's order (a missing one is an empty\n"
      "box); the same checks run as when the start button is pressed.\n"
      "\n"
      "  --save FILE  also write the result file (code page 932, CR LF) to FILE\n"
      "  --progress   show the step counter on standard error\n"
      "  --help       show this text\n"
      "  --version    show the version\n"
      "  --           every argument after this one is an input\n"
      "\n"
      "Exit status: 0 done, 2 input refused (message on standard error),\n"
      "64 usage error, 70 result not settled (message on standard error),\n"
      "74 FILE not written, 130 interrupted.\n"
      "\n"
      "Units (inputs):\n",
      out);
  for (const Unit& unit : taketa::AllUnits()) {
    const std::string note(unit.note ? unit.note() : "");
    std::fprintf(out, "  %-17s %d%s\n", std::string(unit.name).c_str(), unit.inputCount,
                 note.empty() ? "" : ("  (" + note + ")").c_str());
  }
}

// Shows the step counters on standard error: rewritten in place on a
// terminal, otherwise one line per update; at most ten updates a second,
// plus the last values when the run ends.
class CommandLineRun final : public taketa::RunControl {
 public:
  explicit CommandLineRun(bool showProgress)
      : show_(showProgress), terminal_(taketa::cli::IsTerminal(stderr)) {}
  ~CommandLineRun() override { Flush(); }

  void ShowProgress(std::string_view text, int box) override {
    if (!show_) return;
    if (boxes_.size() <= static_cast<std::size_t>(box)) boxes_.resize(box + 1);
    boxes_[box] = text;
    pending_ = true;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastShown_ >= std::chrono::milliseconds(100)) Write(now);
  }

  bool StopRequested() override { return interrupted; }

  void Flush() {
    if (pending_) Write(std::chrono::steady_clock::now());
    if (written_ && terminal_) std::fputc('\n', stderr);
    written_ = false;
  }

 private:
  void Write(std::chrono::steady_clock::time_point now) {
    std::string line;
    for (const std::string& text : boxes_) line += (line.empty() ? "" : " ") + text;
    std::fprintf(stderr, terminal_ ? "\r%s\033[K" : "%s\n", line.c_str());
    std::fflush(stderr);
    lastShown_ = now;
    pending_ = false;
    written_ = true;
  }

  bool show_;
  bool terminal_;
  bool pending_ = false;
  bool written_ = false;
  std::vector<std::string> boxes_;
  std::chrono::steady_clock::time_point lastShown_{};
};

struct CommandLine {
  std::vector<std::string> positional;  // UNIT, then the INPUTs
  std::string saveFile;
  bool save = false;
  bool progress = false;
  bool help = false;
  bool version = false;
  std::string error;  // set when the line is not understood
};

CommandLine Parse(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded) {
      line.positional.emplace_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--save") {
      if (i + 1 >= args.size()) {
        line.error = "--save needs a file name";
        return line;
      }
      line.save = true;
      line.saveFile = args[++i];
    } else if (arg == "--progress") {
      line.progress = true;
    } else if (arg == "--help") {
      line.help = true;
    } else if (arg == "--version") {
      line.version = true;
    } else {
      line.positional.emplace_back(arg);
    }
  }
  if (!line.help && !line.version && line.positional.empty()) line.error = "no unit given";
  return line;
}

int UsageError(const std::string& why) {
  std::fprintf(stderr, "taketa-calc: %s\n\n", why.c_str());
  PrintUsage(stderr);
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  taketa::cli::PrepareStandardStreams();
  const CommandLine line = Parse(taketa::cli::Arguments(argc, argv));
  if (line.help) {
    PrintUsage(stdout);
    return 0;
  }
  if (line.version) {
    std::puts("taketa-calc (Taketa) " TAKETA_VERSION);
    return 0;
  }
  if (!line.error.empty()) return UsageError(line.error);

  const std::string& unitName = line.positional.front();
  const Unit* unit = FindUnit(unitName);
  if (unit == nullptr) return UsageError("unknown unit " + unitName);
  std::vector<std::string> inputs(unit->inputCount);
  if (line.positional.size() - 1 > inputs.size()) {
    return UsageError(unitName + " takes " + std::to_string(unit->inputCount) + " input(s)");
  }
  for (std::size_t i = 1; i < line.positional.size(); ++i) {
    inputs[i - 1] = taketa::WithCrLf(line.positional[i]);
  }

  exitAtOnce = !unit->stoppable;
  taketa::cli::OnInterrupt(Interrupt);

  CommandLineRun run(line.progress);
  const UnitOutcome outcome = unit->run(inputs, run);
  run.Flush();
  if (interrupted || outcome.status == UnitOutcome::Status::kStopped) return kExitInterrupted;
  if (outcome.status == UnitOutcome::Status::kRefused ||
      outcome.status == UnitOutcome::Status::kFailed) {
    std::fprintf(stderr, "%s\n", outcome.error.message.c_str());
    return outcome.status == UnitOutcome::Status::kRefused ? kExitRefused : kExitFailed;
  }
  if (line.save && outcome.offersSave) {
    // Written before the result lines: with --save /dev/stdout they follow
    // the file's bytes.
    taketa::WriteError error;
    if (!taketa::WriteFileSafely(line.saveFile, taketa::EncodeResultFile(outcome.file), error)) {
      std::fprintf(stderr, "taketa-calc: %s\n", taketa::Describe(error).c_str());
      return kExitCannotSave;
    }
  }
  for (const std::string& text : outcome.file.lines) {
    if (text == taketa::ResultFile::kLoneCr) continue;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : kExitCannotSave;
}
