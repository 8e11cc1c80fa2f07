#include "calculators/common/text.h"

#include <algorithm>

#include "platform/cp932.h"

namespace taketa {

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

bool EndsWithLineBreak(std::string_view text) { return text.ends_with("\r\n"); }

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::size_t Cp932Length(std::string_view utf8) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? utf8.size() : ToCp932(utf8).size();
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (std::string_view part : parts) text.append(part);
  return text;
}

std::string_view StripLeadingZeros(std::string_view text) {
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

}  // namespace taketa
