#pragma once
// The one design case: the inputs copied from the window, the few window
// controls the calculation reads, and every derived value and intermediate
// result of the last run. Fields start at zero or empty.
#include <cstdint>
#include <string>

#include "basetypes/checkresult.h"
#include "basetypes/reporttext.h"
#include "basetypes/single.h"
#include "input/purlinsystem.h"

namespace veldrin {

enum class DesignCode { None, Cecs102, Gbj18, Gb51022 };  // Optcode1 / Optcode2 / Optcode3

struct DesignCase {
  // Inputs, in the order digitalinput reads them.
  std::string projectname, projectcode, projecttime;
  Single h, b, a, t;            // mm
  double kwindload = 0;         // qW, KN/m2
  Single windhigh;              // μz
  double windstyle = 0;         // μs
  Single marlolength;           // L, m
  double marlobay = 0;          // spacing a, m
  Single degree;                // slope i
  double kdeadload = 0, kliveload = 0, ksnowload = 0, kdurtload = 0;  // KN/m2
  double kshigongload = 0;      // Qc, KN
  std::int16_t steelfy = 0;     // fy, the design strength f, MPa
  int steelGrade = -1;          // Combo1 position: 0 Q235, 1 Q345
  Single steelfv;               // fv, MPa
  std::int16_t steelfyk = 0;    // fyk, the yield strength, MPa
  std::int16_t latiaonum = 0;   // sag rods

  // Window controls the run reads directly (set by the run from the window).
  DesignCode code = DesignCode::None;
  int deflectionLimit = -1;     // Combo2 position: 0 = 1/150, 1 = 1/240, 2 = 1/360
  int sheetingRestrains = 0;    // Check1: 0 clear, 1 ticked, 2 greyed
  bool rodsRestrainLowerFlange = false;  // Check2: the sag rods hold the lower flange too
  PurlinSystem line;            // section family and span system (GB 51022-2015 only)

  // Derived values.
  double adjustfactor = 0;      // fcw
  double mub = 0, zeta1 = 0, zeta2 = 0;

  // Section properties.
  double area = 0, centerx = 0;
  Single centery;
  double ix1 = 0, iy1 = 0, ixy1 = 0, ix = 0, iy = 0, ixy = 0;
  Single z0;
  double d = 0, e0 = 0, it = 0, iw = 0, uy = 0;

  // The full-width section of the run's start, kept when an effective
  // section replaces the fields above: overall stability is judged on it.
  struct GrossSection {
    double area = 0, ix = 0, iy = 0, it = 0, iw = 0;
  } gross;

  // Effective widths: CECS102:98 path, then GBJ18-87 path (mm).
  Single he1, he2, be11, be12, be21, be22;
  Single he, be1, be2;
  bool effectflag = false;

  // Moments of the last stability check, N·mm.
  double mx = 0, my = 0;

  int combination = 0;  // the load combination being checked (1 … 6), for its records

  std::string errstr;
  ReportText filestring;
  CheckResults checks;  // the verdicts of the last run, in report order
  std::string labout;  // caption of the quick-result label
};

}  // namespace veldrin
