// The command "截面选型" of the main window and its dialog.
#include "catalogue/qt/frmselect.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTableWidget>

#include "figures/qt/sectionlegend.h"
#include "frmmain_fixture.h"
#include "support/gbkbytes.h"

namespace veldrin {

namespace {

CheckResult governing(const char* name, double utilisation) {
  CheckResult c;
  c.name = name;
  c.utilisation = utilisation;
  return c;
}

// Four rows: refused (no mass), failing, passing and proposed, passing.
LightestSearch handMadeSearch() {
  LightestSearch s;
  s.trials = {
      {{"Thick", 200, 70, 20, 50}, std::nullopt, TrialStatus::Refused, "截面面积A不大于0", std::nullopt},
      {{"Fails", 160, 60, 20, 2.0}, 4.7636, TrialStatus::Fail, "", governing("挠度 重力", 1.25)},
      {{"Light", 180, 70, 20, 2.2}, 5.9, TrialStatus::Pass, "", governing("稳定 σ8", 0.97)},
      {{"Heavy", 250, 75, 20, 3.0}, 9.78, TrialStatus::Pass, "", governing("稳定 σ8", 0.5)},
  };
  s.proposed = 2;
  return s;
}

QStringList column(QTableWidget* grid, int c) {
  QStringList texts;
  for (int row = 0; row < grid->rowCount(); ++row) texts << grid->item(row, c)->text();
  return texts;
}

}  // namespace

TEST(FrmSelectDialog, RowsMarkedProposalSelectedSortedByNumberAdoptedWhateverTheOrder) {
  std::vector<CatalogueSection> adopted;
  FrmSelect dialog(handMadeSearch(), {{"mine.csv", 3, "t不是数值:“x”"}},
                   [&](const CatalogueSection& s) { adopted.push_back(s); });
  auto* grid = dialog.findChild<QTableWidget*>("gridsections");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "截面选型");
  EXPECT_EQ(column(grid, FrmSelect::kSection), QStringList({"Thick", "Fails", "Light", "Heavy"}));
  EXPECT_EQ(column(grid, FrmSelect::kVerdict),
            QStringList({"未计算: 截面面积A不大于0", "不满足", "满足(推荐)", "满足"}));
  EXPECT_EQ(column(grid, FrmSelect::kUtilisation), QStringList({"—", "1.250", "0.970", "0.500"}));
  EXPECT_NE(grid->item(1, 0)->background(), grid->item(2, 0)->background()) << "the failing row is marked";
  ASSERT_EQ(grid->selectedItems().size(), FrmSelect::kColumns);
  EXPECT_EQ(grid->selectedItems().front()->row(), 2);
  EXPECT_EQ(dialog.findChild<QLabel*>("labproposal")->text(), "推荐截面: Light  5.90kg/m  控制验算: 稳定 σ8  利用率: 0.970");
  EXPECT_EQ(dialog.findChild<QLabel*>("labproblems")->text(), "mine.csv 第3行: t不是数值:“x”，该行未采用");

  grid->sortByColumn(FrmSelect::kMass, Qt::DescendingOrder);
  EXPECT_EQ(column(grid, FrmSelect::kMass), QStringList({"9.78", "5.90", "4.76", "—"}));  // by number, none last
  grid->sortByColumn(FrmSelect::kUtilisation, Qt::AscendingOrder);
  EXPECT_EQ(column(grid, FrmSelect::kSection), QStringList({"Heavy", "Light", "Fails", "Thick"}));

  auto* adopt = dialog.findChild<QPushButton*>("cmdadopt");
  grid->selectRow(3);  // "Thick" was not calculated: not offered
  EXPECT_FALSE(adopt->isEnabled());
  grid->selectRow(0);
  ASSERT_TRUE(adopt->isEnabled());
  QTest::mouseClick(adopt, Qt::LeftButton);
  ASSERT_EQ(adopted.size(), 1u);
  EXPECT_EQ(adopted[0].name, "Heavy");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FrmMainTest, SelectionIsOfferedUnderCecs102AndGb51022AndSaysWhy) {
  QPushButton* select = button("cmdselect");
  EXPECT_EQ(select->text(), "截面选型");
  EXPECT_TRUE(select->isEnabled());
  control<QRadioButton>("Optcode2")->click();
  EXPECT_FALSE(select->isEnabled());
  EXPECT_EQ(select->toolTip().toStdString(), kSearchNotUnderGbj18);
  control<QRadioButton>("Optcode3")->click();  // from GBJ18-87 straight to the third code
  EXPECT_TRUE(select->isEnabled());
  EXPECT_NE(select->toolTip().toStdString(), kSearchNotUnderGbj18);
  control<QRadioButton>("Optcode2")->click();
  control<QRadioButton>("Optcode1")->click();
  EXPECT_TRUE(select->isEnabled());
}

TEST_F(FrmMainTest, SelectionWithAListUnselectedShowsTheRunsMessageAndNoDialog) {
  list("Combo1")->setCurrentIndex(0);
  list("Combo2")->setCurrentIndex(0);
  button("cmdselect")->click();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "请输入拉条数量!");
  EXPECT_EQ(toolkit.messages[0].title, "输入数据不完整");
  EXPECT_EQ(window->findChild<FrmSelect*>("frmselect"), nullptr);
}

// The user's list from the configuration folder, in GBK as Excel saves it: its
// rows are added, its bad row is shown with its line, and the dialog says where
// the list was read. A pipe in its place is said at once, never waited on.
TEST_F(FrmMainTest, SelectionAddsTheUsersListAndShowsItsBadRows) {
  QStandardPaths::setTestModeEnabled(true);
  const QString path = userCataloguePath();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(testing::gbkBytes("name,h,b,a,t\nC230×75×20×2.3,230,75,20,2.3\nC230 bad,230,75\n"));
  file.close();
  selectLists(0, 0, 0);
  button("cmdselect")->click();
  QFile::remove(path);
  auto* dialog = window->findChild<FrmSelect*>("frmselect");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  auto* grid = dialog->findChild<QTableWidget*>("gridsections");
  ASSERT_EQ(grid->rowCount(), 29 + 1);
  EXPECT_EQ(grid->item(29, FrmSelect::kSection)->text(), "C230×75×20×2.3");
  EXPECT_EQ(dialog->findChild<QLabel*>("labproblems")->text(), path + " 第3行: 应有5项(名称,h,b,a,t)，实有3项，该行未采用");
  EXPECT_EQ(dialog->findChild<QLabel*>("labcatalogue")->text(), "截面库: 内置29个截面; 用户截面库 " + path + ": 1个截面");
  QTest::mouseClick(dialog->findChild<QPushButton*>("cmdcancel"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(toolkit.messages.empty());
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  button("cmdselect")->click();
  QFile::remove(path);
  EXPECT_EQ(window->findChildren<FrmSelect*>("frmselect").back()->findChild<QLabel*>("labproblems")->text(),
            path + ": 不是普通文件(管道或设备)，不能读取");
}

// One sag rod: the dialog opens on the proposal, C280×80×20×2.5; 采用 puts it
// into h, b, a and t, the legend is redrawn for it and the dialog closes.
TEST_F(FrmMainTest, AdoptFillsTheSectionFieldsAndRedrawsTheLegend) {
  selectLists(0, 0, 1);
  const QImage before = control<SectionLegend>("Picture1")->image();
  button("cmdquickshow")->click();
  button("cmdselect")->click();
  auto* dialog = window->findChild<FrmSelect*>("frmselect");
  ASSERT_NE(dialog, nullptr);
  auto* grid = dialog->findChild<QTableWidget*>("gridsections");
  ASSERT_FALSE(grid->selectedItems().isEmpty());
  EXPECT_EQ(grid->item(grid->selectedItems().front()->row(), FrmSelect::kSection)->text(), "C280×80×20×2.5");
  QTest::mouseClick(dialog->findChild<QPushButton*>("cmdadopt"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(box("Text4")->text(), "280");
  EXPECT_EQ(box("text5")->text(), "80");
  EXPECT_EQ(box("text6")->text(), "20");
  EXPECT_EQ(box("text7")->text(), "2.5");
  EXPECT_EQ(window->designCase().h, 280);  // the legend read the new texts
  EXPECT_NE(control<SectionLegend>("Picture1")->image(), before);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(verdict(), "输入已修改,请重新计算");
}

}  // namespace veldrin
