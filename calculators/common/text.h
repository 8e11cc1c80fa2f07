// Text as the input boxes hold it: UTF-8, line breaks written CR LF.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace taketa {

// Only the ASCII characters '0'..'9' are digits; full-width digits and other
// symbols are not.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when every character of `text` is a digit ("" included).
bool AllDigits(std::string_view text);

// True when the text's last two characters are CR LF.
bool EndsWithLineBreak(std::string_view text);

// Turns every line break (LF, or CR LF) into CR LF.
std::string WithCrLf(std::string_view text);

// The length the input checks use: bytes of the text in code page 932
// (ToCp932 in platform/cp932.h). A full-width character counts 2, a line
// break (CR LF) 2, a character the code page cannot hold 1.
std::size_t Cp932Length(std::string_view utf8);

// The parts one after another.
std::string Concat(std::initializer_list<std::string_view> parts);

// The text without its leading '0' characters.
std::string_view StripLeadingZeros(std::string_view text);

}  // namespace taketa
