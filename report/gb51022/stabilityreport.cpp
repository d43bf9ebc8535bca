// Section four, overall stability (GB 50018-2002 A.2.1 and 8.1.1-2), and
// section five: width-to-thickness ratios, the slenderness note, deflection.
#include <cmath>

#include "report/gb51022/reportparts.h"

namespace veldrin::gb51022 {

namespace {

const char* supportText(const StabilityFactors& k) {
  if (k.mub == 1.0) return "跨间无侧向支承";
  return k.mub == 0.5 ? "跨中一个侧向支承" : "跨间两个等距侧向支承";
}

void writeFactors(ReportText& r, const DesignCase& dc, const PurlinChecks& p, const CombinationChecks& cc) {
  const StabilityFactors& k = cc.factors;
  const GrossSection& g = p.gross;
  r.line(kBase + 4, supportText(k), ",μb=", k.mub, ",ξ1=", k.xi1, ",ξ2=", k.xi2, " (GB 50018-2002 表A.2.1,",
         cc.combination.hasPoint() ? "跨中集中荷载)" : "均布荷载)");
  r.line(kBase + 4, "l0=μb*L=", k.mub, "*", dc.marlolength * 1000.0, "=", shown2(k.l0), "mm,iy=√(Iy/A)=",
         shown2(k.iy), "mm,λy=l0/iy=", shown2(k.lambdaY));
  r.line(kBase + 4, k.suction ? "ea=h/2=" : "ea=-h/2=", shown2(k.ea),
         k.suction ? "mm(风吸力背离弯心)" : "mm(荷载作用于上翼缘,指向弯心)", ",η=2*ξ2*ea/h=", shown3(k.eta),
         " (式A.2.1-2)");
  r.line(kBase + 4, "ζ=4*Iω/(h^2*Iy)+0.156*It/Iy*(l0/h)^2=4*", g.iw, "/(", g.h, "^2*", g.iy, ")+0.156*", g.it, "/",
         g.iy, "*(", shown2(k.l0), "/", g.h, ")^2=", shown3(k.zeta), " (式A.2.1-3)");
  r.line(kBase + 4, "φbx=4320*A*h/(λy^2*Wx)*ξ1*(√(η^2+ζ)+η)*(235/fy)=4320*", g.area, "*", g.h, "/(",
         shown2(k.lambdaY), "^2*", shown2(g.wx()), ")*", k.xi1, "*(√((", shown3(k.eta), ")^2+", shown3(k.zeta), ")+(",
         shown3(k.eta), "))*(235/", p.steel.fy, ")=", shown3(k.phi), " (式A.2.1-1)");
  if (k.phi > 0.7) {
    r.line(kBase + 4, "φbx>0.7,φ'bx=1.091-0.274/φbx=", shown3(k.phiUsed), "(不大于1.0) (式A.2.1-4)");
  }
}

void writeSection(ReportText& r, const StabilitySection& s) {
  const char* where = s.moments.location == CheckLocation::Rods ? "拉条处截面" : "跨中截面";
  r.line(kBase + 4, where, ":Mx=", shown3(s.moments.mx), "KN.m,My=", shown3(s.moments.my),
         "KN.m,σ=Mx/(φbx*Wex)+My/Wey (GB 50018-2002 式8.1.1-2,Wex、Wey取该截面有效截面):");
  for (std::size_t i = 0; i < 2; ++i) {
    r.line(kBase + 6, i == 0 ? "My使卷边一侧受压:腹板侧σ=" : "My使腹板一侧受压:腹板侧σ=", s.bending[i], "+(",
           s.webLateral[i], ")=", s.webPoint[i], "MPa,卷边侧σ=", s.bending[i], "+(", s.lipLateral[i], ")=",
           s.lipPoint[i], "MPa");
  }
  const CheckResult& c = s.record;
  r.line(kBase + 6, "|σ|=", c.demand, "MPa", c.passes ? "<=" : ">", "f=", c.limit, "MPa", verdictTail(c));
}

const char* kindName(PlateKind k) {
  switch (k) {
    case PlateKind::Stiffened: return "腹板(加劲板件):h/t=(h-6t)/t=";
    case PlateKind::PartlyStiffened: return "翼缘(部分加劲板件):b/t=(b-6t)/t=";
    case PlateKind::Unstiffened: return "卷边(非加劲板件):a/t=(a-3t)/t=";
  }
  return "";
}

void writeDeflection(ReportText& r, const DesignCase& dc, const PurlinChecks& p, const DeflectionCheck& d, int n) {
  r.line(kBase, "<", headingNumeral(n), ">", combinationTitle(d.combination), "作用下的挠度计算(毛截面,GB 51022-2015 表3.3.2)");
  r.line(kBase + 3, "qk=", shown3(d.qk), "KN/m(垂直屋面)");
  const double span = dc.marlolength * 1000.0;
  r.line(kBase + 3, "v=5*qk*L^4/(384*E*Ix)=5*(", shown3(d.qk), ")*", span, "^4/(384*", kModulus, "*", p.gross.ix, ")=",
         d.v, "mm");
  const CheckResult& c = d.record;
  if (d.v == 0) {
    r.line(kBase + 3, "v=0,挠度满足要求!");
    return;
  }
  r.line(kBase + 3, "|v|/L=", std::fabs(d.v), "/", span, "=1/", d.ratio, c.passes ? "<=" : ">", "1/", d.limit,
         c.passes ? ",挠度满足要求!" : ",挠度不满足要求!(************)");
}

}  // namespace

void writeStability(ReportText& r, const DesignCase& dc, const PurlinChecks& p) {
  int n = 0;
  for (const CombinationChecks& cc : p.ultimate) {
    r.line(kBase, "<", headingNumeral(++n), ">", combinationTitle(cc.combination));
    if (!cc.stabilityChecked) {
      r.line(kBase + 4, "屋面板能阻止檩条侧向失稳,上翼缘受压时可不验算整体稳定 (GB 50018-2002 8.1.1)");
      continue;
    }
    r.line(kBase + 4, cc.factors.suction ? "风吸力作用下下翼缘受压 (GB 50018-2002 8.1.2)" : "上翼缘受压");
    writeFactors(r, dc, p, cc);
    for (const StabilitySection& s : cc.stability) writeSection(r, s);
  }
}

void writeDetailing(ReportText& r, const DesignCase& dc, const PurlinChecks& p) {
  r.line(kBase, "<一>板件宽厚比 (GB 50018-2002 表4.3.2)");
  for (const RatioCheck& c : p.ratios) {
    r.line(kBase + 3, kindName(c.kind), shown2(c.width), "/", p.gross.t, "=", c.ratio, c.record.passes ? "<=" : ">",
           c.limit, verdictTail(c.record));
  }
  r.line(kBase, "<二>长细比");
  r.line(kBase + 3, "檩条仅为受弯构件,不兼作屋面支撑压杆或系杆,GB 51022-2015 9.1.7的长细比限值不适用,不作长细比验算");
  int n = 2;
  for (const DeflectionCheck& d : p.deflections) writeDeflection(r, dc, p, d, ++n);
}

}  // namespace veldrin::gb51022
