#include "calc/effectivewidth.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/checkrecords.h"

namespace veldrin {

namespace {

enum class Element { Upper = 1, Lower = 2, Web = 3 };

// What the report calls the element and its two ends.
struct ElementNames {
  const char* plate;
  const char* first;   // point of σ1
  const char* second;  // point of σ2
  const char* firstPart;
  const char* secondPart;
  const char* stressFailure;
  const char* stressFailureTail;
  const char* laboutNote;
};

const ElementNames& namesOf(Element e) {
  static const ElementNames upper{"上翼缘", "σ7", "σ8", "be11", "be12", "檩条上翼缘最大压应力σ8>fy=",
                                  "MPa,上翼缘不满足强度要求!(************)", "上翼缘应力超标,不满足要求"};
  static const ElementNames lower{"下翼缘", "σ4", "σ3", "be21", "be22", "檩条下翼缘最大压应力σ3>fy=",
                                  "MPa,下翼缘不满足强度要求!(************)", "下翼缘应力超标,不满足要求"};
  static const ElementNames web{"腹板", "σ4", "σ7", "he1", "he2", "檩条腹板最大压应力>fy=",
                                "MPa,腹板不满足强度要求!(************)", "腹板应力超标,不满足要求"};
  return e == Element::Upper ? upper : e == Element::Lower ? lower : web;
}

CheckElement recordedAs(Element e) {
  return e == Element::Upper ? CheckElement::Upper : e == Element::Lower ? CheckElement::Lower : CheckElement::Web;
}

struct Plate {
  double beta, ksigma, lambdaP, rho;
};

// The effective width (he or be) and its part toward each end.
struct Widths {
  Single whole, first, second;
};

Single truncated(double x) { return truncateTo(x, 2); }

// The substitution of one part of a partly compressed element of width w
// with a compressed width c: 0.4·be at the compressed edge, 0.6·be plus the
// tension zone w − c at the other.
struct ShareSubstitution {
  double be;
  Single width;
  double compressed;
  bool nearTension;
};

void appendReportPiece(std::string& l, const ShareSubstitution& p) {
  if (!p.nearTension) {
    l += "0.4*" + numText(p.be);
    return;
  }
  l += "0.6*" + numText(p.be) + "+" + numText(p.width) + "-" + numText(p.compressed);
}

void refuseNonFiniteTerms(const ShareSubstitution& p) {
  if (!std::isfinite(p.be) || !std::isfinite(p.width) || !std::isfinite(p.compressed)) throw NonFiniteValue();
}

// β of the web is the smaller over the larger magnitude; a flange takes σ1/σ2,
// except that a flange whose second end is unstressed has β = 0 seen from
// the compressed first end (σ1/0 has no value).
double stressRatio(DesignCase& dc, Element e, double s1, double s2) {
  ReportText& r = dc.filestring;
  const char* label = "截面边缘正应力比值β=";
  if (e == Element::Web) {
    const bool firstSmaller = std::fabs(s1) <= std::fabs(s2);
    const double beta = truncateTo(firstSmaller ? s1 / s2 : s2 / s1, 3);
    if (firstSmaller) r.line(11, label, "σ4/σ7＝", s1, "/", operand(s2), "=", beta);
    else r.line(11, label, "σ7/σ4＝", s2, "/", operand(s1), "=", beta);
    return beta;
  }
  const double beta = s2 == 0 ? 0.0 : truncateTo(s1 / s2, 3);
  if (e == Element::Upper && s2 == 0) r.line(11, label, "σ8/σ7＝", s2, "/", operand(s1), "=", beta);
  else if (e == Element::Upper) r.line(11, label, "σ7/σ8＝", s1, "/", operand(s2), "=", beta);
  else r.line(11, label, s2 == 0 ? "σ3/σ4＝" : "σ4/σ3＝", beta);
  return beta;
}

Plate plateOf(DesignCase& dc, Single hb, double beta) {
  const double k = bucklingCoefficient(beta);
  // λp's steel factor 235/fy takes the yield strength, not the design strength.
  Plate p{beta, truncateTo(k, 3), truncateTo(plateSlenderness(hb, dc.t, k, dc.steelfyk), 3), 0.0};
  p.rho = reductionFactor(p.lambdaP);
  ReportText& r = dc.filestring;
  r.line(11, "kσ=16/(sqrt((1+β)^2+0.112*(1-β)^2)+(1+β))＝", p.ksigma);
  r.line(11, "λp=b/(t*28.1*kσ^0.5*(235/fy)^0.5)＝", p.lambdaP);
  if (p.lambdaP <= 0.8) r.line(11, "因为λp<=0.8,ρ=1.000");
  else if (p.lambdaP <= 1.2) r.line(11, "因为0.8<λp<=1.2,ρ=1-0.9*(λp-0.8)=", p.rho);
  else r.line(11, "因为1.2<λp,ρ=0.64-0.24*(λp-1.2)=", p.rho);
  return p;
}

// Beyond β = 3 the split 2·be/(5−β) leaves a negative part (and at β = 5 no
// part at all): the first end is then the more compressed one, so the split
// is taken from the second end with the ratio 1/β.
Widths mirroredSplit(DesignCase& dc, Element e, const Plate& p, Widths w) {
  const ElementNames& n = namesOf(e);
  ReportText& r = dc.filestring;
  w.second = truncated(2 * w.whole / (5 - 1 / p.beta));
  w.first = truncated(w.whole - w.second);
  r.line(11, "因为β>3,按2*be/(5-β)分配将得出负的有效宽度,改由应力较小端按应力比1/β分配:");
  r.line(15, n.secondPart, "=2*be/(5-1/β)=", 2, "*", w.whole, "/(5-1/", p.beta, ")=", w.second);
  r.line(15, n.firstPart, "=be-", n.secondPart, "=", w.whole, "-", w.second, "=", w.first);
  return w;
}

Widths fullyCompressed(DesignCase& dc, Element e, const Plate& p, Single hb) {
  ReportText& r = dc.filestring;
  Widths w;
  w.whole = truncated(p.rho * hb);
  r.line(11, e == Element::Web ? "截面全部受压,he=ρ*hw=" : "截面全部受压,be=ρ*bw=", p.rho, "*", hb, "=", w.whole);
  if (e != Element::Web && p.beta > 3) return mirroredSplit(dc, e, p, w);
  w.first = truncated(2 * w.whole / (5 - p.beta));
  w.second = truncated(w.whole - w.first);
  if (e == Element::Web) {
    r.line(15, "he2= he-he1=", w.whole, "-", w.first, "=", w.second);
  } else if (e == Element::Upper) {
    r.line(15, "be11=2*be/(5-β)=", 2, "*", w.whole, "/(5-", p.beta, ")=", w.first);
    r.line(15, "be12= be-be11=", w.whole, "-", w.first, "=", w.second);
  } else {
    r.line(15, "be21=2*be/(5-β)=", 2, "*", w.whole, "/(5-", p.beta, ")=", w.first);
    r.line(15, "be22=be-be21=", w.whole, "-", w.first, "=", w.second);
  }
  return w;
}

// The web's compressed height hc runs from the more compressed end; the
// tension zone h − hc counts in full with the part toward the other end.
Widths partlyCompressedWeb(DesignCase& dc, const Plate& p, double s1, double s2, Single h) {
  const double sc = std::max(s1, s2), st = std::min(s1, s2);
  const double hc = truncateTo(sc / (sc - st) * h, 2);
  Widths w;
  w.whole = p.rho * hc;
  const Single nearCompression = truncated(0.4 * w.whole);
  const Single nearTension = truncated(truncateTo(0.6 * w.whole, 2) + (h - hc));
  w.first = s1 < s2 ? nearCompression : nearTension;
  w.second = s1 < s2 ? nearTension : nearCompression;
  ReportText& r = dc.filestring;
  r.line(11, "截面部分受压,he=ρ*hc=", p.rho, "*", hc, "=", w.whole);
  // he1 lies at the upper flange (point 7), he2 at the lower one (point 4).
  const bool upperCompressed = s1 < s2;
  r.line(15, upperCompressed ? "he1=0.4*he=" : "he1=0.6*he+h-hc=",
         ShareSubstitution{w.whole, h, hc, !upperCompressed}, "=", w.first);
  r.line(15, upperCompressed ? "he2=0.6*he+h-hc=" : "he2=0.4*he=", ShareSubstitution{w.whole, h, hc, upperCompressed},
         "=", w.second);
  return w;
}

Widths partlyCompressedFlange(DesignCase& dc, Element e, const Plate& p, double s1, double s2, Single hb) {
  const double bc = truncateTo(s1 / (s1 - s2) * hb, 2);
  Widths w;
  w.whole = p.rho * bc;
  w.first = truncated(0.4 * w.whole);
  w.second = truncated(truncateTo(0.6 * w.whole, 2) + (hb - bc));
  ReportText& r = dc.filestring;
  const bool upper = e == Element::Upper;
  r.line(11, "截面部分受压,be=ρ*bc=", p.rho, "*", bc, "=", w.whole);
  r.line(15, upper ? "be11=0.4*be=" : "be21=0.4*be=", ShareSubstitution{w.whole, hb, bc, false}, "=", w.first);
  r.line(15, upper ? "be12=0.6*be+b-bc=" : "be22=0.6*be+b-bc=", ShareSubstitution{w.whole, hb, bc, true}, "=",
         w.second);
  return w;
}

void storeWidths(DesignCase& dc, Element e, const Widths& w) {
  dc.he = w.whole;
  dc.he1 = w.first;
  dc.he2 = w.second;
  if (e == Element::Upper) {
    dc.be11 = w.first;
    dc.be12 = w.second;
  } else if (e == Element::Lower) {
    dc.be21 = w.first;
    dc.be22 = w.second;
  }
}

void webSatisfied(DesignCase& dc, const Widths& w, bool fully, bool firstSmaller) {
  const char* order = fully ? (firstSmaller ? "并且σ4<σ7<fy=" : "并且σ7<σ4<fy=")
                            : (firstSmaller ? "并且σ4<σ3<fy=" : "并且σ3<σ4<fy=");
  const Single sum = w.first + w.second;
  dc.filestring.line(15, "he1+he2=", w.first, "+", w.second, "=", sum, ">=h=", dc.h, order, dc.steelfy, "MPa");
  dc.filestring.line(11, fully || firstSmaller ? "腹板满足强度要求!" : "腹板缘满足强度要求!");
}

void flangeSatisfied(DesignCase& dc, Element e, const Widths& w, bool fully) {
  const Single sum = truncated(Single(w.first + w.second));
  ReportText& r = dc.filestring;
  if (e == Element::Upper) {
    r.line(15, "be11+be12=", w.first, "+", w.second, "=", sum, ">=b=", dc.b, "并且σ7<σ8<fy=", dc.steelfy, "MPa");
    r.line(11, "上翼缘满足强度要求!");
  } else {
    r.line(15, "be21+be22=", w.first, "+", w.second, "=", sum, fully ? ">=b=" : ">b=", dc.b, "并且σ4<σ3<fy=",
           dc.steelfy, "MPa");
    r.line(11, "下翼缘满足强度要求!");
  }
}

void noteFailure(DesignCase& dc, Element e) {
  dc.labout += namesOf(e).laboutNote;
  dc.effectflag = true;
}

// The stress a verdict is made on: the web's larger compression (its
// tension end is the tension flange's, tested there); a flange's largest
// stress by size, which is its second end unless the flange is stressed
// against the usual sense of My.
double governingStress(Element e, double s1, double s2) {
  return e == Element::Web ? std::max(s1, s2) : std::max(std::fabs(s1), std::fabs(s2));
}

void overstressLine(DesignCase& dc, Element e, double s1, double s2, double stress) {
  const ElementNames& n = namesOf(e);
  if (e == Element::Web || stress == s2) {
    dc.filestring.line(11, n.stressFailure, dc.steelfy, n.stressFailureTail);
    return;
  }
  dc.filestring.line(11, "檩条", n.plate, "最大应力|", stress == std::fabs(s1) ? n.first : n.second, "|=", stress,
                     "MPa>fy=", dc.steelfy, n.stressFailureTail);
}

// Satisfactory means fully effective (ρ = 1) and within fy.
void verdict(DesignCase& dc, Element e, const Plate& p, double s1, double s2, const Widths& w) {
  const double stress = governingStress(e, s1, s2);
  const bool overstressed = stress > dc.steelfy;
  // Needing an effective section (ρ < 1) is no failure: only the stress fails.
  recordStrength(dc, recordedAs(e), stress, !overstressed);
  if (overstressed) {
    overstressLine(dc, e, s1, s2, stress);
    noteFailure(dc, e);
    return;
  }
  if (p.rho != 1) {
    dc.effectflag = true;
    return;
  }
  if (e == Element::Web) webSatisfied(dc, w, p.beta > 0, std::fabs(s1) <= std::fabs(s2));
  else flangeSatisfied(dc, e, w, p.beta > 0);
}

// An element with no compressed end has nothing to buckle: it keeps its full
// width and is tested like a tension flange, |σ| <= fy.
void tensionElement(DesignCase& dc, Element e, double s1, double s2, Single hb) {
  const ElementNames& n = namesOf(e);
  ReportText& r = dc.filestring;
  r.line(11, n.plate, "两端应力", n.first, "=", s1, "MPa,", n.second, "=", s2,
         "MPa,均不是压应力,板件不会局部屈曲,全截面有效,按受拉板件验算强度:");
  storeWidths(dc, e, Widths{hb, hb / 2, hb / 2});
  const double largest = std::max(std::fabs(s1), std::fabs(s2));
  const bool passes = largest <= dc.steelfy;
  recordStrength(dc, recordedAs(e), largest, passes);
  if (passes) {
    r.line(11, n.plate, "最大拉应力|σ|=", largest, "MPa<=fy=", dc.steelfy, "MPa,", n.plate, "满足强度要求!");
    return;
  }
  r.line(11, n.plate, "最大拉应力|σ|=", largest, "MPa>fy=", dc.steelfy, "MPa,", n.plate, "不满足强度要求!(************)");
  noteFailure(dc, e);
}

}  // namespace

double bucklingCoefficient(double beta) {
  const double onePlus = 1 + beta, oneMinus = 1 - beta;
  return 16 / (std::sqrt(onePlus * onePlus + 0.112 * oneMinus * oneMinus) + onePlus);
}

double plateSlenderness(double hb, double t, double ksigma, int fy) {
  return hb / (t * 28.1 * std::pow(ksigma, 0.5) * std::pow(235.0 / fy, 0.5));
}

double reductionFactor(double lambdaP) {
  if (lambdaP <= 0.8) return 1.0;
  if (lambdaP <= 1.2) return truncateTo(1 - 0.9 * (lambdaP - 0.8), 3);
  return truncateTo(0.64 - 0.24 * (lambdaP - 1.2), 3);
}

void youxiaokuandu_code1(DesignCase& dc, double sigma1, double sigma2, Single hb, std::int16_t choisenum) {
  if (choisenum < 1 || choisenum > 3) return;
  const Element e = static_cast<Element>(choisenum);
  if (std::max(sigma1, sigma2) <= 0) {
    tensionElement(dc, e, sigma1, sigma2, hb);
    return;
  }
  const Plate p = plateOf(dc, hb, stressRatio(dc, e, sigma1, sigma2));
  Widths w;
  if (p.beta > 0) w = fullyCompressed(dc, e, p, hb);
  else if (e == Element::Web) w = partlyCompressedWeb(dc, p, sigma1, sigma2, hb);
  else w = partlyCompressedFlange(dc, e, p, sigma1, sigma2, hb);
  storeWidths(dc, e, w);
  verdict(dc, e, p, sigma1, sigma2, w);
}

}  // namespace veldrin
