// Sections one and two: the known conditions with the choices the design
// makes, and the load combinations with their moments and shear.
#include <cmath>

#include "report/gb51022/reportparts.h"
#include "report/sectionone.h"

namespace veldrin::gb51022 {

namespace {

void writeGrossProperties(ReportText& r, const GrossSection& g) {
  r.line(kBase, "16.檩条毛截面特性为(冷弯内圆角半径取2t):");
  r.line(kBase + 4, "A=", g.area, "mm2");
  r.line(kBase + 4, "Ix=", g.ix, "mm4");
  r.line(kBase + 4, "Iy=", g.iy, "mm4");
  r.line(kBase + 4, "It=", g.it, "mm4");
  r.line(kBase + 4, "Iω=", g.iw, "mm6");
  r.line(kBase + 4, "x0=", shown2(g.xc), "mm(形心至腹板外表面)");
  r.line(kBase + 4, "Wx=Ix/(h/2)=", shown2(g.wx()), "mm3");
  r.line(kBase + 4, "Wy1=Iy/x0=", shown2(g.iy / g.xc), "mm3(腹板一侧)");
  r.line(kBase + 4, "Wy2=Iy/(b-x0)=", shown2(g.iy / (g.b - g.xc)), "mm3(卷边一侧)");
}

void writeWind(ReportText& r, const DesignCase& dc, const Wind& w) {
  r.line(kBase, "19.风荷载标准值:");
  r.line(kBase + 4, "β=max(1.5,1+0.7/√μz)=max(1.5,", shown3(w.betaMandatory), ")=", shown3(w.beta),
         " (GB 51022-2015 4.2.1; GB 55001-2021 4.6.5-2)");
  r.line(kBase + 4, "wk=β*μw*μz*w0=", shown3(w.beta), "*(", dc.windstyle, ")*", dc.windhigh, "*", dc.kwindload, "=",
         shown3(w.wk), "KN/m2 (GB 51022-2015 式4.2.1)");
}

void writeChoices(ReportText& r) {
  r.line(kBase, "20.计算约定:");
  r.line(kBase + 4, "a)荷载按屋面坡面面积计,重力荷载按坡角分解为垂直屋面qy与平行屋面qx,风荷载垂直屋面;");
  r.line(kBase + 4, "b)可变荷载Q取屋面活载与雪载的较大值再加积灰荷载,积灰荷载按全分项系数1.5计(偏于安全的简化);");
  r.line(kBase + 4, "c)板件宽度取扣除冷弯圆角后的平直段:腹板h-6t,翼缘b-6t,卷边a-3t;卷边按非加劲板件计,其邻接板件为翼缘;");
  r.line(kBase + 4, "d)有效截面按各荷载组合及各验算截面分别计算,ψ及σ1由毛截面应力求得(GB 50018-2002 5.6.8),受拉部分全部有效;");
  r.line(kBase + 4, "e)My的方向(使卷边一侧或腹板一侧受压)不确定,两种情况均计算,取不利者;");
  r.line(kBase + 4, "f)拉条处为侧向支承点,集中荷载作用于跨中。");
}

}  // namespace

void writeKnownConditions(ReportText& r, const DesignCase& dc, const PurlinChecks& p) {
  writeRoofLoadItems(r, dc);
  r.line(kBase, "5.施工检修集中荷载标准值为:P=", dc.kshigongload, "KN(作用在跨中)");
  r.line(kBase, "6.基本风压为:w0=", dc.kwindload, "KN/m2");
  r.line(kBase, "7.风压高度变化系数为:μz=", dc.windhigh);
  r.line(kBase, "8.风荷载系数为:μw=", dc.windstyle, "(负值为风吸力)");
  r.line(kBase, "9.屋面坡度为:α＝", degreesShown(p.loads.alpha), "度");
  r.line(kBase, "10.檁条跨度为:L=", dc.marlolength, "m");
  r.line(kBase, "11.檁条间距为:s=", dc.marlobay, "m");
  r.line(kBase, "12.跨中拉条数量为:n=", dc.latiaonum, "根");
  r.line(kBase, "13.钢材", p.steel.grade, ":f=", p.steel.f, "MPa,fv=", p.steel.fv, "MPa,fy=", p.steel.fy,
         "MPa (GB 51022-2015 表3.2.4-1)");
  r.line(kBase, "14.檁条弹性模量为:E=", kModulus, "MPa");
  r.line(kBase, "15.檩条规格:C", dc.h, "X", dc.b, "X", dc.a, "X", dc.t);
  writeGrossProperties(r, p.gross);
  r.line(kBase, "17.计算规范:门式刚架轻型房屋钢结构技术规范GB51022-2015;截面验算按冷弯薄壁型钢结构技术规范GB 50018-2002;",
         "荷载分项系数按工程结构通用规范GB 55001-2021");
  r.line(kBase, "18.", dc.sheetingRestrains == 1 ? "屋面板能阻止檩条侧向失稳" : "屋面板不能阻止檩条侧向失稳", ";",
         dc.rodsRestrainLowerFlange ? "拉条同时约束下翼缘" : "拉条不约束下翼缘");
  writeWind(r, dc, p.loads.wind);
  writeChoices(r);
}

namespace {

void writeLineLoad(ReportText& r, const DesignCase& dc, const PurlinChecks& p, const Combination& c) {
  const double deg = degreesShown(p.loads.alpha);
  const double gravity = c.dead + c.variable;
  if (c.variableFactor != 0) {
    r.line(kBase + 2, "q=", c.deadFactor, "*qD*s+", c.variableFactor, "*Q*s=", c.deadFactor, "*", dc.kdeadload, "*",
           dc.marlobay, "+", c.variableFactor, "*", shown3(p.loads.variableLoad), "*", dc.marlobay, "=",
           shown3(gravity), "KN/m");
  } else {
    r.line(kBase + 2, "q=", c.deadFactor, "*qD*s=", c.deadFactor, "*", dc.kdeadload, "*", dc.marlobay, "=",
           shown3(gravity), "KN/m");
  }
  if (c.windFactor != 0) {
    r.line(kBase + 2, "qw=", c.windFactor, "*wk*s=", c.windFactor, "*(", shown3(p.loads.wind.wk), ")*", dc.marlobay,
           "=", shown3(c.wind), "KN/m(垂直屋面,负值为风吸力)");
  }
  r.line(kBase + 2, "qx=q*sin(α)=", shown3(gravity), "*sin(", deg, ")=", shown3(c.qx), "KN/m");
  if (c.windFactor != 0) {
    r.line(kBase + 2, "qy=q*cos(α)+qw=", shown3(gravity), "*cos(", deg, ")+(", shown3(c.wind), ")=", shown3(c.qy),
           "KN/m");
  } else {
    r.line(kBase + 2, "qy=q*cos(α)=", shown3(gravity), "*cos(", deg, ")=", shown3(c.qy), "KN/m");
  }
  if (c.hasPoint()) {
    r.line(kBase + 2, "P=", c.pointFactor, "*Pk=", c.pointFactor, "*", dc.kshigongload, "=", shown3(c.point),
           "KN,Px=P*sin(α)=", shown3(c.px), "KN,Py=P*cos(α)=", shown3(c.py), "KN");
  }
}

void writeMoments(ReportText& r, const CombinationChecks& cc) {
  for (const SectionStrength& s : cc.strength) {
    const char* where = s.moments.location == CheckLocation::Rods ? "拉条处" : "跨中";
    r.line(kBase + 2, where, ":Mx=", shown3(s.moments.mx), "KN.m,My=", shown3(s.moments.my), "KN.m");
  }
  r.line(kBase + 2, "支座剪力V=|qy|*L/2+|Py|/2=", shown3(cc.shear.v), "KN");
}

}  // namespace

void writeCombinations(ReportText& r, const DesignCase& dc, const PurlinChecks& p) {
  r.line(kBase, "Q=max(qL,qS)+qA=max(", dc.kliveload, ",", dc.ksnowload, ")+", dc.kdurtload, "=",
         shown3(p.loads.variableLoad), "KN/m2");
  r.line(kBase, "分项系数:永久荷载1.3,有利时1.0;可变荷载1.5 (GB 55001-2021 3.1.13);组合规则 (GB 51022-2015 4.5)");
  const char* moments = dc.latiaonum == 0   ? "Mx=qy*L^2/8+Py*L/4,My=qx*L^2/8+Px*L/4"
                        : dc.latiaonum == 1 ? "Mx=qy*L^2/8+Py*L/4,My=qx*L^2/32(拉条处)"
                                            : "跨中Mx=qy*L^2/8+Py*L/4,My=qx*L^2/360+0.175*Px*L/3;拉条处Mx=qy*L^2/9+Py*L/6,My=qx*L^2/90+0.075*Px*L/3";
  r.line(kBase, "弯矩:", moments);
  for (const CombinationChecks& cc : p.ultimate) {
    r.line(kBase, combinationTitle(cc.combination));
    writeLineLoad(r, dc, p, cc.combination);
    writeMoments(r, cc);
  }
  for (const DeflectionCheck& d : p.deflections) {
    r.line(kBase, combinationTitle(d.combination));
    writeLineLoad(r, dc, p, d.combination);
  }
}

}  // namespace veldrin::gb51022
