#pragma once
// A PDF read back by Poppler's command-line tools (Debian poppler-utils).
#include <QProcess>
#include <QString>
#include <QStringList>

namespace veldrin::testing {

inline QString popplerOutput(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, in reading order.
inline QString pdfText(const QString& path) { return popplerOutput("pdftotext", {path, "-"}); }

// pdfinfo's "Page size" line, e.g. "595.276 x 841.89 pts (A4)".
inline QString pdfPageSize(const QString& path) {
  for (const QString& line : popplerOutput("pdfinfo", {path}).split('\n')) {
    if (line.startsWith("Page size:")) return line.mid(10).trimmed();
  }
  return {};
}

// pdffonts' table rows: one per font, "yes" in the emb column when embedded.
inline QStringList pdfFontRows(const QString& path) {
  QStringList rows = popplerOutput("pdffonts", {path}).split('\n', Qt::SkipEmptyParts);
  return rows.mid(2);  // after the heading and its rule
}

}  // namespace veldrin::testing
