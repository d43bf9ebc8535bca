// Speed of the search for the lightest section: the default case (Q235,
// 1/150, no sag rods, CECS102:98) against the whole built-in catalogue.
#include <benchmark/benchmark.h>

#include "catalogue/lightest.h"
#include "report/run.h"
#include "support/defaultform.h"

namespace {

using namespace veldrin;

FormState defaultForm() { return veldrin::testing::defaultRunForm("02-07-30 20:08:07"); }

// The search as the window and the command line run it: every section a
// whole quiet run, its records judged, the lightest passing one chosen.
void BM_LightestWholeCatalogue(benchmark::State& state) {
  const FormState form = defaultForm();
  const std::vector<CatalogueSection> sections = builtinCatalogue().sections;
  std::size_t trials = 0;
  for (auto _ : state) {
    const LightestSearch search = searchLightest(form, sections);
    trials = search.trials.size();
    benchmark::DoNotOptimize(search.proposed);
  }
  state.counters["sections"] = static_cast<double>(trials);
}
BENCHMARK(BM_LightestWholeCatalogue)->Unit(benchmark::kMillisecond);

class SilentPlatform : public Platform {
 public:
  void messageBox(const std::string&, const std::string&, MessageIcon) override {}
  std::optional<std::string> inputBox(const std::string&, const std::string&) override {
    return std::nullopt;  // Cancel
  }
};

// For comparison: the same sections as written runs, each formatting the
// whole report that a search never shows.
void BM_WrittenRunsWholeCatalogue(benchmark::State& state) {
  const std::vector<CatalogueSection> sections = builtinCatalogue().sections;
  SilentPlatform ui;
  for (auto _ : state) {
    for (const CatalogueSection& s : sections) {
      FormState form = defaultForm();
      form.field(4) = numText(s.h), form.field(5) = numText(s.b), form.field(6) = numText(s.a);
      form.field(7) = numText(s.t);
      DesignCase dc;
      benchmark::DoNotOptimize(cmdshow_Click(form, dc, ui).report.data());
    }
  }
}
BENCHMARK(BM_WrittenRunsWholeCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
