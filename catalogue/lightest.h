#pragma once
// The search for the lightest section: the whole calculation of the design
// case, every check included, for each catalogue section in turn; the
// lightest section whose every check passes is proposed.
#include <optional>
#include <string>
#include <vector>

#include "basetypes/checkresult.h"
#include "catalogue/catalogue.h"
#include "input/formstate.h"

namespace veldrin {

enum class TrialStatus {
  Pass,     // every check passes
  Fail,     // calculated; at least one check fails
  Refused,  // not calculated: outside the window's bounds, or refused by the run
};

struct SectionTrial {
  CatalogueSection section;
  std::optional<double> mass;           // kg/m; none when the dimensions make no section
  TrialStatus status = TrialStatus::Refused;
  std::string reason;                   // why a refused section was not calculated
  std::optional<CheckResult> governing;  // the record with the highest utilisation
  double maxUtilisation() const { return governing ? governing->utilisation : 0; }
};

struct LightestSearch {
  std::vector<SectionTrial> trials;      // in catalogue order
  std::optional<std::size_t> proposed;  // index into trials
};

inline constexpr const char* kSearchTitle = "截面选型";
// Under GBJ18-87 the run asks for the web's effective ratio, a number the
// engineer must judge for each section: no search can answer for them.
// CECS102:98 and GB 51022-2015 ask nothing.
inline constexpr const char* kSearchNotUnderGbj18 =
    "规范GBJ18-87要求逐个截面输入腹板有效宽厚比，截面选型只适用于规程CECS102:98和规范GB51022-2015";

// The window's own range check of h, b, a and t ("截面高h:输入有误…"), or an
// empty text when the main window would accept the four dimensions.
std::string outsideFieldBounds(const CatalogueSection& section);

// Every section of the list against the design case of the window's texts
// and selections. Throws RunRefused when the case cannot be searched at all:
// GBJ18-87 (or no code), or a list without a selection (the run's own message).
LightestSearch searchLightest(const FormState& form, const std::vector<CatalogueSection>& sections);

// The section to propose: the lightest that passes, by the weight the table
// shows (0.01 kg/m); between equal weights the lower utilisation, then the
// earlier row. None when no section passes.
std::optional<std::size_t> lightestPassing(const std::vector<SectionTrial>& trials);

// The text of a status as the table shows it: "满足", "不满足", "未计算".
const char* statusText(TrialStatus status);

}  // namespace veldrin
