// Reading a ".in" file. The whole file is checked before anything is taken
// from it: a short or malformed file, or a number item that is not a number,
// is refused with a message that names the line and the item.
#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

#include "casefile/casefile.h"
#include "casefile/caselayout.h"
#include "casefile/casewords.h"
#include "casefile/optionalitems.h"
#include "casefile/textcodec.h"
#include "basetypes/numbertext.h"
#include "input/numberrules.h"
#include "input/validation.h"

namespace veldrin {

namespace {

[[noreturn]] void refuse(const std::string& message) { throw CaseFileError(message); }

std::string lineName(int line) { return "第" + std::to_string(line) + "行"; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipBlanks(std::string_view s, std::size_t i) {
  while (i < s.size() && isBlank(s[i])) ++i;
  return i;
}

std::string_view trimmed(std::string_view s) {
  s.remove_prefix(skipBlanks(s, 0));
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A quoted item from the quote at i to its closing quote; only blanks may
// follow it before the next comma. i ends on that comma or the line end.
std::string quotedItem(std::string_view line, std::size_t& i, int lineNo, int itemNo) {
  const std::size_t close = line.find('"', i + 1);
  if (close == std::string_view::npos) refuse(itemPlace(lineNo, itemNo) + "的引号没有结束");
  std::string item(line.substr(i + 1, close - i - 1));
  i = skipBlanks(line, close + 1);
  if (i < line.size() && line[i] != ',') refuse(itemPlace(lineNo, itemNo) + "的引号后有多余的字符");
  return item;
}

std::string bareItem(std::string_view line, std::size_t& i) {
  const std::size_t comma = line.find(',', i);
  const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
  std::string item(trimmed(line.substr(i, end - i)));
  i = end;
  return item;
}

std::vector<std::string> splitItems(std::string_view line, int lineNo) {
  std::vector<std::string> items;
  std::size_t i = 0;
  for (;;) {
    const int itemNo = static_cast<int>(items.size()) + 1;
    i = skipBlanks(line, i);
    const bool quoted = i < line.size() && line[i] == '"';
    items.push_back(quoted ? quotedItem(line, i, lineNo, itemNo) : bareItem(line, i));
    if (i >= line.size()) return items;
    ++i;  // past the comma
  }
}

void checkItemCount(const std::vector<std::string>& items, std::string_view line, int lineNo) {
  const std::size_t wanted = kItemsPerLine.at(static_cast<std::size_t>(lineNo - 1));
  const std::string should = "，应有" + std::to_string(wanted) + "项";
  if (trimmed(line).empty()) refuse(lineName(lineNo) + "是空行" + should);
  if (items.size() < wanted) {
    refuse(lineName(lineNo) + "只有" + std::to_string(items.size()) + "项" + should + "，缺少" +
           itemPlace(lineNo, static_cast<int>(items.size()) + 1));
  }
  // Line 3's optional items are bounded by their own rules: known, each once.
  if (lineNo != 3 && items.size() > wanted) refuse(lineName(lineNo) + "多于" + std::to_string(wanted) + "项");
}

// The items of one line, read as the type of their field.
class LineItems {
 public:
  LineItems(std::string_view line, int lineNo) : line_(lineNo), items_(splitItems(line, lineNo)) {
    checkItemCount(items_, line, lineNo);
  }
  const std::string& text(int item) const { return items_.at(static_cast<std::size_t>(item - 1)); }
  const std::vector<std::string>& all() const { return items_; }
  double number(int item) const {
    if (!isNumeric(text(item))) refuse(itemPlace(line_, item) + "不是数字");
    const double v = leadingNumber(text(item));
    // The box shows the value with 15 digits, and the run reads that text
    // again: a value whose shown text overflows (1.7976931348623157E308
    // shows as 1.79769313486232E+308) is refused here, by its item.
    if (!std::isfinite(v) || !std::isfinite(leadingNumber(numText(v)))) tooLarge(item);
    return v;
  }
  // A load: a number not below zero (zero is "none", as stored files without
  // a construction load write it).
  double load(int item) const {
    const double v = number(item);
    if (v < 0) refuse(itemPlace(line_, item) + kNotNegativeMessage);
    return v;
  }
  Single single(int item) const {
    const Single v = number(item);
    if (!std::isfinite(static_cast<double>(v)) || !std::isfinite(static_cast<double>(Single(leadingNumber(numText(v)))))) {
      tooLarge(item);
    }
    return v;
  }

 private:
  [[noreturn]] void tooLarge(int item) const { refuse(itemPlace(line_, item) + "超出可计算的数值范围"); }

  int line_;
  std::vector<std::string> items_;
};

// The words each of the five selection items of line 3 may hold.
const std::array<std::span<const std::string_view>, 5> kWordsOfItem = {
    casewords::kSteel, casewords::kDeflection, casewords::kSagRods, casewords::kCodes, casewords::kSheeting};

// “A3”或“16Mn”; “1/150”、“1/240”或“1/360”.
std::string wordList(std::span<const std::string_view> words) {
  std::string list;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char* joint = i == 0 ? "" : i + 1 == words.size() ? "或" : "、";
    list += joint + std::string("“") + std::string(words[i]) + "”";
  }
  return list;
}

// A selection word is one of its item's words exactly, or empty ("not
// chosen"); nothing else stands for a choice the file does not make.
std::string selectionWord(const LineItems& line3, int item) {
  const std::string& word = line3.text(item);
  const std::span<const std::string_view> words = kWordsOfItem.at(static_cast<std::size_t>(item - 1));
  if (word.empty() || std::find(words.begin(), words.end(), word) != words.end()) return word;
  refuse(itemPlace(3, item) + "只能是" + wordList(words) + "(或空项表示未选择)，文件中为“" + word + "”");
}

std::string utf8Text(const std::string& bytes) {
  Converted text = fileTextToUtf8(bytes);
  if (!text.text) {
    const auto before = std::string_view(bytes).substr(0, text.failedAt);
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    refuse(lineName(line) + "含有无法识别的字符(文件既不是GBK也不是UTF-8编码)");
  }
  return std::move(*text.text);
}

// A blank line among the first three is named as such, before extra lines
// after the third are counted: a file with a blank first line has the right
// three lines, only one line too late.
void checkLineCount(const std::vector<std::string_view>& lines) {
  for (std::size_t n = 0; n < std::min<std::size_t>(lines.size(), 3); ++n) {
    if (!trimmed(lines[n]).empty()) continue;
    refuse(lineName(static_cast<int>(n) + 1) + "是空行，应有" + std::to_string(kItemsPerLine.at(n)) + "项" +
           (n == 0 && lines.size() > 3 ? "(文件开头多了一个空行)" : ""));
  }
  for (std::size_t n = lines.size(); n < 3; ++n) refuse("文件不完整：缺少" + lineName(static_cast<int>(n) + 1));
  for (std::size_t n = 3; n < lines.size(); ++n) {
    if (!trimmed(lines[n]).empty()) refuse(lineName(static_cast<int>(n) + 1) + "多余：文件只应有三行");
  }
}

void readLine1(const LineItems& l, CaseFileContent& c) {
  c.projectname = l.text(1);
  c.projectcode = l.text(2);
  c.projecttime = l.text(3);
  c.h = l.single(4);
  c.b = l.single(5);
  c.a = l.single(6);
  c.t = l.single(7);
  c.degree = l.single(8);
}

void readLine2(const LineItems& l, CaseFileContent& c) {
  c.kdeadload = l.load(1);
  c.kliveload = l.load(2);
  c.ksnowload = l.load(3);
  c.kdurtload = l.load(4);
  c.kshigongload = l.load(5);
  c.kwindload = l.load(6);
  c.windhigh = l.single(7);
  c.windstyle = l.number(8);
  c.marlolength = l.single(9);
  c.marlobay = l.number(10);
}

}  // namespace

CaseFileContent decodeCaseFile(const std::string& bytes) {
  const std::string text = utf8Text(bytes);
  const std::vector<std::string_view> lines = splitLines(text);
  checkLineCount(lines);
  CaseFileContent content;
  readLine1(LineItems(lines[0], 1), content);
  readLine2(LineItems(lines[1], 2), content);
  const LineItems line3(lines[2], 3);
  for (int item = 1; item <= 5; ++item) content.words.at(static_cast<std::size_t>(item - 1)) = selectionWord(line3, item);
  readOptionalItems(line3.all(), 6, content);
  return content;
}

}  // namespace veldrin
