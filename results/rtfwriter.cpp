#include "results/rtfwriter.h"

#include <QBuffer>
#include <cmath>

namespace veldrin {

namespace {

// Shown sizes are kept in pixels at 96 per inch; RTF measures in twips.
constexpr double twipsPerPixel = 15.0;
constexpr int hexBytesPerLine = 64;

// SimSun's Latin letters are all half the width of its Chinese ones, so the
// report's space-aligned columns stay aligned.
constexpr char header[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052\\uc1\r\n"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 SimSun;}}\r\n"
    "\\viewkind4\\pard\\plain\\f0\\fs20\r\n";

void appendCharacter(QByteArray& rtf, QChar c) {
  const char16_t unit = c.unicode();
  if (unit == u'\\' || unit == u'{' || unit == u'}') {
    rtf += '\\';
    rtf += static_cast<char>(unit);
  } else if (unit == u'\t') {
    rtf += "\\tab ";
  } else if (unit >= 0x20 && unit < 0x80) {
    rtf += static_cast<char>(unit);
  } else if (unit >= 0x80) {
    rtf += "\\u" + QByteArray::number(rtfUnicodeNumber(unit)) + '?';
  }  // other control characters have no place in a report
}

QByteArray pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

int toTwips(double pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel)); }

void appendPicture(QByteArray& rtf, const RichPicture& picture) {
  const QSizeF shown = picture.size.isEmpty() ? QSizeF(picture.image.size()) : picture.size;
  rtf += "{\\pict\\pngblip\\picw" + QByteArray::number(picture.image.width()) + "\\pich" +
         QByteArray::number(picture.image.height()) + "\\picwgoal" + QByteArray::number(toTwips(shown.width())) +
         "\\pichgoal" + QByteArray::number(toTwips(shown.height())) + "\r\n";
  const QByteArray hex = pngBytes(picture.image).toHex();
  for (qsizetype at = 0; at < hex.size(); at += 2 * hexBytesPerLine) rtf += hex.mid(at, 2 * hexBytesPerLine) + "\r\n";
  rtf += '}';
}

}  // namespace

int rtfUnicodeNumber(char16_t unit) { return unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : unit; }

QByteArray writeRtf(const RichContent& content) {
  QByteArray rtf(header);
  qsizetype nextPicture = 0;
  for (const QChar c : content.text) {
    if (c == QLatin1Char('\n')) {
      rtf += "\\par\r\n";
    } else if (c == RichContent::pictureMark) {
      if (nextPicture < content.pictures.size()) appendPicture(rtf, content.pictures[nextPicture++]);
    } else {
      appendCharacter(rtf, c);
    }
  }
  rtf += "}\r\n";
  return rtf;
}

}  // namespace veldrin
