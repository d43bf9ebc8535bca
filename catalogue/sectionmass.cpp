#include "catalogue/sectionmass.h"

#include <cmath>

#include "basetypes/numbertext.h"
#include "calc/sectionproperties.h"

namespace veldrin {

std::optional<double> grossArea(const CatalogueSection& section) {
  DesignCase dc;
  dc.code = DesignCode::Cecs102;
  dc.h = section.h;
  dc.b = section.b;
  dc.a = section.a;
  dc.t = section.t;
  grossSectionProperties(dc);
  if (!(std::isfinite(dc.area) && dc.area > 0)) return std::nullopt;
  return dc.area;
}

std::optional<double> massPerMetre(const CatalogueSection& section) {
  const std::optional<double> area = grossArea(section);
  if (!area) return std::nullopt;
  return roundTo15(*area * kSteelKgPerMetrePerMm2);
}

double massShown(double kgPerMetre) { return std::floor(roundTo15(kgPerMetre * 100) + 0.5) / 100; }

}  // namespace veldrin
