#include "calculators/common/result_file.h"

#include "platform/cp932.h"

namespace taketa {

std::string EncodeResultFile(const ResultFile& file) {
  std::string bytes = ToCp932(file.title) + "\r\n";
  for (const std::string& line : file.lines) {
    bytes += ToCp932(line);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace taketa
