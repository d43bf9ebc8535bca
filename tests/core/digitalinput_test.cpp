#include "input/digitalinput.h"

#include <gtest/gtest.h>

#include "support/defaultform.h"
#include "basetypes/runstop.h"

using namespace veldrin;

namespace {

FormState selectedDefaults() { return veldrin::testing::defaultRunForm("02-07-30 20:08:07"); }

}  // namespace

TEST(DigitalInput, DefaultTextsFillEveryField) {
  DesignCase dc;
  digitalinput(selectedDefaults(), dc);
  EXPECT_EQ(dc.projectname, "****工程墙(屋)面檁条计算");
  EXPECT_EQ(dc.projectcode, "20022308");
  EXPECT_EQ(dc.projecttime, "02-07-30 20:08:07");
  EXPECT_EQ(static_cast<double>(dc.h), 250);
  EXPECT_EQ(static_cast<double>(dc.b), 75);
  EXPECT_EQ(static_cast<double>(dc.a), 20);
  EXPECT_EQ(static_cast<double>(dc.t), 2.5);
  EXPECT_EQ(dc.kwindload, 0.75);
  EXPECT_EQ(static_cast<double>(dc.windhigh), 1);
  EXPECT_EQ(dc.windstyle, -1.4);
  EXPECT_EQ(static_cast<double>(dc.marlolength), 7.2);
  EXPECT_EQ(dc.marlobay, 1.5);
  EXPECT_EQ(static_cast<double>(dc.degree), 0.06);
  EXPECT_EQ(dc.kdeadload, 0.12);
  EXPECT_EQ(dc.kliveload, 0.3);
  EXPECT_EQ(dc.ksnowload, 0);
  EXPECT_EQ(dc.kdurtload, 0);
  EXPECT_EQ(dc.kshigongload, 1);
  EXPECT_EQ(dc.steelfy, 215);
  EXPECT_EQ(static_cast<double>(dc.steelfv), 125);
  EXPECT_EQ(dc.latiaonum, 0);
  EXPECT_TRUE(dc.errstr.empty());
}

TEST(DigitalInput, SecondGradeAndSagRods) {
  FormState form = selectedDefaults();
  form.combo1 = 1;
  form.combo3 = 2;
  DesignCase dc;
  digitalinput(form, dc);
  EXPECT_EQ(dc.steelfy, 315);
  EXPECT_EQ(static_cast<double>(dc.steelfv), 185);
  EXPECT_EQ(dc.latiaonum, 2);
}

// GBJ18-87's design strengths are those of GB 50018-2002 Table 4.2.1
// (205/300, fv 120/175); CECS102:98 keeps 215/315 and 125/185. The yield
// strength follows the grade alone.
TEST(DigitalInput, StrengthsByGradeAndCode) {
  struct Row {
    int grade;
    DesignCode code;
    int fy;
    double fv;
    int fyk;
  };
  const Row rows[] = {
      {0, DesignCode::Cecs102, 215, 125, 235}, {1, DesignCode::Cecs102, 315, 185, 345},
      {0, DesignCode::Gbj18, 205, 120, 235},   {1, DesignCode::Gbj18, 300, 175, 345},
  };
  for (const Row& row : rows) {
    FormState form = selectedDefaults();
    form.combo1 = row.grade;
    DesignCase dc;
    dc.code = row.code;
    digitalinput(form, dc);
    EXPECT_EQ(dc.steelfy, row.fy) << row.grade;
    EXPECT_EQ(static_cast<double>(dc.steelfv), row.fv) << row.grade;
    EXPECT_EQ(dc.steelfyk, row.fyk) << row.grade;
  }
}

TEST(DigitalInput, TheLastUnselectedListNamesTheMessage) {
  FormState form = startupForm("now");
  DesignCase dc;
  dc.steelfy = 999;
  dc.latiaonum = 7;
  digitalinput(form, dc);
  EXPECT_EQ(dc.errstr, "请输入拉条数量!");
  EXPECT_EQ(dc.steelfy, 999);  // an unselected list leaves its fields
  EXPECT_EQ(dc.latiaonum, 7);

  form.combo3 = 1;
  dc.errstr.clear();
  digitalinput(form, dc);
  EXPECT_EQ(dc.errstr, "请输入挠度限值!");
  form.combo2 = 2;
  dc.errstr.clear();
  digitalinput(form, dc);
  EXPECT_EQ(dc.errstr, "请输入钢材型号!");
}

TEST(DigitalInput, TextsThatAreNotNumbersGiveZero) {
  FormState form = selectedDefaults();
  form.field(4) = "1 2";
  form.field(11) = "7.2m";
  form.field(14) = "abc";
  form.field(15) = "";
  form.field(16) = "1,5";
  DesignCase dc;
  digitalinput(form, dc);
  EXPECT_EQ(static_cast<double>(dc.h), 12);
  EXPECT_EQ(static_cast<double>(dc.marlolength), 7.2);
  EXPECT_EQ(dc.kdeadload, 0);
  EXPECT_EQ(dc.kliveload, 0);
  EXPECT_EQ(dc.ksnowload, 1);
}

TEST(DigitalInput, ANumberTooLargeForItsFieldIsRefusedByName) {
  FormState form = selectedDefaults();
  form.field(4) = "1E50";
  DesignCase dc;
  try {
    digitalinput(form, dc);
    FAIL() << "1E50 in h was accepted";
  } catch (const RunRefused& refused) {
    EXPECT_EQ(refused.title(), "输入数据检查");
    EXPECT_NE(refused.text().find("截面高h:"), std::string::npos);
  }
  form = selectedDefaults();
  form.field(14) = "1E400";  // beyond a double
  EXPECT_THROW(digitalinput(form, dc), RunRefused);
  form.field(14) = "1E300";  // a double field holds it
  EXPECT_NO_THROW(digitalinput(form, dc));
}
