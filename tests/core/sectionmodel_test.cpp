// The purlin section model: the C to the last bit as the program's
// long-standing routine forms it, over random sections and strips.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "calc/section/properties.h"
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

}  // namespace
}  // namespace veldrin::section
