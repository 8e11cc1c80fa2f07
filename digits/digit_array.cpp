#include "digits/digit_array.h"

#include <algorithm>
#include <cassert>

namespace taketa {

DigitArray DigitArray::FromText(std::string_view text, std::uint8_t leading) {
  DigitArray a(text.size() + 1);
  a[0] = leading;
  for (std::size_t i = 0; i < text.size(); ++i) {
    assert(text[i] >= '0' && text[i] <= '9');
    a[i + 1] = static_cast<std::uint8_t>(text[i] - '0');
  }
  return a;
}

std::string DigitArray::ToText(std::size_t first, std::size_t last) const {
  std::string text;
  if (first > last) return text;
  assert(last < size());
  text.resize(last - first + 1);
  std::transform(digits_.begin() + first, digits_.begin() + last + 1, text.begin(),
                 [](std::uint8_t d) { return static_cast<char>('0' + d); });
  return text;
}

bool DigitArray::IsZero(std::size_t first, std::size_t last) const {
  if (first > last) return true;
  assert(last < size());
  return std::all_of(digits_.begin() + first, digits_.begin() + last + 1,
                     [](std::uint8_t d) { return d == 0; });
}

UnitsFirstDigits UnitsFirstDigits::FromText(std::string_view text, std::size_t extra) {
  UnitsFirstDigits a(text.size() + 1 + extra);
  for (std::size_t i = 0; i < text.size(); ++i) {
    assert(text[i] >= '0' && text[i] <= '9');
    a[text.size() - i] = static_cast<std::uint8_t>(text[i] - '0');
  }
  return a;
}

std::string UnitsFirstDigits::ToText(std::size_t length) const {
  assert(length < size());
  std::string text(length, '0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('0' + digits_[length - i]);
  return text;
}

}  // namespace taketa
