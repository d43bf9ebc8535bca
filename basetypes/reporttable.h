#pragma once
// A table of the report: in the plain text its columns are lined up with
// blanks; a document (window, RTF, PDF) shows it as a real table. Both forms
// come from the same cells.
#include <cstddef>
#include <string>
#include <vector>

namespace veldrin {

enum class CellAlign { Left, Right };

struct ReportTable {
  std::vector<std::vector<std::string>> rows;  // the first headerRows rows are the column titles
  std::size_t headerRows = 1;
  std::vector<CellAlign> align;  // per column; a column without an entry is left-aligned
  std::vector<std::size_t> minColumns;  // per column, the least width in half-width columns (room to write in)

  CellAlign alignOf(std::size_t column) const { return column < align.size() ? align[column] : CellAlign::Left; }
  std::size_t minColumnsOf(std::size_t column) const { return column < minColumns.size() ? minColumns[column] : 0; }
  std::size_t columns() const;
};

// A table as the report text holds it: its lines start at line firstLine
// (counted from 0) of the text, indented by indent blanks, one line a row.
struct PlacedTable {
  std::size_t firstLine = 0;
  int indent = 0;
  ReportTable table;
};

// Columns a text takes in a Chinese monospaced font: two for a Chinese
// character or a Greek letter, one for the rest.
std::size_t displayWidth(const std::string& utf8);

// The rows lined up: each column as wide as its widest cell, columns two
// blanks apart, no blanks at a line's end.
std::vector<std::string> alignedLines(const ReportTable& table);

}  // namespace veldrin
