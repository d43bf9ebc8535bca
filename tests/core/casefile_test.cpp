#include "casefile/casefile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

#include "basetypes/runstop.h"
#include "casefile/textcodec.h"
#include "input/validation.h"

namespace veldrin {
namespace {

const std::string kCodeCecs102 = "门式钢架轻型房屋钢结构技术规程CECS102:98";
const std::string kCodeGbj18 = "冷弯薄壁型钢结构技术规范GBJ18-87";
const std::string kRestrains = "屋面板能阻止檩条的侧向失稳";
const std::string kFree = "屋面板不能阻止檩条的侧向失稳";
const std::string kExampleLine1 = R"("****工程墙(屋)面檁条计算","20022308","02-07-30 20:08:07",250,75,20,2.5,.06)";
const std::string kExampleLine2 = R"(.12,.3,0,0,1,.75,1,-1.4,7.2,1.5)";
const std::string kExampleLine3 = R"("A3","1/150","0","门式钢架轻型房屋钢结构技术规程CECS102:98","屋面板不能阻止檩条的侧向失稳")";
const std::string kExampleUtf8 = kExampleLine1 + "\r\n" + kExampleLine2 + "\r\n" + kExampleLine3 + "\r\n";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readExampleFile() { return readFile(VELDRIN_SOURCE_DIR "/examples/default.in"); }

// A file of the reliability reproducers (tests/reliability).
std::string reproducer(const std::string& name) { return readFile(VELDRIN_SOURCE_DIR "/tests/reliability/" + name); }

// The window as the example was saved: default texts, first list entries.
FormState exampleForm() {
  FormState form = startupForm("02-07-30 20:08:07");
  form.combo1 = form.combo2 = form.combo3 = 0;
  return form;
}

std::string save(const FormState& form) {
  DesignCase dc;
  EXPECT_EQ(prepareSave(form, dc), "");
  return encodeCaseFile(form, dc);
}

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
  return lines;
}

// The message of the refusal of bytes, or "" when they were read.
std::string refusalOf(const std::string& bytes) {
  try {
    decodeCaseFile(bytes);
  } catch (const CaseFileError& e) {
    return e.what();
  }
  return "";
}

TEST(CaseFileWriter, ExampleComesOutByteForByte) {
  const std::string example = readExampleFile();
  ASSERT_FALSE(example.empty());
  EXPECT_EQ(save(exampleForm()), example);
}

TEST(CaseFileWriter, NumbersAreStoredNotTexts) {
  FormState form = exampleForm();
  form.field(4) = "250mm";
  form.field(5) = "abc";
  form.field(6) = "123.456789";   // single: 7 digits
  form.field(14) = "0.1234567890123456";  // double: 15 digits
  form.field(10) = "-0.5";
  form.field(13) = " 0.060 ";
  const std::vector<std::string> lines = linesOf(save(form));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(lines[0].rfind("\","), std::string::npos), "\",250,0,123.4568,2.5,.06");
  EXPECT_EQ(lines[1], ".123456789012346,.3,0,0,1,.75,1,-.5,7.2,1.5");
}

TEST(CaseFileWriter, SelectionWords) {
  FormState form = exampleForm();
  form.combo1 = 1;
  form.combo2 = 2;
  form.combo3 = 2;
  form.optcode1 = false;
  form.optcode2 = true;
  form.check1 = 1;
  const std::string bytes = save(form);
  const std::string prefix = "\"16Mn\",\"1/360\",\"2\",\"";
  EXPECT_EQ(linesOf(bytes).at(2).substr(0, prefix.size()), prefix);
  EXPECT_EQ(decodeCaseFile(bytes).words, (std::array<std::string, 5>{"16Mn", "1/360", "2", kCodeGbj18, kRestrains}));

  form.combo2 = 1;
  form.combo3 = 1;
  form.optcode2 = false;  // neither code button on: an empty item
  form.check1 = 2;        // greyed is not ticked
  const std::string emptyCode = "\"16Mn\",\"1/240\",\"1\",,\"";
  EXPECT_EQ(linesOf(save(form)).at(2).substr(0, emptyCode.size()), emptyCode);
  EXPECT_EQ(decodeCaseFile(save(form)).words[4], kFree);
}

TEST(CaseFileWriter, RefusesTextsThatCannotBeReadBack) {
  const std::array<std::pair<int, const char*>, 3> bad = {{{1, "工程名称："}, {2, "工程编号："}, {3, "设计时间："}}};
  for (const auto& [box, label] : bad) {
    FormState form = exampleForm();
    form.field(box) = box == 3 ? "line\nbreak" : "say \"hi\"";
    DesignCase dc;
    ASSERT_EQ(prepareSave(form, dc), "");
    try {
      encodeCaseFile(form, dc);
      ADD_FAILURE() << "box " << box << " was written";
    } catch (const CaseFileError& e) {
      EXPECT_NE(std::string(e.what()).find(label), std::string::npos) << e.what();
    }
  }
}

TEST(CaseFileWriter, TextOutsideGbkSurvivesTheRoundTrip) {
  FormState form = exampleForm();
  form.field(1) = "仓库€𠀀";  // € and U+20000 need GB18030's four-byte forms
  EXPECT_EQ(decodeCaseFile(save(form)).projectname, "仓库€𠀀");
}

TEST(CaseFileSave, FirstMissingSelectionInOrder) {
  FormState form = startupForm("now");
  form.field(4) = "250mm";
  DesignCase dc;
  EXPECT_EQ(prepareSave(form, dc), "请输入钢材型号!");
  EXPECT_EQ(dc.errstr, "");
  EXPECT_EQ(static_cast<double>(dc.h), 250.0) << "the variables keep what step 1 read";
  form.combo1 = 1;
  EXPECT_EQ(prepareSave(form, dc), "请输入挠度限值!");
  form.combo3 = 0;
  EXPECT_EQ(prepareSave(form, dc), "请输入挠度限值!") << "sag rods alone do not clear the deflection limit";
  form.combo3 = -1;
  form.combo2 = 2;
  EXPECT_EQ(prepareSave(form, dc), "请输入拉条数量!");
  form.combo3 = 2;
  EXPECT_EQ(prepareSave(form, dc), "");
  EXPECT_EQ(dc.errstr, "");
  form.combo3 = -1;
  EXPECT_THROW(encodeCaseFile(form, dc), CaseFileError) << "no file without the lists";
}

TEST(CaseFileSave, NumberTooLargeForItsFieldStopsTheSave) {
  FormState form = exampleForm();
  form.field(4) = "1E50";
  DesignCase dc;
  try {
    prepareSave(form, dc);
    ADD_FAILURE() << "1E50 in h was accepted";
  } catch (const RunRefused& e) {
    EXPECT_NE(e.text().find("截面高h:"), std::string::npos) << e.text();
  }
}

struct Selections {
  int combo1, combo2, combo3;
  bool gbj18;
  int check1;
};

class CaseFileRoundTrip : public testing::TestWithParam<Selections> {};

TEST_P(CaseFileRoundTrip, RestoresEveryFieldAndSelection) {
  const Selections s = GetParam();
  FormState saved = exampleForm();
  saved.field(1) = "仓库,二期 (B区)";  // a comma inside a quoted item
  saved.field(3) = "2024-05-06 07:08:09";
  saved.combo1 = s.combo1;
  saved.combo2 = s.combo2;
  saved.combo3 = s.combo3;
  saved.optcode1 = !s.gbj18;
  saved.optcode2 = s.gbj18;
  saved.check1 = s.check1;
  DesignCase written;
  ASSERT_EQ(prepareSave(saved, written), "");
  const std::string bytes = encodeCaseFile(saved, written);

  FormState opened = startupForm("other");
  opened.optcode1 = s.gbj18;  // the opposite code before opening
  opened.optcode2 = !s.gbj18;
  opened.check1 = 1 - s.check1;
  DesignCase dc;
  applyCaseFile(decodeCaseFile(bytes), opened, dc);

  const std::array<std::string, kFieldCount> shown = {
      "仓库,二期 (B区)", "20022308", "2024-05-06 07:08:09", "250", "75", "20", "2.5", "0.75", "1",
      "-1.4", "7.2", "1.5", "0.06", "0.12", "0.3", "0", "0", "1"};
  EXPECT_EQ(opened.text, shown);
  EXPECT_EQ(opened.combo1, s.combo1);
  EXPECT_EQ(opened.combo2, s.combo2);
  EXPECT_EQ(opened.combo3, s.combo3);
  EXPECT_EQ(opened.optcode1, !s.gbj18);
  EXPECT_EQ(opened.optcode2, s.gbj18);
  EXPECT_EQ(opened.check1, s.check1);
  EXPECT_DOUBLE_EQ(dc.mub, (std::array<double, 3>{1.0, 0.5, 0.33})[static_cast<std::size_t>(s.combo3)]);
  EXPECT_EQ(dc.projectname, written.projectname);
  EXPECT_EQ(static_cast<double>(dc.t), static_cast<double>(written.t));
  EXPECT_EQ(static_cast<double>(dc.marlolength), static_cast<double>(written.marlolength));
  EXPECT_EQ(dc.kliveload, written.kliveload);
  EXPECT_EQ(dc.marlobay, written.marlobay);
}

INSTANTIATE_TEST_SUITE_P(Selections, CaseFileRoundTrip,
                         testing::Values(Selections{0, 0, 0, false, 0}, Selections{1, 1, 1, true, 1},
                                         Selections{0, 2, 2, true, 0}, Selections{1, 0, 2, false, 1}));

TEST(CaseFileRoundTrip, AwkwardNumbersComeBackExactly) {
  FormState form = exampleForm();
  form.field(7) = "2.3456789";           // single, rounds to 7 digits once
  form.field(8) = "0.123456789012345";   // double, 15 digits
  form.field(16) = "1E-05";
  form.field(12) = "123456789012345678";
  DesignCase written;
  ASSERT_EQ(prepareSave(form, written), "");
  FormState opened = startupForm("x");
  DesignCase dc;
  applyCaseFile(decodeCaseFile(encodeCaseFile(form, written)), opened, dc);
  EXPECT_EQ(opened.field(7), "2.345679");
  EXPECT_EQ(opened.field(8), "0.123456789012345");
  EXPECT_EQ(opened.field(16), "1E-05");
  EXPECT_EQ(opened.field(12), "1.23456789012346E+17");
  // A single item holds 7 digits: the decimal the field stands for comes back.
  EXPECT_EQ(static_cast<double>(dc.t), static_cast<double>(written.t));
  EXPECT_EQ(dc.ksnowload, written.ksnowload);
}

// The example with its line 3 replaced.
std::string exampleWithWords(const std::string& line3) { return kExampleLine1 + "\r\n" + kExampleLine2 + "\r\n" + line3; }

// An empty item chooses nothing, whatever the window held before.
TEST(CaseFileOpen, AnEmptySelectionItemChoosesNothing) {
  FormState form = exampleForm();
  form.check1 = 1;
  DesignCase dc;
  applyCaseFile(decodeCaseFile(exampleWithWords(",,,,")), form, dc);
  EXPECT_EQ(std::tie(form.combo1, form.combo2, form.combo3, form.check1), std::make_tuple(-1, -1, -1, 0));
  EXPECT_FALSE(form.optcode1 || form.optcode2 || form.optcode3);
}

// A load below zero is refused by its item; zero is "none" and stays accepted.
TEST(CaseFileRead, ALoadBelowZeroIsRefusedByItsItem) {
  const auto withLine2 = [](const std::string& l2) { return kExampleLine1 + "\r\n" + l2 + ",1,-1.4,7.2,1.5\r\n" + kExampleLine3; };
  EXPECT_EQ(refusalOf(withLine2("0,0,0,0,0,0")), "");
  const char* names[] = {"屋面恒载", "屋面活载", "雪荷载", "积灰荷载", "施工荷载", "基本风压值"};
  for (int item = 1; item <= 6; ++item) {
    const std::string l2 = std::string("1,1,1,1,1,1").insert(static_cast<std::size_t>(2 * item - 2), "-");
    EXPECT_EQ(refusalOf(withLine2(l2)), "第2行第" + std::to_string(item) + "项(" + names[item - 1] + ")" + kNotNegativeMessage);
  }
}

const std::string kCodeGb51022 = "门式刚架轻型房屋钢结构技术规范GB51022-2015";
const std::string kLowerRods = "拉条同时约束下翼缘";

TEST(CaseFileThirdCode, CodeWordAndTheLowerFlangeWordRoundTrip) {
  for (const bool lowerRods : {false, true}) {
    FormState saved = exampleForm();
    saved.combo3 = 1;
    saved.optcode1 = false;
    saved.optcode3 = true;
    saved.check2 = lowerRods;
    const std::vector<std::string> lines = linesOf(*gb18030ToUtf8(save(saved)).text);
    ASSERT_EQ(lines.size(), 3u);
    const std::string five = "\"A3\",\"1/150\",\"1\",\"" + kCodeGb51022 + "\",\"" + kFree + "\"";
    EXPECT_EQ(lines[2], lowerRods ? five + ",\"" + kLowerRods + "\"" : five);

    FormState opened = startupForm("x");
    opened.check2 = !lowerRods;
    DesignCase dc;
    applyCaseFile(decodeCaseFile(save(saved)), opened, dc);
    EXPECT_FALSE(opened.optcode1);
    EXPECT_FALSE(opened.optcode2);
    EXPECT_TRUE(opened.optcode3);
    EXPECT_EQ(opened.check2, lowerRods) << "a file without the word clears the box";
  }
}

TEST(CaseFileThirdCode, AnOldCodeClearsTheThirdButton) {
  FormState form = startupForm("x");
  form.optcode1 = false;
  form.optcode3 = true;
  DesignCase dc;
  applyCaseFile(decodeCaseFile(kExampleUtf8), form, dc);
  EXPECT_TRUE(form.optcode1);
  EXPECT_FALSE(form.optcode3);
}

// The tick counts only under its code with sag rods: otherwise it is not
// written, and a stored file with no rods opens with the word ignored.
TEST(CaseFileThirdCode, TheLowerFlangeWordNeedsItsCodeAndSagRods) {
  FormState noRods = exampleForm(), oldCode = exampleForm();
  noRods.optcode1 = false;
  noRods.optcode3 = noRods.check2 = oldCode.check2 = true;
  oldCode.combo3 = 1;
  for (const FormState& form : {noRods, oldCode}) EXPECT_EQ(linesOf(save(form)).at(2).find(kLowerRods), std::string::npos);
  FormState opened = exampleForm();
  DesignCase dc;
  applyCaseFile(decodeCaseFile(exampleWithWords("A3,1/150,0,\"" + kCodeGb51022 + "\",," + kLowerRods)), opened, dc);
  EXPECT_TRUE(opened.optcode3 && opened.combo3 == 0 && !opened.check2);
}

// Each item of line 3 holds one of its own words exactly (or nothing);
// optional items are known by name and given once.
TEST(CaseFileRead, LineThreeRefusesEveryWordNotOneOfItsItems) {
  const std::string five = R"("A3","1/150","0",")" + kCodeGb51022 + "\",\"" + kFree + "\"";
  EXPECT_TRUE(decodeCaseFile(exampleWithWords(five + ",\"" + kLowerRods + "\"")).rodsRestrainLowerFlange);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Q235,1/150,0,,", "第3行第1项(钢材型号)只能是“A3”或“16Mn”(或空项表示未选择)，文件中为“Q235”"},
      {"A3,1/200,0,,", "第3行第2项(挠度限值)只能是“1/150”、“1/240”或“1/360”"},
      {"A3,1/150,3,,", "第3行第3项(拉条数量)"},
      {"A3,1/150,0,\"" + kCodeGbj18 + " \",", "第3行第4项(设计规范)"},
      {reproducer("code_word_typo.in"), "第3行第4项(设计规范)只能是“" + kCodeCecs102 + "”"},
      {"A3,1/150,0,,屋面板能", "第3行第5项(屋面板约束)"},
      {five + ",\"拉条约束上翼缘\"", "第3行第6项(可选项)只能是“拉条同时约束下翼缘”或省略，文件中为“拉条约束上翼缘”"},
      {five + ",", "第3行第6项(可选项)"},
      {five + "," + kLowerRods + "=1", "第3行第6项(可选项)“拉条同时约束下翼缘”不带“=值”"},
      {five + "," + kLowerRods + "," + kLowerRods, "第3行第7项(可选项)“拉条同时约束下翼缘”重复出现"},
  };
  for (const auto& [line3, wanted] : cases) {
    const std::string message = refusalOf(line3.find('\n') == std::string::npos ? exampleWithWords(line3) : line3);
    EXPECT_NE(message.find(wanted), std::string::npos) << "wanted \"" << wanted << "\", got \"" << message << "\"";
  }
}

TEST(CaseFileRead, GbkAndUtf8FilesGiveTheSameCase) {
  const CaseFileContent gbk = decodeCaseFile(readExampleFile());
  EXPECT_EQ(gbk.projectname, "****工程墙(屋)面檁条计算");
  EXPECT_EQ(gbk.projecttime, "02-07-30 20:08:07");
  EXPECT_EQ(gbk.words, (std::array<std::string, 5>{"A3", "1/150", "0", kCodeCecs102, kFree}));
  EXPECT_EQ(static_cast<double>(gbk.degree), 0.06);
  EXPECT_EQ(gbk.windstyle, -1.4);
  for (const std::string& utf8 : {kExampleUtf8, "\xEF\xBB\xBF" + kExampleUtf8}) {
    const CaseFileContent read = decodeCaseFile(utf8);
    EXPECT_EQ(read.projectname, gbk.projectname);
    EXPECT_EQ(read.words, gbk.words);
    EXPECT_EQ(read.kdeadload, gbk.kdeadload);
  }
}

// Files saved by old Mac editors end their lines with a lone CR.
TEST(CaseFileRead, CrOnlyLineEndsAreLineEnds) {
  const std::string crOnly = reproducer("cr_only_line_ends.in");
  ASSERT_EQ(crOnly.find('\n'), std::string::npos);
  const CaseFileContent read = decodeCaseFile(crOnly);
  const CaseFileContent example = decodeCaseFile(readExampleFile());
  EXPECT_EQ(read.projectname, example.projectname);
  EXPECT_EQ(read.marlobay, example.marlobay);
  EXPECT_EQ(read.words, example.words);
}

TEST(CaseFileRead, LooseLayoutsAreRead) {
  const std::string loose = " \"a,b\" , c ,\t\"\",250, 75 ,20,2.5,.06\n"
                            ".12,.3,0,0,1,.75,1,-1.4,7.2,1.5\n"
                            "\"A3\" , 1/240 ,\"1\",,\"\"\r\n\r\n  \n";
  const CaseFileContent c = decodeCaseFile(loose);
  EXPECT_EQ(c.projectname, "a,b");
  EXPECT_EQ(c.projectcode, "c");
  EXPECT_EQ(c.projecttime, "");
  EXPECT_EQ(static_cast<double>(c.b), 75.0);
  EXPECT_EQ(c.words[1], "1/240");
  EXPECT_EQ(c.words[3], "");
  EXPECT_EQ(decodeCaseFile(kExampleLine1 + "\n" + kExampleLine2 + "\n" + kExampleLine3).words[4], kFree)
      << "LF only, no final line end";
}

TEST(CaseFileRead, RefusalsNameTheLineAndItem) {
  const std::string l1 = kExampleLine1, l2 = kExampleLine2, l3 = kExampleLine3;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "缺少第1行"},
      {l1 + "\r\n" + l2 + "\r\n", "缺少第3行"},
      {l1 + "\r\n\r\n" + l3 + "\r\n", "第2行是空行"},
      {l1 + "\r\n.12,.3,0,0,1,.75,1,-1.4,7.2\r\n" + l3, "第10项(檩条间距)"},
      {l1 + "\r\n.12,.3,0,0,1,.75,1,-1.4,7.2,1.5,9\r\n" + l3, "第2行多于10项"},
      {l1 + "\r\n.12,.3,x,0,1,.75,1,-1.4,7.2,1.5\r\n" + l3, "第2行第3项(雪荷载)不是数字"},
      {l1 + "\r\n.12,.3,,0,1,.75,1,-1.4,7.2,1.5\r\n" + l3, "第2行第3项(雪荷载)不是数字"},
      {l1 + "\r\n.12,.3,0,0,1,.75,1,-1.4,7.2m,1.5\r\n" + l3, "第2行第9项(檩条跨度)不是数字"},
      {"\"x\",\"y\",\"z\",1E50,75,20,2.5,.06\r\n" + l2 + "\r\n" + l3, "第1行第4项(截面高h)超出"},
      {"\"x\",\"y\"z,\"z\",250,75,20,2.5,.06\r\n" + l2 + "\r\n" + l3, "第1行第2项(工程编号)的引号后"},
      {"\"x,\"y\",\"z\",250,75,20,2.5,.06\r\n" + l2 + "\r\n" + l3, "第1行第1项(工程名称)的引号后"},
      {"\"x\",\"y\",\"z,250,75,20,2.5,.06\r\n" + l2 + "\r\n" + l3, "第1行第3项(设计时间)的引号没有结束"},
      {l1 + "\r\n" + l2 + "\r\n" + l3 + "\r\n\"more\"\r\n", "第4行多余"},
      {readExampleFile() + "\xFF\xFF", "第4行含有无法识别的字符"},
      // A blank first line pushes the three lines down: named as the blank line it is.
      {reproducer("blank_first_line.in"), "第1行是空行，应有8项(文件开头多了一个空行)"},
      // 1.7976931348623157E308 is a double, but its 15-digit text overflows when
      // the window reads it again: refused here, by its item.
      {reproducer("dblmax_deadload.in"), "第2行第1项(屋面恒载)超出可计算的数值范围"},
      {readExampleFile().insert(150, "\x81\x20"), "第3行含有无法识别的字符"},
  };
  for (const auto& [bytes, wanted] : cases) {
    const std::string message = refusalOf(bytes);
    EXPECT_NE(message.find(wanted), std::string::npos) << "wanted \"" << wanted << "\", got \"" << message << "\"";
  }
}

}  // namespace
}  // namespace veldrin
