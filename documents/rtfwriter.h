#pragma once
// Writes a report document as a rich-text (RTF) file that word processors
// open with its Chinese text and its pictures.
#include <QByteArray>

#include "documents/richcontent.h"

namespace veldrin {

// The whole file: a CJK font in the font table, every paragraph ended by
// \par, characters outside ASCII as \uN? (UTF-16 code units, signed), and
// each picture as a PNG \pict with its shown size.
QByteArray writeRtf(const RichContent& content);

// One UTF-16 code unit as RTF wants it: \u takes a signed 16-bit number.
int rtfUnicodeNumber(char16_t unit);

}  // namespace veldrin
