#include "documents/hangingindent.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace veldrin {

namespace {

constexpr QChar kIdeographicBlank(0x3000);

bool isLeadingBlank(QChar c) { return c == QLatin1Char(' ') || c == kIdeographicBlank; }

QStringView leadingBlanks(QStringView text) {
  qsizetype n = 0;
  while (n < text.size() && isLeadingBlank(text[n])) ++n;
  return text.left(n);
}

QFontMetricsF metricsOf(const QTextDocument& document, const QPaintDevice* device) {
  return device ? QFontMetricsF(document.defaultFont(), device) : QFontMetricsF(document.defaultFont());
}

// First line at the margin (its blanks give its indent), the others under
// the first line's text.
void setHangingIndent(QTextCursor& cursor, qreal width) {
  QTextBlockFormat format = cursor.blockFormat();
  if (format.leftMargin() == width && format.textIndent() == -width) return;
  format.setLeftMargin(width);
  format.setTextIndent(-width);
  cursor.setBlockFormat(format);
}

}  // namespace

int leadingColumns(QStringView paragraph) {
  int columns = 0;
  for (const QChar c : leadingBlanks(paragraph)) columns += c == kIdeographicBlank ? 2 : 1;
  return columns;
}

void applyHangingIndents(QTextDocument& document, const QPaintDevice* metricsDevice) {
  const QFontMetricsF metrics = metricsOf(document, metricsDevice);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextCursor cursor(block);
    const QString text = block.text();
    setHangingIndent(cursor, metrics.horizontalAdvance(leadingBlanks(text).toString()));
  }
}

}  // namespace veldrin
