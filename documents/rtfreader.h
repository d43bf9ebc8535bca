#pragma once
// Reads a rich-text (RTF) file back into a report document: the files this
// program writes come back whole (text and PNG pictures); files from other
// programs give at least their text.
#include <QByteArray>

#include "documents/richcontent.h"

namespace veldrin {

// True when the bytes begin (after blanks) with the RTF signature "{\rtf".
bool looksLikeRtf(const QByteArray& bytes);

// The paragraphs and pictures of an RTF file. Font tables, style sheets,
// document information and other hidden groups are left out; PNG and JPEG
// pictures are kept, pictures in other formats are dropped.
RichContent readRtf(const QByteArray& rtf);

}  // namespace veldrin
