#include "catalogue/catalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "basetypes/numbertext.h"
#include "casefile/textcodec.h"
#include "catalogue/builtinsections.h"
#include "toolkit/userfiles.h"

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

// A lipped channel needs room for its plates: lips that do not meet across
// the web nor reach past the flange, and a flat part left in every plate
// once its bends are taken off. Anything else cannot be rolled, and its
// section properties would be nonsense. The texts name the dimensions as
// given: a sum of two huge ones may not be a number.
std::string impossibleGeometry(const CatalogueSection& s) {
  const auto times = [](const char* name, double v, const char* factor) {
    return std::string(name) + "=" + numText(v) + "的" + factor + "倍";
  };
  const auto notBelow = [](const std::string& part, const char* name, double v) {
    return part + "不小于" + name + "=" + numText(v);
  };
  const struct {
    bool impossible;
    std::string text;
  } rules[] = {
      {2 * s.a >= s.h, "卷边过宽：" + notBelow(times("a", s.a, "2"), "h", s.h)},
      {s.a >= s.b, "卷边过宽：" + notBelow("a=" + numText(s.a), "b", s.b)},
      {s.h - 6 * s.t <= 0, "板件过厚：" + notBelow(times("t", s.t, "6"), "h", s.h) + "，腹板没有平直部分"},
      {s.b - 6 * s.t <= 0, "板件过厚：" + notBelow(times("t", s.t, "6"), "b", s.b) + "，翼缘没有平直部分"},
      {s.a - 3 * s.t <= 0, "板件过厚：" + notBelow(times("t", s.t, "3"), "a", s.a) + "，卷边没有平直部分"},
  };
  for (const auto& rule : rules) {
    if (rule.impossible) return rule.text;
  }
  return {};
}

// Reads one list's rows into a catalogue. A name stands for one section: a
// row whose name the catalogue or an earlier row of the list already has is
// refused, so a proposal's name always means the dimensions it was checked with.
class RowReader {
 public:
  RowReader(Catalogue& catalogue, std::string origin, bool utf8)
      : catalogue_(catalogue), origin_(std::move(origin)), utf8_(utf8) {
    for (const CatalogueSection& s : catalogue.sections) firstLine_.emplace(s.name, 0);
  }

  void read(std::string_view raw, int lineNo) {
    const std::optional<std::string> text = utf8_ ? std::optional<std::string>(raw) : gb18030ToUtf8(raw).text;
    if (!text) return refuse(lineNo, "含有无法识别的字符(文件既不是UTF-8也不是GBK编码)");
    const std::string_view row = trimmed(*text);
    if (ignored(row)) return;
    CatalogueSection section;
    std::string reason = readRow(row, section);
    if (reason.empty()) reason = impossibleGeometry(section);
    if (reason.empty()) reason = takenName(section.name);
    if (!reason.empty()) return refuse(lineNo, std::move(reason));
    firstLine_.emplace(section.name, lineNo);
    catalogue_.sections.push_back(std::move(section));
  }

 private:
  void refuse(int lineNo, std::string reason) { catalogue_.problems.push_back({origin_, lineNo, std::move(reason)}); }

  std::string takenName(const std::string& name) const {
    const auto found = firstLine_.find(name);
    if (found == firstLine_.end()) return {};
    if (found->second == 0) return "截面库中已有同名截面“" + name + "”";
    return "截面名称“" + name + "”与第" + std::to_string(found->second) + "行重复";
  }

  Catalogue& catalogue_;
  std::string origin_;
  bool utf8_;
  std::unordered_map<std::string, int> firstLine_;  // 0: in the catalogue before this list
};

}  // namespace

// The whole list decides its character set, as for the ".in" file: a few
// GBK bytes can pass for UTF-8, a whole file of them hardly ever.
void addCatalogueText(Catalogue& catalogue, std::string_view bytes, const std::string& origin) {
  const bool utf8 = isValidUtf8(bytes);
  if (utf8) bytes = withoutByteOrderMark(bytes);
  RowReader reader(catalogue, origin, utf8);
  const std::vector<std::string_view> rows = splitLines(bytes);
  for (std::size_t i = 0; i < rows.size(); ++i) reader.read(rows[i], static_cast<int>(i) + 1);
}

Catalogue parseCatalogue(std::string_view text, const std::string& origin) {
  Catalogue catalogue;
  addCatalogueText(catalogue, text, origin);
  return catalogue;
}

Catalogue builtinCatalogue() { return parseCatalogue(builtinSectionsCsv(), "内置截面库"); }

// A list the user does not have is no problem; one that is there and
// cannot be read is.
void addUserCatalogue(Catalogue& catalogue, const std::string& path) {
  const FileBytes file = readRegularFile(path);
  if (file.problem == ReadProblem::Missing) return;
  if (file.problem != ReadProblem::None) {
    catalogue.problems.push_back({path, 0, readProblemText(file)});
    return;
  }
  addCatalogueText(catalogue, file.bytes, path);
}

std::string problemText(const CatalogueProblem& problem) {
  if (problem.line == 0) return problem.origin + ": " + problem.text;
  return problem.origin + " 第" + std::to_string(problem.line) + "行: " + problem.text + "，该行未采用";
}

}  // namespace veldrin
