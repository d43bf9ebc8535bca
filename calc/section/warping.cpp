#include "calc/section/warping.h"

#include <cmath>
#include <vector>

namespace veldrin::section {

namespace {

using Values = std::vector<double>;  // one value at each point of the line

// ∫f·g dA along the line, with f and g linear between its points.
double integral(std::span<const Point> line, double t, const Values& f, const Values& g) {
  double sum = 0;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const double area = std::hypot(line[i + 1].x - line[i].x, line[i + 1].y - line[i].y) * t;
    sum += area * (2 * f[i] * g[i] + f[i] * g[i + 1] + f[i + 1] * g[i] + 2 * f[i + 1] * g[i + 1]) / 6;
  }
  return sum;
}

// The line's points about its own centroid.
std::vector<Point> aboutCentroid(std::span<const Point> line, double t, Point& centroid) {
  Values x, y, one(line.size(), 1.0);
  for (const Point& p : line) {
    x.push_back(p.x);
    y.push_back(p.y);
  }
  const double area = integral(line, t, one, one);
  centroid = {integral(line, t, x, one) / area, integral(line, t, y, one) / area};
  std::vector<Point> shifted;
  for (const Point& p : line) shifted.push_back({p.x - centroid.x, p.y - centroid.y});
  return shifted;
}

}  // namespace

// ω about the centroid first; the pole then moves to the shear centre, where
// ∫ω·x dA = ∫ω·y dA = 0, and ω loses its mean.
Warping warpingOf(std::span<const Point> centreLine, double t) {
  Point centroid;
  const std::vector<Point> line = aboutCentroid(centreLine, t, centroid);
  Values x, y, omega{0}, one(line.size(), 1.0);
  for (std::size_t i = 0; i < line.size(); ++i) {
    x.push_back(line[i].x);
    y.push_back(line[i].y);
    if (i > 0) omega.push_back(omega.back() + line[i - 1].x * line[i].y - line[i - 1].y * line[i].x);
  }
  const double yy = integral(line, t, y, y), xx = integral(line, t, x, x), xy = integral(line, t, x, y);
  const double wx = integral(line, t, omega, x), wy = integral(line, t, omega, y);
  const double det = xx * yy - xy * xy;
  const Point pole{(xx * wy - xy * wx) / det, (xy * wy - yy * wx) / det};
  for (std::size_t i = 0; i < line.size(); ++i) omega[i] += pole.y * (x[i] - x[0]) - pole.x * (y[i] - y[0]);
  const double mean = integral(line, t, omega, one) / integral(line, t, one, one);
  for (double& w : omega) w -= mean;
  return {{centroid.x + pole.x, centroid.y + pole.y}, integral(line, t, omega, omega)};
}

}  // namespace veldrin::section
