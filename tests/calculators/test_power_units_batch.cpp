// soinsuu2, ruijou, Njoukon and yuurisuubeki as taketa-calc runs them: the
// lines printed (the saved file's lines after its title, a lone carriage
// return left out), the exit status and the message of a refused input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace taketa {
namespace {

struct Printed {
  int status = -1;
  std::string out, err;
};

// taketa-calc beside this test program's build folder.
std::filesystem::path Calc() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "cli" /
         "taketa-calc";
}

Printed RunCalc(const std::vector<std::string>& args) {
  std::string command = Calc().string();
  for (const std::string& arg : args) command += " '" + arg + "'";
  const std::string errFile = std::filesystem::temp_directory_path() /
                              ("taketa-units-" + std::to_string(getpid()) + ".err");
  command += " 2>'" + errFile + "'";
  Printed printed;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) printed.out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  printed.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (FILE* err = fopen(errFile.c_str(), "r")) {
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), err)) > 0;) printed.err.append(buffer.data(), n);
    fclose(err);
  }
  std::filesystem::remove(errFile);
  return printed;
}

class PowerUnitsBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(Calc())) GTEST_SKIP() << "no taketa-calc at " << Calc();
  }
};

TEST_F(PowerUnitsBatch, PrintsTheResultLines) {
  struct Row {
    std::vector<std::string> args;
    std::string out;
  } rows[] = {
      {{"soinsuu2", "0012"}, "2×2×3\n"},
      {{"soinsuu2", "7"}, "7 は素数です。\n"},
      {{"ruijou", "12.5", "2"}, "156.25    (桁数＝5)\n浮動小数点形式では　1.5625E2\n"},
      {{"Njoukon", "2", "2.25"}, "1.5\n"},
      {{"Njoukon", "2", "2"},
       "1.414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534327641572\n"},
      {{"Njoukon", "3", "1.0"}, "1\n"},  // shown without a save offer
      {{"yuurisuubeki", "2", "0.5"}, "1.41421356237E0\n"},
  };
  for (const Row& row : rows) {
    const Printed printed = RunCalc(row.args);
    EXPECT_EQ(printed.status, 0) << row.args[0];
    EXPECT_EQ(printed.out, row.out) << row.args[0];
    EXPECT_EQ(printed.err, "") << row.args[0];
  }
  std::string tenToTwenty;
  for (int i = 0; i < 20; ++i) tenToTwenty += "2×";
  for (int i = 0; i < 19; ++i) tenToTwenty += "5×";
  EXPECT_EQ(RunCalc({"soinsuu2", "100000000000000000000"}).out, tenToTwenty + "5\n");
}

TEST_F(PowerUnitsBatch, RefusedInputExitsTwo) {
  struct Row {
    std::vector<std::string> args;
    std::string message;
  } rows[] = {
      {{"Njoukon", "301", "2"}, "半角数字で 2以上 300以下の自然数を入力してください。"},
      {{"Njoukon", "2", "0"}, "半角数字で20桁以内の正の数を入力してください。"},
      {{"soinsuu2", "1"}, "半角数字で 2以上 50桁以内の自然数を入力してください。"},
      {{"ruijou", "2", "10001"}, "半角数字で 10000以下の自然数を入力してください。"},
      {{"yuurisuubeki", "2", "-"}, "指数 B には半角数字で12桁以内で -1600以上 1600以下の数を入力してください。"},
  };
  for (const Row& row : rows) {
    const Printed printed = RunCalc(row.args);
    EXPECT_EQ(printed.status, 2) << row.args[0];
    EXPECT_EQ(printed.out, "");
    EXPECT_EQ(printed.err, row.message + "\n");
  }
}

}  // namespace
}  // namespace taketa
