// The check records of whole runs: their rounding, the records of the golden
// cases, and over random cases the agreement of section six with the verdict
// lines of sections three to five.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "basetypes/checkresult.h"
#include "casefile/casefile.h"
#include "report/run.h"
#include "support/reportlines.h"
#include "support/scriptedplatform.h"

using namespace veldrin;
using veldrin::testing::reportLines;
using veldrin::testing::ScriptedPlatform;

namespace {

namespace fs = std::filesystem;

struct UtilisationCase {
  CheckSection section;
  double demand, limit, utilisation;
};

TEST(Utilisation, IsRoundedUpToThreeDecimalsAfterFifteenDigits) {
  const UtilisationCase cases[] = {
      {CheckSection::Strength, 215, 215, 1.000},          // σ = f is no excess
      {CheckSection::Deflection, 149.9, 150, 1.001},      // 1/149.9 against 1/150
      {CheckSection::Slenderness, 220.01, 220, 1.001},    // 1.0000454… is an excess
      {CheckSection::Strength, 120.53, 215, 0.561},       // 0.56060…
      {CheckSection::Strength, 0.3, 0.1, 3.000},          // 2.9999999999999996 in binary
      {CheckSection::Deflection, 651, 150, 0.231},        // limit / ratio
      {CheckSection::Deflection, 0, 150, 0.000},          // no deflection at all
  };
  for (const UtilisationCase& c : cases) {
    const CheckResult r = checkRecord(c.section, 0, CheckElement::None, "q", c.demand, c.limit, "", true, "n");
    EXPECT_DOUBLE_EQ(r.utilisation, c.utilisation) << c.demand << " / " << c.limit;
  }
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A golden case run in-process, the dialog answered as its .args file says.
RunOutcome runGolden(const std::string& name, const std::string& webRatio) {
  const fs::path golden = fs::path(VELDRIN_SOURCE_DIR) / "tests" / "golden";
  FormState form = startupForm("2026-12-08 10:00:00");
  DesignCase dc;
  applyCaseFile(decodeCaseFile(slurp(golden / (name + ".in"))), form, dc);
  ScriptedPlatform ui;
  if (!webRatio.empty()) ui.answers = {webRatio};
  return cmdshow_Click(form, dc, ui);
}

bool isFailingVerdict(const std::string& line) {
  return line.find("(****") != std::string::npos || line.ends_with("请重新调整檩条数据!");
}

// The failing verdict lines of sections three to five, and the failing rows of six.
struct Tally {
  int failingLines = 0, failingRows = 0;
  std::string conclusion;
};

Tally tally(const std::string& report) {
  Tally t;
  int section = 0;
  for (const std::string& line : reportLines(report)) {
    if (line.starts_with("三、")) section = 3;
    if (line.starts_with("六、")) section = 6;
    if (section >= 3 && section < 6 && isFailingVerdict(line)) ++t.failingLines;
    if (section == 6 && line.ends_with("  不满足(************)")) ++t.failingRows;
    if (section == 6 && line.starts_with("   结论:")) t.conclusion = line.substr(3);
  }
  return t;
}

std::string conclusionFor(int failing) {
  if (failing == 0) return "结论:本檩条满足全部验算要求!";
  return "结论:本檩条有" + std::to_string(failing) + "项验算不满足要求!(************)";
}

struct GoldenRecords {
  const char* name;
  const char* webRatio;
  std::size_t count;
  int failing;
  const char* governing;
};

TEST(CheckRecords, GoldenCasesGiveTheirRecordsVerdictsAndGoverningCheck) {
  const GoldenRecords cases[] = {
      {"default", "", 15, 4, "荷载组合六 稳定 σ8"},
      {"no-construction-load", "", 9, 3, "荷载组合三 稳定 σ3"},  // no combination six, no effective section
      {"sheeting", "", 14, 5, "荷载组合六 稳定 σ8"},               // no stability of one or two
      {"sagrods-1", "", 13, 1, "荷载组合三 稳定 σ3"},
      {"wind-pressure", "", 15, 7, "荷载组合四 稳定 σ8"},
      {"long-span", "", 15, 14, "荷载组合六 稳定 σ8"},
      {"dust-above-snow", "", 15, 1, "荷载组合二 稳定 σ8"},
      {"flat-roof", "", 13, 0, "荷载组合六 稳定 σ8"},
      {"gbj-default", "50", 15, 4, "荷载组合六 稳定 σ8"},
      {"gbj-sheeting", "60", 9, 0, "荷载组合二 有效截面强度"},
  };
  for (const GoldenRecords& c : cases) {
    const RunOutcome outcome = runGolden(c.name, c.webRatio);
    ASSERT_TRUE(outcome.completed) << c.name;
    const CheckResults& checks = outcome.checks;
    EXPECT_EQ(checks.size(), c.count) << c.name;
    EXPECT_EQ(failingChecks(checks), c.failing) << c.name;
    ASSERT_LT(governingCheck(checks), checks.size()) << c.name;
    EXPECT_EQ(checks[governingCheck(checks)].name, c.governing) << c.name;
    EXPECT_EQ(tally(outcome.report).failingLines, c.failing) << c.name;
    for (std::size_t i = 1; i < checks.size(); ++i) {
      EXPECT_LE(checks[i - 1].section, checks[i].section) << c.name << ": report order at " << i;
    }
  }
}

TEST(CheckRecords, DefaultCaseRecordsEachElementOfEachCheckedCombination) {
  const CheckResults checks = runGolden("default", "").checks;
  ASSERT_EQ(checks.size(), 15u);
  const CheckElement elements[] = {CheckElement::Upper, CheckElement::Lower, CheckElement::Web};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(checks[i].section, CheckSection::Strength);
    EXPECT_EQ(checks[i].combination, i < 3 ? 3 : 6);
    EXPECT_EQ(checks[i].element, elements[i % 3]);
  }
  const int after[] = {3, 6, 1, 3, 6};  // the effective section under both, then stability
  for (std::size_t i = 6; i < 11; ++i) {
    EXPECT_EQ(checks[i].section, i < 8 ? CheckSection::Effective : CheckSection::Stability);
    EXPECT_EQ(checks[i].combination, after[i - 6]);
  }
  EXPECT_DOUBLE_EQ(checks[6].demand, 196.17);
  EXPECT_EQ(checks[12].quantity, "lambda_y");
  EXPECT_DOUBLE_EQ(checks[12].demand, 275.93);
  EXPECT_FALSE(checks[12].passes);
  EXPECT_EQ(checks[13].quantity, "gravity");
  EXPECT_DOUBLE_EQ(checks[13].demand, 650.2);
  EXPECT_DOUBLE_EQ(checks[13].limit, 150);
}

// A random but valid design case: every list chosen, values in the ranges
// the window accepts, both codes, with and without sheeting and point load.
struct RandomCase {
  FormState form;
  std::string webRatio;
};

std::string decimal(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

RandomCase randomCase(std::mt19937& rng) {
  auto pick = [&rng](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto choose = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  RandomCase c{startupForm("2026-12-08 10:00:00"), decimal(pick(20, 200))};
  const double values[][2] = {{120, 300}, {40, 90}, {10, 25}, {1.5, 3}, {0, 1.2}, {0.8, 1.6}, {-1.6, 0.8},
                              {3, 9},     {0.8, 2}, {0, 0.2}, {0.05, 0.5}, {0, 0.6}, {0, 1}, {0, 0.8}, {0, 2}};
  for (int field = 4; field <= 18; ++field) c.form.field(field) = decimal(pick(values[field - 4][0], values[field - 4][1]));
  if (choose(3) == 0) c.form.field(18) = "0";
  c.form.combo1 = choose(2);
  c.form.combo2 = choose(3);
  c.form.combo3 = choose(3);
  c.form.optcode1 = choose(2) == 0;
  c.form.optcode2 = !c.form.optcode1;
  c.form.check1 = choose(2);
  return c;
}

TEST(CheckRecords, SectionSixCountsExactlyTheFailingVerdictLinesOfRandomCases) {
  std::mt19937 rng(20261208);
  int completed = 0;
  for (int n = 0; n < 300; ++n) {
    const RandomCase c = randomCase(rng);
    DesignCase dc;
    ScriptedPlatform ui;
    ui.answers = {c.webRatio};
    const RunOutcome outcome = cmdshow_Click(c.form, dc, ui);
    if (!outcome.completed) continue;
    ++completed;
    const Tally t = tally(outcome.report);
    const int failing = failingChecks(outcome.checks);
    EXPECT_EQ(t.failingRows, t.failingLines) << "case " << n;
    EXPECT_EQ(failing, t.failingLines) << "case " << n;
    EXPECT_EQ(t.conclusion, conclusionFor(failing)) << "case " << n;
    for (const CheckResult& r : outcome.checks) {
      if (!r.passes) {
        EXPECT_GT(r.utilisation, 1.0) << "case " << n << ": " << r.name;  // a failure always shows
      }
    }
  }
  EXPECT_GT(completed, 250);
}

}  // namespace
