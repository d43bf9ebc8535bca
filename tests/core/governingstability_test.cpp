#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/governing.h"

namespace veldrin {
namespace {

// A 1 m span with round section values, so that a check of qy = 8k shows the
// strong-axis moment k·10^6 N·mm in its stress line.
DesignCase roundCase(int sheeting = 0) {
  DesignCase dc;
  dc.h = 200;
  dc.b = 75;
  dc.marlolength = 1;
  dc.steelfy = 235;
  dc.steelfyk = 235;
  dc.area = 1000;
  dc.iy = 1e5;
  dc.ix = 9.76e6;
  dc.iw = 1e9;
  dc.gross = {dc.area, dc.ix, dc.iy, dc.it, dc.iw};
  dc.sheetingRestrains = sheeting;
  return dc;
}

// Perpendicular loads of combinations one to six; three is uplift.
LoadCombinations combos(double qy1, double qy2, double qy4, double qy5, double Q = 0) {
  LoadCombinations c;
  const std::vector<double> qy = {qy1, qy2, -8, qy4, qy5, 8};
  for (std::size_t i = 0; i < c.size(); ++i) c[i].qy = qy[i];
  c[5].Q = Q;
  return c;
}

std::vector<std::string> section(DesignCase& dc, const LoadCombinations& c) {
  stabilitySection(dc, c);
  std::vector<std::string> lines;
  const std::string& text = dc.filestring.str();
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The indent-3 lines that choose and head the checks.
std::vector<std::string> choiceLines(const std::vector<std::string>& lines) {
  std::vector<std::string> chosen;
  for (const std::string& l : lines) {
    if (l.rfind("   [", 0) == 0 || l.rfind("   <", 0) == 0 || l.rfind("   因为", 0) == 0) chosen.push_back(l);
  }
  return chosen;
}

// The strong-axis moment at the start of the stress line after a sub-heading.
std::string momentChecked(const std::vector<std::string>& lines, const std::string& heading) {
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != "   " + heading) ++i;
  while (i < lines.size() && lines[i].find("最大应力为") == std::string::npos) ++i;
  if (i == lines.size()) return "none";
  const std::string& l = lines[i];
  const std::size_t from = l.find("＝") + std::string("＝").size();
  return l.substr(from, l.find('*', from) - from);
}

TEST(StabilitySection, TieGoesToOneAndThreeIsAlwaysChecked) {
  DesignCase dc = roundCase();
  const std::vector<std::string> lines = section(dc, combos(8, 8, 8, 1));  // four ties too: not strictly more
  const std::vector<std::string> expected = {
      "   [因为荷载组合一设计值大于等于荷载组合二、五设计值,因此选载组合一进行檩条稳定计算]",
      "   <一>荷载组合一稳定计算",
      "   [因为荷载组合三设计值大于等于荷载组合四、五设计值,因此选载组合三进行檩条稳定计算]",
      "   <二>荷载组合三稳定计算",
  };
  EXPECT_EQ(choiceLines(lines), expected);
  EXPECT_EQ(momentChecked(lines, "<一>荷载组合一稳定计算"), "1000000");
  EXPECT_EQ(momentChecked(lines, "<二>荷载组合三稳定计算"), "-(-1000000)");  // "＝-" then its own sign, in brackets
}

TEST(StabilitySection, PointLoadNamesOnlyTwoAndAddsCombinationSix) {
  DesignCase dc = roundCase();
  const std::vector<std::string> lines = section(dc, combos(8, 16, 2, 1, 1.4));
  const std::vector<std::string> chosen = choiceLines(lines);
  ASSERT_EQ(chosen.size(), 5u);
  EXPECT_EQ(chosen[0], "   [因为荷载组合一设计值小于等于荷载组合二设计值,因此选载组合二进行檩条稳定计算]");
  EXPECT_EQ(chosen[1], "   <一>荷载组合二稳定计算");
  EXPECT_EQ(chosen[4], "   <三>荷载组合六稳定计算");
  EXPECT_EQ(momentChecked(lines, "<一>荷载组合二稳定计算"), "2000000");
  EXPECT_EQ(momentChecked(lines, "<三>荷载组合六稳定计算"), "1700000");  // 1 + 1.4/2
}

TEST(StabilitySection, TwoWithoutPointLoadNamesFiveToo) {
  DesignCase dc = roundCase();
  const std::vector<std::string> chosen = choiceLines(section(dc, combos(8, 16, 2, 1)));
  EXPECT_EQ(chosen.at(0), "   [因为荷载组合一设计值小于等于荷载组合二或五设计值,因此选载组合二进行檩条稳定计算]");
}

TEST(StabilitySection, HeavierWindPressureCombinationsReplaceTheChoice) {
  DesignCase four = roundCase();
  const std::vector<std::string> fourLines = section(four, combos(8, 4, 16, 16));  // five only ties four
  EXPECT_EQ(choiceLines(fourLines).at(0),
            "   [因为荷载组合四设计值大于等于荷载组合一、二、五设计值,因此选载组合四进行檩条稳定计算]");
  EXPECT_EQ(choiceLines(fourLines).at(1), "   <一>荷载组合四稳定计算");
  EXPECT_EQ(momentChecked(fourLines, "<一>荷载组合四稳定计算"), "2000000");

  DesignCase five = roundCase();
  const std::vector<std::string> fiveLines = section(five, combos(8, 4, 8, 24, 1.4));  // four only ties one
  EXPECT_EQ(choiceLines(fiveLines).at(0),
            "   [因为荷载组合五设计值大于等于荷载组合一、二、四设计值,因此选载组合五进行檩条稳定计算]");
  EXPECT_EQ(choiceLines(fiveLines).at(1), "   <一>荷载组合五稳定计算");
  EXPECT_EQ(momentChecked(fiveLines, "<一>荷载组合五稳定计算"), "3000000");
}

TEST(StabilitySection, SheetingSkipsOneAndTwoWhateverFourAndFiveCarry) {
  DesignCase ticked = roundCase(1);
  const std::vector<std::string> chosen = choiceLines(section(ticked, combos(8, 4, 16, 24)));
  ASSERT_EQ(chosen.size(), 3u);
  EXPECT_EQ(chosen[0], "   因为屋面板能阻止檩条的侧向失稳,因此荷载组合一及二不必计算满足稳定要求!");
  EXPECT_EQ(chosen[1], "   [因为荷载组合三设计值大于等于荷载组合四、五设计值,因此选载组合三进行檩条稳定计算]");

  DesignCase greyed = roundCase(2);  // counts as not ticked
  EXPECT_EQ(choiceLines(section(greyed, combos(8, 4, 2, 1))).at(1), "   <一>荷载组合一稳定计算");
}

// Three is always checked; its line states its load against four and five
// truthfully: uplift, or at least the larger of four and five, keeps the old
// text, a smaller downward load says so.
TEST(StabilitySection, ThreesJustificationComparesWithFourAndFive) {
  struct Row {
    double qy3, qy4, qy5;
    bool kept;
  };
  const Row rows[] = {
      {-8, 16, 24, true},  // uplift
      {6, 6, 5, true},     // equal to the larger
      {6, 5, 6.5, false},  // five is larger
      {6, 7, 2, false},    // four is larger
      {0, 0, 0, true},     // no load either way
  };
  for (const Row& row : rows) {
    DesignCase dc = roundCase(1);
    LoadCombinations c = combos(8, 4, row.qy4, row.qy5);
    c[2].qy = row.qy3;
    c[2].qx = 0;
    EXPECT_EQ(choiceLines(section(dc, c)).at(1),
              row.kept ? "   [因为荷载组合三设计值大于等于荷载组合四、五设计值,因此选载组合三进行檩条稳定计算]"
                       : "   [因为荷载组合三设计值小于荷载组合四、五设计值,仍选载组合三进行檩条稳定计算]")
        << row.qy3 << " " << row.qy4 << " " << row.qy5;
  }
}

}  // namespace
}  // namespace veldrin
