#pragma once
// The report of a purlin checked to GB 51022-2015 with the section checks of
// GB 50018-2002: sections one to five, written from the computed checks,
// and the check records in report order.
#include "input/designcase.h"

namespace veldrin {

// After the gross section is in dc: writes the known conditions (after the
// project header) to section five into dc.filestring and sets dc.checks.
// `step` names the part being written, for the message of a stopped run.
void writeGb51022Sections(DesignCase& dc, std::string& step);

}  // namespace veldrin
