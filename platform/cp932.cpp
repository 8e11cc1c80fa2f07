#include "platform/cp932.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>

#ifdef _WIN32
#include "platform/win32.h"
#else
#include <iconv.h>
#endif

namespace taketa {
namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
// A character that is not UTF-8 or that code page 932 cannot hold becomes
// one '?' for this many bytes (fewer at the end of the text).
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

#ifdef _WIN32

// The character of a whole UTF-8 sequence (as long as its lead byte says),
// or nothing when the sequence is cut short, overlong, a surrogate or above
// U+10FFFF.
std::optional<char32_t> DecodeUtf8(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  const std::size_t length = Utf8SequenceLength(byte(0));
  if (sequence.size() != length) return std::nullopt;
  if (length == 1) return byte(0) < 0x80 ? std::optional<char32_t>(byte(0)) : std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
  }
  char32_t c = byte(0) & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = c << 6 | (byte(i) & 0x3F);
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
  return c;
}

// What goes to WideCharToMultiByte for `c`: code page 932 read exactly as
// the iconv build reads it. That one also takes these characters, as the
// code page's characters of the same look; the code page's own table has
// U+0080 and U+F8F0..U+F8F3, which it refuses; and nothing outside the BMP.
char16_t ForCodePage(char32_t c) {
  switch (c) {
    case 0x00A2: return 0xFFE0;  // cent sign
    case 0x00A3: return 0xFFE1;  // pound sign
    case 0x00A5: return 0x005C;  // yen sign, the code page's 0x5C
    case 0x00AC: return 0xFFE2;  // not sign
    case 0x2014: return 0x2015;  // em dash
    case 0x2016: return 0x2225;  // double vertical line
    case 0x203E: return 0x007E;  // overline, the code page's 0x7E
    case 0x2212: return 0xFF0D;  // minus sign
    case 0x301C: return 0xFF5E;  // wave dash
    case 0x0080: return u'?';
    default:
      if (c >= 0xF8F0 && c <= 0xF8F3) return u'?';
      return c < 0x10000 ? static_cast<char16_t>(c) : u'?';
  }
}

std::string EncodeCp932(std::string_view utf8) {
  std::u16string wide;
  wide.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length =
        std::min(utf8.size() - i, Utf8SequenceLength(static_cast<unsigned char>(utf8[i])));
    const std::optional<char32_t> c = DecodeUtf8(utf8.substr(i, length));
    wide += c ? ForCodePage(*c) : u'?';
    i += length;
  }
  // Every character that code page 932 cannot hold becomes the default '?';
  // none is replaced by a look-alike.
  std::string out(2 * wide.size(), '\0');
  const int written = WideCharToMultiByte(
      932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(wide.data()),
      static_cast<int>(wide.size()), out.data(), static_cast<int>(out.size()), "?", nullptr);
  if (written <= 0) throw std::runtime_error("WideCharToMultiByte: no code page 932");
  out.resize(static_cast<std::size_t>(written));
  return out;
}

#else

class Cp932Encoder {
 public:
  Cp932Encoder() : cd_(iconv_open("CP932", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no CP932");
  }
  ~Cp932Encoder() { iconv_close(cd_); }
  Cp932Encoder(const Cp932Encoder&) = delete;
  Cp932Encoder& operator=(const Cp932Encoder&) = delete;

  std::string Encode(std::string_view utf8) {
    std::string out(utf8.size() + 8, '\0');  // CP932 never needs more bytes than UTF-8
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
      if (iconv(cd_, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
      if (errno != EILSEQ && errno != EINVAL) throw std::runtime_error("iconv failed");
      const std::size_t skip =
          std::min(inLeft, Utf8SequenceLength(static_cast<unsigned char>(*in)));
      in += skip;
      inLeft -= skip;
      *dst++ = '?';
      --outLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string EncodeCp932(std::string_view utf8) {
  thread_local Cp932Encoder encoder;
  return encoder.Encode(utf8);
}

#endif

}  // namespace

std::string ToCp932(std::string_view utf8) {
  return IsAscii(utf8) ? std::string(utf8) : EncodeCp932(utf8);
}

}  // namespace taketa
