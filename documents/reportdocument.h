#pragma once
// The report as one document: the section figure at its head, then the
// report text; as a calculation book, the title block before the figure and
// the report's tables as tables. The result window shows it, and the RTF and
// PDF files of the window and of the headless command are written from it.
#include <QImage>
#include <QString>

#include "documents/richcontent.h"
#include "report/reportbook.h"

class QTextDocument;

namespace veldrin {

// The figure in a paragraph of its own above the report's first line (no
// paragraph for a null figure); the report's line ends become paragraphs.
RichContent reportContent(const QString& report, const QImage& figure);

// The calculation book: its title, the facts and the sign-off table, the date
// of the run (no title block when the book has no heading), the figure, then
// the report with each of its tables in place of the lines that line it up.
RichContent bookContent(const ReportBook& book, const QImage& figure);

// Replaces the document by the content, in the report font, each paragraph
// with the hanging indent of its leading blanks and each table with its
// indent and least widths, measured on the device the document will be laid
// out on (nullptr: the screen).
void placeReport(QTextDocument& document, const RichContent& content, const QPaintDevice* metricsDevice = nullptr);

}  // namespace veldrin
