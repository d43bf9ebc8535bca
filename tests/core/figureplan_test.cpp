#include "figures/figureplan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace veldrin;

namespace {

const SectionDims kDefaults{250, 75, 20, 2.5};

template <class Step>
std::vector<Step> stepsOf(const FigurePlan& plan) {
  std::vector<Step> found;
  for (const FigureStep& s : plan.steps()) {
    if (const Step* step = std::get_if<Step>(&s)) found.push_back(*step);
  }
  return found;
}

const TextStep* findText(const FigurePlan& plan, const std::string& text) {
  for (const FigureStep& s : plan.steps()) {
    const TextStep* step = std::get_if<TextStep>(&s);
    if (step && step->text == text) return step;
  }
  return nullptr;
}

// The font size in force when the given text is printed.
double fontAt(const FigurePlan& plan, const std::string& text, double initial) {
  double points = initial;
  for (const FigureStep& s : plan.steps()) {
    if (const FontStep* f = std::get_if<FontStep>(&s)) points = f->points;
    const TextStep* t = std::get_if<TextStep>(&s);
    if (t && t->text == text) return points;
  }
  return -1;
}

bool allFinite(const FigurePlan& plan) {
  for (const LineStep& l : stepsOf<LineStep>(plan)) {
    if (!std::isfinite(l.x1 + l.y1 + l.x2 + l.y2)) return false;
  }
  for (const ArcStep& a : stepsOf<ArcStep>(plan)) {
    if (!std::isfinite(a.cx + a.cy + a.radius)) return false;
  }
  return true;
}

}  // namespace

TEST(LegendPlan, OutlineAtSevenTwipsPerMillimetre) {
  const FigurePlan plan = legendPlan(kDefaults, 0, 0);
  std::vector<LineStep> outline;
  for (const LineStep& l : stepsOf<LineStep>(plan)) {
    if (l.ink == Ink::Outline) outline.push_back(l);
  }
  ASSERT_EQ(outline.size(), 12u);
  // P1-P2: the outer face of the lower lip, 525 twips right of the centre line.
  EXPECT_DOUBLE_EQ(outline[0].x1, 1807.5 + 525);
  EXPECT_DOUBLE_EQ(outline[0].y1, 1327.5 + 735);
  EXPECT_DOUBLE_EQ(outline[0].y2, 1327.5 + 822.5);
  // P5-P6: the web on the picture's vertical centre line; the section spans 1750 twips.
  EXPECT_DOUBLE_EQ(outline[2].x1, 1807.5);
  EXPECT_DOUBLE_EQ(outline[3].y1, 1327.5 - 875);  // P7 at the top
  EXPECT_DOUBLE_EQ(outline[3].x2, 1807.5 + 7 * 67.5);
  // The lip ends P1-P11 and P10-P20 are the last two segments.
  EXPECT_DOUBLE_EQ(outline[10].x2 - outline[10].x1, -17.5);
  EXPECT_DOUBLE_EQ(outline[11].y1, 1327.5 - 735);
}

TEST(LegendPlan, EightQuarterArcsAtTheBends) {
  const auto arcs = stepsOf<ArcStep>(legendPlan(kDefaults, 0, 0));
  ASSERT_EQ(arcs.size(), 8u);
  const double pi = std::numbers::pi;
  EXPECT_DOUBLE_EQ(arcs[0].radius, 52.5);  // 3t·k
  EXPECT_DOUBLE_EQ(arcs[1].radius, 35);    // 2t·k
  EXPECT_DOUBLE_EQ(arcs[0].cx, 1807.5 + 472.5);
  EXPECT_DOUBLE_EQ(arcs[0].cy, 1327.5 + 822.5);
  EXPECT_DOUBLE_EQ(arcs[0].from, 3 * pi / 2);
  EXPECT_DOUBLE_EQ(arcs[0].to, 2 * pi);
  EXPECT_DOUBLE_EQ(arcs[2].from, pi);      // Q2
  EXPECT_DOUBLE_EQ(arcs[4].from, pi / 2);  // Q3
  EXPECT_DOUBLE_EQ(arcs[6].from, 0);       // Q4
  EXPECT_DOUBLE_EQ(arcs[6].to, pi / 2);
}

TEST(LegendPlan, PointNumbersSitAtTheirOffsets) {
  const FigurePlan plan = legendPlan(kDefaults, 0, 0);
  const TextStep* five = findText(plan, " 5");
  ASSERT_NE(five, nullptr);
  EXPECT_DOUBLE_EQ(five->x, 1807.5 - 240);
  EXPECT_DOUBLE_EQ(five->y, 1327.5 + 822.5 - 60);
  const TextStep* eight = findText(plan, " 8");
  ASSERT_NE(eight, nullptr);
  EXPECT_DOUBLE_EQ(eight->x, 1807.5 + 472.5 - 60);
  EXPECT_DOUBLE_EQ(eight->y, 1327.5 - 875 - 200);
  // Numbers use the size the previous drawing left; letters 15, subscripts 9.
  EXPECT_DOUBLE_EQ(fontAt(plan, " 1", 10.5), 10.5);
  EXPECT_DOUBLE_EQ(fontAt(plan, "A", 10.5), 15);
  EXPECT_DOUBLE_EQ(fontAt(plan, " 0", 10.5), 9);
  const auto fonts = stepsOf<FontStep>(plan);
  EXPECT_DOUBLE_EQ(fonts.back().points, 9);
}

TEST(LegendPlan, MarkersFollowZ0AndDOfTheLastRun) {
  const FigurePlan before = legendPlan(kDefaults, 0, 0);
  EXPECT_DOUBLE_EQ(findText(before, "y")->x, 1807.5 - 300);  // axis on the web face
  EXPECT_DOUBLE_EQ(stepsOf<DotStep>(before)[0].cx, 1807.5 - 500);
  const FigurePlan after = legendPlan(kDefaults, 20, 30);
  const auto dots = stepsOf<DotStep>(after);
  ASSERT_EQ(dots.size(), 3u);
  EXPECT_DOUBLE_EQ(dots[0].cx, 1807.5 - 210 - 500);  // shear centre, 500 further out
  EXPECT_DOUBLE_EQ(dots[1].cx, 1807.5 + 140);        // centroid
  EXPECT_DOUBLE_EQ(dots[2].cx, 1807.5);              // web
  EXPECT_DOUBLE_EQ(findText(after, "A")->x, 1807.5 - 210 - 700);
  EXPECT_DOUBLE_EQ(findText(after, "z")->x, 1807.5 + 70 - 100);
  EXPECT_DOUBLE_EQ(findText(after, "d")->x, 1807.5 - 105 - 100);
  EXPECT_DOUBLE_EQ(findText(after, "y")->y, 0);
}

TEST(DialogPlan, ScaleFourteenAndItsOwnMarkerPlaces) {
  const double z0 = 19.6, d = 31.97;  // the report's values for the default section
  const FigurePlan plan = dialogPlan(kDefaults, z0, d);
  const double xw = kFigureWidth / 2, ym = kFigureHeight / 2;
  const auto lines = stepsOf<LineStep>(plan);
  EXPECT_DOUBLE_EQ(lines[0].x1, xw + 14 * 75);  // P1
  const double xs = xw - 14 * d;
  EXPECT_NEAR(stepsOf<DotStep>(plan)[0].cx, xs, 1e-9);
  EXPECT_NEAR(findText(plan, "A")->x, xs - 200, 1e-9);
  EXPECT_NEAR(findText(plan, "y")->x, xw + 14 * z0, 1e-9);
  EXPECT_DOUBLE_EQ(findText(plan, "x")->y, ym);
  EXPECT_DOUBLE_EQ(findText(plan, " 0")->x, kFigureWidth - 530);  // x's index, a number
  EXPECT_NEAR(findText(plan, "0")->x, xw + 7 * z0 + 50, 1e-9);  // z's index, a text
  const FigurePlan unformed = dialogPlan(kDefaults, std::nan(""), std::nan(""));
  ASSERT_EQ(stepsOf<DotStep>(unformed).size(), 1u) << "no centroid or shear centre where the section cannot be formed";
  EXPECT_DOUBLE_EQ(stepsOf<DotStep>(unformed)[0].cx, xw);
  EXPECT_FALSE(stepsOf<LineStep>(unformed).empty());
}

TEST(FigurePlans, NoScaleDrawsNothing) {
  EXPECT_TRUE(legendPlan({0, 75, 20, 2.5}, 0, 0).steps().empty());
  EXPECT_TRUE(legendPlan({900, 75, 20, 2.5}, 0, 0).steps().empty());
  EXPECT_TRUE(dialogPlan({0, 75, 20, 2.5}, 0, 0).steps().empty());
  EXPECT_TRUE(dialogPlan({std::nan(""), 75, 20, 2.5}, 0, 0).steps().empty());
}

TEST(FigurePlans, AbsurdDimensionsNeverReachThePainter) {
  // A flange far larger than the picture: the segments are cut to a margin
  // around it, the arcs far away are dropped.
  const FigurePlan wide = legendPlan({250, 1e9, 20, 2.5}, 0, 0);
  EXPECT_TRUE(allFinite(wide));
  for (const LineStep& l : stepsOf<LineStep>(wide)) {
    EXPECT_LE(std::max(l.x1, l.x2), kLegendWidth + 1440);
  }
  EXPECT_EQ(stepsOf<ArcStep>(wide).size(), 4u);  // only the web's bends remain
  // Not-a-number d (a run that failed to form it) leaves out what needs it.
  const FigurePlan lost = legendPlan(kDefaults, 0, std::nan(""));
  EXPECT_TRUE(allFinite(lost));
  EXPECT_EQ(findText(lost, "A"), nullptr);
  EXPECT_EQ(stepsOf<DotStep>(lost).size(), 2u);
  // A negative thickness gives no arcs.
  EXPECT_TRUE(stepsOf<ArcStep>(legendPlan({250, 75, 20, -2.5}, 0, 0)).empty());
}
