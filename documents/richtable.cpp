#include "documents/richtable.h"

#include <QFontMetricsF>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>

namespace veldrin {

namespace {

// What a table keeps of its own in the document: its indent and its
// columns' least widths, in half-width columns.
constexpr int kIndentProperty = QTextFormat::UserProperty + 1;
constexpr int kMinColumnsProperty = QTextFormat::UserProperty + 2;
constexpr qreal kCellPadding = 3;

QTextTableFormat ruledFormat(const RichTable& table) {
  QTextTableFormat format;
  format.setBorder(1);  // with collapsed borders, the least that draws the inner grid
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderBrush(Qt::black);
  format.setBorderCollapse(true);
  format.setCellSpacing(0);
  format.setCellPadding(kCellPadding);
  format.setHeaderRowCount(table.headerRows);
  format.setAlignment(Qt::AlignLeft);
  format.setProperty(kIndentProperty, table.indent);
  QVariantList least;
  for (int c = 0; c < table.columnCount(); ++c) least << table.minColumnsOf(c);
  format.setProperty(kMinColumnsProperty, least);
  return format;
}

void fillCell(const QTextTableCell& cell, const QString& text, Qt::Alignment alignment, bool title) {
  QTextCursor cursor = cell.firstCursorPosition();
  QTextBlockFormat block = cursor.blockFormat();
  block.setAlignment(alignment);
  cursor.setBlockFormat(block);
  QTextCharFormat characters;
  if (title) characters.setFontWeight(QFont::Bold);
  cursor.insertText(text, characters);
}

// A cell's paragraphs on one line.
QString cellText(const QTextTableCell& cell) {
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char(' ')).remove(RichContent::pictureMark);
}

Qt::Alignment alignmentOf(const QTextTableCell& cell) {
  const Qt::Alignment a = cell.firstCursorPosition().blockFormat().alignment();
  return a & Qt::AlignRight ? Qt::AlignRight : Qt::AlignLeft;
}

CellAlign cellAlign(Qt::Alignment alignment) { return alignment & Qt::AlignRight ? CellAlign::Right : CellAlign::Left; }

}  // namespace

int RichTable::columnCount() const {
  int n = 0;
  for (const QStringList& row : rows) n = std::max(n, static_cast<int>(row.size()));
  return n;
}

Qt::Alignment RichTable::alignmentOf(int column) const {
  return column < alignments.size() ? alignments[column] : Qt::AlignLeft;
}

int RichTable::minColumnsOf(int column) const { return column < minColumns.size() ? minColumns[column] : 0; }

RichTable richTable(const PlacedTable& placed) {
  const ReportTable& from = placed.table;
  RichTable table;
  for (const auto& row : from.rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    table.rows << cells;
  }
  table.headerRows = static_cast<int>(from.headerRows);
  for (std::size_t c = 0; c < from.columns(); ++c) {
    table.alignments << (from.alignOf(c) == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
    table.minColumns << static_cast<int>(from.minColumnsOf(c));
  }
  table.indent = placed.indent;
  return table;
}

void insertTable(QTextCursor& cursor, const RichTable& table) {
  const int rows = static_cast<int>(table.rows.size()), columns = table.columnCount();
  if (rows == 0 || columns == 0) return;
  QTextTable* inserted = cursor.insertTable(rows, columns, ruledFormat(table));
  for (int r = 0; r < rows; ++r) {
    const QStringList& row = table.rows[r];
    for (int c = 0; c < columns; ++c) {
      fillCell(inserted->cellAt(r, c), c < row.size() ? row[c] : QString(), table.alignmentOf(c), r < table.headerRows);
    }
  }
}

RichTable tableOf(const QTextTable& table) {
  RichTable read;
  const QTextTableFormat format = table.format();
  read.headerRows = format.headerRowCount();
  read.indent = format.intProperty(kIndentProperty);
  for (const QVariant& least : format.property(kMinColumnsProperty).toList()) read.minColumns << least.toInt();
  for (int r = 0; r < table.rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < table.columns(); ++c) cells << cellText(table.cellAt(r, c));
    read.rows << cells;
  }
  for (int c = 0; c < table.columns(); ++c) read.alignments << alignmentOf(table.cellAt(table.rows() - 1, c));
  return read;
}

namespace {

// The widest cell of a column, its titles in bold.
qreal widestCell(const RichTable& cells, int column, const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  qreal widest = 0;
  for (int r = 0; r < cells.rows.size(); ++r) {
    const QFontMetricsF metrics(r < cells.headerRows ? bold : font);
    widest = std::max(widest, metrics.horizontalAdvance(cells.rows[r].value(column)));
  }
  return widest;
}

// A column with room to write in keeps its width; a column of numbers keeps
// the width of its widest cell, so that a table wider than the page wraps
// its words, not its numbers; the others share what is left.
QTextLength columnWidth(const RichTable& cells, int column, const QFont& font, qreal unit) {
  const int least = cells.minColumnsOf(column);
  if (least > 0) return QTextLength(QTextLength::FixedLength, least * unit + 2 * kCellPadding);
  if (cells.alignmentOf(column) & Qt::AlignRight) {
    return QTextLength(QTextLength::FixedLength, widestCell(cells, column, font) + unit + 2 * kCellPadding);
  }
  return QTextLength(QTextLength::VariableLength, 0);
}

}  // namespace

// A table's lengths are given at the screen's resolution whatever the device
// (the layout scales them to a printer's dots), unlike a paragraph's indents.
void sizeTables(QTextDocument& document) {
  const QFont font = document.defaultFont();
  const qreal unit = QFontMetricsF(font).horizontalAdvance(' ');
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    const RichTable cells = tableOf(*table);
    QTextTableFormat format = table->format();
    format.setLeftMargin(cells.indent * unit);
    QList<QTextLength> widths;
    for (int c = 0; c < table->columns(); ++c) widths << columnWidth(cells, c, font, unit);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
  }
}

QStringList tableLines(const RichTable& table) {
  ReportTable cells;
  cells.headerRows = static_cast<std::size_t>(std::max(table.headerRows, 0));
  for (const QStringList& row : table.rows) {
    std::vector<std::string> line;
    for (const QString& cell : row) line.push_back(cell.toStdString());
    cells.rows.push_back(line);
  }
  for (int c = 0; c < table.columnCount(); ++c) {
    cells.align.push_back(cellAlign(table.alignmentOf(c)));
    cells.minColumns.push_back(static_cast<std::size_t>(std::max(table.minColumnsOf(c), 0)));
  }
  const QString indent(std::max(table.indent, 0), QLatin1Char(' '));
  QStringList lines;
  for (const std::string& line : alignedLines(cells)) lines << indent + QString::fromStdString(line);
  return lines;
}

}  // namespace veldrin
