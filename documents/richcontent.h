#pragma once
// A report document as files hold it: its text, paragraph by paragraph, and
// the pictures that stand in that text. The rich-text file, the plain-text
// file and the editable box all pass through this one form.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QTextCursor;
class QTextDocument;

namespace veldrin {

struct RichPicture {
  QImage image;
  QSizeF size;  // shown size in pixels at 96 per inch; empty = the image's own logical size

  // The shown size: the given one, or the image's device pixels divided by
  // its pixel ratio (a figure drawn for a ratio-2 screen is not twice as big).
  QSizeF shownSize() const { return size.isEmpty() ? image.deviceIndependentSize() : size; }
};

// A table: its rows of cells, the first headerRows of them column titles.
struct RichTable {
  QList<QStringList> rows;
  int headerRows = 0;
  QList<Qt::Alignment> alignments;  // per column, Qt::AlignLeft or Qt::AlignRight; missing = left
  QList<int> minColumns;            // per column, the least width in half-width columns (room to write in)
  int indent = 0;                   // half-width columns between the margin and the table

  int columnCount() const;
  Qt::Alignment alignmentOf(int column) const;
  int minColumnsOf(int column) const;
};

struct RichContent {
  // '\n' ends a paragraph; each U+FFFC stands for the next picture in order,
  // each U+E000 (a paragraph of its own) for the next table.
  QString text;
  QList<RichPicture> pictures;
  QList<RichTable> tables{};  // a brace list of a document without tables may leave it out
  bool titled = false;  // the first paragraph is the document's title: centred, large, bold

  static constexpr QChar pictureMark = QChar(0xFFFC);
  static constexpr QChar tableMark = QChar(0xE000);
};

// The document's paragraphs and inline pictures (pictures that cannot be
// loaded are left out).
RichContent contentOf(const QTextDocument& document);

// Inserts the picture at the cursor (a null image inserts nothing).
void insertPicture(QTextCursor& cursor, const RichPicture& picture);

// Gives the pictures that `to` shows (a fragment copied from `from`) the
// images that `from` holds for them.
void copyPictureImages(const QTextDocument& from, QTextDocument& to);

// Replaces the whole document by the content.
void placeContent(QTextDocument& document, const RichContent& content);

// The text for a ".txt" file: UTF-8, CR LF line ends; pictures dropped, and a
// paragraph that held nothing but pictures is dropped with them; a table's
// rows lined up with blanks.
QByteArray plainTextFile(const RichContent& content);

// A plain text (any line ends) as content without pictures.
RichContent plainContent(const QString& text);

// The text of a text file: UTF-8 (with or without a byte-order mark), UTF-16
// with a byte-order mark, otherwise the Chinese code page (GBK / GB18030).
QString decodeTextFile(const QByteArray& bytes);

}  // namespace veldrin
