#include "catalogue/lightest.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "basetypes/runstop.h"
#include "catalogue/lightestjson.h"
#include "catalogue/lightesttext.h"
#include "catalogue/sectionmass.h"
#include "report/checksjson.h"
#include "report/run.h"
#include "report/summary.h"
#include "support/defaultform.h"
#include "support/scriptedplatform.h"

using namespace veldrin;
using veldrin::testing::ScriptedPlatform;

namespace {

// The window's default texts with Q235, 1/150 and no sag rods, CECS102:98.
FormState defaultCase() { return veldrin::testing::defaultRunForm("2026-12-08 09:30:00"); }

const char* const kHeightBounds = "截面高h:输入有误(非数字或者输入值>400或<＝120)，请核对后输入!";

}  // namespace

TEST(Lightest, NotOfferedUnderGbj18NorWithAListUnselected) {
  struct Case {
    const char* what;
    void (*change)(FormState&);
    const char* title;
    const char* text;
  };
  const Case cases[] = {
      {"GBJ18-87", [](FormState& f) { f.optcode1 = false, f.optcode2 = true; }, kSearchTitle, kSearchNotUnderGbj18},
      {"no steel grade", [](FormState& f) { f.combo1 = -1; }, "输入数据不完整", "请输入钢材型号!"},
      {"no sag rods", [](FormState& f) { f.combo3 = -1; }, "输入数据不完整", "请输入拉条数量!"},
      {"no code (a file's empty item)", [](FormState& f) { f.optcode1 = false; }, "输入数据不完整", "请选择设计规范!"},
  };
  for (const Case& c : cases) {
    FormState form = defaultCase();
    c.change(form);
    try {
      searchLightest(form, builtinCatalogue().sections);
      ADD_FAILURE() << c.what << ": searched";
    } catch (const RunRefused& refused) {
      EXPECT_EQ(refused.title(), c.title) << c.what;
      EXPECT_EQ(refused.text(), c.text) << c.what;
    }
  }
}

// The third code asks nothing during a run, so the whole catalogue is
// calculated under it. Moderate suction on restraining sheeting: suction
// stability governs the sections that pass.
TEST(Lightest, SearchesUnderTheThirdCode) {
  FormState form = defaultCase();
  form.optcode1 = false;
  form.optcode3 = true;
  form.check1 = 1;
  form.field(10) = "-0.5";
  const LightestSearch search = searchLightest(form, builtinCatalogue().sections);
  std::size_t calculated = 0;
  for (const SectionTrial& t : search.trials) calculated += t.status != TrialStatus::Refused;
  EXPECT_GT(calculated, search.trials.size() / 2);
  ASSERT_TRUE(search.proposed.has_value());
  const SectionTrial& proposed = search.trials[*search.proposed];
  EXPECT_EQ(proposed.status, TrialStatus::Pass);
  EXPECT_EQ(proposed.governing->section, CheckSection::Stability);
  EXPECT_EQ(proposed.governing->combination, 4);
}

TEST(Lightest, WindowBoundsOfTheFourDimensions) {
  struct Case {
    CatalogueSection section;
    std::string reason;
  };
  const Case cases[] = {
      {{"", 120, 50, 20, 2.5}, kHeightBounds},
      {{"", 120.5, 50, 20, 2.5}, ""},
      {{"", 400, 150, 100, 9}, ""},
      {{"", 400.1, 75, 20, 2.5}, kHeightBounds},
      {{"", 200, 39.9, 20, 2}, "翼缘宽b:输入有误(非数字或者输入值>150或者输入值<40)，请核对后输入!"},
      {{"", 200, 70, 100.5, 2}, "自由翼缘a:输入有误(非数字或者输入值>100或<=0)，请核对后输入!"},
      {{"", 200, 70, 20, 1e-320}, ""},  // t > 0 is all the window asks; the run judges the rest
  };
  for (const Case& c : cases) EXPECT_EQ(outsideFieldBounds(c.section), c.reason) << c.section.h << "," << c.section.b;
}

TEST(Lightest, SectionsOutsideTheBoundsAreListedNotDropped) {
  const Catalogue catalogue = builtinCatalogue();
  const LightestSearch search = searchLightest(defaultCase(), catalogue.sections);
  ASSERT_EQ(search.trials.size(), catalogue.sections.size());
  for (std::size_t i = 0; i < search.trials.size(); ++i) {
    const SectionTrial& trial = search.trials[i];
    EXPECT_EQ(trial.section.name, catalogue.sections[i].name);
    ASSERT_TRUE(trial.mass) << trial.section.name;
    if (i < 4) {
      EXPECT_EQ(trial.status, TrialStatus::Refused) << trial.section.name;
      EXPECT_EQ(trial.reason, kHeightBounds);
      EXPECT_FALSE(trial.governing);
    }
  }
  EXPECT_NE(search.proposed, 0u);
}

TEST(Lightest, SectionsTheRunRefusesCarryItsMessage) {
  const CatalogueSection thick{"C200×70×20×50", 200, 70, 20, 50};  // the bends overlap: no area left
  const CatalogueSection fine{"C200×70×20×2.0", 200, 70, 20, 2.0};
  LightestSearch search = searchLightest(defaultCase(), {thick, fine});
  ASSERT_EQ(search.trials.size(), 2u);
  EXPECT_EQ(search.trials[0].status, TrialStatus::Refused);
  EXPECT_EQ(search.trials[0].reason, "截面面积A不大于0，截面尺寸无法构成有效截面，请核对截面尺寸!");
  EXPECT_FALSE(search.trials[0].mass);
  EXPECT_NE(search.proposed, 0u);

  FormState noSpan = defaultCase();
  noSpan.field(11) = "0";
  search = searchLightest(noSpan, {fine});
  EXPECT_EQ(search.trials[0].status, TrialStatus::Refused);
  EXPECT_EQ(search.trials[0].reason, "檩条跨度必须是大于0的数值，请核对后输入!");
  EXPECT_FALSE(search.proposed);
}

TEST(Lightest, TableColumnsLineUpAndTheProposalComesLast) {
  CheckResult stability;
  stability.name = "3.荷载组合三 稳定 σ8";
  stability.utilisation = 0.9531;
  CheckResult deflection;
  deflection.name = "9.挠度 风";
  deflection.utilisation = 1.25;
  LightestSearch search;
  search.trials = {
      {{"C120×50×20×2.5", 120, 50, 20, 2.5}, 4.6956, TrialStatus::Refused, "截面高h:超出范围", std::nullopt},
      {{"C160×60×20×2.0", 160, 60, 20, 2.0}, 4.7636, TrialStatus::Fail, "", deflection},
      {{"Mine", 200, 70, 20, 2.2}, 6.245, TrialStatus::Pass, "", stability},
  };
  search.proposed = 2;
  const std::string table = lightestTable(search);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = table.find('\n', at)) != std::string::npos; at = end + 1) {
    lines.push_back(table.substr(at, end - at));
  }
  ASSERT_EQ(lines.size(), 5u);
  const std::vector<std::string> verdicts = {"结论", "未计算: 截面高h:超出范围", "不满足", "满足(推荐)"};
  for (std::size_t i = 0; i < verdicts.size(); ++i) {
    const std::string& line = lines[i];
    ASSERT_GE(line.size(), verdicts[i].size());
    EXPECT_EQ(line.substr(line.size() - verdicts[i].size()), verdicts[i]);
    EXPECT_EQ(displayWidth(line.substr(0, line.size() - verdicts[i].size())),
              displayWidth(lines[0].substr(0, lines[0].size() - verdicts[0].size())))
        << line;
  }
  EXPECT_NE(lines[1].find("4.70  —"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("4.76  9.挠度 风 "), std::string::npos) << lines[2];
  EXPECT_NE(lines[2].find(" 1.250  不满足"), std::string::npos) << lines[2];
  EXPECT_EQ(lines[4], "推荐截面: Mine  6.25kg/m  控制验算: 3.荷载组合三 稳定 σ8  利用率: 0.953");
  search.proposed.reset();
  const std::string none = lightestTable(search);
  const std::string noneLine = "\n没有满足全部验算要求的截面\n";
  EXPECT_EQ(none.substr(none.size() - noneLine.size()), noneLine);
  EXPECT_EQ(none.find("(推荐)"), std::string::npos);
}

// The window's defaults (Q235, 1/150, no sag rods): no section of the
// catalogue is stable enough under combination six's point load at 7.2 m
// without sag rods, so none is proposed; with one sag rod the lightest that
// passes is C280×80×20×2.5 (9.01 kg/m, stability of combination three,
// 0.845), lighter than C250×75×20×3.0 (9.78 kg/m), which also passes.
TEST(Lightest, DefaultCaseWithoutAndWithASagRod) {
  const std::vector<CatalogueSection> sections = builtinCatalogue().sections;
  const LightestSearch none = searchLightest(defaultCase(), sections);
  EXPECT_FALSE(none.proposed);
  for (std::size_t i = 4; i < none.trials.size(); ++i) {
    const SectionTrial& trial = none.trials[i];
    EXPECT_EQ(trial.status, TrialStatus::Fail) << trial.section.name;
    ASSERT_TRUE(trial.governing) << trial.section.name;
    EXPECT_EQ(trial.governing->section, CheckSection::Stability) << trial.section.name;
    EXPECT_EQ(trial.governing->combination, 6) << trial.section.name;
    EXPECT_GT(trial.governing->utilisation, 2) << trial.section.name;
  }

  FormState oneRod = defaultCase();
  oneRod.combo3 = 1;
  const LightestSearch search = searchLightest(oneRod, sections);
  ASSERT_TRUE(search.proposed);
  const SectionTrial& best = search.trials[*search.proposed];
  EXPECT_EQ(best.section.name, "C280×80×20×2.5");
  EXPECT_EQ(best.status, TrialStatus::Pass);
  EXPECT_EQ(best.governing->name, "荷载组合三 稳定 σ3");
  EXPECT_EQ(best.governing->utilisation, 0.845);
  EXPECT_EQ(massShown(*best.mass), 9.01);
  for (const SectionTrial& trial : search.trials) {
    if (trial.status == TrialStatus::Pass) {
      EXPECT_GE(massShown(*trial.mass), 9.01) << trial.section.name;
    }
  }
}

// 8 m span, 1/360, two sag rods, sheeting restraining, a light construction
// load and wind: C180×70×20×2.0 (5.39 kg/m) passes strength, stability and
// slenderness but deflects 2.1 times the limit; it is not proposed, and the
// lightest section that passes every check is.
TEST(Lightest, PassingStrengthButFailingDeflectionIsNotProposed) {
  FormState form = defaultCase();
  form.combo2 = 2;
  form.combo3 = 2;
  form.check1 = 1;
  form.field(11) = "8";
  form.field(18) = "0.1";
  form.field(8) = "0.1";
  const LightestSearch search = searchLightest(form, builtinCatalogue().sections);
  ASSERT_TRUE(search.proposed);
  EXPECT_EQ(search.trials[*search.proposed].section.name, "C250×75×20×2.0");
  const auto c180 = std::find_if(search.trials.begin(), search.trials.end(),
                                 [](const SectionTrial& t) { return t.section.name == "C180×70×20×2.0"; });
  ASSERT_NE(c180, search.trials.end());
  EXPECT_EQ(c180->status, TrialStatus::Fail);
  EXPECT_EQ(c180->governing->section, CheckSection::Deflection);

  // Its own run: every record but deflection passes.
  form.field(4) = "180", form.field(5) = "70", form.field(6) = "20", form.field(7) = "2";
  DesignCase dc;
  ScriptedPlatform ui;
  const RunOutcome run = cmdshow_Click(form, dc, ui, ReportMode::Quiet);
  ASSERT_TRUE(run.completed);
  bool deflectionFails = false;
  for (const CheckResult& check : run.checks) {
    if (check.section == CheckSection::Deflection) deflectionFails = deflectionFails || !check.passes;
    else EXPECT_TRUE(check.passes) << check.name;
  }
  EXPECT_TRUE(deflectionFails);
  EXPECT_GT(c180->governing->utilisation, 2);
}

TEST(Lightest, JsonHoldsEverySectionInCatalogueOrder) {
  FormState oneRod = defaultCase();
  oneRod.combo3 = 1;
  const LightestSearch search = searchLightest(oneRod, builtinCatalogue().sections);
  const nlohmann::json j = nlohmann::json::parse(lightestJson(search).dump());
  ASSERT_EQ(j["sections"].size(), 29u);
  ASSERT_TRUE(search.proposed);
  EXPECT_EQ(j["proposed"], *search.proposed);
  const nlohmann::json& refused = j["sections"][0];
  EXPECT_EQ(refused["name"], "C80×40×15×2.0");
  EXPECT_EQ(refused["status"], "refused");
  EXPECT_EQ(refused["reason"], kHeightBounds);
  EXPECT_EQ(refused["mass"], 2.7226155);  // 346.83 mm² · 7.85e-3 kg/m
  EXPECT_TRUE(refused["max_utilisation"].is_null());
  EXPECT_TRUE(refused["governing"].is_null());
  const nlohmann::json& best = j["sections"][*search.proposed];
  EXPECT_EQ(best["name"], "C280×80×20×2.5");
  EXPECT_EQ((std::array<double, 4>{best["h"], best["b"], best["a"], best["t"]}), (std::array<double, 4>{280, 80, 20, 2.5}));
  EXPECT_EQ(best["status"], "pass");
  EXPECT_FALSE(best.contains("reason"));
  EXPECT_EQ(best["max_utilisation"], 0.845);
  EXPECT_EQ(best["governing"], checkJson(*search.trials[*search.proposed].governing));
  EXPECT_EQ(best["governing"]["section"], "stability");
  EXPECT_EQ(j["sections"][4]["status"], "fail");

  // The keys in the order the format lists them; the governing record as the
  // check records' own JSON writes it, byte for byte.
  const nlohmann::ordered_json ordered = lightestJson(search);
  const auto keysOf = [](const nlohmann::ordered_json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
  };
  EXPECT_EQ(keysOf(ordered), (std::vector<std::string>{"proposed", "sections"}));
  EXPECT_EQ(keysOf(ordered["sections"][0]), (std::vector<std::string>{"name", "h", "b", "a", "t", "mass", "status",
                                                                       "reason", "max_utilisation", "governing"}));
  const nlohmann::ordered_json& proposed = ordered["sections"][*search.proposed];
  EXPECT_EQ(keysOf(proposed),
            (std::vector<std::string>{"name", "h", "b", "a", "t", "mass", "status", "max_utilisation", "governing"}));
  EXPECT_EQ(proposed["governing"].dump(), checkJson(*search.trials[*search.proposed].governing).dump());
  // A name that is not UTF-8 (GBK "×") cannot stop the command's writer.
  const LightestSearch stray{{{{"C230\xA1\xC1", 230, 75, 20, 2.3}, 5.0, TrialStatus::Refused, "", std::nullopt}}, {}};
  EXPECT_EQ(nlohmann::json::parse(jsonText(lightestJson(stray)))["sections"][0]["name"], "C230\uFFFD\uFFFD");
}

TEST(Lightest, LightestByTheShownWeightThenTheLowerUtilisation) {
  const auto trial = [](double mass, TrialStatus status, double utilisation) {
    CheckResult governing;
    governing.utilisation = utilisation;
    return SectionTrial{{}, mass, status, "", governing};
  };
  const struct {
    const char* what;
    std::vector<SectionTrial> trials;
    std::optional<std::size_t> proposed;
  } cases[] = {
      {"lightest passing, failing lighter ones skipped",
       {trial(5.0, TrialStatus::Fail, 1.2), trial(6.2, TrialStatus::Pass, 0.9), trial(6.1, TrialStatus::Pass, 0.99)},
       2},
      {"same weight as shown: lower utilisation", {trial(6.244, TrialStatus::Pass, 0.95), trial(6.236, TrialStatus::Pass, 0.7)}, 1},
      {"all equal: the earlier row", {trial(6.24, TrialStatus::Pass, 0.7), trial(6.24, TrialStatus::Pass, 0.7)}, 0},
      {"refused rows never", {trial(1.0, TrialStatus::Refused, 0.1), trial(9.0, TrialStatus::Pass, 0.5)}, 1},
      {"none passes", {trial(5.0, TrialStatus::Fail, 1.001)}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(lightestPassing(c.trials), c.proposed) << c.what;
}
