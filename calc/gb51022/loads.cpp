#include "calc/gb51022/loads.h"

#include <algorithm>
#include <cmath>

namespace veldrin::gb51022 {

namespace {

struct Factors {
  int number;
  double dead, variable, wind, point;
};

Combination combine(const DesignCase& dc, const Loads& l, const Factors& f) {
  Combination c;
  c.number = f.number;
  c.deadFactor = f.dead;
  c.variableFactor = f.variable;
  c.windFactor = f.wind;
  c.pointFactor = f.point;
  c.dead = f.dead * dc.kdeadload * dc.marlobay;
  c.variable = f.variable * l.variableLoad * dc.marlobay;
  c.wind = f.wind * l.wind.wk * dc.marlobay;
  c.point = f.point * dc.kshigongload;
  const double gravity = c.dead + c.variable;
  c.qx = gravity * std::sin(l.alpha);
  c.qy = gravity * std::cos(l.alpha) + c.wind;
  c.px = c.point * std::sin(l.alpha);
  c.py = c.point * std::cos(l.alpha);
  return c;
}

std::vector<Factors> factorsFor(const DesignCase& dc, double wk) {
  std::vector<Factors> list = {{1, 1.3, 1.5, 0, 0}};
  if (wk > 0) {
    list.push_back({2, 1.3, 1.5, 0.6 * 1.5, 0});
    list.push_back({3, 1.3, 0.7 * 1.5, 1.5, 0});
  }
  if (wk < 0) list.push_back({4, 1.0, 0, 1.5, 0});  // dead load relieves: factor 1.0
  if (dc.kshigongload != 0) list.push_back({5, 1.3, 0, 0, 1.5});
  list.push_back({6, 1, 1, 0, 0});
  list.push_back({7, 1, 0, 1, 0});
  return list;
}

}  // namespace

Wind windOf(const DesignCase& dc) {
  Wind w;
  w.betaMandatory = 1 + 0.7 / std::sqrt(static_cast<double>(dc.windhigh));
  w.beta = std::max(1.5, w.betaMandatory);
  w.wk = w.beta * dc.windstyle * dc.windhigh * dc.kwindload;
  return w;
}

Loads loadsOf(const DesignCase& dc) {
  Loads l;
  l.alpha = std::atan(static_cast<double>(dc.degree));
  l.snowGoverns = dc.ksnowload > dc.kliveload;
  l.variableLoad = std::max(dc.kliveload, dc.ksnowload) + dc.kdurtload;
  l.wind = windOf(dc);
  for (const Factors& f : factorsFor(dc, l.wind.wk)) l.combinations.push_back(combine(dc, l, f));
  return l;
}

}  // namespace veldrin::gb51022
