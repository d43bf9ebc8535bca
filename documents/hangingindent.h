#pragma once
// A report line that is too long for the page wraps under its own text, not
// back at the margin: each paragraph indented by blanks gets a hanging indent
// of the width of those blanks.
#include <QStringView>

class QPaintDevice;
class QTextDocument;

namespace veldrin {

// The leading blanks of a paragraph in half-width columns: a blank counts 1,
// an ideographic (full-width) blank 2.
int leadingColumns(QStringView paragraph);

// Sets every paragraph's hanging indent from its leading blanks, measured in
// the document's default font. A paragraph's indents are lengths of the
// device the document is laid out on (a printer's dots, not the screen's
// pixels): pass that device, or nullptr for the screen.
void applyHangingIndents(QTextDocument& document, const QPaintDevice* metricsDevice = nullptr);

}  // namespace veldrin
