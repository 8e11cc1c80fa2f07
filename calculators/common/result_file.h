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

// Creates or overwrites `path` (UTF-8) with the file's bytes. On failure returns
// false and describes the failure in `error`.
bool WriteResultFile(const std::string& path, const ResultFile& file, std::string& error);

}  // namespace taketa
