// The saved result: a title line, the result lines and any extra lines,
// written in code page 932 with every line ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taketa {

struct ResultFile {
  std::string title;               // UTF-8
  std::vector<std::string> lines;  // UTF-8; kLoneCr is a line holding one carriage return

  static constexpr std::string_view kLoneCr = "\r";
  friend bool operator==(const ResultFile&, const ResultFile&) = default;
};

// The file's bytes.
std::string EncodeResultFile(const ResultFile& file);

// What a folder must be before a result file goes into it.
enum class SaveFolder {
  // The path the user chose (--save, "save as"): a symbolic link there is
  // followed, and its target replaced; a device or a pipe is written in
  // place (--save /dev/stdout).
  kAsGiven,
  // A folder only this user can use, for Temp.txt. Created (with any
  // missing parent) owner-only when missing; refused when it is a symbolic
  // link, is not a folder, belongs to another user or may be written by
  // others. A symbolic link at the file's name is replaced, never followed.
  // Windows only checks that it is a folder and not a link.
  kPrivate,
};

// Creates or replaces the file `path` (UTF-8) with the file's bytes. The
// bytes go to a new file beside it, which then takes the name in one step,
// with the permissions of the file it replaces: a failure halfway leaves
// the old file as it was. A folder at `path` is refused. On failure returns
// false and describes it in `error` (UTF-8).
bool WriteResultFile(const std::string& path, const ResultFile& file, std::string& error,
                     SaveFolder folder = SaveFolder::kAsGiven);

}  // namespace taketa
