// Code page 932 as the saved files and the length checks see it, the same
// bytes from the iconv encoder (Linux) and the WideCharToMultiByte one
// (Windows): these tests run against both.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calculators/common/text.h"
#include "platform/cp932.h"

namespace taketa {
namespace {

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | c >> 6);
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | c >> 12);
    s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | c >> 18);
    s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

TEST(Cp932, CharactersAndTheirBytes) {
  struct Row {
    char32_t c;
    const char* bytes;
  } rows[] = {
      {U'ｱ', "\xb1"},  // half-width katakana
      {U'円', "\x89\x7e"},
      {U'①', "\x87\x40"},   // NEC row 13
      {U'ⅰ', "\xfa\x40"},   // IBM extension
      {U'纊', "\xfa\x5c"},  // IBM extension, not its NEC copy
      {U'＼', "\x81\x5f"},
      // Characters taken as the code page's characters of the same look.
      {0x00A2, "\x81\x91"},
      {0x00A3, "\x81\x92"},
      {0x00A5, "\x5c"},
      {0x00AC, "\x81\xca"},
      {0x2014, "\x81\x5c"},
      {0x2016, "\x81\x61"},
      {0x203E, "\x7e"},
      {0x2212, "\x81\x7c"},
      {0x301C, "\x81\x60"},
      // Not in the code page: one '?' each.
      {0x0080, "?"},
      {0x00A0, "?"},
      {0xF8F0, "?"},
      {0xF8F3, "?"},
      {0xFFFD, "?"},
      {0x1F600, "?"},
      {0x10FFFF, "?"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ToCp932(Utf8(row.c)), row.bytes) << "U+" << std::hex << std::uint32_t(row.c);
    EXPECT_EQ(Cp932Length(Utf8(row.c)), std::string(row.bytes).size());
  }
}

// What is not UTF-8 becomes one '?' for as many bytes as its first byte
// announces.
TEST(Cp932, BytesThatAreNotUtf8) {
  struct Row {
    const char* name;
    std::string text;
    std::string bytes;
  } rows[] = {
      {"stray continuation byte",
       "1\x80"
       "2",
       "1?2"},
      {"byte that starts nothing",
       "1\xff"
       "2",
       "1?2"},
      {"overlong 'A'",
       "\xc1\x81"
       "2",
       "?2"},
      {"overlong three bytes",
       "\xe0\x80\x81"
       "2",
       "?2"},
      {"surrogate",
       "\xed\xa0\x80"
       "2",
       "?2"},
      {"above U+10FFFF",
       "\xf4\x90\x80\x80"
       "2",
       "?2"},
      {"cut short inside the text",
       "\xe5\x86"
       "23",
       "?3"},
      {"cut short at the end", "1\xe5\x86", "1?"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ToCp932(row.text), row.bytes) << row.name;
  }
}

// Every character of the BMP (and a few above it) one after another: the
// encoders must agree on every one. The figures are those of glibc's CP932.
TEST(Cp932, EveryCharacter) {
  std::string text;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c < 0xD800 || c >= 0xE000) text += Utf8(c);
  }
  for (char32_t c : {0x10000, 0x1F600, 0x10FFFF}) text += Utf8(c);
  const std::string bytes = ToCp932(text);
  std::uint64_t hash = 0xcbf29ce484222325;  // FNV-1a
  for (unsigned char b : bytes) hash = (hash ^ b) * 0x100000001b3;
  EXPECT_EQ(bytes.size(), 72576u);
  EXPECT_EQ(hash, 0x7058e705791e26baU);
  EXPECT_EQ(Cp932Length(text), 72576u);
}

}  // namespace
}  // namespace taketa
