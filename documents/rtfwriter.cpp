#include "documents/rtfwriter.h"

#include <QBuffer>
#include <cmath>

#include "documents/hangingindent.h"

namespace veldrin {

namespace {

// Shown sizes are kept in pixels at 96 per inch; RTF measures in twips.
constexpr double twipsPerPixel = 15.0;
constexpr int hexBytesPerLine = 64;
// A half-width column of the 10-point font (\fs20): 5 points.
constexpr int twipsPerColumn = 100;

// SimSun's Latin letters are all half the width of its Chinese ones, so the
// report's space-aligned columns stay aligned. A4 paper, 2 cm margins.
constexpr char header[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052\\uc1\r\n"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 SimSun;}}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n"
    "\\viewkind4\\plain\\f0\\fs20\r\n";

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

// \picw and \pich give the picture's logical size, as \picwgoal and
// \pichgoal do in twips: the PNG keeps its device pixels, so a figure drawn
// at a pixel ratio of 2 prints sharper, never larger.
void appendPicture(QByteArray& rtf, const RichPicture& picture) {
  const QSizeF shown = picture.shownSize();
  const QSize logical = picture.image.deviceIndependentSize().toSize();
  rtf += "{\\pict\\pngblip\\picw" + QByteArray::number(logical.width()) + "\\pich" +
         QByteArray::number(logical.height()) + "\\picwgoal" + QByteArray::number(toTwips(shown.width())) +
         "\\pichgoal" + QByteArray::number(toTwips(shown.height())) + "\r\n";
  const QByteArray hex = pngBytes(picture.image).toHex();
  for (qsizetype at = 0; at < hex.size(); at += 2 * hexBytesPerLine) rtf += hex.mid(at, 2 * hexBytesPerLine) + "\r\n";
  rtf += '}';
}

// A paragraph's start: its hanging indent, the width of its leading blanks.
void startParagraph(QByteArray& rtf, QStringView paragraph) {
  const int indent = leadingColumns(paragraph) * twipsPerColumn;
  rtf += "\\pard";
  if (indent > 0) rtf += "\\li" + QByteArray::number(indent) + "\\fi-" + QByteArray::number(indent);
  rtf += ' ';
}

}  // namespace

int rtfUnicodeNumber(char16_t unit) { return unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : unit; }

QByteArray writeRtf(const RichContent& content) {
  QByteArray rtf(header);
  qsizetype nextPicture = 0;
  startParagraph(rtf, content.text);
  for (qsizetype i = 0; i < content.text.size(); ++i) {
    const QChar c = content.text[i];
    if (c == QLatin1Char('\n')) {
      rtf += "\\par\r\n";
      startParagraph(rtf, QStringView(content.text).mid(i + 1));
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
