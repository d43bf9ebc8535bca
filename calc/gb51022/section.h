#pragma once
// The purlin's section for the checks: the gross properties, the stresses at
// the four corner points, and the effective section of one bending state.
#include "calc/gb51022/platewidth.h"
#include "input/designcase.h"

namespace veldrin::gb51022 {

// Gross properties, mm units. xc: the centroid from the outer face of the web.
struct GrossSection {
  double h = 0, b = 0, a = 0, t = 0;
  double area = 0, ix = 0, iy = 0, it = 0, iw = 0, xc = 0;
  double wx() const { return ix / (h / 2); }
  double webFlat() const { return h - 6 * t; }     // the bends take 3t at each end
  double flangeFlat() const { return b - 6 * t; }
  double lipFlat() const { return a - 3 * t; }
};

// The gross section of dc's h, b, a, t by the purlin's section model.
GrossSection grossSectionOf(const DesignCase& dc);

// Which way My bends the section: its sense is not known, so both are checked.
enum class MySense { TowardLips, TowardWeb };  // the side it compresses

// Stresses at the points 7 (web / upper flange), 8 (upper flange / lip),
// 4 (web / lower flange) and 3 (lower flange / lip), MPa, compression +.
struct CornerStresses {
  double s7 = 0, s8 = 0, s4 = 0, s3 = 0;
};

// Distances of the extreme fibres from a section's centroid and its second
// moments about the centroidal axes parallel to the flanges and the web.
struct Fibres {
  double ix = 0, iy = 0;
  double upper = 0, lower = 0;  // to the outer faces of the flanges, mm
  double web = 0, lips = 0;     // to the outer face of the web, and to the lips, mm
};
Fibres grossFibres(const GrossSection& g);

// σ = Mx/Wx ± My/Wy at the four points; moments in KN.m.
CornerStresses cornerStresses(const Fibres& f, double mx, double my, MySense sense);

// One element of the effective section. compressed is false for an element
// in tension throughout, which is fully effective.
struct Element {
  bool compressed = false;
  double psi = 1, sigma1 = 0, k = 0, xi = 0, k1 = 0;
  bool maxAtSupport = true;   // the larger compression at the web (flanges), at the flange (lips)
  bool neighbourInTension = false;
  PlateWidth width;
  bool fullyEffective() const { return !compressed || width.fullyEffective(); }
};

struct EffectiveSection {
  Element upper, lower, web;
  Element upperLip, lowerLip;  // unstiffened: the flange is their adjacent plate
  Fibres fibres;
  double area = 0;
  bool full() const {
    return upper.fullyEffective() && lower.fullyEffective() && web.fullyEffective() && upperLip.fullyEffective() &&
           lowerLip.fullyEffective();
  }
};

// GB 50018-2002 5.6 with ψ and σ1 from the gross stresses (5.6.8-2). When
// every element is fully effective the gross properties are kept; otherwise
// the properties of the reduced plates.
EffectiveSection effectiveSection(const GrossSection& g, const CornerStresses& gross);

}  // namespace veldrin::gb51022
