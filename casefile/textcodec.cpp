#include "casefile/textcodec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace veldrin {

namespace {

// Length of the UTF-8 sequence that starts with lead byte c, or 0 for a byte
// that cannot start one.
std::size_t sequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 0;
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The second byte carries the range limits that rule out overlong forms,
// surrogates and code points above U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char second) {
  if (lead == 0xE0) return second >= 0xA0;
  if (lead == 0xED) return second <= 0x9F;
  if (lead == 0xF0) return second >= 0x90;
  if (lead == 0xF4) return second <= 0x8F;
  return true;
}

bool sequenceAt(std::string_view s, std::size_t i, std::size_t n) {
  if (i + n > s.size()) return false;
  for (std::size_t k = 1; k < n; ++k) {
    if (!isContinuation(static_cast<unsigned char>(s[i + k]))) return false;
  }
  return n < 2 || secondByteFits(static_cast<unsigned char>(s[i]), static_cast<unsigned char>(s[i + 1]));
}

// One iconv descriptor per conversion; closed whatever happens.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (valid()) iconv_close(cd_);
  }
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  Converted run(std::string_view in) {
    std::string out;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[256];
    while (srcLeft > 0) {
      char* dst = buf;
      std::size_t dstLeft = sizeof buf;
      const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
        return {std::nullopt, in.size() - srcLeft};  // EILSEQ, or EINVAL at a cut-off end
      }
    }
    return {std::move(out), 0};
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t n = sequenceLength(static_cast<unsigned char>(bytes[i]));
    if (n == 0 || !sequenceAt(bytes, i, n)) return false;
    i += n;
  }
  return true;
}

std::optional<Converted> convertCharset(std::string_view in, const char* from, const char* to) {
  Iconv converter(to, from);
  if (!converter.valid()) return std::nullopt;
  return converter.run(in);
}

namespace {

// The program's own pair: a C library without it cannot run the program.
Converted convertKnown(std::string_view in, const char* from, const char* to) {
  std::optional<Converted> converted = convertCharset(in, from, to);
  if (!converted) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  return std::move(*converted);
}

}  // namespace

Converted utf8ToGb18030(std::string_view utf8) { return convertKnown(utf8, "UTF-8", "GB18030"); }

Converted gb18030ToUtf8(std::string_view gb) { return convertKnown(gb, "GB18030", "UTF-8"); }

Converted fileTextToUtf8(std::string_view bytes) {
  if (!isValidUtf8(bytes)) return gb18030ToUtf8(bytes);
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
  return {std::string(bytes), 0};
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

}  // namespace veldrin
