// Section three: for each ultimate combination and span section, the
// effective section of each sense of My (GB 50018-2002 5.6) and the stresses
// on it (8.1.1-1), then the shear of the web (GB 51022-2015 9.1.5-2).
#include "report/gb51022/reportparts.h"

namespace veldrin::gb51022 {

namespace {

const char* senseName(MySense s) { return s == MySense::TowardLips ? "My使卷边一侧受压" : "My使腹板一侧受压"; }

const char* kFormulaNames[] = {"", "b/t<=18αρ,be=bc (式5.6.1-1)", "18αρ<b/t<38αρ,be=(√(21.8αρ/(b/t))-0.1)*bc (式5.6.1-2)",
                               "b/t>=38αρ,be=25αρ/(b/t)*bc (式5.6.1-3)"};

void writeElement(ReportText& r, const char* name, const Element& e, double flat) {
  if (!e.compressed) {
    r.line(kBase + 6, name, "(b=", shown2(flat), "mm):全部受拉,全部有效");
    return;
  }
  const PlateWidth& w = e.width;
  r.line(kBase + 6, name, "(b=", shown2(flat), "mm):σ1=", shown2(e.sigma1), "MPa,ψ=", shown3(e.psi), ",k=",
         shown3(e.k), " (式5.6.2),",
         e.neighbourInTension ? std::string("邻接板件受拉,k1=k1'=") + numText(shown3(e.k1))
                              : "ξ=" + numText(shown3(e.xi)) + ",k1=" + numText(shown3(e.k1)),
         " (式5.6.3)");
  r.line(kBase + 8, "ρ=√(205*k1*k/σ1)=", shown3(w.rho), ",α=", shown3(w.alpha), ",bc=", shown2(w.bc), "mm,b/t=",
         shown2(w.slenderness), ",18αρ=", shown2(w.lower), ",38αρ=", shown2(w.upper));
  if (w.fullyEffective()) {
    r.line(kBase + 8, kFormulaNames[w.formula], ",be=", shown2(w.be), "mm,全部有效");
  } else {
    r.line(kBase + 8, kFormulaNames[w.formula], ",be=", shown2(w.be), "mm,be1=", shown2(w.be1), "mm,be2=",
           shown2(w.be2), "mm (式5.6.5)");
  }
}

void writeSectionProperties(ReportText& r, const EffectiveSection& s) {
  if (s.full()) {
    r.line(kBase + 6, "各板件全部有效,有效截面取毛截面");
    return;
  }
  const Fibres& f = s.fibres;
  r.line(kBase + 6, "有效截面:Ae=", shown2(s.area), "mm2,Iex=", shown2(f.ix), "mm4,Iey=", shown2(f.iy), "mm4");
  r.line(kBase + 8, "形心至上翼缘外表面", shown2(f.upper), "mm,至下翼缘外表面", shown2(f.lower), "mm,至腹板外表面",
         shown2(f.web), "mm,至卷边", shown2(f.lips), "mm");
}

// One point: σ = ±Mx·y/Iex ± My·x/Iey, each term with its sign.
void writePoint(ReportText& r, const char* name, double total, double bending) {
  r.line(kBase + 8, name, "=", shown2(bending), "+(", shown2(total - bending), ")=", shown2(total), "MPa");
}

void writeSense(ReportText& r, const SenseState& st, double mx, const GrossSection& g) {
  r.line(kBase + 4, senseName(st.sense), ":");
  r.line(kBase + 6, "毛截面应力(压为正):σ7=", shown2(st.gross.s7), ",σ8=", shown2(st.gross.s8), ",σ4=",
         shown2(st.gross.s4), ",σ3=", shown2(st.gross.s3), "MPa");
  const EffectiveSection& s = st.section;
  writeElement(r, "上翼缘", s.upper, g.flangeFlat());
  writeElement(r, "下翼缘", s.lower, g.flangeFlat());
  writeElement(r, "腹板", s.web, g.webFlat());
  writeElement(r, "上卷边", s.upperLip, g.lipFlat());
  writeElement(r, "下卷边", s.lowerLip, g.lipFlat());
  writeSectionProperties(r, s);
  r.line(kBase + 6, "σ=Mx/Wenx+My/Weny (GB 50018-2002 式8.1.1-1):");
  const Fibres& f = s.fibres;
  const double top = mx * 1e6 * f.upper / f.ix, bottom = -mx * 1e6 * f.lower / f.ix;
  writePoint(r, "σ7", st.stress.s7, top);
  writePoint(r, "σ8", st.stress.s8, top);
  writePoint(r, "σ4", st.stress.s4, bottom);
  writePoint(r, "σ3", st.stress.s3, bottom);
}

void writeRecord(ReportText& r, const char* what, const CheckResult& c) {
  r.line(kBase + 4, what, "最大应力|σ|=", c.demand, "MPa", c.passes ? "<=" : ">", "f=", c.limit, "MPa",
         verdictTail(c));
}

}  // namespace

void writeStrength(ReportText& r, const PurlinChecks& p) {
  int n = 0;
  for (const CombinationChecks& cc : p.ultimate) {
    for (const SectionStrength& s : cc.strength) {
      const char* where = s.moments.location == CheckLocation::Rods ? "拉条处截面" : "跨中截面";
      r.line(kBase, "<", headingNumeral(++n), ">", combinationTitle(cc.combination), where, ":Mx=", shown3(s.moments.mx),
             "KN.m,My=", shown3(s.moments.my), "KN.m");
      for (const SenseState& st : s.senses) writeSense(r, st, s.moments.mx, p.gross);
      writeRecord(r, "上翼缘", s.upper);
      writeRecord(r, "下翼缘", s.lower);
    }
    const ShearCheck& v = cc.shear;
    r.line(kBase + 4, "腹板剪应力τ=3V/(2*h0*t)=3*", shown3(v.v) * 1000, "/(2*", v.h0, "*", p.gross.t, ")=", v.tau,
           "MPa", v.record.passes ? "<=" : ">", "fv=", v.record.limit, "MPa", verdictTail(v.record),
           " (GB 51022-2015 式9.1.5-2)");
  }
}

}  // namespace veldrin::gb51022
