#include "documents/reportdocument.h"

#include <QTextDocument>

#include "documents/hangingindent.h"
#include "documents/reportfont.h"

namespace veldrin {

RichContent reportContent(const QString& report, const QImage& figure) {
  RichContent content = plainContent(report);
  if (figure.isNull()) return content;
  content.text.prepend(QString(RichContent::pictureMark) + QLatin1Char('\n'));
  content.pictures.prepend({figure, QSizeF()});
  return content;
}

void placeReport(QTextDocument& document, const RichContent& content, const QPaintDevice* metricsDevice) {
  document.setDefaultFont(reportFont());
  placeContent(document, content);
  applyHangingIndents(document, metricsDevice);
}

}  // namespace veldrin
