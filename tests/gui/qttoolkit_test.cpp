// The toolkit's shared habits: Qt's texts in Chinese, the name a Save writes,
// and commands that no exception leaves.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <stdexcept>

#include "basetypes/runstop.h"
#include "support/faketoolkit.h"
#include "toolkit/qt/guardedcommand.h"
#include "toolkit/qt/qtlanguage.h"
#include "toolkit/qt/savetarget.h"

namespace veldrin::testing {
namespace {

TEST(QtLanguage, QtsOwnButtonsAndQuestionsSpeakChinese) {
  ASSERT_TRUE(installQtChinese()) << "qtbase_zh_CN from qt6-translations-l10n";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("取消"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QString::fromUtf8("另存为"));
}

TEST(SaveTarget, TheExtensionFollowsTheFilterUnlessTheNameHasOneOfItsOwn) {
  const QString documents = QString::fromUtf8("RTF格式文档|*.rtf|文本文档|*.txt");
  const struct {
    const char* typed;
    int filter;
    const char* written;
    int format;
  } cases[] = {
      {"/d/report1", 1, "/d/report1.rtf", 1},   {"/d/report1", 2, "/d/report1.txt", 2},
      {"/d/report1.rtf", 2, "/d/report1.rtf", 1}, {"/d/report1.TXT", 1, "/d/report1.TXT", 2},
      {"/d/v1.2", 2, "/d/v1.2.txt", 2},          {"/d/a.in", 1, "/d/a.in.rtf", 1},
  };
  for (const auto& c : cases) {
    const FileChoice written = savedName({c.typed, c.filter}, documents);
    EXPECT_EQ(written.path, c.written) << c.typed;
    EXPECT_EQ(written.filterIndex, c.format) << c.typed;
  }
  EXPECT_EQ(savedName({"/d/case", 1}, "in格式文档|*.in").path, "/d/case.in");
}

TEST(GuardedCommand, NoExceptionLeavesACommand) {
  FakeToolkit toolkit;
  runGuarded([] { throw RunRefused("输入数据检查", "截面高h输入值超出可计算的数值范围"); });
  runGuarded([] { throw std::length_error("too long"); });
  bool ran = false;
  runGuarded([&ran] { ran = true; });
  EXPECT_TRUE(ran);
  ASSERT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(toolkit.messages[0].title, "输入数据检查");
  EXPECT_EQ(toolkit.messages[0].text, "截面高h输入值超出可计算的数值范围");
  EXPECT_NE(toolkit.messages[1].text.find("too long"), std::string::npos);
  EXPECT_EQ(toolkit.messages[1].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace veldrin::testing
