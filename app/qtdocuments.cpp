// The build with the desktop libraries: the command files RTF and PDF
// documents, drawn on Qt's off-screen platform, so it needs no display and
// no Qt setting in the environment.
#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <stdexcept>

#include "app/documentmaker.h"
#include "documents/pdfdocument.h"
#include "documents/reportdocument.h"
#include "figures/qt/sectionpicture.h"
#include "documents/rtfwriter.h"

namespace veldrin {

namespace {

// A command run without a desktop session: the off-screen platform's note
// about the missing runtime folder says nothing to the user.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:"))) return;
  std::fprintf(stderr, "veldrin-report: %s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

// Fonts and images need a GUI application: one on the off-screen platform,
// for as long as the document is made.
class OffscreenApplication {
 public:
  OffscreenApplication() : application_(argc_, argv_) {
    std::setlocale(LC_NUMERIC, "C");  // Qt adopts the user's locale; numbers keep the full stop
  }

 private:
  static void quiet() { qInstallMessageHandler(quietMessages); }
  int argc_ = (quiet(), 3);
  char name_[16] = "veldrin-report", option_[10] = "-platform", platform_[10] = "offscreen";
  char* argv_[4] = {name_, option_, platform_, nullptr};
  QGuiApplication application_;
};

std::string makeDocument(const DocumentRequest& request) {
  const OffscreenApplication application;
  // A ratio of 2 gives a figure sharp on paper; its shown size stays 6000 twips.
  const RichContent content = bookContent(request.book, sectionPicture(request.section, kPaperPixelRatio));
  const QString projectName = QString::fromStdString(request.projectName);
  const QByteArray bytes = request.kind == DocumentKind::Pdf ? pdfFile(content, projectName)
                                                             : writeRtf(content, projectName);
  if (bytes.isEmpty()) throw std::runtime_error("Qt could not draw the document");
  return bytes.toStdString();
}

}  // namespace

DocumentMaker documentMaker() { return makeDocument; }

}  // namespace veldrin
