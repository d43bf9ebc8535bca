#include "figures/sectiongeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using veldrin::dialogScale;
using veldrin::kFigureHeight;
using veldrin::kLegendHeight;
using veldrin::legendScale;
using veldrin::lineModelProperties;
using veldrin::propertyListText;
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

TEST(LineModel, DefaultSectionGivesTheListedValues) {
  const auto p = lineModelProperties(kDefaults);
  EXPECT_DOUBLE_EQ(p.area, 1100);
  EXPECT_NEAR(p.z0, 19.6022727, 1e-6);
  EXPECT_NEAR(p.ix0, 10440416.67, 0.01);
  EXPECT_NEAR(p.iy0, 842950.994, 0.001);
  EXPECT_NEAR(p.d, 32.1743924, 1e-6);
  EXPECT_NEAR(p.e0, 51.7766651, 1e-6);
  EXPECT_NEAR(p.it0, 2291.6667, 1e-4);
  EXPECT_NEAR(p.iw0, 10448809770.36, 0.1);
  EXPECT_EQ(propertyListText(p),
            "   Area=1100mm2\r\n"
            "    z0=19.6mm\r\n"
            "    Ix0=1044.04cm4\r\n"
            "    Iy0=84.29cm4\r\n"
            "    e0=51.77mm\r\n"
            "    It0=0.22cm4\r\n"
            "    Iω0=10448.809cm6\r\n");
}

TEST(LineModel, ValuesAreFlooredNotRounded) {
  veldrin::LineModelProperties p;
  p.area = 1234.56;   // 1234.5, not 1234.6
  p.z0 = -0.001;      // floor towards minus infinity
  p.ix0 = 19999;      // 1.9999 cm4 shows 1.99
  p.iy0 = 10000;      // exactly 1 cm4
  p.e0 = 0.29;        // stays 0.29
  p.it0 = 0;
  p.iw0 = 1999.9;     // 0.001 cm6
  EXPECT_EQ(propertyListText(p),
            "   Area=1234.5mm2\r\n    z0=-0.01mm\r\n    Ix0=1.99cm4\r\n    Iy0=1cm4\r\n"
            "    e0=0.29mm\r\n    It0=0cm4\r\n    Iω0=0.001cm6\r\n");
}

TEST(LineModel, PropertiesThatCannotBeFormedAreLeftOut) {
  // h + 2b + 2a = 0 and Ix0 = 0: z0, Iy0, d, e0 and Iω0 divide by zero.
  const auto p = lineModelProperties({0, 0, 0, 2});
  EXPECT_EQ(propertyListText(p), "   Area=0mm2\r\n    Ix0=0cm4\r\n    It0=0cm4\r\n");
  // An infinite thickness (a number too large for the field): only z0, which
  // does not depend on t, is left.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(propertyListText(lineModelProperties({250, 75, 20, inf})), "    z0=19.6mm\r\n");
  // A zero height still has a flange and lips to compute with.
  const std::string noWeb = propertyListText(lineModelProperties({0, 75, 20, 2.5}));
  EXPECT_NE(noWeb.find("Area=475mm2"), std::string::npos);
  EXPECT_NE(noWeb.find("Iω0="), std::string::npos);
}

TEST(LineModel, HugeFiniteValuesThatOverflowTheFloorAreLeftOut) {
  veldrin::LineModelProperties p;
  p.area = 1e308;  // 10·A overflows
  p.z0 = std::nan("");
  const std::string text = propertyListText(p);
  EXPECT_EQ(text.find("Area="), std::string::npos);
  EXPECT_EQ(text.find("z0="), std::string::npos);
  EXPECT_NE(text.find("Ix0=0cm4"), std::string::npos);
}
