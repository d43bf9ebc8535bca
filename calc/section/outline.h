#pragma once
// The outline of a cold-formed purlin section as flat parts and bends, the
// model the GB 51022-2015 checks form their gross and effective sections on.
// Every family is given by outer dimensions and bent with inner radius 2t.
//
// Coordinates, mm: x from the web's centre line toward the upper flange's
// lip, y from mid-depth toward the upper flange. The lower half is the upper
// half mirrored about y = 0 for the C, turned through 180° for a Z.
#include <array>

namespace veldrin::section {

enum class Family {
  C,    // 卷边槽钢: lips at 90°
  Z,    // 卷边Z形钢: lips at 90°
  Z45,  // 斜卷边Z形钢: lips at 45° to the flange, turned outward (GB 50018-2002 Table B.1.1-6)
};

// Outer dimensions. For lips at 45°, b runs from the web's outer face to the
// point where the flange's and the lip's outer faces meet, and a along the
// lip's outer face from that point to the tip.
struct Dimensions {
  double h = 0, b = 0, a = 0, t = 0;
};

struct Point {
  double x = 0, y = 0;
};

// The flats by name. Each runs from its start to its end: the web from the
// upper flange down, a flange from the web, a lip from its flange.
enum class FlatName { Web, UpperFlange, LowerFlange, UpperLip, LowerLip };
inline constexpr int kFlatCount = 5;

// A flat part between two bends (or a bend and a lip's tip): its centre line
// from start to end; the plate lies t/2 to either side. width is the flat's
// length, the width the plate checks take.
struct Flat {
  FlatName name = FlatName::Web;
  Point start, end;
  double width = 0;
};

// A bend: the annular sector between radii 2t and 3t about centre, from the
// angle `from` counter-clockwise through `sweep` (radians, sweep > 0).
struct Bend {
  Point centre;
  double inner = 0, outer = 0;
  double from = 0, sweep = 0;
};

struct Outline {
  Family family = Family::C;
  Dimensions dims;
  std::array<Flat, kFlatCount> flats;  // in the order of FlatName
  std::array<Bend, 4> bends;
  // The centre line with square corners, from the upper lip's tip to the
  // lower lip's tip: the thin-walled model of the warping constant.
  std::array<Point, 6> centreLine;

  const Flat& flat(FlatName name) const { return flats[static_cast<int>(name)]; }
};

Outline outlineOf(Family family, const Dimensions& d);

}  // namespace veldrin::section
