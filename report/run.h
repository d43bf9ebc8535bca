#pragma once
// The calculate command: from the window's texts and selections to the
// finished report. The desktop program, the headless command and the tests
// all go through this one function.
#include <string>
#include <vector>

#include "basetypes/reporttable.h"
#include "input/designcase.h"
#include "input/formstate.h"
#include "toolkit/platform.h"

namespace veldrin {

struct RunOutcome {
  bool completed = false;  // false: the run stopped with a message box, no report
  std::string report;      // the whole text for the result window (CR LF lines)
  CheckResults checks;     // every verdict the report writes, in report order
  std::vector<PlacedTable> tables;  // the report's tables (section six), by their lines in report
};

// Written: the report text is built and returned. Quiet: the same run,
// every check and record, but no text is formatted (for a search that reads
// only the records); a value that is not finite still stops it.
enum class ReportMode { Written, Quiet };

// On a stop (a refusal with its message box, or the user's Cancel of a
// question) the report and the quick-result text of dc stay as they were.
RunOutcome cmdshow_Click(const FormState& form, DesignCase& dc, Platform& ui,
                         ReportMode mode = ReportMode::Written);

}  // namespace veldrin
