#include "basetypes/reporttable.h"

#include <algorithm>

namespace veldrin {

namespace {

constexpr std::size_t kGap = 2;  // blanks between columns

// Chinese characters, and the Greek letters of the check names (σ8, λx),
// which a Chinese monospaced typeface such as 宋体 draws full width too.
bool isWide(char32_t c) {
  return (c >= 0x0391 && c <= 0x03C9) || (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The code point starting at s[i]; i moves past it.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 0; k < extra && i < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return c;
}

std::vector<std::size_t> columnWidths(const ReportTable& table) {
  std::vector<std::size_t> widths(table.columns(), 0);
  for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = table.minColumnsOf(c);
  for (const auto& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], displayWidth(row[c]));
  }
  return widths;
}

std::string padded(const std::string& cell, std::size_t width, CellAlign align) {
  const std::string blanks(width - std::min(width, displayWidth(cell)), ' ');
  return align == CellAlign::Right ? blanks + cell : cell + blanks;
}

}  // namespace

std::size_t ReportTable::columns() const {
  std::size_t n = 0;
  for (const auto& row : rows) n = std::max(n, row.size());
  return n;
}

std::size_t displayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += isWide(nextCodePoint(utf8, i)) ? 2 : 1;
  return width;
}

std::vector<std::string> alignedLines(const ReportTable& table) {
  const std::vector<std::size_t> widths = columnWidths(table);
  std::vector<std::string> lines;
  for (const auto& row : table.rows) {
    std::string line;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      if (c > 0) line += std::string(kGap, ' ');
      line += padded(c < row.size() ? row[c] : std::string(), widths[c], table.alignOf(c));
    }
    lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
  }
  return lines;
}

}  // namespace veldrin
