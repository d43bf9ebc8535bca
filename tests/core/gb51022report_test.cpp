// Pieces of the GB 51022 report: sub-heading numbers past seven, the terms
// of the stability stresses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>

#include "report/gb51022/reportparts.h"
#include "report/run.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"

namespace veldrin::gb51022 {
namespace {

TEST(Gb51022Report, SubHeadingNumbersGoPastSeven) {
  const std::pair<int, const char*> cases[] = {{1, "一"},  {7, "七"},    {8, "八"},    {10, "十"},
                                               {11, "十一"}, {20, "二十"}, {23, "二十三"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(headingNumeral(n), text) << n;
}

// Two sag rods and wind pressure: four ultimate combinations, two span
// sections each, so section three runs to <八>.
TEST(Gb51022Report, EightStrengthSectionsAreNumberedToEight) {
  FormState form = startupForm("x");
  form.combo1 = form.combo2 = 0;
  form.combo3 = 2;
  form.optcode1 = false;
  form.optcode3 = true;
  form.field(10) = "0.8";
  DesignCase dc;
  testing::ScriptedPlatform ui;
  const std::vector<std::string> lines = testing::reportLines(cmdshow_Click(form, dc, ui).report);
  long found = 0;
  for (const std::string& l : lines) found += l.rfind("   <八>荷载组合五<1.3恒+1.5施工荷载>拉条处截面", 0) == 0;
  EXPECT_EQ(found, 1);
}

// 900 KN/m2 of snow on a 20 m span 10 m apart: v is more than ten spans, so
// L/|v| shows 1/0. That is a failing deflection, not "v=0".
TEST(Gb51022Report, DeflectionBeyondTenSpansFails) {
  FormState form = startupForm("x");
  form.combo1 = form.combo2 = form.combo3 = 0;
  form.optcode1 = false;
  form.optcode3 = true;
  form.field(11) = "20";
  form.field(12) = "10";
  form.field(16) = "900";
  DesignCase dc;
  testing::ScriptedPlatform ui;
  const RunOutcome outcome = cmdshow_Click(form, dc, ui);
  ASSERT_TRUE(outcome.completed);
  const std::vector<std::string> lines = testing::reportLines(outcome.report);
  long noDeflection = 0, beyond = 0;
  for (const std::string& l : lines) {
    noDeflection += l == "      v=0,挠度满足要求!";
    beyond += l.ends_with("/20000=1/0>1/150,挠度不满足要求!(************)");
  }
  EXPECT_EQ(noDeflection, 0);
  EXPECT_EQ(beyond, 1);
  for (const CheckResult& c : outcome.checks) {
    if (c.section == CheckSection::Deflection && c.demand == 0) {
      EXPECT_FALSE(c.passes);
      EXPECT_GT(c.utilisation, 1.0);
    }
  }
}

// Each stability stress is written with its two terms, Mx/(φbx·Wex) and
// My/Wey, and the largest of them is the record's demand.
TEST(Gb51022Report, StabilityStressesShowTheirTerms) {
  FormState form = startupForm("x");
  form.combo1 = form.combo2 = form.combo3 = 0;
  form.optcode1 = false;
  form.optcode3 = true;
  DesignCase dc;
  testing::ScriptedPlatform ui;
  const std::vector<std::string> lines = testing::reportLines(cmdshow_Click(form, dc, ui).report);
  const std::string number = "(-?[0-9.]+)";
  const std::regex point("My使(卷边|腹板)一侧受压:腹板侧σ=" + number + "\\+\\(" + number + "\\)=" + number +
                         "MPa,卷边侧σ=" + number + "\\+\\(" + number + "\\)=" + number + "MPa");
  std::vector<double> largest;
  for (const std::string& l : lines) {
    std::smatch m;
    if (!std::regex_search(l, m, point)) continue;
    const auto value = [&](std::size_t i) { return std::stod(m[i].str()); };
    EXPECT_EQ(m[2].str(), m[5].str()) << l;  // the same Mx term at both points
    EXPECT_NEAR(value(2) + value(3), value(4), 0.02) << l;
    EXPECT_NEAR(value(5) + value(6), value(7), 0.02) << l;
    if (m[1].str() == "卷边") largest.push_back(std::max(value(4), value(7)));
    else largest.back() = std::max({largest.back(), value(4), value(7)});
  }
  std::vector<double> demands;
  for (const CheckResult& c : dc.checks) {
    if (c.section == CheckSection::Stability) demands.push_back(c.demand);
  }
  EXPECT_EQ(largest, demands);
  EXPECT_EQ(demands.size(), 3u);  // combinations one, four and five of the default case
}

}  // namespace
}  // namespace veldrin::gb51022
