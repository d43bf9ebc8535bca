#include "documents/codepage.h"

#include "casefile/textcodec.h"

namespace veldrin {

std::optional<QString> decodeCharset(const QByteArray& bytes, const char* charset) {
  const std::optional<Converted> converted =
      convertCharset(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), charset, "UTF-8");
  if (!converted || !converted->text) return std::nullopt;
  return QString::fromStdString(*converted->text);
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
