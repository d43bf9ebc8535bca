#include "catalogue/sectionmass.h"

#include <cmath>

#include "basetypes/numbertext.h"
#include "calc/sectionproperties.h"

namespace veldrin {

std::optional<double> grossArea(const CatalogueSection& section) {
  DesignCase dc;
  const Single h = section.h, b = section.b, a = section.a, t = section.t;
  const Single halfH = h / 2, halfB = b / 2;
  jiemiantx_code1(dc, h, b, a, t, halfH, halfH, halfB, halfB, halfB, halfB);
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
