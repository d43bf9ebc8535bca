#pragma once
// The report text as its lines, without their CR LF; a last line that lacks
// its CR LF is marked so that a comparison shows it.
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

}  // namespace veldrin::testing
