#include "documents/pdfdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "documents/reportdocument.h"
#include "documents/reportfont.h"

namespace veldrin {

namespace {

constexpr int kResolution = 600;           // dots per inch of the page
constexpr double kFooterMillimetres = 10;  // band under the text for the footer

const QMarginsF kMargins(20, 15, 20, 15);  // mm: left, top, right, bottom

double dotsOf(double millimetres) { return millimetres / 25.4 * kResolution; }

QString footerText(const QString& projectName, int page, int pages) {
  return QStringLiteral("%1    第%2页 共%3页").arg(projectName).arg(page).arg(pages);
}

class PageWriter {
 public:
  PageWriter(QPdfWriter& writer, QTextDocument& document, const QString& projectName)
      : writer_(writer), document_(document), projectName_(projectName) {
    body_ = QRectF(0, 0, writer.width(), writer.height() - dotsOf(kFooterMillimetres));
    document_.documentLayout()->setPaintDevice(&writer);
    document_.setPageSize(body_.size());
  }

  bool writeAll() {
    QPainter painter;
    if (!painter.begin(&writer_)) return false;
    const int pages = document_.pageCount();
    for (int page = 1; page <= pages; ++page) {
      if (page > 1 && !writer_.newPage()) return false;
      drawBody(painter, page);
      drawFooter(painter, page, pages);
    }
    return painter.end();
  }

 private:
  void drawBody(QPainter& painter, int page) {
    painter.save();
    const QRectF onPage = body_.translated(0, body_.height() * (page - 1));
    painter.translate(0, -onPage.top());
    painter.setClipRect(onPage);
    document_.drawContents(&painter, onPage);
    painter.restore();
  }

  void drawFooter(QPainter& painter, int page, int pages) {
    QFont font = reportFont();
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF band(0, body_.bottom(), body_.width(), writer_.height() - body_.bottom());
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignBottom, footerText(projectName_, page, pages));
  }

  QPdfWriter& writer_;
  QTextDocument& document_;
  QString projectName_;
  QRectF body_;
};

}  // namespace

QByteArray pdfFile(const RichContent& content, const QString& projectName) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins, QPageLayout::Millimeter));
    writer.setTitle(projectName);
    writer.setCreator("Veldrin");
    QTextDocument document;
    placeReport(document, content, &writer);
    document.setDocumentMargin(6);  // a page break never cuts through a line
    if (!PageWriter(writer, document, projectName).writeAll()) return {};
  }
  return bytes;
}

}  // namespace veldrin
