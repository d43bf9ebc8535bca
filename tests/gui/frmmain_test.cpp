#include <QDateTime>
#include <QGroupBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>

#include "documents/richcontent.h"
#include "figures/qt/sectionlegend.h"
#include "gui/frmmain_fixture.h"
#include "input/qt/phraselabel.h"
#include "input/validation.h"

namespace veldrin {
namespace {

const char* const kBoxes[] = {"Text1", "Text2", "Text3",  "Text4",  "text5",  "text6",  "text7",  "text8",  "text9",
                              "text10", "text11", "text12", "text13", "Text14", "Text15", "Text16", "Text17", "Text18"};

int numberOf(const char* name) {
  for (int n = 1; n <= kFieldCount; ++n) {
    if (std::string(kBoxes[n - 1]) == name) return n;
  }
  return 0;
}

TEST_F(FrmMainTest, OpensWithTheDefaultsNoListSelectionAndTheFocusInTheProjectName) {
  EXPECT_EQ(window->windowTitle(), "Veldrin");
  const FormState defaults = startupForm("");
  for (int n = 1; n <= kFieldCount; ++n) {
    if (n == 3) continue;
    EXPECT_EQ(box(kBoxes[n - 1])->text().toStdString(), defaults.field(n)) << kBoxes[n - 1];
  }
  for (const char* name : {"Combo1", "Combo2", "Combo3"}) EXPECT_EQ(list(name)->currentIndex(), -1) << name;
  EXPECT_EQ(list("Combo1")->itemText(1), "Q345");
  EXPECT_EQ(list("Combo2")->itemText(2), "1/360");
  EXPECT_EQ(list("Combo3")->count(), 3);
  EXPECT_TRUE(control<QRadioButton>("Optcode1")->isChecked());
  EXPECT_FALSE(control<QRadioButton>("Optcode2")->isChecked());
  EXPECT_EQ(control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
  EXPECT_FALSE(control<QRadioButton>("Optcode3")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check2")->isChecked());
  EXPECT_EQ(focused(), box("Text1"));
  EXPECT_EQ(box("Text1")->selectedText(), "****");
  EXPECT_TRUE(labout().isEmpty());
  EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(FrmMainTest, TheDesignTimeIsTheCurrentDateAndTime) {
  const QString text = box("Text3")->text();
  ASSERT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)").match(text).hasMatch()) << text.toStdString();
  const QDateTime shown = QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss");
  EXPECT_LE(std::abs(shown.secsTo(QDateTime::currentDateTime())), 120);
}

TEST_F(FrmMainTest, EveryBoxHasItsLabelAsBuddyAndTheSlopeItsHint) {
  for (int n = 1; n <= kFieldCount; ++n) {
    QLineEdit* b = box(kBoxes[n - 1]);
    const QLabel* label = nullptr;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
      if (l->buddy() == b) label = l;
    }
    ASSERT_NE(label, nullptr) << kBoxes[n - 1];
    EXPECT_EQ(label->text().toStdString(), fieldLabel(n));
  }
  EXPECT_EQ(control<QLabel>("Label12")->buddy(), box("Text4"));
  EXPECT_EQ(control<QLabel>("Label22")->buddy(), list("Combo3"));
  EXPECT_EQ(box("text13")->toolTip(), "坡度i取值为斜面高度除以斜面水平长");
}

TEST_F(FrmMainTest, TabRunsThroughBoxesButtonsOptionsLegendAndLastTheLists) {
  const QStringList expected = {"Text1",  "Text2",   "Text3",   "Text4",   "text5",   "text6",        "text7",
                                "text8",  "text9",   "text10",  "text11",  "text12",  "text13",       "Text14",
                                "Text15", "Text16",  "Text17",  "Text18",  "Cmdopen", "Cmdsave",      "cmdexit",
                                "cmdhelp", "cmdshow", "cmdquickshow", "cmdselect", "Optcode1", "Optcode2", "Optcode3", "Check2", "cmdtu",  "Picture1",
                                "Check1", "Combo1",  "Combo2",  "Combo3"};
  QStringList chain;
  QWidget* w = box("Text1");
  for (int i = 0; i < 400 && chain.size() < expected.size(); ++i, w = w->nextInFocusChain()) {
    if (expected.contains(w->objectName()) && !chain.contains(w->objectName())) chain << w->objectName();
  }
  EXPECT_EQ(chain, expected);
  for (QPushButton* b : window->findChildren<QPushButton*>()) EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
}

struct EnterCase {
  const char* box;
  const char* text;
  bool accepted;
  const char* next;
};

TEST_F(FrmMainTest, EnterAcceptsOrRejectsAtTheExactBounds) {
  const EnterCase cases[] = {
      {"Text4", "120", false, nullptr},  {"Text4", "120.5", true, "text5"}, {"Text4", "400", true, "text5"},
      {"Text4", "400.1", false, nullptr}, {"Text4", "250mm", false, nullptr}, {"Text4", "", false, nullptr},
      {"text5", "40", true, "text6"},    {"text5", "150", true, "text6"},   {"text5", "39.9", false, nullptr},
      {"text6", "0", false, nullptr},    {"text6", "100", true, "text7"},   {"text7", "0", false, nullptr},
      {"text8", "0", true, "text9"},     {"text10", "abc", false, nullptr}, {"text13", "0.06", true, "Text14"},
      {"Text16", "0", true, "Text17"},   {"Text18", "0", false, nullptr},
  };
  for (const EnterCase& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " '" + c.text + "'");
    toolkit.messages.clear();
    enter(c.box, c.text);
    EXPECT_EQ(box(c.box)->text(), c.text);  // never changed by the check
    if (c.accepted) {
      EXPECT_TRUE(toolkit.messages.empty());
      EXPECT_EQ(focused(), box(c.next));
      EXPECT_EQ(box(c.next)->selectedText(), box(c.next)->text());
      continue;
    }
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, checkOnEnter(numberOf(c.box), c.text).message);
    EXPECT_EQ(toolkit.messages[0].title, "输入数据检查");
    EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(focused(), box(c.box));
    EXPECT_EQ(box(c.box)->selectionStart(), box(c.box)->text().isEmpty() ? -1 : 0);
    EXPECT_EQ(box(c.box)->selectedText(), c.text);
  }
}

TEST_F(FrmMainTest, EnterInTheLastLoadFocusesTheCalculateButtonWithoutCalculating) {
  selectLists(0, 0, 0);
  enter("Text18", "1.0");
  EXPECT_EQ(focused(), button("cmdshow"));
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_TRUE(labout().isEmpty());
  EXPECT_EQ(FrmOut::loadedInstance(), nullptr);
  QTest::keyClick(button("cmdshow"), Qt::Key_Return);  // the next Enter presses the focused button
  EXPECT_TRUE(labout().startsWith("数据输入正确!"));
}

TEST_F(FrmMainTest, AnAcceptedSectionDimensionPressesTheLegendButton) {
  QSignalSpy presses(button("cmdtu"), &QPushButton::clicked);
  enter("Text4", "300");
  enter("text7", "3");
  EXPECT_EQ(presses.count(), 2);
  enter("text8", "0.5");  // not a dimension
  enter("Text4", "500");  // rejected
  enter("Text1", "x");    // no check at all
  EXPECT_EQ(presses.count(), 2);
  EXPECT_EQ(focused(), box("Text1"));
}

TEST_F(FrmMainTest, FocusSelectsThePlaceholderOfTheNameAndTheWholeTextElsewhere) {
  box("Text1")->setText("ABCDEFG");
  box("Text2")->setFocus(Qt::TabFocusReason);
  box("Text1")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(box("Text1")->selectedText(), "ABCD");
  box("Text15")->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(box("Text15")->selectedText(), "0.30");
}

TEST_F(FrmMainTest, LeavingTheHeightDropsItsSelection) {
  box("Text4")->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(box("Text4")->selectedText(), "250");
  box("text5")->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(box("Text4")->hasSelectedText());
  EXPECT_EQ(box("Text4")->cursorPosition(), 0);
}

TEST_F(FrmMainTest, TypingADimensionRedrawsTheFigureDialogHidden) {
  ASSERT_EQ(FrmPicShow::loadedInstance(), nullptr);
  box("text6")->setFocus();
  QTest::keyClicks(box("text6"), "5");
  ASSERT_NE(FrmPicShow::loadedInstance(), nullptr);
  EXPECT_FALSE(FrmPicShow::loadedInstance()->isVisible());
  auto* dialogA = FrmPicShow::loadedInstance()->findChild<QLineEdit*>("Text3");
  ASSERT_NE(dialogA, nullptr);
  EXPECT_EQ(dialogA->text(), box("text6")->text());
}

TEST_F(FrmMainTest, AClickOnTheLegendOpensTheFigureDialogWithTheTextsAsTyped) {
  box("Text4")->setText("250mm");
  box("text7")->setText("abc");
  QTest::mouseClick(control<QWidget>("Picture1"), Qt::LeftButton);
  FrmPicShow* dialog = FrmPicShow::loadedInstance();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  const char* dialogBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
  const QString typed[] = {"250mm", "75", "20", "abc"};
  for (int i = 0; i < 4; ++i) {
    auto* b = dialog->findChild<QLineEdit*>(dialogBoxes[i]);
    ASSERT_NE(b, nullptr) << dialogBoxes[i];
    EXPECT_EQ(b->text(), typed[i]);
  }
}

TEST_F(FrmMainTest, StartUpDrawsTheLegendFromTheSectionBoxes) {
  EXPECT_FALSE(control<SectionLegend>("Picture1")->image().isNull());
  EXPECT_EQ(static_cast<double>(window->designCase().h), 250);
  EXPECT_EQ(static_cast<double>(window->designCase().t), 2.5);
}

TEST_F(FrmMainTest, HelpShowsItsMessage) {
  button("cmdhelp")->click();
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, "目前版本还只能计算屋面C形檁条，在后续版本中将增加墙屋面的各种檁条计算!");
  EXPECT_EQ(toolkit.messages[0].title, "帮助说明");
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::None);
}

// "快速显示" shows the verdict in the panel only. Every box, list, option and
// tick box of the window, found there, not listed: a change of any returns
// the panel to neutral.
TEST_F(FrmMainTest, AnyChangeOfAnInputReturnsThePanelToNeutral) {
  selectLists(0, 0, 2);
  control<QRadioButton>("Optcode3")->setChecked(true);  // so the lower-flange box can be ticked
  const FormState base = window->formState();
  int changed = 0;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    auto* text = qobject_cast<QLineEdit*>(w);
    auto* choice = qobject_cast<QComboBox*>(w);
    auto* option = qobject_cast<QAbstractButton*>(w);
    window->showFormState(base);
    if (!text && !choice && !(option && option->isCheckable() && !option->isChecked())) continue;
    button("cmdquickshow")->click();
    ASSERT_TRUE(verdict().startsWith("结论:")) << w->objectName().toStdString();
    if (text) text->setText(text->text() + "0");
    if (choice) choice->setCurrentIndex((choice->currentIndex() + 1) % choice->count());
    if (option) option->click();
    EXPECT_EQ(verdict() + labout(), "输入已修改,请重新计算") << w->objectName().toStdString();  // Labout emptied
    EXPECT_FALSE(control<QGroupBox>("QuickResult")->autoFillBackground());
    ++changed;
  }
  EXPECT_EQ(changed, kFieldCount + 3 + 2 + 2);  // boxes, lists, the other two codes, two tick boxes
  EXPECT_EQ(FrmOut::loadedInstance(), nullptr);
}

// GBJ18-87: a refused web ratio is asked again; Cancel leaves the run unfinished, unexplained.
TEST_F(FrmMainTest, TheWebRatioIsAskedAgainWhenRefusedAndCancelLeavesTheRunUnfinished) {
  selectLists(0, 0, 0);
  control<QRadioButton>("Optcode2")->setChecked(true);
  toolkit.inputAnswers = {"abc", "50", "50"};
  button("cmdshow")->click();
  EXPECT_TRUE(verdict().startsWith("结论:") && toolkit.prompts.size() == 3 && toolkit.messages.size() == 1);
  button("cmdshow")->click();  // nothing scripted: Cancel
  EXPECT_EQ(verdict() + labout(), "计算未完成");
  EXPECT_EQ(toolkit.messages.size(), 1u);
}

TEST_F(FrmMainTest, CloseAndEscEndTheProgramWithEveryWindowClosed) {
  QTest::mouseClick(control<QWidget>("Picture1"), Qt::LeftButton);
  button("cmdexit")->click();
  EXPECT_EQ(programEnds, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(FrmPicShow::loadedInstance()->isVisible());
  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  box("text5")->setFocus();
  QTest::keyClick(box("text5"), Qt::Key_Escape);
  EXPECT_EQ(programEnds, 2);
  EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(FrmMainTest, CalculateNamesTheMissingListAndStops) {
  const struct {
    int steel, deflection, rods;
    const char* message;
  } cases[] = {{-1, 0, 0, "请输入钢材型号!"}, {0, -1, 0, "请输入挠度限值!"}, {0, 0, -1, "请输入拉条数量!"},
               {-1, -1, -1, "请输入拉条数量!"}};
  for (const auto& c : cases) {
    toolkit.messages.clear();
    selectLists(c.steel, c.deflection, c.rods);
    button("cmdshow")->click();
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, c.message);
    EXPECT_EQ(toolkit.messages[0].title, "输入数据不完整");
    EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Exclamation);
  }
  EXPECT_TRUE(labout().isEmpty());
  EXPECT_EQ(FrmOut::loadedInstance(), nullptr);
}

TEST_F(FrmMainTest, TheThirdCodeAndItsBoxSitInTheDesignCodeFrame) {
  auto* optcode3 = control<QRadioButton>("Optcode3");
  auto* check2 = control<QCheckBox>("Check2");
  EXPECT_EQ(optcode3->text(), "规范GB51022-2015");
  EXPECT_EQ(check2->text(), "拉条同时约束下翼缘");
  for (QWidget* w : std::initializer_list<QWidget*>{optcode3, check2}) {
    auto* frame = qobject_cast<QGroupBox*>(w->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "设计规范");
  }
  EXPECT_FALSE(check2->isEnabled()) << "the box matters only under the third code";
  optcode3->setChecked(true);
  EXPECT_TRUE(check2->isEnabled());
  EXPECT_FALSE(control<QRadioButton>("Optcode1")->isChecked());
  control<QRadioButton>("Optcode2")->setChecked(true);
  EXPECT_FALSE(check2->isEnabled());
  optcode3->setChecked(true);
  check2->setChecked(true);
  list("Combo3")->setCurrentIndex(0);  // no rods: nothing to restrain the lower flange
  EXPECT_FALSE(check2->isEnabled() || check2->isChecked());
}

TEST_F(FrmMainTest, CalculateUnderTheThirdCodeWritesItsReport) {
  selectLists(0, 0, 1);
  control<QRadioButton>("Optcode3")->setChecked(true);
  control<QCheckBox>("Check2")->setChecked(true);
  button("cmdshow")->click();
  EXPECT_TRUE(toolkit.messages.empty());
  FrmOut* result = FrmOut::loadedInstance();
  ASSERT_NE(result, nullptr);
  const QString report = result->findChild<QTextEdit*>("RichTextBox1")->toPlainText();
  EXPECT_TRUE(report.contains("四、檩条整体稳定计算"));
  EXPECT_TRUE(report.contains("屋面板不能阻止檩条侧向失稳;拉条同时约束下翼缘"));
  EXPECT_TRUE(report.contains("跨中一个侧向支承,μb=0.5,ξ1=1.35,ξ2=0.14"));
}

TEST_F(FrmMainTest, CalculatePutsTheReportIntoTheResultWindow) {
  selectLists(0, 0, 0);
  window->setRunDate("2026-12-08");
  button("cmdshow")->click();
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_TRUE(labout().startsWith("数据输入正确!" + QString(18, ' ') + "截面特性计算完毕!")) << labout().toStdString();
  FrmOut* result = FrmOut::loadedInstance();
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(result->isVisible());
  auto* text = result->findChild<QTextEdit*>("RichTextBox1");
  ASSERT_NE(text, nullptr);
  // The calculation book: the title block (title, facts, sign-off, date of
  // the run), the figure for paper in a paragraph of its own, the report with
  // section six as a table.
  const RichContent book = contentOf(*text->document());
  EXPECT_TRUE(book.titled);
  const QString head = QString::fromUtf8("檩条计算书\n") + RichContent::tableMark + "\n\n" + RichContent::tableMark +
                       QString::fromUtf8("\n计算日期:2026-12-08\n\n") + RichContent::pictureMark +
                       QString::fromUtf8("\n****工程墙(屋)面檁条计算\n");
  EXPECT_TRUE(book.text.startsWith(head)) << book.text.left(80).toStdString();
  ASSERT_EQ(book.tables.size(), 3);
  EXPECT_EQ(book.tables[0].rows[7], QStringList({"验算结论", "本檩条有4项验算不满足要求!"}));
  EXPECT_EQ(book.tables[1].rows[3][0], QString::fromUtf8("审核"));
  EXPECT_EQ(book.tables[2].rows[0][5], QString::fromUtf8("结论"));
  ASSERT_EQ(book.pictures.size(), 1);
  EXPECT_EQ(book.pictures[0].image.width(), 800) << "drawn for paper, whatever the screen";
  const QString report = text->toPlainText();
  EXPECT_TRUE(report.contains("工程编号:20022308"));
  EXPECT_TRUE(report.contains("【End】"));
  EXPECT_TRUE(report.contains("<一>荷载组合三强度计算"));
}

// The default case fails; two sag rods make it pass.
TEST_F(FrmMainTest, QuickResultPanelSaysTheVerdictAndTintsItself) {
  auto* panel = control<QGroupBox>("QuickResult");
  const QColor before = panel->palette().color(QPalette::Window);
  selectLists(0, 0, 0);
  button("cmdshow")->click();
  EXPECT_EQ(control<QLabel>("Labverdict")->text(), "结论:4项验算不满足要求!\n控制验算:荷载组合六 稳定 σ8\n利用率:3.800");
  const QColor failing = panel->palette().color(QPalette::Window);
  EXPECT_GT(failing.red(), failing.green());
  EXPECT_TRUE(labout().startsWith("数据输入正确!"));  // the progress text stays

  selectLists(0, 0, 2);
  button("cmdshow")->click();
  EXPECT_EQ(control<QLabel>("Labverdict")->text(), "结论:全部验算满足要求!\n控制验算:荷载组合三 稳定 σ3\n利用率:0.912");
  const QColor passing = panel->palette().color(QPalette::Window);
  EXPECT_GT(passing.green(), passing.red());
  EXPECT_NE(passing, before);

  selectLists(-1, 0, 2);  // a stopped run says so, in no colour
  button("cmdshow")->click();
  EXPECT_EQ(verdict(), "计算未完成");
  EXPECT_TRUE(labout().isEmpty());
  EXPECT_EQ(panel->palette().color(QPalette::Window), before);
}

TEST(PhraseLabel, EachPhraseAndEachNoteTakesALineOfItsOwn) {
  const QString caption = "数据输入正确!" + QString(18, ' ') + "截面特性计算完毕!" + QString(14, ' ') + "荷载组合计算完毕!" +
                          QString(14, ' ') + "下翼缘应力超标,不满足要求" + "腹板应力超标,不满足要求";
  const QStringList want = {"数据输入正确!", "截面特性计算完毕!", "荷载组合计算完毕!", "下翼缘应力超标,不满足要求",
                            "腹板应力超标,不满足要求"};
  EXPECT_EQ(phrasesOf(caption), want);
}

}  // namespace
}  // namespace veldrin
