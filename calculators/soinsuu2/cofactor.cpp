#include "calculators/soinsuu2/cofactor.h"

#include <algorithm>
#include <cassert>

#include "digits/natural.h"

namespace taketa::soinsuu2 {
namespace {

Natural ToNatural(const std::string& digits) { return Natural::FromDecimal(digits); }

UInt128 ToUInt128(const Natural& n) {
  UInt128 value = 0;
  for (char ch : n.ToDecimal()) value = value * 10 + static_cast<unsigned>(ch - '0');
  return value;
}

}  // namespace

std::string ToDecimal(UInt128 value) {
  if (value == 0) return "0";
  std::string text;
  while (value != 0) {
    text += static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  }
  std::reverse(text.begin(), text.end());
  return text;
}

Cofactor Cofactor::FromDecimal(std::string_view digits) {
  Cofactor c;
  for (char ch : digits) {
    // this = this * 10 + digit, word by word.
    UInt128 carry = static_cast<unsigned>(ch - '0');
    for (std::uint64_t& word : c.words_) {
      const UInt128 v = UInt128{word} * 10 + carry;
      word = static_cast<std::uint64_t>(v);
      carry = v >> 64;
    }
    assert(carry == 0);
  }
  c.Normalise();
  return c;
}

std::string Cofactor::ToDecimal() const {
  // Chunks of nineteen digits, lowest first.
  constexpr std::uint64_t kChunk = 10000000000000000000ULL;  // 10^19
  std::uint64_t chunks[4];
  int count = 0;
  Cofactor rest = *this;
  do {
    std::uint64_t rem = 0;
    for (int i = rest.top_; i >= 0; --i)
      rest.words_[i] = DivideWord(rem, rest.words_[i], kChunk, rem);
    rest.Normalise();
    chunks[count++] = rem;
  } while (rest.top_ > 0 || rest.words_[0] != 0);
  std::string text = std::to_string(chunks[count - 1]);
  for (int c = count - 1; c-- > 0;) {
    const std::string chunk = std::to_string(chunks[c]);
    text += std::string(19 - chunk.size(), '0') + chunk;
  }
  return text;
}

void Cofactor::Normalise() {
  top_ = kWords - 1;
  while (top_ > 0 && words_[top_] == 0) --top_;
}

UInt128 Cofactor::RemainderBeyond64Bits(UInt128 d) const {
  // A divisor beyond 2^64 is never reached in practice (it takes 2^63 trial
  // divisions); it is still exact.
  Natural q, r;
  DivMod(ToNatural(ToDecimal()), ToNatural(soinsuu2::ToDecimal(d)), q, r);
  return ToUInt128(r);
}

void Cofactor::DivideExactly(UInt128 d) {
  if (d >> 64 == 0) {
    std::uint64_t rem = 0;
    for (int i = top_; i >= 0; --i)
      words_[i] = DivideWord(rem, words_[i], static_cast<std::uint64_t>(d), rem);
    assert(rem == 0);
    Normalise();
    return;
  }
  Natural q, r;
  DivMod(ToNatural(ToDecimal()), ToNatural(soinsuu2::ToDecimal(d)), q, r);
  assert(r.IsZero());
  *this = FromDecimal(q.ToDecimal());
}

UInt128 Cofactor::Sqrt() const { return ToUInt128(taketa::Sqrt(ToNatural(ToDecimal()))); }

}  // namespace taketa::soinsuu2
