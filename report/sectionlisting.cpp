#include "report/sectionlisting.h"

#include <cmath>

#include "calc/gb51022/section.h"
#include "calc/sectionproperties.h"
#include "report/gb51022/reportparts.h"
#include "report/sectionone.h"

namespace veldrin {

namespace {

constexpr int kIndent = 3;

bool positive(double v) { return std::isfinite(v) && v > 0; }

// The properties of GB 51022-2015's item 16, without their formulas.
void writeGb51022Lines(ReportText& r, const DesignCase& dc) {
  using gb51022::shown2;
  const gb51022::GrossSection g = gb51022::grossSectionOf(dc);
  r.line(kIndent, "A=", g.area, "mm2");
  r.line(kIndent, "Ix=", g.ix, "mm4");
  r.line(kIndent, "Iy=", g.iy, "mm4");
  r.line(kIndent, "It=", g.it, "mm4");
  r.line(kIndent, "Iω=", g.iw, "mm6");
  r.line(kIndent, "x0=", shown2(g.xc), "mm");
  r.line(kIndent, "Wx=", shown2(g.wx()), "mm3");
  r.line(kIndent, "Wy1=", shown2(g.iy / g.xc), "mm3");
  r.line(kIndent, "Wy2=", shown2(g.iy / (g.b - g.xc)), "mm3");
}

// The dimensions a run accepts: positive, and under GB 51022-2015 flat widths
// left between the bends.
bool runAccepts(const SectionDims& s, DesignCode code) {
  const double h = s.h, b = s.b, a = s.a, t = s.t;
  if (!(positive(h) && positive(b) && positive(a) && positive(t))) return false;
  return code != DesignCode::Gb51022 || (h - 6 * t > 0 && b - 6 * t > 0 && a - 3 * t > 0);
}

}  // namespace

ReportedSection reportedSection(const SectionDims& dims, DesignCode code) {
  if (!runAccepts(dims, code)) return {};
  DesignCase dc;
  dc.h = dims.h;
  dc.b = dims.b;
  dc.a = dims.a;
  dc.t = dims.t;
  dc.code = code;
  grossSectionProperties(dc);
  ReportedSection section;
  if (!positive(dc.area) || !positive(dc.ix) || !positive(dc.iy)) return section;
  std::string listed;
  try {
    ReportText lines;
    if (code == DesignCode::Gb51022) writeGb51022Lines(lines, dc);
    else writeSectionPropertyLines(lines, dc, kIndent);
    listed = lines.str();
  } catch (const NonFiniteValue&) {
    return section;  // a value the dimensions cannot form: no half list
  }
  if (!std::isfinite(static_cast<double>(dc.z0)) || !std::isfinite(dc.d)) return section;
  section.formed = true;
  section.lines = listed;
  section.z0 = dc.z0;
  section.d = dc.d;
  return section;
}

}  // namespace veldrin
