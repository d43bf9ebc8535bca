#pragma once
// Byte texts in the code pages of older files (GBK for Chinese, the Windows
// Western page), decoded through the C library's converter.
#include <QByteArray>
#include <QString>
#include <optional>

namespace veldrin {

// The bytes decoded from the named charset ("GB18030", "CP1252"); nullopt
// when the charset is unknown or the bytes are not valid in it.
std::optional<QString> decodeCharset(const QByteArray& bytes, const char* charset);

// The charset of a Windows code page number (936 -> "GB18030"); nullptr for
// pages this program does not know.
const char* charsetOfCodePage(int codePage);

}  // namespace veldrin
