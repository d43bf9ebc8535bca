#pragma once
// Tables in a report document: placed into and read back from the window's
// text document, sized in the report font, and lined up with blanks for a
// text file.
#include <QStringList>

#include "basetypes/reporttable.h"
#include "documents/richcontent.h"

class QTextCursor;
class QTextDocument;
class QTextTable;

namespace veldrin {

// The report's table as a document table.
RichTable richTable(const PlacedTable& placed);

// Inserts the table at the cursor, thin-ruled, its title rows bold.
void insertTable(QTextCursor& cursor, const RichTable& table);

// The table as inserted (its cells as they stand now).
RichTable tableOf(const QTextTable& table);

// Gives every table of the document its indent and its columns their least
// widths, measured in the document's default font.
void sizeTables(QTextDocument& document);

// The rows lined up with blanks, each line starting with the table's indent.
QStringList tableLines(const RichTable& table);

}  // namespace veldrin
