#include "figures/figureplan.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace veldrin {

namespace {

constexpr double kMargin = 1440;       // twips kept around the picture
constexpr double kLargestArc = 1.0e6;  // radius beyond which an arc is no drawing
constexpr double kPi = std::numbers::pi;
constexpr double kLetterPoints = 15, kSubscriptPoints = 9;

// Cuts the segment to the rectangle (Liang-Barsky); false when it misses it.
bool clipToBox(double& x1, double& y1, double& x2, double& y2, double lo, double hiX, double hiY) {
  double t0 = 0, t1 = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, r); else t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  const double sx = x1, sy = y1;
  x1 = sx + t0 * dx, y1 = sy + t0 * dy;
  x2 = sx + t1 * dx, y2 = sy + t1 * dy;
  return true;
}

template <std::size_t N>
std::array<FigurePoint, N> mapped(std::array<FigurePoint, N> points, double scale, double width, double height) {
  for (FigurePoint& p : points) {
    p.x = scale * p.x + width / 2;
    p.y = scale * p.y + height / 2;
  }
  return points;
}

// Straight segments 1-2, 3-4 ... 19-20, the lip ends 1-11 and 10-20, and the
// quarter arcs that bulge towards their corners, outer then inner.
void drawOutline(FigurePlan& plan, const std::array<FigurePoint, 20>& p, const std::array<FigurePoint, 4>& q,
                 double scale, double t) {
  auto segment = [&](int from, int to) { plan.line(p[from - 1].x, p[from - 1].y, p[to - 1].x, p[to - 1].y, Ink::Outline); };
  for (int n = 1; n < 20; n += 2) segment(n, n + 1);
  segment(1, 11);
  segment(10, 20);
  const double start[4] = {3 * kPi / 2, kPi, kPi / 2, 0};
  for (int i = 0; i < 4; ++i) {
    plan.arc(q[i].x, q[i].y, 3 * t * scale, start[i], start[i] + kPi / 2);
    plan.arc(q[i].x, q[i].y, 2 * t * scale, start[i], start[i] + kPi / 2);
  }
}

// The numbers 1 to 10 beside the outer points, printed as numbers (a blank
// stands for the sign), in whatever font size the last drawing left.
void numberPoints(FigurePlan& plan, const std::array<FigurePoint, 20>& p) {
  const double offset[10][2] = {{0, -60},   {0, -60},    {-60, 60},  {-60, 60}, {-240, -60},
                                {-240, -60}, {-60, -200}, {-60, -200}, {0, -120}, {0, -120}};
  for (int i = 0; i < 10; ++i) {
    plan.text(p[i].x + offset[i][0], p[i].y + offset[i][1], " " + std::to_string(i + 1));
  }
}

void letter(FigurePlan& plan, double x, double y, const char* text) {
  plan.fontSize(kLetterPoints);
  plan.text(x, y, text);
}

void subscript(FigurePlan& plan, double x, double y, const char* text) {
  plan.fontSize(kSubscriptPoints);
  plan.text(x, y, text);
}

// Where the axes and markers go; the two drawings differ only in these.
struct MarkerLayout {
  double xw, ym;          // outer face of the web, mid-height
  double scale, z0, d;
  double shearX;          // the dot of the shear centre
  double yLetterDx;       // "y" this far right of the y axis
  const char* axisIndex;  // the subscript of x and y, printed as a number
};

void drawAxes(FigurePlan& plan, const MarkerLayout& m) {
  const double w = plan.width(), h = plan.height(), xc = m.xw + m.scale * m.z0;
  plan.line(500, m.ym, w - 300, m.ym);
  plan.line(w - 300, m.ym, w - 600, m.ym - 50);
  plan.line(w - 300, m.ym, w - 600, m.ym + 50);
  letter(plan, w - 600, m.ym, "x");
  subscript(plan, w - 530, m.ym + 120, m.axisIndex);
  plan.line(xc, 100, xc, h - 100);
  plan.line(xc, 100, xc - 50, 400);
  plan.line(xc, 100, xc + 50, 400);
  letter(plan, xc + m.yLetterDx, 0, "y");
  subscript(plan, xc - 250, 150, m.axisIndex);
}

void drawMarkers(FigurePlan& plan, const MarkerLayout& m) {
  const double xc = m.xw + m.scale * m.z0, halfZ0 = m.scale * m.z0 / 2;
  plan.dot(m.shearX, m.ym);
  letter(plan, m.shearX - 200, m.ym - 300, "A");
  letter(plan, m.xw + halfZ0 - 100, m.ym - 300, "z");
  subscript(plan, m.xw + halfZ0 + 50, m.ym - 150, "0");
  plan.dot(xc, m.ym);
  plan.dot(m.xw, m.ym);
  letter(plan, m.xw - m.scale * m.d / 2 - 100, m.ym - 300, "d");
  plan.fontSize(kSubscriptPoints);
}

}  // namespace

template <class Step>
void FigurePlan::add(Step step) {
  steps_.emplace_back(std::in_place_type<Step>, std::move(step));
}

bool FigurePlan::nearPicture(double x, double y, double reach) const {
  return std::isfinite(x) && std::isfinite(y) && x >= -kMargin - reach && y >= -kMargin - reach &&
         x <= width_ + kMargin + reach && y <= height_ + kMargin + reach;
}

void FigurePlan::line(double x1, double y1, double x2, double y2, Ink ink) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  if (!clipToBox(x1, y1, x2, y2, -kMargin, width_ + kMargin, height_ + kMargin)) return;
  add(LineStep{x1, y1, x2, y2, ink});
}

void FigurePlan::arc(double cx, double cy, double radius, double from, double to) {
  if (!(radius > 0 && radius <= kLargestArc) || !nearPicture(cx, cy, radius)) return;
  add(ArcStep{cx, cy, radius, from, to});
}

void FigurePlan::dot(double cx, double cy) {
  if (nearPicture(cx, cy, 0)) add(DotStep{cx, cy});
}

void FigurePlan::text(double x, double y, std::string text) {
  if (nearPicture(x, y, 0)) add(TextStep{x, y, std::move(text)});
}

void FigurePlan::fontSize(double points) { add(FontStep{points}); }

FigurePlan legendPlan(const SectionDims& s, double z0, double d) {
  FigurePlan plan(kLegendWidth, kLegendHeight);
  const std::optional<std::int16_t> k = legendScale(plan.height(), s.h);
  if (!k) return plan;
  const double w = plan.width(), h = plan.height();
  const auto p = mapped(outlinePoints(s), *k, w, h);
  drawOutline(plan, p, mapped(bendCentres(s), *k, w, h), *k, s.t);
  numberPoints(plan, p);
  const MarkerLayout m{w / 2, h / 2, double(*k), z0, d, w / 2 - *k * d - 500, -300, " 0"};
  drawAxes(plan, m);
  drawMarkers(plan, m);
  return plan;
}

FigurePlan dialogPlan(const SectionDims& s, double z0, double d) {
  FigurePlan plan(kFigureWidth, kFigureHeight);
  const std::optional<std::int16_t> scale = dialogScale(plan.height(), s.h);
  if (!scale) return plan;
  const double w = plan.width(), h = plan.height();
  const auto p = mapped(outlinePoints(s), *scale, w, h);
  drawOutline(plan, p, mapped(bendCentres(s), *scale, w, h), *scale, s.t);
  numberPoints(plan, p);
  const double xw = (p[4].x + p[5].x) / 2, ym = (p[4].y + p[5].y) / 2;
  const MarkerLayout m{xw, ym, double(*scale), z0, d, xw - *scale * d, 0, " 0"};
  drawAxes(plan, m);
  drawMarkers(plan, m);
  return plan;
}

}  // namespace veldrin
