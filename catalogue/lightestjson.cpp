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

nlohmann::json trialJson(const SectionTrial& trial) {
  const CatalogueSection& s = trial.section;
  nlohmann::json j = {{"name", s.name}, {"h", s.h}, {"b", s.b}, {"a", s.a}, {"t", s.t},
                      {"mass", nullptr}, {"status", statusWord(trial.status)},
                      {"max_utilisation", nullptr}, {"governing", nullptr}};
  if (trial.mass) j["mass"] = *trial.mass;
  if (trial.status == TrialStatus::Refused) j["reason"] = trial.reason;
  if (trial.governing) {
    j["max_utilisation"] = trial.governing->utilisation;
    j["governing"] = checkJson(*trial.governing);
  }
  return j;
}

nlohmann::json lightestJson(const LightestSearch& search) {
  nlohmann::json sections = nlohmann::json::array();
  for (const SectionTrial& trial : search.trials) sections.push_back(trialJson(trial));
  return {{"proposed", search.proposed ? nlohmann::json(*search.proposed) : nlohmann::json(nullptr)},
          {"sections", std::move(sections)}};
}

}  // namespace veldrin
