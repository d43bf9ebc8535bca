// Speed of the calculate command on the default case (Q235, 1/150, no sag
// rods, CECS102:98), with and without the report frame, and with the check
// records turned into JSON.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "calc/deflection.h"
#include "calc/loadcombinations.h"
#include "calc/sectionproperties.h"
#include "input/digitalinput.h"
#include "report/governing.h"
#include "report/checksjson.h"
#include "report/run.h"
#include "basetypes/runstop.h"
#include "support/defaultform.h"

namespace {

using namespace veldrin;

// Answers every dialog at once; the default case asks none.
class SilentPlatform : public Platform {
 public:
  void messageBox(const std::string&, const std::string&, MessageIcon) override {}
  std::optional<std::string> inputBox(const std::string&, const std::string&) override {
    return std::nullopt;  // Cancel
  }
};

FormState defaultForm() { return veldrin::testing::defaultRunForm("02-07-30 20:08:07"); }

// One press of the calculate button: input, every check, the whole report
// text and the copy handed to the result window.
void BM_WholeRun(benchmark::State& state) {
  const FormState form = defaultForm();
  SilentPlatform ui;
  DesignCase dc;
  bool completed = false;
  for (auto _ : state) {
    RunOutcome outcome = cmdshow_Click(form, dc, ui);
    completed = outcome.completed;
    benchmark::DoNotOptimize(outcome.report.data());
  }
  state.counters["completed"] = completed ? 1 : 0;
}
BENCHMARK(BM_WholeRun);

// The same press with what a program reads from it: the check records and
// their JSON, as the headless command prints it.
void BM_WholeRunWithRecords(benchmark::State& state) {
  const FormState form = defaultForm();
  SilentPlatform ui;
  DesignCase dc;
  std::size_t records = 0;
  for (auto _ : state) {
    RunOutcome outcome = cmdshow_Click(form, dc, ui);
    const std::string json = checksJson(outcome.checks).dump();
    records = outcome.checks.size();
    benchmark::DoNotOptimize(json.data());
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_WholeRunWithRecords);

void grossSection(DesignCase& dc) {
  const Single halfH = dc.h / 2, halfB = dc.b / 2;
  jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, halfH, halfH, halfB, halfB, halfB, halfB);
}

void effectiveSection(DesignCase& dc) {
  if (dc.effectflag) jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, dc.he1, dc.he2, dc.be11, dc.be12, dc.be21, dc.be22);
}

// The calculation alone: reading the fields, the gross section, the six
// combinations, the strength checks, the effective section, the stability
// checks, slenderness and deflection, on a fresh design case. Each of these
// procedures writes its own lines as it goes and they stay; left out are the
// header and section one, the section headings, the banner, the backup of
// the previous report and the copy for the result window.
bool calculate(const FormState& form, Platform& ui) {
  DesignCase dc;
  dc.code = DesignCode::Cecs102;
  dc.deflectionLimit = form.combo2;
  dc.sheetingRestrains = form.check1;
  digitalinput(form, dc);
  grossSection(dc);
  dc.gross = {dc.area, dc.ix, dc.iy, dc.it, dc.iw};  // stability works on the gross section
  const double alpha = truncateTo(std::atan(static_cast<double>(dc.degree)), 3);
  const LoadCombinations combos = loadCombinations(dc, alpha);
  const StrengthChecks checked = strengthSection(dc, ui, combos);
  effectiveSection(dc);
  effectiveSectionStrength(dc, combos, checked);
  stabilitySection(dc, combos);
  slendernessAndDeflection(dc, alpha);
  benchmark::DoNotOptimize(dc.filestring.str().data());
  return true;
}

void BM_CalculationOnly(benchmark::State& state) {
  const FormState form = defaultForm();
  SilentPlatform ui;
  bool completed = false;
  for (auto _ : state) {
    try {
      completed = calculate(form, ui);
    } catch (const RunRefused&) {
      completed = false;  // a check refused its values: the run would show a message here
    }
  }
  state.counters["completed"] = completed ? 1 : 0;
}
BENCHMARK(BM_CalculationOnly);

}  // namespace
