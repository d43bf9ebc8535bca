#include "app/lightestcommand.h"

#include <filesystem>
#include <ostream>

#include "app/reportcommand.h"
#include "basetypes/runstop.h"
#include "catalogue/lightest.h"
#include "catalogue/lightestjson.h"
#include "catalogue/lightesttext.h"

namespace veldrin {

LightestOutput lightestCommand(const FormState& form, const std::optional<std::string>& catalogueFile, bool json,
                               std::ostream& err) {
  Catalogue catalogue = builtinCatalogue();
  if (catalogueFile) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(*catalogueFile, ignored)) {
      err << "veldrin-report: cannot read \"" << *catalogueFile << "\"\n";
      return {kExitIo, {}};
    }
    addUserCatalogue(catalogue, *catalogueFile);
  }
  for (const CatalogueProblem& problem : catalogue.problems) err << "veldrin-report: " << problemText(problem) << "\n";
  try {
    const LightestSearch search = searchLightest(form, catalogue.sections);
    const int exitCode = search.proposed ? kExitReport : kExitNonePasses;
    return {exitCode, json ? lightestJson(search).dump(2) + "\n" : lightestTable(search)};
  } catch (const RunRefused& refused) {
    err << refused.title() << ": " << refused.text() << "\n";
    return {kExitInput, {}};
  }
}

}  // namespace veldrin
