#include "tests/digits/plain_growing_product.h"

namespace taketa::reference {

void PlainGrowingProduct::MultiplyBy(std::uint64_t m) {
  const std::string text = std::to_string(m);
  const std::size_t L = text.size(), len = length();
  std::vector<std::uint8_t> d(L + 1);
  for (std::size_t r = 1; r <= L; ++r) d[r] = static_cast<std::uint8_t>(text[L - r] - '0');
  std::vector<std::vector<std::uint8_t>> table(L + 1, std::vector<std::uint8_t>(len + L + 1, 0));
  for (std::size_t r = 1; r <= L; ++r) {
    int carry = 0;
    for (std::size_t j = 1; j <= len; ++j) {
      const int e = p_[j] * d[r] + carry;
      table[r][r + j - 1] = static_cast<std::uint8_t>(e % 10);
      carry = e / 10;
    }
    table[r][r + len] = static_cast<std::uint8_t>(carry);
  }
  std::vector<std::uint8_t> sum(len + L + 1, 0);
  int carry = 0;
  for (std::size_t k = 1; k <= len + L; ++k) {
    int s = carry;
    for (std::size_t r = 1; r <= L; ++r) s += table[r][k];
    sum[k] = static_cast<std::uint8_t>(s % 10);
    carry = s / 10;
  }
  const std::size_t newLength = sum[len + L] != 0 ? len + L : len + L - 1;
  sum.resize(newLength + 1);
  p_ = std::move(sum);
}

std::string PlainGrowingProduct::ToDecimal() const {
  std::string text;
  for (std::size_t k = length(); k >= 1; --k) text.push_back(static_cast<char>('0' + p_[k]));
  return text;
}

}  // namespace taketa::reference
