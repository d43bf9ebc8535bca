#include "catalogue/lightestjson.h"

#include "report/checksjson.h"

namespace veldrin {

namespace {

const char* statusWord(TrialStatus status) {
  switch (status) {
    case TrialStatus::Pass: return "pass";
    case TrialStatus::Fail: return "fail";
    case TrialStatus::Refused: break;
  }
  return "refused";
}

}  // namespace

nlohmann::ordered_json trialJson(const SectionTrial& trial) {
  const CatalogueSection& s = trial.section;
  nlohmann::ordered_json j = {{"name", s.name}, {"h", s.h}, {"b", s.b}, {"a", s.a}, {"t", s.t},
                              {"mass", trial.mass ? nlohmann::ordered_json(*trial.mass) : nlohmann::ordered_json(nullptr)},
                              {"status", statusWord(trial.status)}};
  if (trial.status == TrialStatus::Refused) j["reason"] = trial.reason;
  j["max_utilisation"] = trial.governing ? nlohmann::ordered_json(trial.governing->utilisation) : nullptr;
  j["governing"] = trial.governing ? checkJson(*trial.governing) : nullptr;
  return j;
}

nlohmann::ordered_json lightestJson(const LightestSearch& search) {
  nlohmann::ordered_json sections = nlohmann::ordered_json::array();
  for (const SectionTrial& trial : search.trials) sections.push_back(trialJson(trial));
  return {{"proposed", search.proposed ? nlohmann::ordered_json(*search.proposed) : nlohmann::ordered_json(nullptr)},
          {"sections", std::move(sections)}};
}

}  // namespace veldrin
