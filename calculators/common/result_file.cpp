#include "calculators/common/result_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

bool WriteResultFile(const std::string& path, const ResultFile& file, std::string& error) {
  const std::string bytes = EncodeResultFile(file);
  std::FILE* f = std::fopen(path.c_str(), "wb");
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
