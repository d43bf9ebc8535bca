#include "documents/rtfwriter.h"

#include <QBuffer>
#include <algorithm>
#include <cmath>

#include "basetypes/reporttable.h"
#include "documents/hangingindent.h"

namespace veldrin {

namespace {

// Shown sizes are kept in pixels at 96 per inch; RTF measures in twips.
constexpr double twipsPerPixel = 15.0;
constexpr int hexBytesPerLine = 64;
// A half-width column of the 10-point font (\fs20): 5 points.
constexpr int twipsPerColumn = 100;

// SimSun's Latin letters are all half the width of its Chinese ones, so the
// report's space-aligned columns stay aligned. A4 paper with the PDF's
// margins: 20 mm left and right, 15 mm top, the footer 15 mm above the
// page's foot and the text 10 mm above the footer.
constexpr char header[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052\\uc1\r\n"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset134 SimSun;}}\r\n"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt850\\margb1417\\footery850\r\n"
    "\\viewkind4\\plain\\f0\\fs20\r\n";
constexpr int kTextWidth = 11906 - 2 * 1134;  // twips between the margins
constexpr int kCellGap = 57;                  // twips each side of a cell's text (1 mm between)
constexpr int kLeastCell = 4;                 // half-width columns a shrunk column keeps

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


void appendText(QByteArray& rtf, QStringView text) {
  for (const QChar c : text) appendCharacter(rtf, c);
}

// "name    第{PAGE}页 共{NUMPAGES}页", centred in 9 points, as the PDF's footer.
void appendFooter(QByteArray& rtf, const QString& projectName) {
  rtf += "{\\footer\\pard\\qc\\fs18 ";
  appendText(rtf, projectName + QStringLiteral("    第"));
  rtf += "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}";
  appendText(rtf, QStringLiteral("页 共"));
  rtf += "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}";
  appendText(rtf, QStringLiteral("页"));
  rtf += "\\par}\r\n";
}

int cellWidth(const QString& cell) { return static_cast<int>(displayWidth(cell.toStdString())); }

// Each column's width in half-width columns: its widest cell or its least
// width; when the table is wider than the page, the text columns give way
// (their cells wrap), the number columns keep theirs.
QList<int> columnWidths(const RichTable& table) {
  QList<int> widths(table.columnCount(), 0);
  for (int c = 0; c < widths.size(); ++c) {
    widths[c] = table.minColumnsOf(c);
    for (const QStringList& row : table.rows) widths[c] = std::max(widths[c], c < row.size() ? cellWidth(row[c]) : 0);
  }
  const int room = (kTextWidth - table.indent * twipsPerColumn) / twipsPerColumn - 2 * kCellGap * widths.size() / twipsPerColumn;
  int text = 0, total = 0;
  for (int c = 0; c < widths.size(); ++c) {
    total += widths[c];
    if (!(table.alignmentOf(c) & Qt::AlignRight)) text += widths[c];
  }
  if (total <= room || text == 0) return widths;
  const double keep = std::max(0.0, static_cast<double>(room - (total - text)) / text);
  for (int c = 0; c < widths.size(); ++c) {
    if (!(table.alignmentOf(c) & Qt::AlignRight)) widths[c] = std::max(kLeastCell, static_cast<int>(widths[c] * keep));
  }
  return widths;
}

// One row: its cells' right edges, then each cell's paragraph.
void appendRow(QByteArray& rtf, const RichTable& table, int r, const QList<int>& widths) {
  const bool title = r < table.headerRows;
  rtf += "\\trowd\\trgaph" + QByteArray::number(kCellGap) + "\\trleft" +
         QByteArray::number(table.indent * twipsPerColumn);
  if (title) rtf += "\\trhdr";
  int edge = table.indent * twipsPerColumn;
  for (const int width : widths) {
    edge += width * twipsPerColumn + 2 * kCellGap;
    rtf += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10"
           "\\cellx" + QByteArray::number(edge);
  }
  rtf += "\r\n";
  const QStringList& row = table.rows[r];
  for (int c = 0; c < widths.size(); ++c) {
    rtf += table.alignmentOf(c) & Qt::AlignRight ? "\\pard\\intbl\\qr " : "\\pard\\intbl\\ql ";
    if (title) rtf += "{\\b ";
    if (c < row.size()) appendText(rtf, row[c]);
    rtf += title ? "}\\cell\r\n" : "\\cell\r\n";
  }
  rtf += "\\row\r\n";
}

void appendTable(QByteArray& rtf, const RichTable& table) {
  const QList<int> widths = columnWidths(table);
  if (widths.isEmpty()) return;
  for (int r = 0; r < table.rows.size(); ++r) appendRow(rtf, table, r, widths);
}

// The document's title: centred, 16 points, bold.
void appendTitle(QByteArray& rtf, QStringView title) {
  rtf += "\\pard\\qc {\\b\\fs32 ";
  appendText(rtf, title);
  rtf += "}";
}

class RtfBody {
 public:
  RtfBody(QByteArray& rtf, const RichContent& content) : rtf_(rtf), content_(content) {}

  void writeAll() {
    const QStringList paragraphs = content_.text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
      const bool last = i + 1 == paragraphs.size();
      if (paragraphs[i] == RichContent::tableMark && nextTable_ < content_.tables.size()) {
        appendTable(rtf_, content_.tables[nextTable_++]);
        continue;
      }
      if (i == 0 && content_.titled) appendTitle(rtf_, paragraphs[i]);
      else paragraph(paragraphs[i]);
      if (!last) rtf_ += "\\par\r\n";
    }
  }

 private:
  void paragraph(QStringView text) {
    startParagraph(rtf_, text);
    for (const QChar c : text) {
      if (c == RichContent::pictureMark) {
        if (nextPicture_ < content_.pictures.size()) appendPicture(rtf_, content_.pictures[nextPicture_++]);
      } else if (c != RichContent::tableMark) {
        appendCharacter(rtf_, c);
      }
    }
  }

  QByteArray& rtf_;
  const RichContent& content_;
  qsizetype nextPicture_ = 0, nextTable_ = 0;
};

}  // namespace

int rtfUnicodeNumber(char16_t unit) { return unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : unit; }

QByteArray writeRtf(const RichContent& content, const QString& projectName) {
  QByteArray rtf(header);
  appendFooter(rtf, projectName);
  RtfBody(rtf, content).writeAll();
  rtf += "}\r\n";
  return rtf;
}

}  // namespace veldrin
