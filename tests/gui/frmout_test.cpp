// The result window: documents, titles and the list; the report hand-over
// with the figure at its head; Save, Open, Print and Exit.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QTextCursor>

#include "documents/richcontent.h"
#include "support/frmoutfixture.h"

namespace veldrin::testing {
namespace {

TEST_F(FrmOutTest, LoadsWithOneDocumentAndTheStripOfButtons) {
  EXPECT_EQ(window->objectName(), "frmout");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("檁条计算结果显示")) << "the variant first character";
  EXPECT_EQ(window->doccount(), 1);
  EXPECT_EQ(listEntries(), QStringList{QString::fromUtf8("最新结果")});
  EXPECT_TRUE(list()->isHidden());
  EXPECT_EQ(window->displayedBox(), 1);
  for (int n = 2; n <= 4; ++n) EXPECT_TRUE(box(n)->isHidden()) << n;
  EXPECT_FALSE(box(1)->isReadOnly());
  EXPECT_EQ(host.figureReads, 0) << "each report draws the figure of its own section, none is kept at load";
  EXPECT_EQ(FrmOut::load(host), window) << "a loaded window is not loaded again";

  const QWidget* strip = window->findChild<QWidget*>("Toolbar1");
  ASSERT_NE(strip, nullptr);
  const struct { const char* name; const char* caption; int left; } buttons[] = {
      {"Cmdnew", "新建(&N)", 16},   {"Cmdopen", "打开(&O)", 129},  {"Cmdsave", "保存(&S)", 243},
      {"Cmdprint", "打印(&P)", 356}, {"cmdclose", "关闭(&C)", 469}, {"cmdwindows", "窗口(&W)", 584},
      {"cmdexit", "退出(&X)", 696}};
  for (const auto& expected : buttons) {
    const QPushButton* b = button(expected.name);
    ASSERT_NE(b, nullptr) << expected.name;
    EXPECT_EQ(b->parentWidget(), strip) << expected.name;
    EXPECT_EQ(b->text(), QString::fromUtf8(expected.caption));
    EXPECT_EQ(b->geometry(), QRect(expected.left, 8, 65, 33)) << expected.name;
    EXPECT_TRUE(b->isEnabled()) << expected.name << ": Open is enabled here, as are the rest";
  }
}

TEST_F(FrmOutTest, NewOpensUntitledTwoToFourThenRefuses) {
  for (int n = 2; n <= 4; ++n) {
    press("Cmdnew");
    EXPECT_EQ(window->doccount(), n);
    EXPECT_EQ(window->displayedBox(), n);
    EXPECT_EQ(window->windowTitle(), prefix + "untitled" + QString::number(n));
    EXPECT_EQ(listEntries().last(), "untitled" + QString::number(n));
  }
  EXPECT_TRUE(toolkit.messages.empty());
  press("Cmdnew");
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, limitMessage);
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(window->doccount(), 4);
  EXPECT_EQ(window->displayedBox(), 4);
  EXPECT_EQ(window->windowTitle(), prefix + "untitled4");
  EXPECT_EQ(list()->count(), 4);
}

TEST_F(FrmOutTest, CloseStepsBackToNoDocumentThenDoesNothing) {
  pressTimes("Cmdnew", 3);
  const int boxesAfter[] = {3, 2, 1};
  for (int shown : boxesAfter) {
    press("cmdclose");
    EXPECT_EQ(window->doccount(), shown);
    EXPECT_EQ(window->displayedBox(), shown);
    EXPECT_EQ(window->windowTitle(), prefix + "untitled" + QString::number(shown));
  }
  press("cmdclose");
  EXPECT_EQ(window->doccount(), 0);
  EXPECT_EQ(window->displayedBox(), 0);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("檩条计算结果显示"));
  press("cmdclose");
  EXPECT_EQ(window->doccount(), 0);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("檩条计算结果显示"));
  EXPECT_EQ(list()->count(), 4) << "entries stay";
}

TEST_F(FrmOutTest, NewReopensAClosedDocumentWithItsContent) {
  press("Cmdnew");
  box(2)->setPlainText("kept");
  press("cmdclose");
  press("Cmdnew");
  EXPECT_EQ(box(2)->toPlainText(), "kept");
  EXPECT_EQ(listEntries().count("untitled2"), 2);
  pressTimes("cmdclose", 2);
  press("Cmdnew");
  EXPECT_EQ(window->windowTitle(), prefix + project) << "document 1 again: the project title";
  EXPECT_EQ(listEntries().last(), QString::fromUtf8("最新结果"));
}

TEST_F(FrmOutTest, WindowButtonShowsTheListOnMouseDown) {
  QTest::mousePress(button("cmdwindows"), Qt::LeftButton);
  EXPECT_FALSE(list()->isHidden());
  QTest::mouseRelease(button("cmdwindows"), Qt::LeftButton);
  EXPECT_FALSE(list()->isHidden());
}

TEST_F(FrmOutTest, ListChoiceShowsAnyListedDocumentButNotPositionFour) {
  pressTimes("Cmdnew", 3);
  press("cmdclose");
  press("Cmdnew");  // five entries: untitled4 twice
  ASSERT_EQ(list()->count(), 5);
  QTest::mousePress(button("cmdwindows"), Qt::RightButton);
  emit list()->activated(4);
  EXPECT_FALSE(list()->isHidden()) << "position 4 stands for no box";
  EXPECT_EQ(window->displayedBox(), 4);
  EXPECT_EQ(window->windowTitle(), prefix + "untitled4");

  emit list()->activated(0);
  EXPECT_TRUE(list()->isHidden());
  EXPECT_EQ(window->displayedBox(), 1);
  EXPECT_EQ(window->windowTitle(), prefix + project);

  pressTimes("cmdclose", 3);  // doccount 1: box 3 is closed but listed
  emit list()->activated(2);
  EXPECT_EQ(window->displayedBox(), 3);
  EXPECT_EQ(window->windowTitle(), prefix + "untitled3");
  EXPECT_EQ(window->doccount(), 1);
}

TEST_F(FrmOutTest, TextTypedBesideTheFigureIsText) {
  window->showReport(bookOf(report));
  QTest::keyClicks(box(1), "ab");
  QTextCursor cursor = box(1)->textCursor();
  cursor.movePosition(QTextCursor::NextBlock);
  box(1)->setTextCursor(cursor);
  QTest::keyClicks(box(1), "cd");
  const RichContent content = contentOf(*box(1)->document());
  EXPECT_TRUE(content.text.startsWith(QString("ab") + RichContent::pictureMark + "\ncd****")) << content.text.toStdString();
  EXPECT_EQ(content.pictures.size(), 1);
}

TEST_F(FrmOutTest, ReportWithNoDocumentOpenGoesIntoHiddenBoxOne) {
  press("cmdclose");
  window->showReport(bookOf(report));
  EXPECT_EQ(window->displayedBox(), 0);
  EXPECT_TRUE(box(1)->toPlainText().endsWith(QString::fromUtf8("檩条跨度 L＝6 m\n")));
  press("Cmdnew");
  EXPECT_EQ(window->displayedBox(), 1);
}

TEST_F(FrmOutTest, ExitUnloadsAndTheNextLoadStartsAfresh) {
  window->showReport(bookOf(report));
  pressTimes("Cmdnew", 2);
  QPointer<FrmOut> old = window;
  press("cmdexit");
  EXPECT_EQ(FrmOut::loadedInstance(), nullptr);
  EXPECT_EQ(host.mainWindowShown, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(old.isNull()) << "the window and its documents are gone";

  window = FrmOut::load(host);
  EXPECT_EQ(window->doccount(), 1);
  EXPECT_EQ(list()->count(), 1);
  window->showReport(bookOf(report));
  EXPECT_EQ(contentOf(*box(1)->document()).pictures.size(), 1) << "a fresh window carries the figure again";
}

TEST_F(FrmOutTest, ClosingByTheFrameUnloadsToo) {
  window->show();
  window->close();
  EXPECT_EQ(FrmOut::loadedInstance(), nullptr);
  EXPECT_EQ(host.mainWindowShown, 1);
}

}  // namespace
}  // namespace veldrin::testing
