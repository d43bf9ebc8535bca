#pragma once
// Test helper: a text encoded in the Chinese code page, for files and RTF
// escapes as older programs write them.
#include <iconv.h>

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace veldrin::testing {

inline QByteArray gbkBytes(const QString& text) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  QByteArray in = text.toUtf8();
  char* inPtr = in.data();
  std::size_t inLeft = static_cast<std::size_t>(in.size());
  std::vector<char> out(inLeft * 2 + 4);
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not encodable in GBK");
  return QByteArray(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

// The bytes as RTF hex escapes: \'b9\'a4 ...
inline QByteArray rtfHexEscapes(const QByteArray& bytes) {
  QByteArray escaped;
  for (const char byte : bytes) escaped += "\\'" + QByteArray(1, byte).toHex();
  return escaped;
}

}  // namespace veldrin::testing
