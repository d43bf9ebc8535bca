#include "figures/sectiongeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using veldrin::dialogScale;
using veldrin::kFigureHeight;
using veldrin::kLegendHeight;
using veldrin::legendScale;
using veldrin::SectionDims;

namespace {

const SectionDims kDefaults{250, 75, 20, 2.5};

}  // namespace

TEST(SectionOutline, PointsFollowTheOuterThenTheInnerFace) {
  const auto p = veldrin::outlinePoints(kDefaults);
  EXPECT_DOUBLE_EQ(p[0].x, 75);     // P1: lip tip, outer face
  EXPECT_DOUBLE_EQ(p[0].y, 105);
  EXPECT_DOUBLE_EQ(p[2].x, 67.5);   // P3: lower flange where the bend starts
  EXPECT_DOUBLE_EQ(p[2].y, 125);
  EXPECT_DOUBLE_EQ(p[5].x, 0);      // P6: web, upper end of the straight part
  EXPECT_DOUBLE_EQ(p[5].y, -117.5);
  EXPECT_DOUBLE_EQ(p[9].y, -105);   // P10: the other lip tip
  EXPECT_DOUBLE_EQ(p[12].x, 67.5);  // P13 on the inner face of the lower flange
  EXPECT_DOUBLE_EQ(p[12].y, 122.5);
  EXPECT_DOUBLE_EQ(p[14].x, 2.5);   // P15 on the inner face of the web
  EXPECT_DOUBLE_EQ(p[19].x, 72.5);  // P20
  EXPECT_DOUBLE_EQ(p[19].y, -105);
  const auto q = veldrin::bendCentres(kDefaults);
  EXPECT_DOUBLE_EQ(q[0].x, 67.5);
  EXPECT_DOUBLE_EQ(q[0].y, 117.5);
  EXPECT_DOUBLE_EQ(q[2].x, 7.5);
  EXPECT_DOUBLE_EQ(q[2].y, -117.5);
}

TEST(SectionOutline, ShortLipIsKeptAsGiven) {
  // a < 3t: the lip tip lies beyond the end of the bend; nothing is corrected.
  const auto p = veldrin::outlinePoints({250, 75, 5, 2.5});
  EXPECT_DOUBLE_EQ(p[0].y, 120);
  EXPECT_DOUBLE_EQ(p[1].y, 117.5);
  EXPECT_GT(p[0].y, p[1].y);
}

TEST(LegendScale, WholeTwipsPerMillimetre) {
  EXPECT_EQ(legendScale(kLegendHeight, 250), 7);  // Int(10.62 - 3)
  EXPECT_EQ(legendScale(kLegendHeight, 400), 3);  // Int(6.6375 - 3)
  EXPECT_EQ(legendScale(kLegendHeight, 120.5), 19);
  EXPECT_EQ(legendScale(kLegendHeight, 265.5), 7);  // exactly 10 - 3
}

TEST(DialogScale, WholeTwipsPerMillimetre) {
  EXPECT_EQ(dialogScale(kFigureHeight, 250), 14);  // floor(24 - 10)
  EXPECT_EQ(dialogScale(kFigureHeight, 400), 5);   // floor(15 - 10)
  EXPECT_EQ(dialogScale(kFigureHeight, 120.5), 39);
  EXPECT_EQ(dialogScale(kFigureHeight, 300), 10);  // exactly 20 - 10
}

TEST(Scales, NoScaleWithoutAUsableHeight) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double h : {0.0, -0.0, nan, inf, -inf, -250.0}) {
    EXPECT_FALSE(legendScale(kLegendHeight, h)) << h;
    EXPECT_FALSE(dialogScale(kFigureHeight, h)) << h;
  }
  // h above H/3 (legend) or above H/11 (dialog): the scale comes out 0.
  EXPECT_FALSE(legendScale(kLegendHeight, 700));
  EXPECT_FALSE(dialogScale(kFigureHeight, 550));
  EXPECT_EQ(dialogScale(kFigureHeight, 545), 1);
}

TEST(Scales, MustFitASixteenBitInteger) {
  EXPECT_EQ(legendScale(32770.5, 1), 32767);
  EXPECT_FALSE(legendScale(32771.5, 1));
  EXPECT_EQ(dialogScale(32777.9, 1), 32767);
  EXPECT_FALSE(dialogScale(32778, 1));
  EXPECT_FALSE(legendScale(kLegendHeight, 0.01));  // 265497 twips per mm
}
