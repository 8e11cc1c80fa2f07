// The message for an input box whose text ends with a line break.
#pragma once

#include <string_view>

namespace taketa {

inline constexpr std::string_view kLineBreakMessage =
    "BackSpaceキーを押して、改行コードを取り除いてください。";

}  // namespace taketa
