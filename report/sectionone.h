#pragma once
// The project header and section one, the known conditions.
#include "input/designcase.h"

namespace veldrin {

void writeHeaderAndKnownConditions(DesignCase& dc);

// The project name and number and the empty line after them (the report restarts).
void writeProjectHeader(DesignCase& dc);

// The closing banner with the design time of the window.
void writeBanner(DesignCase& dc, const std::string& designTime);

}  // namespace veldrin
