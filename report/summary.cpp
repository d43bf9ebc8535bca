#include "report/summary.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace veldrin {

namespace {

constexpr int kIndent = 3;
constexpr std::size_t kGap = 2;  // spaces between columns

// One summary row, cell by cell.
struct Row {
  std::string name, demand, limit, utilisation, verdict;
};

// Chinese characters, and the Greek letters of the check names (σ8, λx),
// which a Chinese monospaced typeface such as 宋体 draws full width too.
bool isWide(char32_t c) {
  return (c >= 0x0391 && c <= 0x03C9) || (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The code point starting at s[i]; i moves past it.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 0; k < extra && i < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  return c;
}

// A demand or limit with its unit; a deflection reads as the report's 1/ratio.
std::string valueText(double value, const std::string& unit) {
  if (unit == "L/f") return "1/" + numText(value);
  return numText(value) + unit;
}

// A passing ratio of 0 is no deflection at all; a failing one is a
// deflection beyond ten spans, which the report shows as 1/0.
std::string demandText(const CheckResult& c) {
  if (c.unit == "L/f" && c.demand == 0 && c.passes) return "f=0";
  return valueText(c.demand, c.unit);
}

Row rowOf(std::size_t number, const CheckResult& c) {
  return {numText(static_cast<long long>(number)) + "." + c.name, demandText(c), valueText(c.limit, c.unit),
          utilisationText(c.utilisation), c.passes ? "满足" : "不满足(************)"};
}

std::string padRight(const std::string& s, std::size_t width) {
  return s + std::string(width - std::min(width, displayWidth(s)), ' ');
}

std::string padLeft(const std::string& s, std::size_t width) {
  return std::string(width - std::min(width, displayWidth(s)), ' ') + s;
}

// The widest cell of each column.
std::array<std::size_t, 4> columnWidths(const std::vector<Row>& rows) {
  std::array<std::size_t, 4> w{};
  for (const Row& r : rows) {
    w[0] = std::max(w[0], displayWidth(r.name));
    w[1] = std::max(w[1], displayWidth(r.demand));
    w[2] = std::max(w[2], displayWidth(r.limit));
    w[3] = std::max(w[3], displayWidth(r.utilisation));
  }
  return w;
}

// Names to the left, numbers to the right of their columns.
void writeRows(ReportText& report, const std::vector<Row>& rows) {
  const std::array<std::size_t, 4> w = columnWidths(rows);
  const std::string gap(kGap, ' ');
  for (const Row& r : rows) {
    report.line(kIndent, padRight(r.name, w[0]), gap, padLeft(r.demand, w[1]), gap, padLeft(r.limit, w[2]), gap,
                padLeft(r.utilisation, w[3]), gap, r.verdict);
  }
}

void writeConclusion(ReportText& report, const CheckResults& checks) {
  const std::size_t governing = governingCheck(checks);
  if (governing < checks.size()) {
    report.line(kIndent, "最大利用率为", utilisationText(checks[governing].utilisation), "(", checks[governing].name,
                ")");
  }
  const int failing = failingChecks(checks);
  if (failing == 0) report.line(kIndent, "结论:本檩条满足全部验算要求!");
  else report.line(kIndent, "结论:本檩条有", failing, "项验算不满足要求!(************)");
}

}  // namespace

std::size_t displayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += isWide(nextCodePoint(utf8, i)) ? 2 : 1;
  return width;
}

std::string utilisationText(double utilisation) {
  std::array<char, 64> buf{};
  const auto done = std::to_chars(buf.data(), buf.data() + buf.size(), utilisation, std::chars_format::fixed, 3);
  return std::string(buf.data(), done.ptr);
}

std::vector<std::string> quickResultLines(const CheckResults& checks) {
  const int failing = failingChecks(checks);
  std::vector<std::string> lines{failing == 0 ? "结论:全部验算满足要求!"
                                              : "结论:" + std::to_string(failing) + "项验算不满足要求!"};
  const std::size_t governing = governingCheck(checks);
  if (governing < checks.size()) {
    lines.push_back("控制验算:" + checks[governing].name);
    lines.push_back("利用率:" + utilisationText(checks[governing].utilisation));
  }
  return lines;
}

void writeSummary(ReportText& report, const CheckResults& checks) {
  std::vector<Row> rows;
  rows.reserve(checks.size());
  for (std::size_t i = 0; i < checks.size(); ++i) rows.push_back(rowOf(i + 1, checks[i]));
  writeRows(report, rows);
  writeConclusion(report, checks);
}

}  // namespace veldrin
