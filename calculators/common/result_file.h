// The saved result: a title line, the result lines and any extra lines,
// written in code page 932 with every line ended by CR LF. Writing the
// bytes to a file is platform/file_writing.h's part.
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

}  // namespace taketa
