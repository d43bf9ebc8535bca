#include "calc/stresscheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "basetypes/runstop.h"
#include "support/reportlines.h"
#include "support/strengthsection.h"

using veldrin::DesignCase;
using veldrin::neilicheck_code1;

using veldrin::testing::at;
using veldrin::testing::indexOf;
using veldrin::testing::lines;

namespace {

DesignCase section() { return veldrin::testing::strengthTestSection(); }

const char* const kClosing = "       该荷载组合满足工程强度要求!";

}  // namespace

TEST(StressCheck, PositiveMomentCompressesTheUpperFlange) {
  DesignCase dc = section();
  neilicheck_code1(dc, 10e6, 0.2e6);
  const std::vector<std::string> got = lines(dc);
  ASSERT_EQ(got.size(), 35u);
  EXPECT_EQ(got[0], at(7, "1.檩条上翼缘为一边支撑一边卷边非均匀受压板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[1], at(11, "A.点7处应力为:"));
  EXPECT_EQ(got[2], at(13, "σ7=mx/ix*h/2-my/iy*x0=10000000/10000000*250/2-200000/400000*20.45=114.77MPa"));
  EXPECT_EQ(got[3], at(11, "B.点8处应力为:"));
  EXPECT_EQ(got[4], at(13, "σ8=mx/ix*h/2+my/iy*(b-x0)=10000000/10000000*250/2+200000/400000*(75-20.45)=152.27MPa"));
  EXPECT_EQ(got[5], at(11, "截面边缘正应力比值β=σ7/σ8＝114.77/152.27=0.753"));  // the upper flange follows
  EXPECT_EQ(got[14], at(7, "2.檩条下翼缘为一边支撑一边卷边受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[16], at(13, "σ3=-mx/ix*h/2+my/iy*(b-x0)=-10000000/10000000*250/2+200000/400000*(75-20.45)=-97.73MPa"));
  // −135.225 floors to −135.23
  EXPECT_EQ(got[18], at(13, "σ4=-mx/ix*h/2-my/iy*x0=-10000000/10000000*250/2-200000/400000*20.45=-135.23MPa"));
  EXPECT_EQ(got[19], at(11, "檩条下翼缘最大应力σ4<=fy=215MPa,下翼缘满足要求!"));
  EXPECT_EQ(got[20], at(7, "3.檩条腹板为两边支撑非均匀受压板件，板端点4、7处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[22], got[18]);  // the web's ends are the flanges' points, with their operands
  EXPECT_EQ(got[24], got[2]);
  EXPECT_EQ(got[25], at(11, "截面边缘正应力比值β=σ7/σ4＝114.77/(-135.23)=-0.849"));
  EXPECT_EQ(got[32], at(15, "he1+he2=45.9+204.09=249.99>=h=250并且σ3<σ4<fy=215MPa"));
  EXPECT_EQ(got[34], kClosing);
  EXPECT_FALSE(dc.effectflag);
  EXPECT_EQ(dc.be11, 35.31);
  EXPECT_EQ(dc.be12, 39.69);
}

TEST(StressCheck, NegativeMomentCompressesTheLowerFlange) {
  DesignCase dc = section();
  neilicheck_code1(dc, -10e6, 0.2e6);
  const std::vector<std::string> got = lines(dc);
  ASSERT_EQ(got.size(), 35u);
  EXPECT_EQ(got[0], at(7, "1.檩条上翼缘为一边支撑一边卷边非均匀受拉板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[2], at(13, "σ7=mx/ix*h/2-my/iy*x0=-10000000/10000000*250/2-200000/400000*20.45=-135.23MPa"));
  EXPECT_EQ(got[5], at(11, "檩条上翼缘最大应力σ7<=fy=215MPa,上翼缘满足要求!"));
  EXPECT_EQ(got[6], at(7, "2.檩条下翼缘为一边支撑一边卷边非均匀受压板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(got[11], at(11, "截面边缘正应力比值β=σ4/σ3＝0.753"));  // the lower flange follows σ4
  EXPECT_EQ(got[18], at(15, "be21+be22=35.31+39.69=75>=b=75并且σ4<σ3<fy=215MPa"));
  EXPECT_EQ(got[19], at(11, "下翼缘满足强度要求!"));
  EXPECT_EQ(got[22], at(13, "σ4=-mx/ix*h/2-my/iy*x0=-(-10000000)/10000000*250/2-200000/400000*20.45=114.77MPa"));
  EXPECT_EQ(got[34], kClosing);
  EXPECT_EQ(dc.be21, 35.31);
  EXPECT_EQ(dc.be11, 37.5);  // the tension flange keeps its reset halves
}

TEST(StressCheck, ZeroMomentTakesTheCompressedUpperFlangeBranch) {
  DesignCase dc = section();
  neilicheck_code1(dc, 0, 0.2e6);
  const std::vector<std::string> got = lines(dc);
  EXPECT_EQ(got[0], at(7, "1.檩条上翼缘为一边支撑一边卷边非均匀受压板件，计算板端点7、8处应力(压应力为正值，拉应力为负值):"));
  EXPECT_GE(indexOf(got, at(7, "2.檩条下翼缘为一边支撑一边卷边受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):")), 0);
  EXPECT_GE(indexOf(got, at(11, "截面边缘正应力比值β=σ7/σ8＝-10.23/27.27=-0.376")), 0);
  EXPECT_EQ(got.back(), kClosing);
}

TEST(StressCheck, TensionFlangeAtExactlyFyPasses) {
  DesignCase dc = section();
  neilicheck_code1(dc, 17.2e6, 0);  // σ4 = −1.72·125 = −215
  const std::vector<std::string> got = lines(dc);
  EXPECT_GE(indexOf(got, at(11, "檩条下翼缘最大应力σ4<=fy=215MPa,下翼缘满足要求!")), 0);
  EXPECT_GE(indexOf(got, at(11, "截面边缘正应力比值β=σ4/σ7＝-215/215=-1")), 0);
  EXPECT_EQ(got.back(), kClosing);
  EXPECT_TRUE(dc.labout.empty());
  ASSERT_EQ(dc.checks.size(), 3u);  // upper flange, lower flange, web
  EXPECT_EQ(dc.checks[1].element, veldrin::CheckElement::Lower);
  EXPECT_DOUBLE_EQ(dc.checks[1].demand, 215);
  EXPECT_DOUBLE_EQ(dc.checks[1].utilisation, 1.0);
  EXPECT_TRUE(dc.checks[1].passes);
}

TEST(StressCheck, FailingTensionFlangeSuppressesTheClosingLine) {
  DesignCase dc = section();
  dc.centery = 10;  // σ4 = −1.72·135 = −232.2, σ8 = 1.72·115 = 197.8
  neilicheck_code1(dc, 17.2e6, 0);
  const std::vector<std::string> got = lines(dc);
  EXPECT_GE(indexOf(got, at(11, "檩条下翼缘最大应力σ4>fy=215MPa,下翼缘不满足要求!(************)")), 0);
  EXPECT_GE(indexOf(got, at(11, "上翼缘满足强度要求!")), 0);
  ASSERT_EQ(dc.checks.size(), 3u);
  EXPECT_DOUBLE_EQ(dc.checks[1].demand, 232.2);
  EXPECT_FALSE(dc.checks[1].passes);
  EXPECT_TRUE(dc.checks[0].passes);
  EXPECT_EQ(indexOf(got, kClosing), -1);
  EXPECT_EQ(dc.labout, "下翼缘应力超标,不满足要求");
  EXPECT_FALSE(dc.effectflag);
}

TEST(StressCheck, FailingCompressedFlangeIsNotHiddenByAPassingWeb) {
  DesignCase dc = section();
  dc.t = 3.1;  // the web (β = −0.507, kσ = 13.352) stays at λp = 0.785 <= 0.8 with fyk = 235
  neilicheck_code1(dc, 10e6, 0.8e6);  // σ8 = 125 + 2·54.55 = 234.1 > fy
  const std::vector<std::string> got = lines(dc);
  const long failure = indexOf(got, at(11, "檩条上翼缘最大压应力σ8>fy=215MPa,上翼缘不满足强度要求!(************)"));
  ASSERT_GE(failure, 0);
  EXPECT_EQ(got[failure - 1], at(15, "be12= be-be11=75-32.32=42.68"));
  EXPECT_EQ(got[failure + 1], at(7, "2.檩条下翼缘为一边支撑一边卷边受拉板件，计算板端点3、4处应力(压应力为正值，拉应力为负值):"));
  EXPECT_EQ(indexOf(got, at(11, "上翼缘满足强度要求!")), -1);
  EXPECT_GE(indexOf(got, at(11, "腹板缘满足强度要求!")), 0);
  EXPECT_EQ(indexOf(got, kClosing), -1);
  EXPECT_TRUE(dc.effectflag);
  EXPECT_EQ(dc.labout, "上翼缘应力超标,不满足要求");
  ASSERT_EQ(dc.checks.size(), 3u);
  EXPECT_DOUBLE_EQ(dc.checks[0].demand, 234.1);
  EXPECT_FALSE(dc.checks[0].passes);
  EXPECT_TRUE(dc.checks[2].passes);
}

TEST(StressCheck, EachCheckStartsFromTheFullSectionAndAClearFlag) {
  DesignCase dc = section();
  dc.effectflag = true;  // left by an earlier combination
  dc.he1 = dc.be21 = dc.be22 = 1;
  neilicheck_code1(dc, 10e6, 0.2e6);
  EXPECT_FALSE(dc.effectflag);
  EXPECT_EQ(lines(dc).back(), kClosing);
  EXPECT_EQ(dc.be21, 37.5);
  EXPECT_EQ(dc.be22, 37.5);
  EXPECT_EQ(dc.he1, 45.9);  // the web's parts
  EXPECT_EQ(dc.he2, 204.09);
}

TEST(StressCheckGuards, NoMomentsLeaveEveryElementWithoutCompression) {
  DesignCase dc = section();
  ASSERT_NO_THROW(neilicheck_code1(dc, 0, 0));
  const std::vector<std::string> got = lines(dc);
  EXPECT_GE(indexOf(got, at(11, "上翼缘最大拉应力|σ|=0MPa<=fy=215MPa,上翼缘满足强度要求!")), 0);
  EXPECT_GE(indexOf(got, at(11, "腹板最大拉应力|σ|=0MPa<=fy=215MPa,腹板满足强度要求!")), 0);
  EXPECT_EQ(got.back(), kClosing);
}

TEST(StressCheckGuards, ZeroStiffnessStopsTheRunWithAMessage) {
  DesignCase noIx = section();
  noIx.ix = 0;
  EXPECT_THROW(neilicheck_code1(noIx, 10e6, 0.2e6), veldrin::RunRefused);
  EXPECT_TRUE(noIx.filestring.str().empty());

  DesignCase noIy = section();
  noIy.iy = 0;
  try {
    neilicheck_code1(noIy, 10e6, 0);
    ADD_FAILURE() << "iy = 0 was accepted";
  } catch (const veldrin::RunRefused& refused) {
    EXPECT_EQ(refused.text(), "截面惯性矩Iy不大于0，截面尺寸无法构成有效截面，请核对截面尺寸!");
  }
}
