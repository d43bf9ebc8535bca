#pragma once
// What the two section drawings put on their picture, step by step, in
// twips with y growing downward. The window side only renders the steps.
#include <string>
#include <variant>
#include <vector>

#include "figures/sectiongeometry.h"

namespace veldrin {

enum class Ink { Outline, Foreground };  // dark green (0, 128, 0); black

struct LineStep {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Ink ink = Ink::Foreground;
};
// A circular arc in the outline ink; angles in radians, counter-clockwise as
// seen on the screen, 0 pointing right.
struct ArcStep {
  double cx = 0, cy = 0, radius = 0, from = 0, to = 0;
};
// A marker: five concentric circles of radius 5, 10, 15, 20 and 25 twips.
struct DotStep {
  double cx = 0, cy = 0;
};
// A text in the current font size with its top-left corner at (x, y).
struct TextStep {
  double x = 0, y = 0;
  std::string text;
};
// Sets the font size (points) for the texts that follow, and for the next
// drawing's point numbers.
struct FontStep {
  double points = 0;
};

using FigureStep = std::variant<LineStep, ArcStep, DotStep, TextStep, FontStep>;

// The steps of one drawing on a picture of the given size. Steps whose
// coordinates are not finite or lie far outside the picture are dropped
// (lines are cut to a margin around it), so absurd dimensions never hand
// the painter inf, NaN or astronomically large coordinates.
class FigurePlan {
 public:
  FigurePlan(double width, double height) : width_(width), height_(height) {}

  double width() const { return width_; }
  double height() const { return height_; }
  const std::vector<FigureStep>& steps() const { return steps_; }

  void line(double x1, double y1, double x2, double y2, Ink ink = Ink::Foreground);
  void arc(double cx, double cy, double radius, double from, double to);
  void dot(double cx, double cy);
  void text(double x, double y, std::string text);
  void fontSize(double points);

 private:
  template <class Step>
  void add(Step step);
  bool nearPicture(double x, double y, double reach) const;
  double width_, height_;
  std::vector<FigureStep> steps_;
};

// The legend of the main window (3615 x 2655 twips): scale Int(H/h - 3);
// z0 and d as the last calculation left them. Empty when there is no scale.
FigurePlan legendPlan(const SectionDims& s, double z0, double d);

// The figure of the section dialog (kFigureWidth x kFigureHeight): scale
// floor(H/h - 10); z0 and d as the report computes them (not finite: no
// markers). Empty when there is no scale.
FigurePlan dialogPlan(const SectionDims& s, double z0, double d);

}  // namespace veldrin
