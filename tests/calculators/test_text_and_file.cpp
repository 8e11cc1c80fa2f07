#include <gtest/gtest.h>

#include <cstdio>

#include "calculators/common/checks.h"
#include "calculators/common/result_file.h"
#include "calculators/common/text.h"
#include "platform/cp932.h"

namespace taketa {
namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[3];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02x", c);
    out += buf;
  }
  return out;
}

TEST(Text, Cp932Lengths) {
  EXPECT_EQ(Cp932Length(""), 0u);
  EXPECT_EQ(Cp932Length("12345"), 5u);
  EXPECT_EQ(Cp932Length("１"), 2u);      // full-width digit
  EXPECT_EQ(Cp932Length("12\r\n"), 4u);  // a line break counts 2
  EXPECT_EQ(Cp932Length("ｱｲ"), 2u);      // half-width katakana, one byte each
  EXPECT_EQ(Cp932Length("円周率"), 6u);
  EXPECT_EQ(Cp932Length("1😀2"), 3u);  // a character CP932 cannot hold counts 1
  EXPECT_EQ(Cp932Length("\xff"
                        "1"),
            2u);  // so does a byte that is not UTF-8
}

TEST(Text, Cp932Encoding) {
  EXPECT_EQ(Hex(ToCp932("円周率10桁")), "897e8efc97a631308c85");
  EXPECT_EQ(Hex(ToCp932("－×÷～")), "817c817e81808160");
  EXPECT_EQ(ToCp932("a😀b"), "a?b");
}

TEST(Text, DigitsAndLineBreaks) {
  EXPECT_TRUE(AllDigits("0123456789"));
  EXPECT_TRUE(AllDigits(""));
  EXPECT_FALSE(AllDigits("１"));
  EXPECT_FALSE(AllDigits("1.5"));
  EXPECT_TRUE(EndsWithLineBreak("12\r\n"));
  EXPECT_FALSE(EndsWithLineBreak("12\n"));
  EXPECT_FALSE(EndsWithLineBreak("\r"));
  EXPECT_EQ(WithCrLf("1\n2\r\n3\n"), "1\r\n2\r\n3\r\n");
  EXPECT_EQ(WithCrLf("\n"), "\r\n");
  EXPECT_EQ(StripLeadingZeros("000120"), "120");
  EXPECT_EQ(StripLeadingZeros("000"), "");
}

TEST(Checks, NaturalNumberOrder) {
  long value = -1;
  // The emptiness and digit checks come before the length check, the
  // length check before the range check.
  EXPECT_EQ(CheckNaturalNumber("１２３４５６", 5, 1, 9, "range", "length", 1, value)->message,
            "range");
  EXPECT_EQ(CheckNaturalNumber("999999", 5, 1, 9, "range", "length", 1, value)->message, "length");
  EXPECT_EQ(CheckNaturalNumber("99999", 5, 1, 9, "range", "length", 1, value)->box, 1);
  EXPECT_FALSE(CheckNaturalNumber("00009", 5, 1, 9, "range", "length", 1, value));
  EXPECT_EQ(value, 9);
  EXPECT_EQ(CheckNaturalNumber("000000000000000000001", 30, 1, 9, "range", "length", 0, value),
            std::nullopt);
  EXPECT_EQ(
      CheckNaturalNumber("100000000000000000000", 30, 1, 9, "range", "length", 0, value)->message,
      "range");
}

TEST(ResultFile, Bytes) {
  EXPECT_EQ(EncodeResultFile({"円周率10桁", {"3141592653"}}),
            "\x89\x7e\x8e\xfc\x97\xa6"
            "10\x8c\x85\r\n3141592653\r\n");
  // A line holding one carriage return becomes CR CR LF.
  EXPECT_EQ(EncodeResultFile({"A", {std::string(ResultFile::kLoneCr), "B"}}), "A\r\n\r\r\nB\r\n");
}

}  // namespace
}  // namespace taketa
