// The purlin section model: the C to the last bit as the program's
// long-standing routine forms it, and against exact integration; Iω over the
// centre line; the Z families against GB 50018-2002's tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/section/properties.h"
#include "calc/section/solid.h"
#include "calc/section/warping.h"
#include "calc/sectionproperties.h"

namespace veldrin::section {
namespace {

class RandomSections {
 public:
  double draw(double lo, double hi, double step) {
    return std::round(std::uniform_real_distribution<double>(lo, hi)(gen_) / step) * step;
  }
  // A plausible purlin C, its dimensions held as a design case holds them.
  DesignCase channel() {
    DesignCase dc;
    dc.h = draw(100, 300, 5);
    dc.b = draw(40, 90, 0.5);
    dc.a = draw(15, 30, 0.5);
    dc.t = draw(1.5, 3.5, 0.1);
    return dc;
  }
  // No strip, up to 0.45 of the flat kept at each end, or kept parts that
  // meet (an element found fully effective within rounding).
  std::optional<Strip> strip(FlatName flat, double width) {
    const double kind = draw(0, 2, 1), start = draw(0.05, 0.45, 1e-4) * width;
    if (kind == 0) return std::nullopt;
    return Strip{flat, start, kind == 1 ? draw(0.05, 0.45, 1e-4) * width : width - start};
  }

 private:
  std::mt19937 gen_{20021};
};

Outline channelOutline(const DesignCase& dc) { return outlineOf(Family::C, {dc.h, dc.b, dc.a, dc.t}); }

TEST(ChannelModel, GrossSectionIsTheRoutinesToTheLastBit) {
  RandomSections random;
  for (int i = 0; i < 400; ++i) {
    DesignCase dc = random.channel();
    SCOPED_TRACE(testing::Message() << "C" << dc.h << "x" << dc.b << "x" << dc.a << "x" << dc.t);
    jiemiantx_code2(dc, dc.h, dc.b, dc.a, dc.t, dc.h, dc.b, dc.b);
    const GrossProperties g = grossProperties(channelOutline(dc));
    EXPECT_EQ(g.plane.area, dc.area);
    EXPECT_EQ(g.plane.centroid.x, dc.centerx);
    EXPECT_EQ(g.plane.ix, dc.ix1);
    EXPECT_EQ(g.plane.iy, dc.iy1);
    EXPECT_EQ(g.principal.ix, dc.ix);
    EXPECT_EQ(g.principal.iy, dc.iy);
    EXPECT_EQ(g.it, dc.it);
    EXPECT_EQ(g.iw, dc.iw);
  }
}

// Strips from the web and the flanges: the routine takes the widths from the
// outer faces, the kept parts plus the bend's 3t.
TEST(ChannelModel, EffectiveSectionIsTheRoutinesToTheLastBit) {
  RandomSections random;
  for (int i = 0; i < 400; ++i) {
    DesignCase dc = random.channel();
    const Outline o = channelOutline(dc);
    std::vector<Strip> strips;
    std::array<double, 6> widths{};  // he1, he2, be11, be12, be21, be22
    for (int k = 0; k < 3; ++k) {
      const FlatName name = std::array{FlatName::Web, FlatName::UpperFlange, FlatName::LowerFlange}[k];
      const double width = o.flat(name).width;
      const std::optional<Strip> s = random.strip(name, width);
      if (s) strips.push_back(*s);
      widths[2 * k] = 3 * o.dims.t + (s ? s->keptAtStart : width / 2);
      widths[2 * k + 1] = 3 * o.dims.t + (s ? s->keptAtEnd : width / 2);
    }
    SCOPED_TRACE(testing::Message() << "C" << dc.h << "x" << dc.b << "x" << dc.a << "x" << dc.t << ", "
                                    << strips.size() << " strips");
    jiemiantx_code1(dc, dc.h, dc.b, dc.a, dc.t, widths[0], widths[1], widths[2], widths[3], widths[4], widths[5]);
    const PlaneMoments e = effectiveProperties(o, strips);
    EXPECT_EQ(e.area, dc.area);
    EXPECT_EQ(e.centroid.x, dc.centerx);
    EXPECT_EQ(e.centroid.y, static_cast<double>(dc.centery));
    EXPECT_EQ(e.ix, dc.ix1);
    EXPECT_EQ(e.iy, dc.iy1);
    EXPECT_EQ(e.ixy, dc.ixy1);
  }
}

// The closed forms place a flange's material at the flange's middle, so the
// exact integration over the same outline agrees with them where a flange
// keeps equal parts at both ends; web and lip strips fall anywhere.
TEST(ChannelModel, ClosedFormsAgreeWithIntegrationOverTheOutline) {
  RandomSections random;
  for (int i = 0; i < 200; ++i) {
    const Outline o = channelOutline(random.channel());
    std::vector<Strip> strips;
    for (const FlatName name : {FlatName::Web, FlatName::UpperFlange, FlatName::LowerFlange, FlatName::UpperLip,
                                FlatName::LowerLip}) {
      std::optional<Strip> s = random.strip(name, o.flat(name).width);
      if (s && (name == FlatName::UpperFlange || name == FlatName::LowerFlange)) s->keptAtEnd = s->keptAtStart;
      if (s) strips.push_back(*s);
    }
    SCOPED_TRACE(testing::Message() << "C" << o.dims.h << "x" << o.dims.b << "x" << o.dims.a << "x" << o.dims.t
                                    << ", " << strips.size() << " strips");
    const PlaneMoments closed = effectiveProperties(o, strips), exact = solidMoments(o, strips);
    // The lips' strips leave an area rounded down to 0.01 mm², which moves
    // the centroid by up to 2e-4 mm; the moments are about a centroid rounded
    // down to 0.01 mm.
    EXPECT_NEAR(closed.area, exact.area, 0.01);
    EXPECT_NEAR(closed.centroid.x, exact.centroid.x, 5e-4);
    EXPECT_NEAR(closed.centroid.y, exact.centroid.y, 5e-4);
    for (const auto& [a, b] : {std::pair{closed.ix, exact.ix}, {closed.iy, exact.iy}, {closed.ixy, exact.ixy}}) {
      EXPECT_NEAR(a, b, 5e-6 * exact.ix);
    }
  }
}

// Iω over the square-corner centre line: GB 50018-2002 B.2.8 gives 2745.33 cm⁶
// for Z160×60×20×2.5, whose shear centre is its centroid. The C of the same
// plates by the lipped channel's closed forms on its centre line: the shear
// centre 27.55 mm behind the web, Iω = 2065.19 cm⁶. An unequal angle turns
// about the corner of its legs and does not warp.
TEST(WarpingConstant, OverTheSquareCornerCentreLine) {
  const std::array<Point, 3> angle{{{0, 100}, {0, 0}, {60, 0}}};
  const Warping l = warpingOf(angle, 2);
  EXPECT_NEAR(l.shearCentre.x, 0, 1e-9);
  EXPECT_NEAR(l.shearCentre.y, 0, 1e-9);
  EXPECT_NEAR(l.iw, 0, 1e-3);
  const struct {
    Family family;
    double iw, shearCentreX;
  } cases[] = {{Family::Z, 2745.33, 0}, {Family::C, 2065.19, -27.55}};
  for (const auto& c : cases) {
    const Outline o = outlineOf(c.family, {160, 60, 20, 2.5});
    const Warping w = warpingOf(o.centreLine, o.dims.t);
    EXPECT_NEAR(w.iw / 1e6, c.iw, 0.005);
    EXPECT_NEAR(w.shearCentre.x, c.shearCentreX, 0.005);
    EXPECT_NEAR(w.shearCentre.y, 0, 1e-9);
  }
  EXPECT_NEAR(grossProperties(outlineOf(Family::Z, {160, 60, 20, 2.5})).iw / 1e6, 2745.33, 0.005);
}

// GB 50018-2002 Tables B.1.1-5 (lips at 90°) and B.1.1-6 (lips at 45°): A, θ,
// Ix1, Iy1, Ix1y1, the principal moments and It of every row within each
// table's tolerance, but for the cells its file flags as misprints. The flat
// widths the plate checks take span the flats as drawn.
struct Column {
  const char* name;
  double (*value)(const GrossProperties&);  // in the table's unit
};
const Column kColumns[] = {
    {"A_cm2", [](const GrossProperties& g) { return g.plane.area / 1e2; }},
    {"theta_deg", [](const GrossProperties& g) { return std::fabs(g.principal.theta) * 180 / std::numbers::pi; }},
    {"Ix1_cm4", [](const GrossProperties& g) { return g.plane.ix / 1e4; }},
    {"Iy1_cm4", [](const GrossProperties& g) { return g.plane.iy / 1e4; }},
    {"Ix1y1_cm4", [](const GrossProperties& g) { return std::fabs(g.plane.ixy) / 1e4; }},
    {"Ix_cm4", [](const GrossProperties& g) { return g.principal.ix / 1e4; }},
    {"Iy_cm4", [](const GrossProperties& g) { return g.principal.iy / 1e4; }},
    {"It_cm4", [](const GrossProperties& g) { return g.it / 1e4; }},
};

struct Table {
  const char* file;
  Family family;
  double tolerance;
  std::vector<std::string> misprints;  // "row column"
};
const Table kTables[] = {
    {"gb50018-table-b115-z.csv", Family::Z, 0.006, {"140x50x20x2.5 Ix_cm4", "140x50x20x3.0 Iy1_cm4"}},
    {"gb50018-table-b116-z45.csv", Family::Z45, 0.001, {}},
};

using Row = std::map<std::string, std::string>;

std::vector<std::string> cellsOf(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  return cells;
}

std::vector<Row> readTable(const std::string& file) {
  std::ifstream in(std::string(VELDRIN_SOURCE_DIR) + "/tests/data/" + file);
  std::vector<std::string> header;
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> cells = cellsOf(line);
    if (header.empty()) {
      header = cells;
      continue;
    }
    Row& row = rows.emplace_back();
    for (std::size_t i = 0; i < cells.size() && i < header.size(); ++i) row[header[i]] = cells[i];
  }
  return rows;
}

TEST(ZSectionTables, EveryRowWithinTheTablesTolerance) {
  for (const Table& table : kTables) {
    const std::vector<Row> rows = readTable(table.file);
    ASSERT_GE(rows.size(), 13u) << table.file;
    std::map<std::string, double> largest;
    for (const Row& row : rows) {
      const auto cell = [&row](const std::string& column) { return std::stod(row.at(column)); };
      const std::string name = row.at("h_mm") + "x" + row.at("b_mm") + "x" + row.at("a_mm") + "x" + row.at("t_mm");
      const Dimensions d{cell("h_mm"), cell("b_mm"), cell("a_mm"), cell("t_mm")};
      const Outline o = outlineOf(table.family, d);
      for (const Flat& f : o.flats) EXPECT_NEAR(f.width, std::hypot(f.end.x - f.start.x, f.end.y - f.start.y), 1e-9);
      const GrossProperties g = grossProperties(o);
      for (const Column& c : kColumns) {
        if (std::ranges::count(table.misprints, name + " " + c.name) > 0) continue;
        const double deviation = c.value(g) / cell(c.name) - 1;
        EXPECT_LE(std::fabs(deviation), table.tolerance) << table.file << " " << name << " " << c.name;
        if (std::fabs(deviation) > std::fabs(largest[c.name])) largest[c.name] = deviation;
      }
    }
    for (const auto& [column, deviation] : largest) {
      std::printf("%s %s: largest deviation %+.3f %%\n", table.file, column.c_str(), 100 * deviation);
    }
  }
}

}  // namespace
}  // namespace veldrin::section
