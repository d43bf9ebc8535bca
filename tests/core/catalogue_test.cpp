#include "catalogue/catalogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/sectionproperties.h"
#include "catalogue/sectionmass.h"

using namespace veldrin;
namespace fs = std::filesystem;

namespace {

// One row of the published table: dimensions in mm, A in cm², Ix and Iy in cm⁴.
struct Published {
  double h, b, a, t, area, ix, iy;
};

std::vector<Published> publishedTable() {
  std::ifstream in(std::string(VELDRIN_SOURCE_DIR) + "/tests/data/gb50018-b114-published.csv");
  std::vector<Published> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line[0] == 'h') continue;
    Published p{};
    char comma;
    std::istringstream(line) >> p.h >> comma >> p.b >> comma >> p.a >> comma >> p.t >> comma >> p.area >> comma >>
        p.ix >> comma >> p.iy;
    rows.push_back(p);
  }
  return rows;
}

DesignCase grossSection(const CatalogueSection& s) {
  DesignCase dc;
  const Single h = s.h, b = s.b, a = s.a, t = s.t, halfH = h / 2, halfB = b / 2;
  jiemiantx_code1(dc, h, b, a, t, halfH, halfH, halfB, halfB, halfB, halfB);
  return dc;
}

}  // namespace

TEST(Catalogue, BuiltInListHoldsTheTableAndThePurlinSizes) {
  const Catalogue c = builtinCatalogue();
  EXPECT_TRUE(c.problems.empty());
  ASSERT_EQ(c.sections.size(), 21u + 8u);
  const std::vector<Published> table = publishedTable();
  ASSERT_EQ(table.size(), 21u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const CatalogueSection& s = c.sections[i];
    EXPECT_EQ((std::array{s.h, s.b, s.a, s.t}), (std::array{table[i].h, table[i].b, table[i].a, table[i].t})) << i;
  }
  EXPECT_EQ(c.sections[10].name, "C160×60×20×2.5");
  const std::array<std::array<double, 4>, 8> larger = {{{250, 75, 20, 2.0}, {250, 75, 20, 2.2}, {250, 75, 20, 2.5},
                                                        {250, 75, 20, 3.0}, {280, 80, 20, 2.5}, {280, 80, 20, 3.0},
                                                        {300, 80, 20, 2.5}, {300, 80, 20, 3.0}}};
  for (std::size_t i = 0; i < larger.size(); ++i) {
    const CatalogueSection& s = c.sections[21 + i];
    EXPECT_EQ((std::array{s.h, s.b, s.a, s.t}), larger[i]) << s.name;
  }
  EXPECT_EQ(c.sections.back().name, "C300×80×20×3.0");
}

// The area agrees to the table's rounding. The table's bends are modelled a
// little differently from ours: Iy agrees to one unit of its last digit
// (largest difference 0.0078 cm⁴) and Ix to 0.01 % (0.025 cm⁴ at most),
// while a bend placed half a thickness off would move Ix by 0.6 %.
TEST(Catalogue, GrossPropertiesAgreeWithThePublishedTable) {
  const Catalogue c = builtinCatalogue();
  for (const Published& p : publishedTable()) {
    const DesignCase dc = grossSection({"", p.h, p.b, p.a, p.t});
    const std::string row = std::to_string(p.h) + "x" + std::to_string(p.b) + "x" + std::to_string(p.t);
    EXPECT_LE(std::fabs(dc.area / 100 - p.area), 0.005 + 1e-9) << row;
    EXPECT_LE(std::fabs(dc.ix / 1e4 - p.ix), 1e-4 * p.ix) << row;
    EXPECT_LE(std::fabs(dc.iy / 1e4 - p.iy), 0.01) << row;
  }
}

TEST(Catalogue, MassPerMetreComesFromTheGrossArea) {
  const CatalogueSection c160{"C160×60×20×2.5", 160, 60, 20, 2.5};
  EXPECT_EQ(grossArea(c160), 748.17);
  EXPECT_EQ(massPerMetre(c160), 5.8731345);  // 748.17 mm² · 7.85e-3
  EXPECT_EQ(massShown(*massPerMetre(c160)), 5.87);
  EXPECT_EQ(massShown(6.245), 6.25);  // half up, not at the mercy of binary 6.245
  EXPECT_EQ(massPerMetre({"none", 160, 60, 20, 0}), std::nullopt);
}

TEST(Catalogue, RowsAreReadAndMalformedOnesReportedWithTheirLine) {
  const std::string text =
      "\xEF\xBB\xBF# my sections\r\n"
      "name,h,b,a,t\r\n"
      "\r\n"
      "C180×70×20×2.0, 180, 70, 20, 2.0\r\n"
      "C180×70×20,180,70,20\r\n"
      ",180,70,20,2\r\n"
      "C180 comma,180,70,20,2,5\r\n"
      "C180 text,180,70,20,2.5mm\r\n"
      "C180 zero,180,70,0,2\r\n"
      "C180 negative,-180,70,20,2\r\n"
      "C180 empty,180,,20,2\r\n"
      "C180 inf,180,70,20,1e999\r\n"
      "C200×70×20×2.2,200,70,20,2.2";
  const Catalogue c = parseCatalogue(text, "my.csv");
  ASSERT_EQ(c.sections.size(), 2u);
  EXPECT_EQ(c.sections[0].name, "C180×70×20×2.0");
  EXPECT_EQ(c.sections[0].t, 2.0);
  EXPECT_EQ(c.sections[1].name, "C200×70×20×2.2");
  EXPECT_EQ(c.sections[1].t, 2.2);
  const std::vector<std::pair<int, std::string>> expected = {
      {5, "应有5项(名称,h,b,a,t)，实有4项"}, {6, "截面名称为空"},
      {7, "应有5项(名称,h,b,a,t)，实有6项"}, {8, "t不是数值:“2.5mm”"},
      {9, "a必须大于0:“0”"},                {10, "h必须大于0:“-180”"},
      {11, "b不是数值:“”"},                 {12, "t不是数值:“1e999”"}};
  ASSERT_EQ(c.problems.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(c.problems[i].origin, "my.csv");
    EXPECT_EQ(c.problems[i].line, expected[i].first);
    EXPECT_EQ(c.problems[i].text, expected[i].second);
  }
  EXPECT_EQ(problemText(c.problems[3]), "my.csv 第8行: t不是数值:“2.5mm”，该行未采用");
}

TEST(Catalogue, UserListIsAddedAfterTheBuiltInOne) {
  const fs::path dir = fs::temp_directory_path() / ("veldrin-catalogue-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path file = dir / kUserCatalogueName;

  Catalogue c = builtinCatalogue();
  addUserCatalogue(c, file.string());  // not there: nothing added, nothing wrong
  EXPECT_EQ(c.sections.size(), 29u);
  EXPECT_TRUE(c.problems.empty());

  std::ofstream(file, std::ios::binary) << "name,h,b,a,t\nC230×75×20×2.3,230,75,20,2.3\nC230 bad,230,75,20,x\n";
  addUserCatalogue(c, file.string());
  ASSERT_EQ(c.sections.size(), 30u);
  EXPECT_EQ(c.sections.back().name, "C230×75×20×2.3");
  ASSERT_EQ(c.problems.size(), 1u);
  EXPECT_EQ(problemText(c.problems[0]), file.string() + " 第3行: t不是数值:“x”，该行未采用");

  const fs::path folder = dir / "folder.csv";  // a folder where the list should be
  fs::create_directory(folder);
  addUserCatalogue(c, folder.string());
  EXPECT_EQ(c.sections.size(), 30u);
  ASSERT_EQ(c.problems.size(), 2u);
  EXPECT_EQ(problemText(c.problems[1]), folder.string() + ": 这是文件夹，不是文件");
  fs::remove_all(dir);
}

// Lists as other programs write them (GBK from Excel, CR-only line ends), names
// that would stand for two sections, and sections that cannot exist.
TEST(Catalogue, EveryRowOfAUserListMeansTheSectionItNames) {
  const auto file = [](const char* name) {
    return std::string(std::istreambuf_iterator<char>(std::ifstream(std::string(VELDRIN_SOURCE_DIR) + "/tests/reliability/" + name).rdbuf()), {});
  };
  const std::string taken = "截面库中已有同名截面“C250×75×20×2.5”;";
  const struct {
    std::string bytes, added, refused;  // the names added; "line:reason" of the rows left out
  } cases[] = {
      {file("excel_gbk_times_sign.csv"), "C230×75×20×2.3;", ""},
      {file("gbk_name.csv"), "检条C250;", ""},
      {file("cr_only.csv"), "A;B;", ""},
      {file("builtin_name_other_dims.csv"), "", "1:" + taken + "2:" + taken + "3:截面库中已有同名截面“C160×60×20×2.0”;"},
      {"L1,100,50,50,2\nL2,100,40,40,2\nL3,100,50,20,17\nL4,200,60,20,10\nL5,100,50,6,2\nL6,100,50,20,2\n"
       "L6,100,50,20,2.5\r\n\xFF,100,50,20,2\nL9,250,1e308,1e308,2",
       "L6;",
       "1:卷边过宽：a=50的2倍不小于h=100;2:卷边过宽：a=40不小于b=40;3:板件过厚：t=17的6倍不小于h=100，腹板没有平直部分;"
       "4:板件过厚：t=10的6倍不小于b=60，翼缘没有平直部分;5:板件过厚：t=2的3倍不小于a=6，卷边没有平直部分;"
       "7:截面名称“L6”与第6行重复;8:含有无法识别的字符(文件既不是UTF-8也不是GBK编码);9:卷边过宽：a=1E+308的2倍不小于h=250;"},
  };
  for (const auto& c : cases) {
    Catalogue catalogue = builtinCatalogue();
    addCatalogueText(catalogue, c.bytes, "list.csv");
    std::string added, refused;
    for (std::size_t i = 29; i < catalogue.sections.size(); ++i) added += catalogue.sections[i].name + ";";
    for (const CatalogueProblem& p : catalogue.problems) refused += std::to_string(p.line) + ":" + p.text + ";";
    EXPECT_EQ(added, c.added) << c.bytes;
    EXPECT_EQ(refused, c.refused) << c.bytes;
  }
}
