// What every report holds, in every golden report and in random design
// cases of each code: each fully numeric substitution gives its printed
// result within the rounding of its printed numbers; each demand is a size
// (never negative), and a stress passes exactly when it is within its limit.
#include "tools/reportarithmetic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "report/run.h"
#include "support/scriptedplatform.h"

using namespace veldrin;
namespace fs = std::filesystem;

namespace {

std::string failuresOf(const arith::Audit& audit, std::size_t most = 5) {
  std::string text;
  for (std::size_t k = 0; k < std::min(most, audit.failures.size()); ++k) text += describe(audit.failures[k]) + "\n";
  return text;
}

TEST(ReportArithmetic, EveryGoldenReportChecksOut) {
  int reports = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(VELDRIN_SOURCE_DIR) / "tests" / "golden")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const arith::Audit audit = arith::auditReport(text.str());
    ++reports;
    EXPECT_GT(audit.substitutions, 50) << entry.path();
    EXPECT_EQ(audit.failures.size(), 0u) << entry.path() << "\n" << failuresOf(audit);
  }
  EXPECT_GE(reports, 16);
}

// Realistic cases with slopes up to 5 (a wall), every rod count, with and
// without a point load, under suction and under pressure.
FormState randomCase(std::mt19937& gen, int code) {
  auto u = [&gen](double lo, double hi) { return std::to_string(std::uniform_real_distribution<double>(lo, hi)(gen)); };
  auto pick = [&gen](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
  FormState f = startupForm("2002-07-30 20:08:07");
  const char* heights[] = {"160", "180", "200", "220", "250", "280", "300"};
  f.field(4) = heights[pick(7)];
  f.field(5) = pick(2) ? "60" : "75";
  f.field(7) = pick(2) ? "2" : "2.5";
  f.field(8) = u(0.3, 0.8);
  f.field(10) = pick(3) ? u(-1.5, -0.5) : u(0.2, 0.8);
  f.field(11) = u(3, 9);
  f.field(12) = u(0.75, 1.8);
  f.field(13) = pick(4) ? u(0.03, 0.3) : u(0.3, 5);
  f.field(14) = u(0.05, 0.4);
  f.field(15) = u(0.1, 0.6);
  f.field(16) = pick(2) ? "0" : u(0.1, 0.8);
  f.field(17) = pick(2) ? "0" : u(0.1, 0.8);
  f.field(18) = pick(2) ? "0" : u(0.5, 3);
  f.combo1 = pick(2), f.combo2 = pick(3), f.combo3 = pick(3);
  f.optcode1 = code == 1, f.optcode2 = code == 2, f.optcode3 = code == 3;
  f.check1 = pick(2);
  f.check2 = code == 3 && pick(2);
  return f;
}

bool soundRecord(const CheckResult& c) {
  return c.demand >= 0 && (c.unit != "MPa" || c.passes == (c.demand <= c.limit));
}

class RandomCases : public ::testing::TestWithParam<int> {};

TEST_P(RandomCases, EverySubstitutionChecksOutAndEveryDemandIsASize) {
  std::mt19937 gen(1700 + GetParam());
  int reports = 0, failing = 0;
  std::string first;
  for (int k = 0; k < 300; ++k) {
    veldrin::testing::ScriptedPlatform ui;
    ui.answers = {std::to_string(20 + k % 100)};  // the GBJ18-87 web ratio
    DesignCase dc;
    const RunOutcome run = cmdshow_Click(randomCase(gen, GetParam()), dc, ui);
    if (!run.completed) continue;
    ++reports;
    for (const CheckResult& c : run.checks) EXPECT_TRUE(soundRecord(c)) << c.name << " " << c.demand;
    const arith::Audit audit = arith::auditReport(run.report);
    if (audit.failures.empty()) continue;
    if (failing++ < 3) first += failuresOf(audit, 3);
  }
  EXPECT_GT(reports, 250);
  EXPECT_EQ(failing, 0) << failing << " of " << reports << " reports, among them:\n" << first;
}

INSTANTIATE_TEST_SUITE_P(Codes, RandomCases, ::testing::Values(1, 2, 3), [](const auto& info) {
  return std::string(info.param == 1 ? "Cecs102" : info.param == 2 ? "Gbj18" : "Gb51022");
});

// The checker itself: what it must pass and what it must find.
TEST(ReportArithmetic, TellsWorkingThatChecksOutFromWorkingThatDoesNot) {
  struct Sample {
    const char* text;
    int substitutions, failures;
  } samples[] = {
      {"he2=0.6*he+h-hc=0.6*111.3976+250-112.07=204.76", 1, 0},
      {"he1=0.6*he+h-hc=0.6*111.3976+250-112.07=44.55", 1, 1},
      {"f=5*qk*L^4/(384*E*Ix)=5*0.62*7200^4/(384*206000*9511801)=11.07mm", 1, 0},
      {"f=5*qk*L^4/(384*E*Ix)=5*620*7200^4/(384*206000*9511801)=11.07mm", 1, 1},
      {"σ4=-mx/ix*h/2-my/iy*x0=--14580000/9522888*250/2-60000/713038*18.09=189.85MPa", 1, 1},
      {"σ4=-mx/ix*h/2-my/iy*x0=-(-14580000)/9522888*250/2-60000/713038*18.09=189.85MPa", 1, 0},
      {"β=σ4/σ7＝123.22/-151.64=-0.813", 1, 1},
      {"   ψb=…\r\n      =4320*1048.17*250*1.13/(276^2*9522888)*250/2*(Sqr((-0.46)^2+1.201)+(-0.46))*(235/235)\r\n"
       "      =0.16",
       1, 0},
      {"=4320*1048.17*250*1.13/(276^2*9522888)*250/2*(Sqr(-0.46^2+1.201)+(-0.46))*(235/235)=0.16", 1, 1},
      {"qx=qA*sin(α)=0.846*sin(3.38)=0.04KN/m; f/L=25.01/7200=1/287.9<=1/150", 2, 0},
      {"qx=qA*sin(α)=0.846*sin(3.43)=0.04KN/m; f/L=-25.01/7200=1/287.9<=1/150", 2, 2},
      {"β=max(1.5,1+0.7/√μz)=max(1.5,1.639)=1.639; σ7=273.59+(-0.71)=272.89MPa; φ=√((0.06)^2+0.872)=0.935", 3, 0},
      {"16.檩条规格:C250X75X20X2.5; 计算时间:02-07-30 20:08:07; ea=-125mm", 0, 0},
  };
  for (const Sample& s : samples) {
    const arith::Audit audit = arith::auditReport(s.text);
    EXPECT_EQ(audit.substitutions, s.substitutions) << s.text;
    EXPECT_EQ(static_cast<int>(audit.failures.size()), s.failures) << s.text << "\n" << failuresOf(audit);
  }
}

}  // namespace
