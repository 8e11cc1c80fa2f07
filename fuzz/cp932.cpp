// Text to code page 932 and the length the input checks count, on any
// bytes: valid UTF-8, invalid sequences, cut-off characters. The length is
// the encoded size; the encoding is never longer than the UTF-8 text and
// leaves ASCII as it is; line-break handling keeps every other byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculators/common/result_file.h"
#include "calculators/common/text.h"
#include "platform/cp932.h"

namespace {

using namespace taketa;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string encoded = ToCp932(text);
  Require(Cp932Length(text) == encoded.size(), "length differs from the encoding");
  Require(encoded.size() <= text.size(), "encoding longer than the text");
  if (IsAscii(text)) Require(encoded == text, "ASCII changed");

  const std::string crlf = WithCrLf(text);
  std::string withoutCr;
  for (char c : crlf) {
    if (c != '\r') withoutCr += c;
  }
  std::string original;
  for (char c : text) {
    if (c != '\r') original += c;
  }
  Require(withoutCr == original, "line breaks changed more than CR");
  Require(WithCrLf(crlf) == crlf, "CR LF twice");
  Require(EndsWithLineBreak(crlf) == crlf.ends_with("\r\n"), "final line break");

  const std::string file = EncodeResultFile({std::string(text), {std::string(text)}});
  Require(file == encoded + "\r\n" + encoded + "\r\n", "file bytes");
  return 0;
}
