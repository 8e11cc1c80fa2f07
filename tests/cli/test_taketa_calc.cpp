// taketa-calc as scripts see it: exit status, standard output, standard
// error and the --save file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// taketa-calc is started directly, without a shell, with standard output
// and error going to files. Interrupting it sends Ctrl-C (SIGINT) on Linux
// and Ctrl-Break on Windows, where Ctrl-C cannot be sent to one process.
#ifdef _WIN32

// The longest command line CreateProcess takes, in UTF-16 units.
constexpr std::size_t kLongestCommandLine = 32767;

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(n));
  return wide;
}

// One argument as the C runtime's parser reads it back: quotes around it,
// and backslashes doubled where they come before a quote.
std::wstring Quote(const std::wstring& arg) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L'"';
}

class Child {
 public:
  Child(const std::vector<std::string>& args, const std::filesystem::path& out,
        const std::filesystem::path& err) {
    std::wstring command = Quote(Wide(TAKETA_CALC));
    for (const std::string& arg : args) command += L' ' + Quote(Wide(arg));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto create = [&](const std::filesystem::path& path) {
      return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = create(out);
    startup.hStdError = create(err);
    PROCESS_INFORMATION process{};
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                              CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &process);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (started_) {
      CloseHandle(process.hThread);
      process_ = process.hProcess;
      id_ = process.dwProcessId;
    }
  }
  ~Child() {
    if (started_) CloseHandle(process_);
  }

  // False when there is no console to send it through (a service, Wine).
  bool Interrupt() { return GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, id_) != 0; }
  void Kill() { TerminateProcess(process_, 1); }

  int Wait() {
    if (!started_) return -1;
    DWORD code = 0;
    WaitForSingleObject(process_, INFINITE);
    return GetExitCodeProcess(process_, &code) ? static_cast<int>(code) : -1;
  }

 private:
  bool started_ = false;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

int ProcessId() { return static_cast<int>(GetCurrentProcessId()); }

#else

constexpr std::size_t kLongestCommandLine = std::size_t(-1);

class Child {
 public:
  Child(const std::vector<std::string>& args, const std::filesystem::path& out,
        const std::filesystem::path& err) {
    std::vector<char*> argv = {const_cast<char*>(TAKETA_CALC)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawn(&pid_, TAKETA_CALC, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }

  bool Interrupt() { return ::kill(pid_, SIGINT) == 0; }
  void Kill() { ::kill(pid_, SIGKILL); }

  // The exit status; -1 when the program did not exit by itself.
  int Wait() {
    int raw = 0;
    if (pid_ < 0 || ::waitpid(pid_, &raw, 0) != pid_) return -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

 private:
  pid_t pid_ = -1;
};

int ProcessId() { return static_cast<int>(::getpid()); }

#endif

class TaketaCalc : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("taketa-cli-" + std::to_string(ProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  Result Run(const std::vector<std::string>& args) {
    const int status = Child(args, dir_ / "out", dir_ / "err").Wait();
    return {status, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
  }

  std::filesystem::path dir_;
};

TEST_F(TaketaCalc, PrintsTheResultLines) {
  Result r = Run({"ensyuuritu", "50"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "31415926535897932384626433832795028841971693993751\n");
  EXPECT_EQ(r.err, "");
  r = Run({"sizentaisuunotei", "2"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "27\n");
}

TEST_F(TaketaCalc, RefusedInputGoesToStandardError) {
  struct Row {
    std::vector<std::string> args;
    std::string message;
  } rows[] = {
      {{"ensyuuritu", "12a"}, "半角数字で 2以上 60000以下の自然数を入力してください。"},
      {{"ensyuuritu", "123456"}, "入力文字数を5以下にしてください。"},
      {{"ensyuuritu", "１２"}, "半角数字で 2以上 60000以下の自然数を入力してください。"},
      {{"ensyuuritu"}, "半角数字で 2以上 60000以下の自然数を入力してください。"},  // empty box
      {{"ensyuuritu", "-5"}, "半角数字で 2以上 60000以下の自然数を入力してください。"},
      {{"sizentaisuunotei", "50\n"}, "半角数字で 2以上 60000以下の自然数を入力してください。"},
  };
  for (const Row& row : rows) {
    const Result r = Run(row.args);
    EXPECT_EQ(r.status, 2) << row.args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, row.message + "\n");
  }
}

TEST_F(TaketaCalc, SaveWritesTheResultFile) {
  const std::string file = (dir_ / "Temp.txt").string();
  const Result r = Run({"--save", file, "ensyuuritu", "0010"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "3141592653\n");
  // 円周率 0010 桁 in code page 932, CR LF after each line.
  EXPECT_EQ(Slurp(file),
            "\x89\x7e\x8e\xfc\x97\xa6"
            "0010\x8c\x85\r\n3141592653\r\n");
  // Refused input writes nothing.
  std::filesystem::remove(file);
  EXPECT_EQ(Run({"ensyuuritu", "1", "--save", file}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(file));
  // A file that cannot be written.
  const Result bad = Run({"ensyuuritu", "10", "--save", (dir_ / "no" / "such" / "dir").string()});
  EXPECT_EQ(bad.status, 74);
  EXPECT_EQ(bad.out, "");
}

#ifndef _WIN32
// --save /dev/stdout with standard output in a file: the saved bytes, then
// the result lines, in that file (the file is not replaced by a new one).
TEST_F(TaketaCalc, SaveToStandardOutputKeepsEveryLine) {
  const Result r = Run({"ensyuuritu", "50", "--save", "/dev/stdout"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string digits = "31415926535897932384626433832795028841971693993751";
  const std::string title =
      "\x89\x7e\x8e\xfc\x97\xa6"
      "50\x8c\x85";  // 円周率50桁
  EXPECT_EQ(r.out, title + "\r\n" + digits + "\r\n" + digits + "\n");
  EXPECT_EQ(r.err, "");
}
#endif

TEST_F(TaketaCalc, ProgressGoesToStandardError) {
  const Result r = Run({"ensyuuritu", "2000", "--progress"});
  EXPECT_EQ(r.status, 0);
  ASSERT_GE(r.err.size(), 5u);
  EXPECT_EQ(r.err.substr(r.err.size() - 5), "1435\n");
  EXPECT_EQ(r.out.size(), 2001u);
}

TEST_F(TaketaCalc, UsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"nosuchunit", "1"},
                                             {"--", "--help"},
                                             {"ensyuuritu", "10", "--save"},
                                             {"ensyuuritu", "10", "20"}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 64);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Usage: taketa-calc"), std::string::npos);
  }
  const Result help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("sizentaisuunotei"), std::string::npos);
  const Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "taketa-calc (Taketa) " TAKETA_VERSION "\n");
}

// Every argument but the four options is an input, also one that begins
// with "--"; a lone "--" ends the options.
TEST_F(TaketaCalc, ArgumentsThatLookLikeOptionsAreInputs) {
  Result r = Run({"yuurisuubeki", "2", "--1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "指数 B には半角数字で -1600以上 1600以下の数を入力してください。\n");
  r = Run({"ensyuuritu", "--fast"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "半角数字で 2以上 60000以下の自然数を入力してください。\n");
  r = Run({"--", "ensyuuritu", "--save"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  r = Run({"ensyuuritu", "--", "10"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "3141592653\n");
}

TEST_F(TaketaCalc, DivisionAndRoots) {
  Result r = Run({"warizan3", "000123", "0012"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "整商＝10\n余り＝3\n");
  EXPECT_EQ(Run({"warizan4", "12.34", "0.2"}).out, "61.7\n");
  EXPECT_EQ(Run({"heihoukon1", "00025"}).out, "5\n");
  r = Run({"heihoukon2", "0.1"});
  EXPECT_EQ(r.out.substr(0, 20), "0.316227766016837933");
  EXPECT_EQ(r.out.size(), 10002u);  // 10000 digits, the point, the line end
  r = Run({"warizan1", "22", "7"});
  EXPECT_EQ(r.out.substr(0, 8), "3.142857");
  EXPECT_EQ(r.out.size(), 2u + 19998 + 1);
  // A Windows command line holds at most 32767 characters: there the
  // longest inputs cannot be given at all.
  if (kLongestCommandLine > 60001 + 100) {
    r = Run({"warizan3", "5", std::string(60001, '1')});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "半角数字で60000桁以内の正の整数を入力してください。\n");
    r = Run({"warizan3", std::string(60001, '1'), "5"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "入力文字数を60000以下にしてください。\n");
  }
  // Fewer dividend digits: shown at once and printed, never offered for saving.
  const std::string file = (dir_ / "Temp.txt").string();
  r = Run({"warizan3", "5", "10", "--save", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "整商＝0\n余り＝5\n");
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(TaketaCalc, ProductsAndCounting) {
  Result r = Run({"kaijou", "25"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "15511210043330985984000000    (桁数＝26)\n");
  EXPECT_EQ(Run({"kumiawase", "52", "5"}).out, "2598960    (桁数＝7)\n");
  EXPECT_EQ(Run({"kakezan", "0.10", "0.10"}).out, "0.01\n");
  r = Run({"kakezan", "0", "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "半角数字で5000桁以内の正の数を入力してください。\n");
  r = Run({"kakezan", std::string(5001, '1'), "1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "入力文字数を5000以下にしてください。\n");
  // The product's file has a line holding one carriage return; the title
  // 1.5×1.5の計算結果（積） in code page 932.
  r = Run({"kakezan", "1.5", "1.5", "--save", (dir_ / "s.txt").string()});
  EXPECT_EQ(r.out, "2.25\n");
  EXPECT_EQ(Slurp(dir_ / "s.txt"),
            "1.5\x81~1.5\x82\xcc\x8cv\x8eZ\x8c\x8b\x89\xca\x81i\x90\xcf\x81j\r\n\r\r\n2.25\r\n");
  // n = r is answered at once: printed, never offered for saving.
  r = Run({"kumiawase", "7", "7", "--save", (dir_ / "t.txt").string()});
  EXPECT_EQ(r.out, "1    (桁数＝1)\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "t.txt"));
}

TEST_F(TaketaCalc, LogarithmsAndDecimalPower) {
  EXPECT_EQ(Run({"sizentaisuu", "2"}).out,
            "0.69314718055994530941723212145817656807550013436025\n");
  EXPECT_EQ(Run({"sizentaisuu", "0.1"}).out,
            "－2.30258509299404568401799145468436420760110148862877\n");
  EXPECT_EQ(Run({"jouyoutaisuu", "99999999999999999999"}).out,
            "19.99999999999999999999565705518096748172346699608673\n");
  EXPECT_EQ(Run({"yuurisuubeki2", "2", "1.5"}).out,
            "2.8284271247461900976033774484193961571393437507538E0\n");
  const Result r = Run({"yuurisuubeki2", "2", "5000.1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "指数 B には半角数字で -5000以上 5000以下の数を入力してください。\n");
}

// The interrupt is sent once the first step counter shows that the run has
// begun, so that it cannot come before the program's handler.
TEST_F(TaketaCalc, InterruptEndsWithoutResult) {
  Child child({"ensyuuritu", "60000", "--progress"}, dir_ / "out", dir_ / "err");
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Slurp(dir_ / "err").empty() && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (!child.Interrupt()) {
    child.Kill();
    child.Wait();
    GTEST_SKIP() << "no console to send the interrupt through";
  }
  EXPECT_EQ(child.Wait(), 130);
  EXPECT_EQ(Slurp(dir_ / "out"), "");
}

}  // namespace
