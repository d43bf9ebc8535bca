#pragma once
// The report as an A4 PDF: the document's pages with the project name and
// the page number in each page's footer, fonts embedded.
#include <QByteArray>
#include <QString>

#include "documents/richcontent.h"

namespace veldrin {

// The whole PDF file; empty when Qt could not produce it.
QByteArray pdfFile(const RichContent& content, const QString& projectName);

}  // namespace veldrin
