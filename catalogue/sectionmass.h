#pragma once
// Mass per metre of a catalogue section, from the program's own gross
// section properties, so the search weighs what it calculates.
#include <optional>

#include "catalogue/catalogue.h"

namespace veldrin {

// Steel of 7850 kg/m³: 7.85e-3 kg per metre for each mm² of area.
inline constexpr double kSteelKgPerMetrePerMm2 = 7.85e-3;

// The gross area (mm²) as the report's item 17 shows it; none when the
// dimensions make no section (an area not greater than zero).
std::optional<double> grossArea(const CatalogueSection& section);

// kg/m; none when the dimensions make no section.
std::optional<double> massPerMetre(const CatalogueSection& section);

// kg/m as the table shows it, to 0.01 (half up); also the key the search
// compares, so two sections that read the same weight are equally light.
double massShown(double kgPerMetre);

}  // namespace veldrin
