#include "calc/sectionproperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace veldrin;

namespace {

// Area, first and second moments of a set of plates about the web centre
// line (x) and mid-depth (y), integrated here independently of the unit.
struct Integral {
  double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;

  // A rectangle whose bounds may be reversed: it then counts negatively.
  void rect(double x1, double x2, double y1, double y2) {
    const double w = x2 - x1, d = y2 - y1, area = w * d, xm = (x1 + x2) / 2, ym = (y1 + y2) / 2;
    add(area, xm, ym, area * (d * d / 12 + ym * ym), area * (w * w / 12 + xm * xm), area * xm * ym);
  }
  // Quarter annulus, radii 2t..3t around (cx, cy), from angle th0; Simpson's
  // rule is exact in r (a cubic) and converges fast in the angle.
  void bend(double cx, double cy, double t, double th0) {
    const int n = 64;
    for (int i = 0; i <= n; ++i) {
      const double th = th0 + std::numbers::pi / 2 * i / n, wt = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
      for (int j = 0; j <= 2; ++j) {
        const double r = 2 * t + t * j / 2, wr = j == 1 ? 4 : 1, x = cx + r * std::cos(th), y = cy + r * std::sin(th);
        const double da = wt * wr * r * (std::numbers::pi / 2 / n / 3) * (t / 2 / 3);
        add(da, x, y, da * y * y, da * x * x, da * x * y);
      }
    }
  }
  void add(double da, double x, double y, double xx, double yy, double xy) {
    a += da, sx += da * x, sy += da * y, ixx += xx, iyy += yy, ixy += xy;
  }
  double ixAbout(double y0) const { return ixx - 2 * y0 * sy + a * y0 * y0; }
  double iyAbout(double x0) const { return iyy - 2 * x0 * sx + a * x0 * x0; }
  double ixyAbout(double x0, double y0) const { return ixy - x0 * sy - y0 * sx + a * x0 * y0; }
};

struct Widths {
  double he1, he2, be11, be12, be21, be22;
};

Integral lippedChannel(double h, double b, double a, double t, const Widths& w) {
  Integral s;
  const double webEnd = h / 2 - 3 * t, flangeEnd = b - 3.5 * t;
  s.rect(-t / 2, t / 2, h / 2 - w.he1, webEnd);
  s.rect(-t / 2, t / 2, -webEnd, w.he2 - h / 2);
  for (const double side : {1.0, -1.0}) {
    const double be1 = side > 0 ? w.be11 : w.be21, be2 = side > 0 ? w.be12 : w.be22;
    const double y0 = side * (h / 2 - t), y1 = side * h / 2;
    s.rect(2.5 * t, be1 - t / 2, std::min(y0, y1), std::max(y0, y1));
    s.rect(b - be2 - t / 2, flangeEnd, std::min(y0, y1), std::max(y0, y1));
    const double lip0 = side * webEnd, lip1 = side * (h / 2 - a);
    s.rect(b - 1.5 * t, b - 0.5 * t, std::min(lip0, lip1), std::max(lip0, lip1));
  }
  const double pi = std::numbers::pi;
  s.bend(2.5 * t, webEnd, t, pi / 2);
  s.bend(flangeEnd, webEnd, t, 0);
  s.bend(2.5 * t, -webEnd, t, pi);
  s.bend(flangeEnd, -webEnd, t, 1.5 * pi);
  return s;
}

DesignCase gross1(double h, double b, double a, double t) {
  DesignCase dc;
  jiemiantx_code1(dc, h, b, a, t, h / 2, h / 2, b / 2, b / 2, b / 2, b / 2);
  return dc;
}

DesignCase gross2(double h, double b, double a, double t) {
  DesignCase dc;
  jiemiantx_code2(dc, h, b, a, t, h, b, b);
  return dc;
}

void expectSameSection(const DesignCase& x, const DesignCase& y) {
  EXPECT_EQ(x.area, y.area);
  EXPECT_DOUBLE_EQ(x.centerx, y.centerx);
  EXPECT_EQ(static_cast<double>(x.centery), static_cast<double>(y.centery));
  EXPECT_DOUBLE_EQ(x.ix1, y.ix1);
  EXPECT_DOUBLE_EQ(x.iy1, y.iy1);
  EXPECT_EQ(x.ixy1, y.ixy1);
  for (auto field : {&DesignCase::ix, &DesignCase::iy, &DesignCase::ixy, &DesignCase::d, &DesignCase::e0,
                     &DesignCase::it, &DesignCase::iw, &DesignCase::uy}) {
    EXPECT_EQ(x.*field, y.*field);
  }
  EXPECT_EQ(static_cast<double>(x.z0), static_cast<double>(y.z0));
}

}  // namespace

TEST(RectangleMoments, SignFollowsTheOrderOfTheBounds) {
  EXPECT_DOUBLE_EQ(imtx0(0, 2, 0, 3), 8);
  EXPECT_DOUBLE_EQ(imty0(0, 2, 0, 3), 18);
  EXPECT_DOUBLE_EQ(imtxy0(0, 2, 0, 3), 9);
  EXPECT_DOUBLE_EQ(imtx0(2, 0, 3, 0), 8);    // both pairs descending
  EXPECT_DOUBLE_EQ(imty0(2, 0, 3, 0), 18);
  EXPECT_DOUBLE_EQ(imtxy0(2, 0, 3, 0), 9);
  EXPECT_DOUBLE_EQ(imtx0(0, 2, 3, 0), -8);   // one pair reversed
  EXPECT_DOUBLE_EQ(imty0(2, 0, 0, 3), -18);
  EXPECT_DOUBLE_EQ(imtxy0(0, 2, 3, 0), -9);
  EXPECT_DOUBLE_EQ(imtx0(1, 2, -1, 1), 14.0 / 3);  // about the origin, not the rectangle
}

TEST(SectionProperties, GrossC160x60x20x2_5) {
  for (const DesignCase& dc : {gross1(160, 60, 20, 2.5), gross2(160, 60, 20, 2.5)}) {
    EXPECT_EQ(dc.area, 748.17);
    EXPECT_NEAR(dc.centerx, 17.22, 0.005);
    EXPECT_EQ(static_cast<double>(dc.centery), 0);
    EXPECT_EQ(dc.ixy1, 0);
    EXPECT_EQ(dc.ix, 2881150);
    EXPECT_EQ(dc.iy, 359557);
    EXPECT_EQ(dc.ixy, 0);
    EXPECT_EQ(dc.it, 1558);
    EXPECT_EQ(dc.iw, 2012829851);
    EXPECT_EQ(dc.d, 29.17);
    EXPECT_EQ(static_cast<double>(dc.z0), 18.75);
    EXPECT_EQ(dc.e0, 47.92);
    EXPECT_EQ(dc.uy, 33796875);
  }
}

TEST(SectionProperties, UnequalFlangesTurnThePrincipalAxes) {
  DesignCase dc;
  jiemiantx_code1(dc, 200, 70, 20, 2, 80, 100, 30, 25, 35, 35);
  EXPECT_EQ(dc.area, 656.83);
  EXPECT_NEAR(dc.centery, -5.13, 0.005);
  EXPECT_NEAR(dc.ix1, 4083570, 1);
  EXPECT_NEAR(dc.iy1, 442827, 1);
  EXPECT_NEAR(dc.ixy1, -43055, 1);
  EXPECT_EQ(dc.ix, 4084079);
  EXPECT_EQ(dc.iy, 442317);
  EXPECT_EQ(dc.it, 969);
  EXPECT_EQ(dc.iw, 3536041376);
  EXPECT_EQ(dc.d, 34.44);
  EXPECT_EQ(dc.e0, 54.7);
}

TEST(SectionProperties, BothEntryPointsAgreeOnGrossSections) {
  const double sizes[][4] = {{160, 60, 20, 2.5}, {250, 75, 20, 2.5}, {180, 70, 20, 2.2},
                             {140, 50, 15, 1.8}, {300, 80, 25, 3},   {155, 65.5, 17.5, 2.3}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(testing::Message() << "C" << s[0] << "x" << s[1] << "x" << s[2] << "x" << s[3]);
    expectSameSection(gross1(s[0], s[1], s[2], s[3]), gross2(s[0], s[1], s[2], s[3]));
  }
}

TEST(SectionProperties, EffectiveCallWithFullWidthsRepeatsTheGrossSection) {
  DesignCase dc;
  jiemiantx_code1(dc, 200, 70, 20, 2, 80, 100, 30, 25, 35, 35);  // leaves other values behind
  dc.he1 = dc.he2 = 125;
  dc.be11 = dc.be12 = dc.be21 = dc.be22 = 37.5;
  jiemiantx_code1(dc, 250, 75, 20, 2.5, dc.he1, dc.he2, dc.be11, dc.be12, dc.be21, dc.be22);
  expectSameSection(dc, gross2(250, 75, 20, 2.5));
  jiemiantx_code2(dc, 250, 75, 20, 2.5, 250, 75, 75);
  expectSameSection(dc, gross1(250, 75, 20, 2.5));
}

// The second moments must be those of the plates and bends where they lie,
// about the unit's own (rounded) centroidal axes.
void expectExactMoments(const DesignCase& dc, const Integral& exact) {
  const double xBar = std::floor(100 * dc.centerx) / 100, yBar = std::floor(100 * dc.centery) / 100;
  EXPECT_NEAR(dc.area, exact.a, 0.01);
  EXPECT_NEAR(dc.centery, exact.sy / exact.a, 1e-5);  // the web's own first moment counts
  EXPECT_NEAR(dc.ix1, exact.ixAbout(yBar), 1);
  EXPECT_NEAR(dc.iy1, exact.iyAbout(xBar), 1);
  EXPECT_NEAR(dc.ixy1, exact.ixyAbout(xBar, yBar), 1);
}

TEST(SectionProperties, SecondMomentsMatchIntegrationOfTheGeometry) {
  const Integral c160 = lippedChannel(160, 60, 20, 2.5, {80, 80, 30, 30, 30, 30});
  EXPECT_NEAR(c160.ixAbout(0), 2881150.3, 0.05);
  EXPECT_NEAR(c160.iyAbout(c160.sx / c160.a), 359557.3, 0.05);
  EXPECT_NEAR(gross1(160, 60, 20, 2.5).centerx, c160.sx / c160.a, 1e-6);  // π to 9 digits in the bends
  expectExactMoments(gross1(160, 60, 20, 2.5), c160);

  const Integral unequal = lippedChannel(200, 70, 20, 2, {80, 100, 30, 25, 35, 35});
  EXPECT_NEAR(unequal.ixAbout(unequal.sy / unequal.a), 4083570.0, 0.05);
  DesignCase dc;
  jiemiantx_code1(dc, 200, 70, 20, 2, 80, 100, 30, 25, 35, 35);
  expectExactMoments(dc, unequal);

  // A flange width below the corner allowance reverses its element.
  jiemiantx_code1(dc, 200, 70, 20, 2, 60, 90, 4, 25, 30, 20);
  expectExactMoments(dc, lippedChannel(200, 70, 20, 2, {60, 90, 4, 25, 30, 20}));

  jiemiantx_code2(dc, 200, 70, 20, 2, 150, 40, 70);
  expectExactMoments(dc, lippedChannel(200, 70, 20, 2, {75, 75, 20, 20, 35, 35}));
}

TEST(PrincipalMoments, RotationKeepsTheInvariants) {
  const PrincipalMoments p = principalMoments(4083570, 442827, -43055);
  EXPECT_NEAR(p.ix + p.iy, 4083570 + 442827, 1e-6);
  EXPECT_NEAR(p.ix * p.iy - p.ixy * p.ixy, 4083570.0 * 442827 - 43055.0 * 43055, 1e3);
  EXPECT_NEAR(p.ixy, 0, 1e-6);
  EXPECT_GT(p.ix, 4083570);
}

TEST(PrincipalMoments, EqualMomentsNeedNoDivision) {
  const PrincipalMoments round = principalMoments(5000, 5000, 0);
  EXPECT_EQ(round.ix, 5000);
  EXPECT_EQ(round.iy, 5000);
  EXPECT_EQ(round.ixy, 0);
  for (const double ixy1 : {300.0, -300.0}) {  // axes at 45°, ix the larger
    const PrincipalMoments p = principalMoments(5000, 5000, ixy1);
    EXPECT_NEAR(p.ix, 5300, 1e-6);
    EXPECT_NEAR(p.iy, 4700, 1e-6);
    EXPECT_NEAR(p.ixy, 0, 1e-4);
  }
}

// Written with the centre-line identities (2a + 3h − 4t = 2cl + 3hw, …).
TEST(SectionProperties, WarpingConstantIsTheFloorOfTheWholeSum) {
  const double h = 160, b = 60, a = 20, t = 2.5, hw = h - t, bf = b - t, cl = a - t / 2;
  const DesignCase dc = gross1(h, b, a, t);
  const double area = 15.70796325 * t * t + t * (h + 2 * b + 2 * a - 24 * t), ix = dc.ix1;
  const double xBar = std::floor(100 * dc.centerx) / 100, k = t * t / area;
  const double m = bf * t * (3 * bf * hw * hw + 6 * cl * hw * hw - 8 * cl * cl * cl) / (12 * ix);
  const double t3 = k * (hw * hw * area * xBar / t * (bf * bf / 3 + m * m - bf * m) +
                         area / (3 * t) * (m * m * hw * hw * hw + bf * bf * cl * cl * (2 * cl + 3 * hw)) -
                         (4 * cl + 2 * hw) * m * m * ix / t);
  const double t2 = k * (m * cl * cl / 3) * (8 * bf * bf * cl + 2 * m * (2 * cl * (cl - hw) + bf * (2 * cl - 3 * hw)));
  const double t1 =
      k * ((bf * bf * hw * hw / 6) * ((3 * cl + bf) * (4 * cl + hw) - 6 * cl * cl) - m * m * std::pow(hw, 4) / 4);
  ASSERT_NE(std::floor(t1) + std::floor(t2) + std::floor(t3), std::floor(t1 + t2 + t3));  // the case tells them apart
  EXPECT_EQ(dc.iw, std::floor(t1 + t2 + t3));
}
