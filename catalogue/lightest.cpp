#include "catalogue/lightest.h"

#include <cmath>

#include "basetypes/runstop.h"
#include "catalogue/sectionmass.h"
#include "input/digitalinput.h"
#include "input/validation.h"
#include "report/run.h"

namespace veldrin {

namespace {

constexpr int kFirstDimensionField = 4;  // Text4 … text7: h, b, a, t

// A search asks nobody anything: a run that wants an answer is refused, and
// the first message of a run that stops is the section's reason.
class TrialPlatform : public Platform {
 public:
  void messageBox(const std::string& text, const std::string&, MessageIcon) override {
    if (message.empty()) message = text;
  }
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override {
    throw RunRefused(title, prompt + " —— " + kSearchNotUnderGbj18);
  }
  std::string message;
};

FormState withSection(FormState form, const CatalogueSection& s) {
  const double dims[] = {s.h, s.b, s.a, s.t};
  for (int i = 0; i < 4; ++i) form.field(kFirstDimensionField + i) = numText(dims[i]);
  return form;
}

void refuse(SectionTrial& trial, std::string reason) {
  trial.status = TrialStatus::Refused;
  trial.reason = std::move(reason);
  trial.governing.reset();
}

// Passes when every record passes; the governing record is the first with
// the highest utilisation, as in the report's summary.
void judge(const CheckResults& checks, SectionTrial& trial) {
  if (checks.empty()) return refuse(trial, "计算未给出验算记录");
  for (const CheckResult& check : checks) {
    if (!std::isfinite(check.utilisation)) return refuse(trial, "验算“" + check.name + "”的利用率无效");
  }
  trial.governing = checks[governingCheck(checks)];
  trial.status = failingChecks(checks) == 0 ? TrialStatus::Pass : TrialStatus::Fail;
}

SectionTrial trySection(const FormState& caseForm, const CatalogueSection& section) {
  SectionTrial trial{section, massPerMetre(section), TrialStatus::Refused, {}, std::nullopt};
  std::string bounds = outsideFieldBounds(section);
  if (!bounds.empty()) {
    refuse(trial, std::move(bounds));
    return trial;
  }
  TrialPlatform ui;
  DesignCase dc;
  const RunOutcome outcome = cmdshow_Click(withSection(caseForm, section), dc, ui, ReportMode::Quiet);
  if (!outcome.completed) {
    refuse(trial, ui.message);
  } else {
    judge(outcome.checks, trial);
  }
  return trial;
}

// A case with no code chosen is incomplete, like one with a list unselected.
void requireSearchable(const FormState& form) {
  if (form.optcode2) throw RunRefused(kSearchTitle, kSearchNotUnderGbj18);
  DesignCase lists;
  readLists(form, lists);
  if (lists.errstr.empty() && !form.optcode1 && !form.optcode3) lists.errstr = kNoDesignCode;
  if (!lists.errstr.empty()) throw RunRefused("输入数据不完整", lists.errstr);
}

}  // namespace

std::string outsideFieldBounds(const CatalogueSection& section) {
  const FormState form = withSection(FormState{}, section);
  for (int n = kFirstDimensionField; n < kFirstDimensionField + 4; ++n) {
    const EnterCheck check = checkOnEnter(n, form.field(n));
    if (!check.accepted) return fieldLabel(n) + check.message;
  }
  return {};
}

// Lighter as the table shows the weight; between equal weights the lower
// utilisation; then the earlier row.
std::optional<std::size_t> lightestPassing(const std::vector<SectionTrial>& trials) {
  const auto preferable = [](const SectionTrial& x, const SectionTrial& y) {
    const double mx = massShown(*x.mass), my = massShown(*y.mass);
    return mx != my ? mx < my : x.maxUtilisation() < y.maxUtilisation();
  };
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < trials.size(); ++i) {
    if (trials[i].status != TrialStatus::Pass || !trials[i].mass) continue;
    if (!best || preferable(trials[i], trials[*best])) best = i;
  }
  return best;
}

LightestSearch searchLightest(const FormState& form, const std::vector<CatalogueSection>& sections) {
  requireSearchable(form);
  LightestSearch search;
  search.trials.reserve(sections.size());
  for (const CatalogueSection& section : sections) search.trials.push_back(trySection(form, section));
  search.proposed = lightestPassing(search.trials);
  return search;
}

const char* statusText(TrialStatus status) {
  switch (status) {
    case TrialStatus::Pass: return "满足";
    case TrialStatus::Fail: return "不满足";
    case TrialStatus::Refused: break;
  }
  return "未计算";
}

}  // namespace veldrin
