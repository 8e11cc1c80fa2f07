// Digit-wise addition and subtraction, eight digits per 64-bit operation.
//
// Eight digits are loaded most significant first and byte-swapped, so that
// the least significant digit sits in the low byte and the machine's own
// carry runs towards the more significant digits. Adding 0xF6 (256 - 10) to
// every byte makes a byte overflow exactly when its decimal sum reaches 10;
// afterwards a byte with bit 7 set did not carry and gets its 0xF6 back.
// Subtraction borrows the same way: a byte that borrowed holds its digit
// plus 246 and loses the 246 again.
#include "digits/digit_array.h"

#include <cassert>
#include <cstring>

namespace taketa {
namespace {

constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
constexpr std::uint64_t kBias = 0xF6F6F6F6F6F6F6F6ULL;

inline std::uint64_t LoadMsbFirst(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return __builtin_bswap64(v);
}

inline void StoreMsbFirst(std::uint8_t* p, std::uint64_t v) {
  v = __builtin_bswap64(v);
  std::memcpy(p, &v, 8);
}

}  // namespace

void AddDigits(const DigitArray& a, const DigitArray& b, DigitArray& r, int n) {
  if (n < 0) return;
  assert(a.size() > static_cast<std::size_t>(n) && b.size() > static_cast<std::size_t>(n) &&
         r.size() > static_cast<std::size_t>(n));
  const std::uint8_t* pa = a.data();
  const std::uint8_t* pb = b.data();
  std::uint8_t* pr = r.data();
  std::uint64_t carry = 0;
  int i = n;  // lowest-order position not yet done
  for (; i >= 7; i -= 8) {
    const int p = i - 7;
    const std::uint64_t t = LoadMsbFirst(pa + p) + LoadMsbFirst(pb + p) + kBias + carry;
    const std::uint64_t noCarry = (t >> 7) & kLowBits;
    carry = (noCarry >> 56) ^ 1;
    StoreMsbFirst(pr + p, t - noCarry * 0xF6);
  }
  for (; i >= 0; --i) {
    const unsigned s = pa[i] + pb[i] + static_cast<unsigned>(carry);
    pr[i] = static_cast<std::uint8_t>(s % 10);
    carry = s / 10;
  }
}

void SubtractDigits(const DigitArray& a, const DigitArray& b, DigitArray& r, int n) {
  if (n < 0) return;
  assert(a.size() > static_cast<std::size_t>(n) && b.size() > static_cast<std::size_t>(n) &&
         r.size() > static_cast<std::size_t>(n));
  const std::uint8_t* pa = a.data();
  const std::uint8_t* pb = b.data();
  std::uint8_t* pr = r.data();
  std::uint64_t borrow = 0;
  int i = n;
  for (; i >= 8; i -= 8) {  // blocks never reach position 0
    const int p = i - 7;
    const std::uint64_t t = LoadMsbFirst(pa + p) - LoadMsbFirst(pb + p) - borrow;
    const std::uint64_t borrowed = (t >> 7) & kLowBits;
    borrow = borrowed >> 56;
    StoreMsbFirst(pr + p, t - borrowed * 0xF6);
  }
  for (; i >= 1; --i) {
    const int t = pa[i] + 10 - pb[i] - static_cast<int>(borrow);
    pr[i] = static_cast<std::uint8_t>(t % 10);
    borrow = t < 10;
  }
  pr[0] = 0;
}

}  // namespace taketa
