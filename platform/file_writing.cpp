#include "platform/file_writing.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#endif

namespace taketa {
namespace {

bool IsWindowsSeparator(char c) { return c == '\\' || c == '/'; }

#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";

std::size_t RootLength(std::string_view path) { return WindowsRootLength(path); }
#else
constexpr std::string_view kSeparators = "/";

std::size_t RootLength(std::string_view path) { return path.starts_with('/') ? 1 : 0; }
#endif

// The folder and the file name of `path`. A bare name lies in "." (or, on
// Windows, in the current folder of the drive it names, "C:").
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t root = RootLength(path);
  const std::size_t cut = path.find_last_of(kSeparators);
  if (cut == std::string::npos || cut < root) {
    return {root == 0 ? std::string(".") : path.substr(0, root), path.substr(root)};
  }
  return {path.substr(0, std::max(cut, root)), path.substr(cut + 1)};
}

// A name for the new file beside `name` that nobody is likely to hold:
// ".Temp.txt.<pid>-<count>-<clock>".
std::string ScratchName(const std::string& name, unsigned long pid) {
  static std::atomic<unsigned> count{0};
  const auto ticks =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return "." + name + "." + std::to_string(pid) + "-" + std::to_string(count++) + "-" +
         std::to_string(ticks % 1000000007u);
}

constexpr int kScratchAttempts = 100;

bool Fail(WriteError& error, WriteFailure failure, const std::string& path, int code = 0) {
  error = {failure, path, code};
  return false;
}

#ifdef _WIN32

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

WriteFailure FailureOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return WriteFailure::kFolderMissing;
    case ERROR_DIRECTORY: return WriteFailure::kNotAFolder;
    case ERROR_ACCESS_DENIED: return WriteFailure::kNoPermission;
    case ERROR_WRITE_PROTECT: return WriteFailure::kReadOnly;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return WriteFailure::kNoSpace;
    case ERROR_FILENAME_EXCED_RANGE: return WriteFailure::kNameTooLong;
    case ERROR_INVALID_NAME: return WriteFailure::kBadName;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return WriteFailure::kInUse;
    case ERROR_NOT_READY: return WriteFailure::kNotReady;
    default: return WriteFailure::kOther;
  }
}

bool SystemFailure(WriteError& error, const std::string& path, DWORD code) {
  return Fail(error, FailureOf(code), path, static_cast<int>(code));
}

std::string SystemText(int code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
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
  return message;
}

// `folder` and the name in it.
std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty() || IsWindowsSeparator(folder.back()) || folder.back() == ':') {
    return folder + name;
  }
  return folder + "\\" + name;
}

// Creates `folder` and each missing folder above it: those after its root,
// so that a share (\\server\share\) or a drive is never created, and a
// relative path is taken from the current folder. A file where a folder
// should be is named as the failure.
bool MakeFolders(const std::string& folder, WriteError& error) {
  const std::size_t root = WindowsRootLength(folder);
  for (std::size_t end = folder.find_first_of(kSeparators, root);;
       end = folder.find_first_of(kSeparators, end + 1)) {
    const std::string prefix = folder.substr(0, end);
    // "a\\b" passes "a\", which names no folder of its own.
    if (prefix.size() > root && !IsWindowsSeparator(prefix.back()) &&
        !CreateDirectoryW(Wide(prefix).c_str(), nullptr)) {
      const DWORD code = GetLastError();
      if (code != ERROR_ALREADY_EXISTS) return SystemFailure(error, prefix, code);
      const DWORD attributes = GetFileAttributesW(Wide(prefix).c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return Fail(error, WriteFailure::kNotAFolder, prefix);
      }
    }
    if (end == std::string::npos) return true;
  }
}

bool Replace(const std::string& path, std::string_view bytes, SaveFolder rule, WriteError& error) {
  const auto [folder, name] = SplitPath(path);
  if (name.empty() || name == "." || name == "..") {
    return Fail(error, WriteFailure::kNoFileName, path);
  }
  if (rule == SaveFolder::kPrivate && !MakeFolders(folder, error)) return false;
  const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return SystemFailure(error, folder, GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return Fail(error, WriteFailure::kNotAFolder, folder);
  }
  if (rule == SaveFolder::kPrivate && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return Fail(error, WriteFailure::kFolderIsLink, folder);
  }
  const std::wstring target = Wide(path);
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
      (existing & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return Fail(error, WriteFailure::kIsAFolder, path);
  }
  std::wstring scratch;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < kScratchAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
    scratch = Wide(Join(folder, ScratchName(name, GetCurrentProcessId())));
    file = CreateFileW(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) return SystemFailure(error, path, GetLastError());
  DWORD code = ERROR_SUCCESS;
  for (std::size_t done = 0; done < bytes.size() && code == ERROR_SUCCESS;) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) code = GetLastError();
    done += written;
  }
  if (code == ERROR_SUCCESS && !FlushFileBuffers(file)) code = GetLastError();
  if (!CloseHandle(file) && code == ERROR_SUCCESS) code = GetLastError();
  if (code == ERROR_SUCCESS && !MoveFileExW(scratch.c_str(), target.c_str(),
                                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    code = GetLastError();
  }
  if (code != ERROR_SUCCESS) {
    DeleteFileW(scratch.c_str());
    return SystemFailure(error, path, code);
  }
  return true;
}

#else

WriteFailure FailureOf(int code) {
  switch (code) {
    case ENOENT: return WriteFailure::kFolderMissing;
    case ENOTDIR: return WriteFailure::kNotAFolder;
    case EISDIR: return WriteFailure::kIsAFolder;
    case EACCES:
    case EPERM: return WriteFailure::kNoPermission;
    case EROFS: return WriteFailure::kReadOnly;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return WriteFailure::kNoSpace;
    case ENAMETOOLONG: return WriteFailure::kNameTooLong;
    case EILSEQ: return WriteFailure::kBadName;
    default: return WriteFailure::kOther;
  }
}

bool SystemFailure(WriteError& error, const std::string& path, int code) {
  return Fail(error, FailureOf(code), path, code);
}

std::string SystemText(int code) { return std::strerror(code); }

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

// Creates `folder` and each missing parent, owner-only. A file where a
// folder should be is named as the failure.
bool MakeFolders(const std::string& folder, WriteError& error) {
  for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string prefix = folder.substr(0, end);
    if (::mkdir(prefix.c_str(), 0700) != 0) {
      if (errno != EEXIST) return SystemFailure(error, prefix, errno);
      struct stat st;
      if (::stat(prefix.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        return Fail(error, WriteFailure::kNotAFolder, prefix);
      }
    }
    if (end == std::string::npos) return true;
  }
}

// Opens the folder for the *at() calls below. A private folder is opened
// without following a link and checked through the open descriptor, so
// what was checked is what gets written into.
int OpenFolder(const std::string& folder, SaveFolder rule, WriteError& error) {
  if (rule == SaveFolder::kAsGiven) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) SystemFailure(error, folder, errno);
    return fd;
  }
  if (!MakeFolders(folder, error)) return -1;
  struct stat st;
  if (::lstat(folder.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    Fail(error, WriteFailure::kFolderIsLink, folder);
    return -1;
  }
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
    SystemFailure(error, folder, errno);
    return -1;
  }
  if (st.st_uid != ::geteuid()) {
    Fail(error, WriteFailure::kOthersFolder, folder);
    return -1;
  }
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    Fail(error, WriteFailure::kOthersMayWrite, folder);
    return -1;
  }
  return fd.Release();
}

bool WriteAll(int fd, std::string_view bytes, int& code) {
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

// The descriptor that `path` names when it is one of this program's own
// open descriptors: /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N.
// -1 otherwise.
int NamedDescriptor(std::string_view path) {
  if (path == "/dev/stdout") return STDOUT_FILENO;
  if (path == "/dev/stderr") return STDERR_FILENO;
  for (std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (!path.starts_with(prefix)) continue;
    const std::string_view number = path.substr(prefix.size());
    if (number.empty() || number.size() > 9 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return -1;
    }
    return std::stoi(std::string(number));
  }
  return -1;
}

// Standard output sent to a file, a pipe or a terminal, named as
// /dev/stdout: the bytes go through the descriptor itself, at its offset.
// Opening the name again would start a file at its beginning, and renaming
// over it would leave the descriptor writing to a file that has no name.
bool WriteThrough(int fd, const std::string& path, std::string_view bytes, WriteError& error) {
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags == -1 || (flags & O_ACCMODE) == O_RDONLY) return SystemFailure(error, path, EBADF);
  int code = 0;
  if (!WriteAll(fd, bytes, code)) return SystemFailure(error, path, code);
  return true;
}

// A device or a pipe the user named: written as it is, since it cannot be
// replaced.
bool WriteInPlace(const std::string& path, std::string_view bytes, WriteError& error) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  int code = file.get() < 0 ? errno : 0;
  if (code == 0 && WriteAll(file.get(), bytes, code)) code = file.Close();
  if (code != 0) return SystemFailure(error, path, code);
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

bool Replace(const std::string& chosen, std::string_view bytes, SaveFolder rule,
             WriteError& error) {
  std::string path = chosen;
  if (rule == SaveFolder::kAsGiven) {
    // A descriptor that is not open is an error, never a name to replace.
    const int named = NamedDescriptor(chosen);
    if (named >= 0) return WriteThrough(named, chosen, bytes, error);
    struct stat target;
    if (::stat(chosen.c_str(), &target) == 0 && !S_ISREG(target.st_mode) &&
        !S_ISDIR(target.st_mode)) {
      return WriteInPlace(chosen, bytes, error);
    }
    path = Followed(chosen);
  }
  const auto [folderName, name] = SplitPath(path);
  if (name.empty() || name == "." || name == "..") {
    return Fail(error, WriteFailure::kNoFileName, path);
  }
  Descriptor folder(OpenFolder(folderName, rule, error));
  if (folder.get() < 0) return false;

  struct stat st;
  mode_t keptMode = 0;  // the permissions of the file replaced; 0: none
  if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISREG(st.st_mode)) keptMode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode)) return Fail(error, WriteFailure::kIsAFolder, path);
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
      return Fail(error, WriteFailure::kNotAFile, path);
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
  if (fd < 0) return SystemFailure(error, path, errno);
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
    return SystemFailure(error, path, code);
  }
  ::fsync(folder.get());  // the new name on disk too; nothing to do when it fails
  return true;
}

#endif

}  // namespace

std::size_t WindowsRootLength(std::string_view path) {
  const auto separator = [&](std::size_t i) {
    return i < path.size() && IsWindowsSeparator(path[i]);
  };
  // The end of the component that starts at `from`, its separator included.
  const auto past = [&](std::size_t from) {
    const std::size_t cut = path.find_first_of("\\/", from);
    return cut == std::string_view::npos ? path.size() : cut + 1;
  };
  const auto drive = [&](std::size_t i) {
    return i + 1 < path.size() && path[i + 1] == ':' &&
           ((path[i] >= 'A' && path[i] <= 'Z') || (path[i] >= 'a' && path[i] <= 'z'));
  };
  if (separator(0) && separator(1)) {
    std::size_t at = 2;
    if (path.size() > 3 && (path[2] == '?' || path[2] == '.') && separator(3)) {
      at = 4;  // \\?\ or \\.\: a drive, UNC\server\share or a volume follows
      if (drive(at)) return separator(at + 2) ? at + 3 : at + 2;
      const std::string_view unc = path.substr(at, 4);
      if (unc.size() == 4 && (unc[0] == 'U' || unc[0] == 'u') && (unc[1] == 'N' || unc[1] == 'n') &&
          (unc[2] == 'C' || unc[2] == 'c') && separator(at + 3)) {
        at += 4;
      } else {
        return past(at);
      }
    }
    return past(past(at));  // \\server\share\ .
  }
  if (separator(0)) return 1;
  if (drive(0)) return separator(2) ? 3 : 2;
  return 0;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, WriteError& error,
                     SaveFolder folder) {
  error = {};
  return Replace(path, bytes, folder, error);
}

std::string Describe(const WriteError& error) {
  const char* why = nullptr;
  switch (error.failure) {
    case WriteFailure::kNone: return {};
    case WriteFailure::kNoFileName: why = "no file name"; break;
    case WriteFailure::kIsAFolder: why = "a folder has this name"; break;
    case WriteFailure::kNotAFile: why = "not a regular file"; break;
    case WriteFailure::kFolderIsLink: why = "the folder is a symbolic link"; break;
    case WriteFailure::kOthersFolder: why = "the folder belongs to another user"; break;
    case WriteFailure::kOthersMayWrite: why = "other users may write to the folder"; break;
    case WriteFailure::kNotAFolder:
      if (error.code == 0) why = "not a folder";
      break;
    default: break;
  }
  return error.path + ": " + (why != nullptr ? std::string(why) : SystemText(error.code));
}

}  // namespace taketa
