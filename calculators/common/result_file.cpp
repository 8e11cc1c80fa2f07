#include "calculators/common/result_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#endif

#include "calculators/common/text.h"

namespace taketa {

std::string EncodeResultFile(const ResultFile& file) {
  std::string bytes = ToCp932(file.title) + "\r\n";
  for (const std::string& line : file.lines) {
    bytes += ToCp932(line);
    bytes += "\r\n";
  }
  return bytes;
}

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// The folder and the file name of `path`; a bare name lies in ".".
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t cut = path.find_last_of(kSeparators);
  if (cut == std::string::npos) return {".", path};
  return {cut == 0 ? path.substr(0, 1) : path.substr(0, cut), path.substr(cut + 1)};
}

// A name for the new file beside `name` that nobody is likely to hold:
// ".Temp.txt.<pid>-<count>-<clock>".
std::string ScratchName(const std::string& name, unsigned long pid) {
  static std::atomic<unsigned> count{0};
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  return "." + name + "." + std::to_string(pid) + "-" + std::to_string(count++) + "-" +
         std::to_string(ticks % 1000000007u);
}

constexpr int kScratchAttempts = 100;

#ifdef _WIN32

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                       nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Describe(const std::string& what, DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = "error " + std::to_string(code);
  if (length > 0) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    message.assign(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), message.data(), size, nullptr,
                        nullptr);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
      message.pop_back();
    }
  }
  LocalFree(text);
  return what + ": " + message;
}

bool MakeFolders(const std::string& folder, std::string& error) {
  // From the first separator after a drive's "C:\".
  for (std::size_t end = folder.find_first_of(kSeparators, 3);;
       end = folder.find_first_of(kSeparators, end + 1)) {
    const std::string prefix = folder.substr(0, end);
    if (!CreateDirectoryW(Wide(prefix).c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
      error = Describe(prefix, GetLastError());
      return false;
    }
    if (end == std::string::npos) return true;
  }
}

bool Replace(const std::string& path, const std::string& bytes, SaveFolder rule,
             std::string& error) {
  const auto [folder, name] = SplitPath(path);
  if (name.empty()) {
    error = path + ": no file name";
    return false;
  }
  if (rule == SaveFolder::kPrivate) {
    if (!MakeFolders(folder, error)) return false;
    const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      error = Describe(folder, GetLastError());
      return false;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      error = folder + ": not a folder";
      return false;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      error = folder + ": the folder is a link";
      return false;
    }
  }
  const std::wstring target = Wide(path);
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
      (existing & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    error = path + ": a folder has this name";
    return false;
  }
  std::wstring scratch;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < kScratchAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
    scratch = Wide(folder + "\\" + ScratchName(name, GetCurrentProcessId()));
    file = CreateFileW(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) {
    error = Describe(path, GetLastError());
    return false;
  }
  DWORD code = ERROR_SUCCESS;
  for (std::size_t done = 0; done < bytes.size() && code == ERROR_SUCCESS;) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) code = GetLastError();
    done += written;
  }
  if (code == ERROR_SUCCESS && !FlushFileBuffers(file)) code = GetLastError();
  if (!CloseHandle(file) && code == ERROR_SUCCESS) code = GetLastError();
  if (code == ERROR_SUCCESS &&
      !MoveFileExW(scratch.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    code = GetLastError();
  }
  if (code != ERROR_SUCCESS) {
    DeleteFileW(scratch.c_str());
    error = Describe(path, code);
    return false;
  }
  return true;
}

#else

std::string Describe(const std::string& what, int code) {
  return what + ": " + std::strerror(code);
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Gives the descriptor up without closing it.
  int Release() { return std::exchange(fd_, -1); }
  // Closes now; the error of close(), or 0.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Creates `folder` and each missing parent, owner-only.
bool MakeFolders(const std::string& folder, std::string& error) {
  for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string prefix = folder.substr(0, end);
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
      error = Describe(prefix, errno);
      return false;
    }
    if (end == std::string::npos) return true;
  }
}

// Opens the folder for the *at() calls below. A private folder is opened
// without following a link and checked through the open descriptor, so
// what was checked is what gets written into.
int OpenFolder(const std::string& folder, SaveFolder rule, std::string& error) {
  if (rule == SaveFolder::kAsGiven) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) error = Describe(folder, errno);
    return fd;
  }
  if (!MakeFolders(folder, error)) return -1;
  struct stat st;
  if (::lstat(folder.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    error = folder + ": the folder is a symbolic link";
    return -1;
  }
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) {
    error = Describe(folder, errno);
    return -1;
  }
  if (::fstat(fd.get(), &st) != 0) {
    error = Describe(folder, errno);
    return -1;
  }
  if (st.st_uid != ::geteuid()) {
    error = folder + ": the folder belongs to another user";
    return -1;
  }
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    error = folder + ": other users may write to the folder";
    return -1;
  }
  return fd.Release();
}

bool WriteAll(int fd, const std::string& bytes, int& code) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      code = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A device or a pipe the user named: written as it is, since it cannot be
// replaced.
bool WriteInPlace(const std::string& path, const std::string& bytes, std::string& error) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  int code = file.get() < 0 ? errno : 0;
  if (code == 0 && WriteAll(file.get(), bytes, code)) code = file.Close();
  if (code != 0) {
    error = Describe(path, code);
    return false;
  }
  return true;
}

// Where a path the user chose leads: through a symbolic link to its target
// when the target exists, else the path itself.
std::string Followed(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target = resolved;
  std::free(resolved);
  return target;
}

bool Replace(const std::string& chosen, const std::string& bytes, SaveFolder rule,
             std::string& error) {
  std::string path = chosen;
  if (rule == SaveFolder::kAsGiven) {
    struct stat target;
    if (::stat(chosen.c_str(), &target) == 0 && !S_ISREG(target.st_mode) &&
        !S_ISDIR(target.st_mode)) {
      return WriteInPlace(chosen, bytes, error);
    }
    path = Followed(chosen);
  }
  const auto [folderName, name] = SplitPath(path);
  if (name.empty() || name == "." || name == "..") {
    error = path + ": no file name";
    return false;
  }
  Descriptor folder(OpenFolder(folderName, rule, error));
  if (folder.get() < 0) return false;

  struct stat st;
  mode_t keptMode = 0;  // the permissions of the file replaced; 0: none
  if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISREG(st.st_mode)) keptMode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode)) {
      error = Describe(path, EISDIR);
      return false;
    }
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
      error = path + ": not a regular file";
      return false;
    }
  }

  std::string scratch;
  int fd = -1;
  for (int attempt = 0; attempt < kScratchAttempts && fd < 0; ++attempt) {
    scratch = ScratchName(name, static_cast<unsigned long>(::getpid()));
    // O_EXCL: never an existing file, never through a link. 0666 less the
    // umask, as any new file of this user.
    fd = ::openat(folder.get(), scratch.c_str(),
                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = Describe(path, errno);
    return false;
  }
  Descriptor file(fd);
  int code = 0;
  if (keptMode != 0 && ::fchmod(file.get(), keptMode) != 0) code = errno;
  if (code == 0 && WriteAll(file.get(), bytes, code) && ::fsync(file.get()) != 0) code = errno;
  const int closed = file.Close();
  if (code == 0) code = closed;
  if (code == 0 && ::renameat(folder.get(), scratch.c_str(), folder.get(), name.c_str()) != 0) {
    code = errno;
  }
  if (code != 0) {
    ::unlinkat(folder.get(), scratch.c_str(), 0);
    error = Describe(path, code);
    return false;
  }
  ::fsync(folder.get());  // the new name on disk too; nothing to do when it fails
  return true;
}

#endif

}  // namespace

bool WriteResultFile(const std::string& path, const ResultFile& file, std::string& error,
                     SaveFolder folder) {
  return Replace(path, EncodeResultFile(file), folder, error);
}

}  // namespace taketa
