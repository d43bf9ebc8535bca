#pragma once
// The design forces of a purlin line (GB 51022-2015 commentary 9.1.3): the
// continuous beam of uniform EI, each support moment released by 10 % into
// the spans, the span moments from statics with the released moments. A
// one-span line is the simple span.
#include <optional>
#include <vector>

#include "calc/line/continuousbeam.h"
#include "calc/line/purlinline.h"
#include "calc/line/spanforces.h"

namespace veldrin::line {

// The share of the elastic support moment the design keeps.
inline constexpr double kSupportMomentKept = 0.9;

struct PointLoad {
  int span = 0;   // 0 … n − 1
  double x = 0;   // m from the span's left support
  double p = 0;   // kN, + toward the roof
};

// One load case on the line: a uniform load on each span (the wind's share
// may differ span by span) and at most one point load.
struct LineLoad {
  std::vector<double> q;  // kN/m per span, + toward the roof
  std::optional<PointLoad> point;
};
LineLoad uniformLoad(const PurlinLine& line, double q);

struct LineForces {
  std::vector<double> elastic;    // support moments of the continuous beam, kN·m, hogging −
  std::vector<SpanForces> spans;  // with the support moments kept for the design
  // kN, + bearing against a load toward the roof.
  double reaction(int support) const;
};

// The design forces: the support moments × kSupportMomentKept.
LineForces lineForces(const PurlinLine& line, const LineLoad& load);
// The continuous beam itself, nothing released.
LineForces elasticForces(const PurlinLine& line, const LineLoad& load);
// Any continuous beam, its support moments × kept.
LineForces continuousForces(const std::vector<BeamSpan>& spans, double kept);

// The spans as beam spans of uniform EI with their loads. Throws
// std::invalid_argument for a line or load the analysis cannot take.
std::vector<BeamSpan> beamSpans(const PurlinLine& line, const LineLoad& load);

struct SectionForces {
  double x = 0;       // m from the span's left support
  double moment = 0;  // kN·m
  double shear = 0;   // kN, the one-sided shear of larger magnitude
};

// What the forces of one span come to for the checks and the report.
struct SpanSummary {
  std::optional<Extreme> sagging, hogging;  // over the single part between the laps
  std::optional<SectionForces> lapEndLeft, lapEndRight;  // at the lap ends, where the span has a lap
  double leftFaceShear = 0, rightFaceShear = 0;
  std::vector<double> inflections;
};
std::vector<SpanSummary> spanSummaries(const PurlinLine& line, const LineForces& forces);

}  // namespace veldrin::line
