#pragma once
// The report as one document: the section figure at its head, then the
// report text. The result window shows it, and the RTF and PDF files of the
// window and of the headless command are written from it.
#include <QImage>
#include <QString>

#include "documents/richcontent.h"

class QTextDocument;

namespace veldrin {

// The figure in a paragraph of its own above the report's first line (no
// paragraph for a null figure); the report's line ends become paragraphs.
RichContent reportContent(const QString& report, const QImage& figure);

// Replaces the document by the content, in the report font, each paragraph
// with the hanging indent of its leading blanks measured on the device the
// document will be laid out on (nullptr: the screen).
void placeReport(QTextDocument& document, const RichContent& content, const QPaintDevice* metricsDevice = nullptr);

}  // namespace veldrin
