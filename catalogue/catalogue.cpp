#include "catalogue/catalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/builtinsections.h"

namespace veldrin {

namespace {

constexpr std::size_t kColumns = 5;
constexpr std::string_view kHeading = "name,h,b,a,t";
constexpr std::array<const char*, 4> kDimensionNames = {"h", "b", "a", "t"};

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> splitItems(std::string_view row) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0;;) {
    const std::size_t comma = row.find(',', start);
    items.push_back(trimmed(row.substr(start, comma - start)));
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

bool ignored(std::string_view row) { return row.empty() || row.front() == '#' || row == kHeading; }

// A dimension must be one plain decimal number greater than zero; "2,5" or
// "2.5mm" is refused rather than read as something else.
std::string readDimension(std::string_view item, const char* name, double& value) {
  const char* end = item.data() + item.size();
  const auto [stop, error] = std::from_chars(item.data(), end, value);
  if (item.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    return std::string(name) + "不是数值:“" + std::string(item) + "”";
  }
  if (value <= 0) return std::string(name) + "必须大于0:“" + std::string(item) + "”";
  return {};
}

// The reason a row is refused, or an empty text when section holds it.
std::string readRow(std::string_view row, CatalogueSection& section) {
  const std::vector<std::string_view> items = splitItems(row);
  if (items.size() != kColumns) {
    return "应有5项(名称,h,b,a,t)，实有" + std::to_string(items.size()) + "项";
  }
  if (items[0].empty()) return "截面名称为空";
  section.name = items[0];
  const std::array<double*, 4> targets = {&section.h, &section.b, &section.a, &section.t};
  for (std::size_t i = 0; i < targets.size(); ++i) {
    std::string reason = readDimension(items[i + 1], kDimensionNames[i], *targets[i]);
    if (!reason.empty()) return reason;
  }
  return {};
}

std::string_view withoutByteOrderMark(std::string_view text) {
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (text.substr(0, bom.size()) == bom) text.remove_prefix(bom.size());
  return text;
}

}  // namespace

Catalogue parseCatalogue(std::string_view text, const std::string& origin) {
  Catalogue catalogue;
  text = withoutByteOrderMark(text);
  int lineNo = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view row = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNo;
    if (ignored(row)) continue;
    CatalogueSection section;
    std::string reason = readRow(row, section);
    if (reason.empty()) {
      catalogue.sections.push_back(std::move(section));
    } else {
      catalogue.problems.push_back({origin, lineNo, std::move(reason)});
    }
  }
  return catalogue;
}

Catalogue builtinCatalogue() { return parseCatalogue(builtinSectionsCsv(), "内置截面库"); }

void addUserCatalogue(Catalogue& catalogue, const std::string& path) {
  std::error_code missing;
  if (!std::filesystem::exists(path, missing)) return;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  // A folder opens on Linux and reads as nothing; it is no list of sections.
  if (!std::filesystem::is_regular_file(path, missing) || !in || in.bad()) {
    catalogue.problems.push_back({path, 0, "无法读取"});
    return;
  }
  Catalogue user = parseCatalogue(content.str(), path);
  catalogue.sections.insert(catalogue.sections.end(), user.sections.begin(), user.sections.end());
  catalogue.problems.insert(catalogue.problems.end(), user.problems.begin(), user.problems.end());
}

std::string problemText(const CatalogueProblem& problem) {
  if (problem.line == 0) return problem.origin + ": " + problem.text;
  return problem.origin + " 第" + std::to_string(problem.line) + "行: " + problem.text + "，该行未采用";
}

}  // namespace veldrin
