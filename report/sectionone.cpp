#include "report/sectionone.h"

#include <cmath>

namespace veldrin {

namespace {

constexpr int kBase = 3;  // the base indent n

void writeSectionProperties(DesignCase& dc) {
  dc.filestring.line(kBase, "17.檩条截面特性为:");
  writeSectionPropertyLines(dc.filestring, dc, kBase + 4);
}

void writeCodeItems(DesignCase& dc) {
  ReportText& r = dc.filestring;
  if (dc.code == DesignCode::Cecs102) {
    r.line(kBase, "18.计算规范:门式钢架轻型房屋钢结构技术规程CECS102:98");
    r.line(kBase, "19.风荷载调整系数fcw=1.1");
    dc.adjustfactor = 1.1;
  } else if (dc.code == DesignCode::Gbj18) {
    r.line(kBase, "18.计算规范:冷弯薄壁型钢结构技术规范GBJ18-87");
    r.line(kBase, "19.风荷载调整系数fcw=1.0");
    dc.adjustfactor = 1.0;
  }
}

}  // namespace

void writeSectionPropertyLines(ReportText& r, const DesignCase& dc, int indent) {
  r.line(indent, "A=", dc.area, "mm2");
  r.line(indent, "z0=", dc.z0, "mm");
  r.line(indent, "Ix=", dc.ix, "mm4");
  r.line(indent, "Iy=", dc.iy, "mm4");
  r.line(indent, "It=", dc.it, "mm4");
  r.line(indent, "Iω=", dc.iw, "mm6");
  r.line(indent, "d=", dc.d, "mm");
  r.line(indent, "e0=", dc.e0, "mm");
  r.line(indent, "Uy=", dc.uy, "mm5");
}

void writeProjectHeader(DesignCase& dc) {
  ReportText& r = dc.filestring;
  r.clear();
  r.line(0, dc.projectname);
  r.line(0, "工程编号:", dc.projectcode);
  r.empty();
}

void writeRoofLoadItems(ReportText& r, const DesignCase& dc) {
  r.line(kBase, "1.恒载标准值为:qD=", dc.kdeadload, "KN/m2");
  r.line(kBase, "2.活载标准值为:qL=", dc.kliveload, "KN/m2");
  r.line(kBase, "3.雪荷载标准值为:qS=", dc.ksnowload, "KN/m2");
  r.line(kBase, "4.积灰荷载标准值为:qA=", dc.kdurtload, "KN/m2");
}

void writeHeaderAndKnownConditions(DesignCase& dc) {
  ReportText& r = dc.filestring;
  writeProjectHeader(dc);
  r.line(0, "一、已知条件:");
  writeRoofLoadItems(r, dc);
  r.line(kBase, "5.施工荷载标准值为:Q=", dc.kshigongload, "KN");
  r.line(kBase, "6.风压标准值为:qW=", dc.kwindload, "KN/m2");
  r.line(kBase, "7.风压高度变化系数为:μz=", dc.windhigh);
  r.line(kBase, "8.风压体形系数为:μs=", dc.windstyle);
  const double slopeDegrees = degreesShown(std::atan(static_cast<double>(dc.degree)));
  r.line(kBase, "9.屋面坡度为:α＝", slopeDegrees, "度");
  r.line(kBase, "10.檁条计算长度为:L=", dc.marlolength, "m");
  r.line(kBase, "11.檁条间距为:a=", dc.marlobay, "m");
  r.line(kBase, "12.跨中拉条数量为:n=", dc.latiaonum, "根");
  r.line(kBase, "13.檁条抗拉强度设计值为:fy=", dc.steelfy, "MPa");
  r.line(kBase, "14.檁条抗剪强度设计值为:fv=", dc.steelfv, "MPa");
  r.line(kBase, "15.檁条弹性模量为:E=", 206000, "MPa");
  r.line(kBase, "16.檩条规格:C", dc.h, "X", dc.b, "X", dc.a, "X", dc.t);
  writeSectionProperties(dc);
  writeCodeItems(dc);
}

void writeBanner(DesignCase& dc, const std::string& designTime) {
  ReportText& r = dc.filestring;
  r.empty();
  r.line(6, std::string(86, '_'));
  r.line(21, "〖Veldrin 计算时间:", designTime, "〗");
  r.line(6, std::string(39, '_'), "【End】", std::string(40, '_'));
}

}  // namespace veldrin
