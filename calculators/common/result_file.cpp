#include "calculators/common/result_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "calculators/common/text.h"

namespace taketa {
namespace {

// `path` is UTF-8; on Windows the narrow fopen would read it in the ANSI
// code page.
std::FILE* OpenForWriting(const std::string& path) {
#ifdef _WIN32
  const std::filesystem::path native(std::u8string(path.begin(), path.end()));
  return _wfopen(native.c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

}  // namespace

std::string EncodeResultFile(const ResultFile& file) {
  std::string bytes = ToCp932(file.title) + "\r\n";
  for (const std::string& line : file.lines) {
    bytes += ToCp932(line);
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteResultFile(const std::string& path, const ResultFile& file, std::string& error) {
  const std::string bytes = EncodeResultFile(file);
  std::FILE* f = OpenForWriting(path);
  if (f == nullptr) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int writeErrno = errno;
  if (std::fclose(f) != 0 || !written) {
    error = path + ": " + std::strerror(written ? errno : writeErrno);
    return false;
  }
  return true;
}

}  // namespace taketa
