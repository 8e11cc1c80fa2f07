// Writing a file so that a failure halfway leaves the old one as it was,
// with POSIX calls on Linux and Win32 calls on Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taketa {

// What a folder must be before a file goes into it.
enum class SaveFolder {
  // The path the user chose (--save, "save as"): a symbolic link there is
  // followed, and its target replaced; a device or a pipe is written in
  // place; one of this program's open descriptors named as /dev/stdout,
  // /dev/stderr, /dev/fd/N or /proc/self/fd/N is written through that
  // descriptor at its current offset, so that what the program writes to
  // it afterwards follows the file's bytes.
  kAsGiven,
  // A folder only this user can use, for Temp.txt. Created (with any
  // missing parent) owner-only when missing; refused when it is a symbolic
  // link, is not a folder, belongs to another user or may be written by
  // others. A symbolic link at the file's name is replaced, never followed.
  // Windows only checks that it is a folder and not a link.
  kPrivate,
};

// Why a file was not written.
enum class WriteFailure {
  kNone,
  kNoFileName,      // the path names a folder ("dir/", ".", "..") or nothing
  kFolderMissing,   // the folder, or one above it, is not there
  kNotAFolder,      // a file stands where a folder should be
  kIsAFolder,       // a folder has the file's name
  kNotAFile,        // neither a file nor a link has the file's name
  kFolderIsLink,    // a private folder is a symbolic link
  kOthersFolder,    // a private folder belongs to another user
  kOthersMayWrite,  // others may write to a private folder
  kNoPermission,    // the system refused access
  kReadOnly,        // a read-only file system, or a write-protected disk
  kNoSpace,         // the disk or the user's quota is full, or the file too large
  kNameTooLong,
  kBadName,   // a name the file system cannot hold
  kInUse,     // another program holds the file open (Windows)
  kNotReady,  // a drive without its disk (Windows)
  kOther,     // another error of the system's, in `code`
};

struct WriteError {
  WriteFailure failure = WriteFailure::kNone;
  std::string path;  // the file or the folder concerned, UTF-8
  int code = 0;      // the system's error number (errno, or GetLastError on Windows); 0: none
};

// Creates or replaces the file `path` (UTF-8) with `bytes`. The bytes go to
// a new file beside it, which then takes the name in one step, with the
// permissions of the file it replaces: a failure halfway leaves the old
// file as it was. A folder at `path` is refused. On failure returns false
// and says why in `error`.
bool WriteFileSafely(const std::string& path, std::string_view bytes, WriteError& error,
                     SaveFolder folder = SaveFolder::kAsGiven);

// The error in English, as taketa-calc reports it: "path: why", a system
// error in the system's own words.
std::string Describe(const WriteError& error);

// How much of a Windows path names no folder that could be created: "C:\",
// "C:", "\", "\\server\share\", "\\?\C:\" or "\\?\UNC\server\share\" (either
// separator); 0 for a relative path. Pure text, the same on every platform.
std::size_t WindowsRootLength(std::string_view path);

}  // namespace taketa
