#pragma once
// Writes a report document as a rich-text (RTF) file that word processors
// open with its Chinese text, its pictures and its tables, on A4 pages with
// the project name and the page number in each page's footer.
#include <QByteArray>
#include <QString>

#include "documents/richcontent.h"

namespace veldrin {

// The whole file: a CJK font in the font table, every paragraph ended by
// \par, characters outside ASCII as \uN? (UTF-16 code units, signed), each
// picture as a PNG \pict with its shown size, each table as RTF table rows;
// the footer "projectName 第n页 共m页" with the page fields.
QByteArray writeRtf(const RichContent& content, const QString& projectName = QString());

// One UTF-16 code unit as RTF wants it: \u takes a signed 16-bit number.
int rtfUnicodeNumber(char16_t unit);

}  // namespace veldrin
