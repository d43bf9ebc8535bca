#pragma once
// The section as the report computes it, for the figure dialog: the
// properties the report lists for the selected code, each with its unit,
// and the centroid and shear centre the figure marks.
#include <limits>
#include <string>

#include "figures/sectiongeometry.h"
#include "input/designcase.h"

namespace veldrin {

struct ReportedSection {
  bool formed = false;  // false: the dimensions make no section; nothing is listed or marked
  // mm, web to centroid and web to shear centre, as the report shows them; not a number when not formed
  double z0 = std::numeric_limits<double>::quiet_NaN(), d = std::numeric_limits<double>::quiet_NaN();
  std::string lines;     // the properties as the report writes them (CR LF lines)
};

// The gross section of the dimensions by the report's own routines: under
// GB 51022-2015 the properties of its item 16, otherwise the nine of item 17.
ReportedSection reportedSection(const SectionDims& dims, DesignCode code);

}  // namespace veldrin
