#include "documents/reportdocument.h"

#include <QTextDocument>
#include <algorithm>

#include "documents/hangingindent.h"
#include "documents/reportfont.h"
#include "documents/richtable.h"

namespace veldrin {

namespace {

QString tableParagraph() { return QString(RichContent::tableMark); }

// The report's paragraphs with each placed table standing in for its lines;
// a table whose lines are not all there is left as its lines.
QStringList reportParagraphs(const ReportBook& book, QList<RichTable>& tables) {
  QStringList lines = plainContent(QString::fromStdString(book.report)).text.split(QLatin1Char('\n'));
  std::vector<PlacedTable> placed = book.tables;
  std::sort(placed.begin(), placed.end(), [](const auto& x, const auto& y) { return x.firstLine > y.firstLine; });
  QList<RichTable> found;
  for (const PlacedTable& table : placed) {
    const auto first = static_cast<qsizetype>(table.firstLine);
    const auto count = static_cast<qsizetype>(table.table.rows.size());
    if (count == 0 || first + count > lines.size()) continue;
    lines.remove(first, count);
    lines.insert(first, tableParagraph());
    found.prepend(richTable(table));
  }
  tables << found;
  return lines;
}

}  // namespace

RichContent reportContent(const QString& report, const QImage& figure) {
  RichContent content = plainContent(report);
  if (figure.isNull()) return content;
  content.text.prepend(QString(RichContent::pictureMark) + QLatin1Char('\n'));
  content.pictures.prepend({figure, QSizeF()});
  return content;
}

RichContent bookContent(const ReportBook& book, const QImage& figure) {
  RichContent content;
  QStringList paragraphs;
  const TitleBlock& title = book.title;
  if (!title.heading.empty()) {
    content.titled = true;
    paragraphs << QString::fromStdString(title.heading) << tableParagraph() << QString() << tableParagraph()
               << QString::fromStdString(title.runDate) << QString();
    content.tables << richTable({0, 0, title.facts}) << richTable({0, 0, title.signOff});
  }
  if (!figure.isNull()) {
    paragraphs << QString(RichContent::pictureMark);
    content.pictures << RichPicture{figure, QSizeF()};
  }
  paragraphs << reportParagraphs(book, content.tables);
  content.text = paragraphs.join(QLatin1Char('\n'));
  return content;
}

void placeReport(QTextDocument& document, const RichContent& content, const QPaintDevice* metricsDevice) {
  document.setDefaultFont(reportFont());
  placeContent(document, content);
  applyHangingIndents(document, metricsDevice);
  sizeTables(document);
}

}  // namespace veldrin
