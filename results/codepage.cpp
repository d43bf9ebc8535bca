#include "results/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace veldrin {

namespace {

// Owns one iconv descriptor for the length of a conversion.
class Converter {
 public:
  explicit Converter(const char* from) : cd_(iconv_open("UTF-8", from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<QString> decodeCharset(const QByteArray& bytes, const char* charset) {
  Converter converter(charset);
  if (!converter.valid()) return std::nullopt;
  QByteArray input = bytes;
  char* in = input.data();
  std::size_t inLeft = static_cast<std::size_t>(input.size());
  // UTF-8 takes at most four bytes for any character of a double-byte page.
  std::vector<char> output(inLeft * 4 + 4);
  char* out = output.data();
  std::size_t outLeft = output.size();
  if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
  return QString::fromUtf8(output.data(), static_cast<qsizetype>(output.size() - outLeft));
}

const char* charsetOfCodePage(int codePage) {
  switch (codePage) {
    case 936: return "GB18030";
    case 950: return "BIG5";
    case 932: return "SHIFT_JIS";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    default: return nullptr;
  }
}

}  // namespace veldrin
