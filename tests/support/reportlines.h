#pragma once
// The report text as its lines, without their CR LF; a last line that lacks
// its CR LF is marked so that a comparison shows it.
#include <algorithm>
#include <string>
#include <vector>

namespace veldrin::testing {

inline std::vector<std::string> reportLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The lines of a design case's report.
template <class Case>
std::vector<std::string> lines(const Case& dc) {
  return reportLines(dc.filestring.str());
}

inline std::string at(int indent, const std::string& text) { return std::string(indent, ' ') + text; }

// Position of a line in the report, -1 when it is missing.
inline long indexOf(const std::vector<std::string>& got, const std::string& line) {
  const auto it = std::find(got.begin(), got.end(), line);
  return it == got.end() ? -1 : it - got.begin();
}

}  // namespace veldrin::testing
