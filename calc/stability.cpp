// Overall (lateral-torsional) stability of one combination: the buckling
// factor ψb of the cold-formed steel code and the stress at the governing
// flange point, with every step written into the report.
#include "calc/stability.h"

#include <array>
#include <cmath>

#include "basetypes/runstop.h"
#include "calc/checkrecords.h"
#include "calc/loadcombinations.h"

namespace veldrin {

namespace {

// One row of the buckling-parameter table (GB 50018-2002 Table A.2.1).
struct BucklingRow {
  double mub, zeta1, zeta2;
  const char* coefficients;  // the report line that names ζ1, ζ2
};

const std::array<const char*, 3> kRowHeaders = {
    "檩条跨间无侧向支撑点的稳定计算参数为:",
    "檩条跨间中点有一侧向支撑点的稳定计算参数为:",
    "檩条跨间有不少于两个等距离侧向支撑点的稳定计算参数为:",
};

const std::array<BucklingRow, 3> kUniformLoadRows = {{
    {1.0, 1.13, 0.46, "ζ1=1.13; ζ2=0.46"},
    {0.5, 1.35, 0.14, "ζ1=1.35; ζ2=0.14"},
    {0.33, 1.37, 0.06, "ζ1=1.37; ζ2=0.06"},
}};

const std::array<BucklingRow, 3> kPointLoadRows = {{
    {1.0, 1.35, 0.55, "ζ1=1.35; ζ2=0.55"},
    {0.5, 1.83, 0, "ζ1=1.83; ζ2=0.00"},
    {0.33, 1.68, 0.08, "ζ1=1.68; ζ2=0.08"},
}};

// The working values of the check, rounded as they are reported and used.
struct Buckling {
  double zeta, eta, psiB;
};

void refuseUnless(bool ok, const char* text) {
  if (!ok) throw RunRefused(kInputCheckTitle, text);
}

// Zero or negative section values would divide by zero further on.
void requireSection(const DesignCase& dc) {
  const DesignCase::GrossSection& g = dc.gross;
  refuseUnless(g.area > 0 && g.iy > 0 && g.ix > 0 && dc.iy > 0 && dc.ix > 0 && dc.h > 0,
               "截面面积A、惯性矩Ix、Iy及截面高h必须大于0，无法进行檩条稳定计算，请核对截面尺寸!");
}

// Strong-axis moment of the row, kN·m, unrounded; alpha is the roof angle
// the line loads were resolved with.
double strongAxisMoment(double qy, double Q, double L, double alpha) {
  const double uniform = qy * (L * L) / 8;
  return Q == 0 ? uniform : uniform + Q * L / 2 * std::cos(alpha);
}

// Weak-axis moment of the row: the sag rods shorten the weak-axis span.
double weakAxisMoment(double qx, double Q, double L, double alpha, int rods) {
  const double span2 = L * L;
  if (rods == 1) return qx * span2 / 32;
  if (rods == 2) return Q == 0 ? qx * span2 / 360 : qx * span2 / 360 + 0.175 * Q * L * std::sin(alpha);
  return Q == 0 ? qx * span2 / 8 : qx * span2 / 8 + Q * L / 2 * std::sin(alpha);
}

// Step 1: the table row by the point load and the sag rods. Any other rod
// count leaves the coefficients and moments of the previous call.
void applyRow(DesignCase& dc, double qx, double qy, double Q, int rods) {
  if (rods < 0 || rods > 2) return;
  const BucklingRow& row = (Q == 0 ? kUniformLoadRows : kPointLoadRows)[static_cast<std::size_t>(rods)];
  dc.mub = row.mub;
  dc.zeta1 = row.zeta1;
  dc.zeta2 = row.zeta2;
  dc.filestring.line(6, kRowHeaders[static_cast<std::size_t>(rods)]);
  dc.filestring.line(8, row.coefficients);
  const double L = dc.marlolength, alpha = roofAngle(dc);
  dc.mx = truncateTo(strongAxisMoment(qy, Q, L, alpha), 2);
  dc.my = truncateTo(weakAxisMoment(qx, Q, L, alpha, rods), 2);
}

// λy, floored to 0.1, with its line: on the gross section, like ψb.
double lateralSlenderness(DesignCase& dc, Single L0) {
  const DesignCase::GrossSection& g = dc.gross;
  const double lambdaY = truncateTo(L0 / std::sqrt(g.iy / g.area), 1);
  dc.filestring.line(6, "檩条弯矩作用平面外的长细比λy=L0/Sqr(Iy/A)=", L0, "/Sqr(", g.iy, "/", g.area, ")=", lambdaY);
  refuseUnless(lambdaY > 0, "檩条侧向计算长度L0为0，长细比λy为0，无法进行檩条稳定计算，请核对檩条跨度及拉条数量!");
  return lambdaY;
}

// GB 50018-2002 A.2.1: the load acts on the upper flange, so its distance ea
// from the shear centre is −h/2 when it points toward the centre (qy >= 0)
// and +h/2 when it points away from it (uplift).
double loadEccentricity(double h, double qy) { return qy >= 0 ? -h / 2 : h / 2; }

// ψb from the rounded λy and the unrounded ζ and η = 2·ζ2·ea/h; the rounded
// values after. The steel factor 235/fyk takes the yield strength.
// GB 50018-2002 4.1.9 lets the stability factor be taken on the gross
// section, whatever effective section the strength checks found.
Buckling bucklingFactor(const DesignCase& dc, Single L0, double lambdaY, double ea) {
  const DesignCase::GrossSection& g = dc.gross;
  const double h = dc.h;
  const double zeta = 4 * g.iw / (h * h * g.iy) + 0.156 * g.it / g.iy * std::pow(L0 / h, 2);
  const double eta = 2 * dc.zeta2 * ea / h;
  const double psiB = 4320 * g.area * h * dc.zeta1 / (lambdaY * lambdaY * g.ix) * h / 2 *
                      (std::sqrt(eta * eta + zeta) + eta) * (235.0 / dc.steelfyk);
  return {truncateTo(zeta, 3), truncateTo(eta, 3), truncateTo(psiB, 3)};
}

void writeBuckling(DesignCase& dc, Single L0, double lambdaY, double ea, const Buckling& k) {
  const DesignCase::GrossSection& g = dc.gross;
  ReportText& r = dc.filestring;
  r.line(9, "ea=", ea, "mm(荷载作用于上翼缘,指向弯心取负值,背离弯心取正值)");
  r.line(9, "ζ=4*Iω/(h^2*Iy)+0.156*It/Iy*(L0/h)^2=4*", g.iw, "/(", dc.h, "^2*", g.iy, ")+0.156*", g.it, "/", g.iy,
         "*(", L0, "/", dc.h, ")^2=", k.zeta);
  r.line(9, "η=2*ζ2*ea/h=2*", dc.zeta2, "*(", ea, ")/", dc.h, "=", k.eta);
  r.line(9, "ψb=4320*A*h*ζ1/(λy^2*Ix)*h/2*(Sqr(η^2+ζ)+η)*(235/fy)");
  r.line(12, "=4320*", g.area, "*", dc.h, "*", dc.zeta1, "/(", lambdaY, "^2*", g.ix, ")*", dc.h, "/2*(Sqr(",
         operand(k.eta), "^2+", k.zeta, ")+", operand(k.eta), ")*(235/", dc.steelfyk, ")");
  r.line(12, "=", k.psiB);
}

// Above 0.7 the elastic factor is reduced for inelastic buckling.
double correctedPsiB(DesignCase& dc, double psiB) {
  if (!(psiB > 0.7)) return psiB;
  const double corrected = truncateTo(1.091 - 0.274 / psiB, 3);
  dc.filestring.line(6, "因为ψb>0.7,所以ψb=1.091-0.274/ψb＝1.091-0.274/", psiB, "＝", corrected);
  return corrected;
}

// A stability factor cannot raise the strength above the section's own:
// a corrected ψb above 1.0 is taken as 1.0.
double cappedPsiB(DesignCase& dc, double psiB) {
  if (!(psiB > 1.0)) return psiB;
  dc.filestring.line(6, "因为ψb>1.0,取ψb=1.0");
  return 1.0;
}

// The compressed flange tip: point 8 under a downward load, point 3 under
// uplift. The stress is the largest of the flange, so its size is what
// fy limits: a negative σ passes no more than a positive one.
void flangeStress(DesignCase& dc, double qy, double psiB) {
  refuseUnless(psiB > 0, "整体稳定系数ψb为0，无法计算最大应力，请核对截面尺寸及檩条跨度!");
  const double x0 = dc.centerx;
  const double bending = dc.mx * dc.h / (2 * psiB * dc.ix);
  const double sigma = truncateTo((qy >= 0 ? bending : -bending) + dc.my / dc.iy * (dc.b - x0), 2);
  const bool passes = std::fabs(sigma) <= dc.steelfy;
  const char* point = qy >= 0 ? "σ8" : "σ3";
  recordStability(dc, point, std::fabs(sigma), passes);
  const std::string size = sigma < 0 ? std::string(",|") + point + "|=" + numText(std::fabs(sigma)) : "";
  dc.filestring.line(9,
                     qy >= 0 ? "最大应力为σ8=mx*h/(2*ψb * ix)+my/iy*(b-x0)＝"
                             : "最大应力为σ3=-mx*h/(2*ψb * ix)+my/iy*(b-x0)＝-",
                     operand(dc.mx), "*", dc.h, "/(2*", psiB, "*", dc.ix, ")+", operand(dc.my), "/", dc.iy,
                     "*(", dc.b, "-", x0, ")=", sigma, size, passes ? "<=fy" : ">fy");
  dc.filestring.line(3, passes ? "本荷载组合满足檁条稳定要求!" : "本荷载组合不满足檁条稳定要求!(**************)");
}

}  // namespace

void stability_code2(DesignCase& dc, Single qx, Single qy, Single Q, std::int16_t latiaonum) {
  requireSection(dc);
  applyRow(dc, qx, qy, Q, latiaonum);
  const Single spanMm = dc.marlolength * 1000;
  const Single L0 = dc.mub * dc.marlolength * 1000;
  dc.filestring.line(6, "檩条侧向计算长度为L0=μb*L=", dc.mub, "*", spanMm, "=", L0, "mm");
  const double lambdaY = lateralSlenderness(dc, L0);
  const double ea = loadEccentricity(dc.h, qy);
  const Buckling k = bucklingFactor(dc, L0, lambdaY, ea);
  writeBuckling(dc, L0, lambdaY, ea, k);
  const double psiB = cappedPsiB(dc, correctedPsiB(dc, k.psiB));
  dc.mx *= 1e6;  // kN·m to N·mm
  dc.my *= 1e6;
  flangeStress(dc, qy, psiB);
}

}  // namespace veldrin
