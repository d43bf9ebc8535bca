#include "app/lightestcommand.h"

#include <ostream>

#include "app/outputfile.h"
#include "app/reportcommand.h"
#include "basetypes/runstop.h"
#include "catalogue/lightest.h"
#include "catalogue/lightestjson.h"
#include "catalogue/lightesttext.h"
#include "report/checksjson.h"

namespace veldrin {

LightestOutput lightestCommand(const FormState& form, const std::optional<std::string>& catalogueFile, bool json,
                               std::ostream& err) {
  Catalogue catalogue = builtinCatalogue();
  if (catalogueFile) {
    const std::optional<std::string> bytes = readInputFile(*catalogueFile, err);
    if (!bytes) return {kExitIo, {}};
    addCatalogueText(catalogue, *bytes, *catalogueFile);
  }
  for (const CatalogueProblem& problem : catalogue.problems) err << "veldrin-report: " << problemText(problem) << "\n";
  try {
    const LightestSearch search = searchLightest(form, catalogue.sections);
    const int exitCode = search.proposed ? kExitReport : kExitNonePasses;
    return {exitCode, json ? jsonText(lightestJson(search)) : lightestTable(search)};
  } catch (const RunRefused& refused) {
    err << refused.title() << ": " << refused.text() << "\n";
    return {kExitInput, {}};
  }
}

}  // namespace veldrin
