#include "tests/calculators/plain_counting.h"

#include "digits/packed.h"
#include "tests/digits/plain_growing_product.h"

namespace taketa::testing {

std::string PlainProduct(std::uint64_t from, std::uint64_t to) {
  reference::PlainGrowingProduct p;
  for (std::uint64_t i = from; i <= to; ++i) p.MultiplyBy(i);
  return p.ToDecimal();
}

std::vector<int> PlainExactDivision(const std::vector<std::uint8_t>& num, std::size_t lenN,
                                    const std::vector<std::uint8_t>& den, std::size_t lenD) {
  std::vector<std::uint8_t> w(lenD + 2, 0), dv(lenD + 2, 0);
  for (std::size_t k = 1; k <= lenD; ++k) {
    w[k] = num[lenN - lenD + k];
    dv[k] = den[k];
  }
  const std::size_t target = lenN - lenD + 1;
  const auto subtract = [&](std::size_t top) {
    int borrow = 0;
    for (std::size_t k = 1; k <= top; ++k) {
      int x = w[k] - dv[k] - borrow;
      borrow = x < 0;
      w[k] = static_cast<std::uint8_t>(x + 10 * borrow);
    }
  };
  std::vector<int> q;
  for (;;) {
    int d = 0;
    for (;;) {
      if (w[lenD + 1] != 0) {
        subtract(lenD + 1);
        ++d;
        continue;
      }
      std::size_t k = lenD;
      while (k >= 1 && w[k] == dv[k]) --k;
      if (k == 0) {  // equal
        ++d;
        for (std::size_t j = 1; j <= lenD; ++j) w[j] = 0;
        continue;
      }
      if (w[k] > dv[k]) {
        subtract(lenD);
        ++d;
        continue;
      }
      break;  // smaller: the digit is d
    }
    q.push_back(d);
    bool zero = true;
    for (std::size_t j = 1; j <= lenD; ++j) zero = zero && w[j] == 0;
    if (q.size() >= target && zero) return q;
    if (q.size() >= target) return {};  // not exact: no answer
    for (std::size_t k = lenD; k >= 1; --k) w[k + 1] = w[k];
    w[1] = num[lenN - lenD - q.size() + 1];
  }
}

std::string PlainCombinations(long n, long r) {
  if (n - r < r) r = n - r;
  reference::PlainGrowingProduct num, den;
  for (long i = n - r + 1; i <= n; ++i) num.MultiplyBy(static_cast<std::uint64_t>(i));
  for (long i = 1; i <= r; ++i) den.MultiplyBy(static_cast<std::uint64_t>(i));
  std::string text;
  for (int d : PlainExactDivision(num.digits(), num.length(), den.digits(), den.length())) {
    if (d != 0 || !text.empty()) text.push_back(static_cast<char>('0' + d));
  }
  return text;
}

std::uint64_t DecimalResidue(std::string_view digits, std::uint64_t p) {
  UInt128 r = 0;
  for (char c : digits) r = (r * 10 + static_cast<unsigned>(c - '0')) % p;
  return static_cast<std::uint64_t>(r);
}

std::string PlainKakezan(std::string_view a, std::string_view b) {
  struct Operand {
    std::size_t point = 0, decimals = 0;
    std::string digits;
  };
  const auto parse = [](std::string_view text) {
    Operand x;
    const std::size_t p = text.find('.');
    x.point = p == std::string_view::npos ? 0 : p + 1;
    x.decimals = x.point == 0 ? 0 : text.size() - x.point;
    std::string s(text);
    if (x.point != 0) s.erase(x.point - 1, 1);
    x.digits = s.substr(s.find_first_not_of('0'));
    return x;
  };
  const Operand x = parse(a), y = parse(b);
  const std::size_t la = x.digits.size(), lb = y.digits.size();
  std::vector<std::uint8_t> A(la + 1), B(lb + 1);
  for (std::size_t i = 1; i <= la; ++i) A[i] = static_cast<std::uint8_t>(x.digits[la - i] - '0');
  for (std::size_t i = 1; i <= lb; ++i) B[i] = static_cast<std::uint8_t>(y.digits[lb - i] - '0');
  std::vector<std::vector<std::uint8_t>> table(lb + 2, std::vector<std::uint8_t>(la + lb + 2, 0));
  for (std::size_t j = 1; j <= lb; ++j) {
    int carry = 0;
    for (std::size_t i = 1; i <= la; ++i) {
      const int t = A[i] * B[j] + carry;
      table[j][i + j - 1] = static_cast<std::uint8_t>(t % 10);
      carry = t / 10;
    }
    table[j][la + j] = static_cast<std::uint8_t>(carry);
  }
  long carry = 0;
  for (std::size_t k = 1; k <= la + lb; ++k) {
    long s = carry;
    for (std::size_t j = 1; j <= lb; ++j) s += table[j][k];
    table[lb + 1][k] = static_cast<std::uint8_t>(s % 10);
    carry = s / 10;
  }
  const std::size_t n = table[lb + 1][la + lb] != 0 ? la + lb : la + lb - 1;
  std::string product;
  for (std::size_t k = n; k >= 1; --k) product.push_back(static_cast<char>('0' + table[lb + 1][k]));
  if (x.point == 0 && y.point == 0) return product;
  const long m =
      static_cast<long>(n) - static_cast<long>(x.decimals) - static_cast<long>(y.decimals);
  if (m >= 1) {
    std::size_t last = n;  // position of the last digit kept after the point
    while (last > static_cast<std::size_t>(m) && product[last - 1] == '0') --last;
    if (last > static_cast<std::size_t>(m)) {
      return product.substr(0, m) + "." + product.substr(m, last - m);
    }
    return product.substr(0, m);
  }
  std::size_t last = n;
  while (product[last - 1] == '0') --last;
  return "0." + std::string(static_cast<std::size_t>(-m), '0') + product.substr(0, last);
}

}  // namespace taketa::testing
