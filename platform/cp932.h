// Code page 932 (Shift-JIS as Windows has it), the encoding of the saved
// result file and of the lengths the input checks count: iconv's CP932 on
// Linux, WideCharToMultiByte on Windows, giving the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace taketa {

// `utf8` in code page 932. A character that code page cannot hold becomes
// '?', and so does a sequence that is not UTF-8, once for as many bytes as
// its first byte announces (fewer at the end of the text).
std::string ToCp932(std::string_view utf8);

}  // namespace taketa
