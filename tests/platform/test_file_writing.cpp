// Writing a file safely: a link at Temp.txt's name is replaced, never
// followed; a failure halfway leaves the old file; a private folder is
// refused when it is a link, a file, another user's, writable by others, or
// read-only, and made, folder by folder, when missing (also relative to the
// current folder; on Windows never a drive, a share or a server); standard
// output named /dev/stdout is written at its offset. Each failure says what
// failed and where. The tests run as root on CI: root passes every
// permission check, so the cases that need an ordinary user run in a child
// process that has given up root. On Windows only what needs no links and
// no owners runs.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_writing.h"

namespace taketa {
namespace {

namespace fs = std::filesystem;

// A result file's bytes: 円周率10桁 and its digits in code page 932.
const std::string kResultBytes =
    "\x89\x7e\x8e\xfc\x97\xa6"
    "10\x8c\x85\r\n3141592653\r\n";

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A folder for one test, which every user may pass through (so that a child
// without root can reach what lies inside).
class TestFolder {
 public:
  TestFolder() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; path_.empty(); ++attempt) {
      const fs::path candidate =
          fs::temp_directory_path() /
          ("taketa-save-" + std::to_string(ticks) + "-" + std::to_string(attempt));
      if (fs::create_directory(candidate)) path_ = candidate;
    }
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  }
  ~TestFolder() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
      }
    }
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

  // A folder of this user's that nobody else may write to.
  fs::path Private(const std::string& name) const {
    const fs::path folder = path_ / name;
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_all);
    return folder;
  }

 private:
  fs::path path_;
};

// The files in `folder`, by name.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SafeResultFile, OverwritesAndLeavesNothingElse) {
  TestFolder test;
  const fs::path folder = test.Private("Temp");
  Write(folder / "Temp.txt", std::string(100000, 'x'));
  WriteError error;
  ASSERT_TRUE(
      WriteFileSafely((folder / "Temp.txt").string(), "a\r\nb\r\n", error, SaveFolder::kPrivate))
      << Describe(error);
  EXPECT_EQ(Read(folder / "Temp.txt"), "a\r\nb\r\n");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Temp.txt"});
  // A folder or a device under the name is never replaced; a device the
  // user names is written to.
  fs::create_directory(folder / "Dir.txt");
  EXPECT_FALSE(WriteFileSafely((folder / "Dir.txt").string(), kResultBytes, error));
  EXPECT_TRUE(fs::is_directory(folder / "Dir.txt"));
#ifndef _WIN32
  EXPECT_FALSE(WriteFileSafely("/dev/null", kResultBytes, error, SaveFolder::kPrivate));
  EXPECT_EQ(error.path, "/dev/null");
  EXPECT_TRUE(WriteFileSafely("/dev/null", kResultBytes, error)) << Describe(error);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // The replaced file's permissions stay.
  fs::permissions(folder / "Temp.txt", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error))
      << Describe(error);
  EXPECT_EQ(fs::status(folder / "Temp.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
#endif
}

TEST(SafeResultFile, CreatesAMissingPrivateFolderOwnerOnly) {
  TestFolder test;
  const fs::path folder = test.path() / "home" / "Temp";
  WriteError error;
  ASSERT_TRUE(
      WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate))
      << Describe(error);
#ifndef _WIN32
  struct stat st;
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
#endif
  EXPECT_EQ(Read(folder / "Temp.txt"), kResultBytes);
}

TEST(SafeResultFile, RefusesAFileAsFolder) {
  TestFolder test;
  WriteError error;
  Write(test.path() / "File", "file");
  for (SaveFolder rule : {SaveFolder::kPrivate, SaveFolder::kAsGiven}) {
    EXPECT_FALSE(
        WriteFileSafely((test.path() / "File" / "Temp.txt").string(), kResultBytes, error, rule));
    EXPECT_EQ(error.failure, WriteFailure::kNotAFolder) << Describe(error);
  }
  EXPECT_EQ(Read(test.path() / "File"), "file");
}

TEST(SafeResultFile, ReportsAMissingFolder) {
  TestFolder test;
  WriteError error;
  EXPECT_FALSE(
      WriteFileSafely((test.path() / "missing" / "Temp.txt").string(), kResultBytes, error));
  EXPECT_EQ(error.failure, WriteFailure::kFolderMissing) << Describe(error);
  EXPECT_EQ(fs::path(error.path), test.path() / "missing");
  EXPECT_FALSE(
      WriteFileSafely((test.path() / "").string(), kResultBytes, error, SaveFolder::kPrivate));
  EXPECT_EQ(error.failure, WriteFailure::kNoFileName) << Describe(error);
}

// A private folder given relative to the current folder is made there,
// each missing folder in turn.
TEST(SafeResultFile, MakesARelativePrivateFolder) {
  TestFolder test;
  const fs::path before = fs::current_path();
  fs::current_path(test.path());
  WriteError error;
  const bool written = WriteFileSafely((fs::path("a") / "b" / "Temp.txt").string(), kResultBytes,
                                       error, SaveFolder::kPrivate);
  fs::current_path(before);
  ASSERT_TRUE(written) << Describe(error);
  EXPECT_EQ(Read(test.path() / "a" / "b" / "Temp.txt"), kResultBytes);
}

// The part of a Windows path from which folders are made: never a drive,
// a share or a server.
TEST(SafeResultFile, WindowsRoots) {
  const struct {
    const char* path;
    const char* root;
  } rows[] = {
      {R"(C:\Temp\Temp.txt)", R"(C:\)"},
      {"c:/Temp", "c:/"},
      {"C:Temp", "C:"},
      {R"(\Temp)", R"(\)"},
      {R"(Temp\a)", ""},
      {R"(..\Temp)", ""},
      {R"(\\server\share\Temp\a)", R"(\\server\share\)"},
      {"//server/share/Temp", "//server/share/"},
      {R"(\\server\share)", R"(\\server\share)"},
      {R"(\\?\C:\Temp)", R"(\\?\C:\)"},
      {R"(\\?\UNC\server\share\Temp)", R"(\\?\UNC\server\share\)"},
      {R"(\\?\Volume{1234}\Temp)", R"(\\?\Volume{1234}\)"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(std::string(row.path).substr(0, WindowsRootLength(row.path)), row.root) << row.path;
  }
}

#ifndef _WIN32

bool IsLink(const fs::path& path) { return fs::is_symlink(fs::symlink_status(path)); }

const passwd* Nobody() { return ::getpwnam("nobody"); }

// Runs `body` in a child process and returns its exit status (-1 when it
// did not exit normally).
int InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) _exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeResultFile, ReplacesALinkInsteadOfFollowingIt) {
  TestFolder test;
  const fs::path folder = test.Private("Temp");
  const fs::path victim = test.path() / "precious.txt";
  Write(victim, "precious");
  fs::create_symlink(victim, folder / "Temp.txt");
  WriteError error;
  ASSERT_TRUE(
      WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate))
      << Describe(error);
  EXPECT_EQ(Read(victim), "precious");
  EXPECT_FALSE(IsLink(folder / "Temp.txt"));
  EXPECT_EQ(Read(folder / "Temp.txt"), kResultBytes);
  // A link the user chose is followed: its target gets the result.
  fs::remove(folder / "Temp.txt");
  fs::create_symlink(victim, folder / "Temp.txt");
  ASSERT_TRUE(WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error))
      << Describe(error);
  EXPECT_TRUE(IsLink(folder / "Temp.txt"));
  EXPECT_EQ(Read(victim), kResultBytes);
  // A dangling link is replaced: nothing appears where it pointed.
  fs::remove(folder / "Temp.txt");
  fs::create_symlink(test.path() / "new.txt", folder / "Temp.txt");
  ASSERT_TRUE(WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error))
      << Describe(error);
  EXPECT_FALSE(fs::exists(test.path() / "new.txt"));
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Temp.txt"});
}

// Standard output named /dev/stdout (taketa-calc --save /dev/stdout >
// out.txt): the bytes go through the descriptor at its offset, so that what
// is written to it before and after stays, and the file is not replaced.
TEST(SafeResultFile, WritesANamedDescriptorAtItsOffset) {
  TestFolder test;
  const fs::path out = test.path() / "out.txt";
  const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "before\n", 7), 7);
  struct stat old;
  ASSERT_EQ(::fstat(fd, &old), 0);
  WriteError error;
  for (const std::string& name :
       {"/dev/fd/" + std::to_string(fd), "/proc/self/fd/" + std::to_string(fd)}) {
    EXPECT_TRUE(WriteFileSafely(name, kResultBytes, error)) << Describe(error);
  }
  ASSERT_EQ(::write(fd, "after\n", 6), 6);
  struct stat now;
  ASSERT_EQ(::stat(out.c_str(), &now), 0);
  ::close(fd);
  EXPECT_EQ(now.st_ino, old.st_ino);
  EXPECT_EQ(Read(out), "before\n" + kResultBytes + kResultBytes + "after\n");
  EXPECT_EQ(Names(test.path()), std::vector<std::string>{"out.txt"});
  // Closed, the descriptor is an error, not a name to replace.
  EXPECT_FALSE(WriteFileSafely("/dev/fd/" + std::to_string(fd), kResultBytes, error));
  EXPECT_EQ(error.failure, WriteFailure::kOther) << Describe(error);
  EXPECT_EQ(error.code, EBADF);
}

TEST(SafeResultFile, AFailureHalfwayLeavesTheOldFile) {
  TestFolder test;
  const fs::path folder = test.Private("Temp");
  Write(folder / "Temp.txt", "old");
  // A file size limit below the result's size makes the write fail.
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{10, 10};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    WriteError error;
    const bool written =
        WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate);
    return !written && error.failure == WriteFailure::kNoSpace && error.path.ends_with("Temp.txt")
               ? 0
               : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Read(folder / "Temp.txt"), "old");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Temp.txt"});
}

TEST(SafeResultFile, RefusesALinkedFolder) {
  TestFolder test;
  const fs::path real = test.Private("real");
  fs::create_directory_symlink(real, test.path() / "Temp");
  WriteError error;
  EXPECT_FALSE(WriteFileSafely((test.path() / "Temp" / "Temp.txt").string(), kResultBytes, error,
                               SaveFolder::kPrivate));
  EXPECT_EQ(error.failure, WriteFailure::kFolderIsLink) << Describe(error);
  EXPECT_TRUE(fs::is_empty(real));
  // A path the user chose may pass through a link.
  EXPECT_TRUE(WriteFileSafely((test.path() / "Temp" / "Temp.txt").string(), kResultBytes, error));
}

TEST(SafeResultFile, RefusesAFolderOthersMayWrite) {
  TestFolder test;
  const fs::path folder = test.Private("Temp");
  const fs::path victim = test.path() / "precious.txt";
  Write(victim, "precious");
  fs::create_symlink(victim, folder / "Temp.txt");
  for (mode_t mode : {0777, 0770, 01777}) {
    ::chmod(folder.c_str(), mode);
    WriteError error;
    EXPECT_FALSE(
        WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate));
    EXPECT_EQ(error.failure, WriteFailure::kOthersMayWrite) << Describe(error);
  }
  EXPECT_TRUE(IsLink(folder / "Temp.txt"));
  EXPECT_EQ(Read(victim), "precious");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Temp.txt"});
}

TEST(SafeResultFile, RefusesAnotherUsersFolder) {
  TestFolder test;
  fs::path folder;
  if (::geteuid() == 0) {
    // Root can make the folder another user's.
    const passwd* nobody = Nobody();
    if (nobody == nullptr) GTEST_SKIP() << "no user nobody to own the folder";
    folder = test.Private("Temp");
    ASSERT_EQ(::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  } else {
    folder = "/";  // root's
  }
  WriteError error;
  EXPECT_FALSE(
      WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate));
  EXPECT_EQ(error.failure, WriteFailure::kOthersFolder) << Describe(error);
  if (::geteuid() == 0) {
    EXPECT_TRUE(fs::is_empty(folder));
  }
}

TEST(SafeResultFile, ReportsAReadOnlyFolder) {
  TestFolder test;
  const fs::path folder = test.Private("Temp");
  Write(folder / "Temp.txt", "old");
  const auto attempt = [&] {
    WriteError error;
    const bool written =
        WriteFileSafely((folder / "Temp.txt").string(), kResultBytes, error, SaveFolder::kPrivate);
    return !written && error.failure == WriteFailure::kNoPermission ? 0 : 1;
  };
  if (::geteuid() == 0) {
    // Root writes into any folder: the folder becomes nobody's, and a child
    // that has become nobody tries.
    const passwd* nobody = Nobody();
    if (nobody == nullptr) GTEST_SKIP() << "no user nobody to run as";
    ASSERT_EQ(::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ::chmod(folder.c_str(), 0500);
    EXPECT_EQ(InChild([&] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
                    ::setuid(nobody->pw_uid) != 0) {
                  return 2;
                }
                return attempt();
              }),
              0);
  } else {
    ::chmod(folder.c_str(), 0500);
    EXPECT_EQ(attempt(), 0);
  }
  ::chmod(folder.c_str(), 0700);
  EXPECT_EQ(Read(folder / "Temp.txt"), "old");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"Temp.txt"});
}

#endif  // _WIN32

}  // namespace
}  // namespace taketa
