#pragma once
// The project header and section one, the known conditions.
#include "input/designcase.h"

namespace veldrin {

void writeHeaderAndKnownConditions(DesignCase& dc);

// Known conditions 1 to 4, the roof's characteristic loads, at the items' indent:
// the same under every design code.
void writeRoofLoadItems(ReportText& r, const DesignCase& dc);

// The nine section properties of item 17 (A, z0, Ix … Uy), each with its unit.
void writeSectionPropertyLines(ReportText& r, const DesignCase& dc, int indent);

// The project name and number and the empty line after them (the report restarts).
void writeProjectHeader(DesignCase& dc);

// The closing banner with the design time of the window.
void writeBanner(DesignCase& dc, const std::string& designTime);

}  // namespace veldrin
