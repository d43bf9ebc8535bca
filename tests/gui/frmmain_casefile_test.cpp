#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "casefile/casefile.h"
#include "gui/frmmain_fixture.h"
#include "support/hostilefiles.h"

namespace veldrin {
namespace {

class CaseFileCommands : public FrmMainTest {
 protected:
  QTemporaryDir dir;

  QString pathOf(const QString& name) const { return dir.filePath(name); }

  void saveAs(const QString& path) {
    toolkit.saveAnswers.push_back({path, 1});
    button("Cmdsave")->click();
  }
  QString title() const { return window->windowTitle(); }
  void open(const QString& path) {
    toolkit.openAnswers.push_back({path, 1});
    button("Cmdopen")->click();
  }
  static QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void setBoxes(const std::vector<std::pair<const char*, QString>>& texts) const {
    for (const auto& [name, text] : texts) box(name)->setText(text);
  }
};

TEST_F(CaseFileCommands, SaveNamesTheFirstMissingListWithoutDialogOrFile) {
  const struct {
    int steel, deflection, rods;
    const char* message;
  } cases[] = {{-1, -1, -1, "请输入钢材型号!"}, {0, -1, -1, "请输入挠度限值!"}, {0, 0, -1, "请输入拉条数量!"}};
  for (const auto& c : cases) {
    toolkit.messages.clear();
    selectLists(c.steel, c.deflection, c.rods);
    saveAs(pathOf("never.in"));
    ASSERT_EQ(toolkit.messages.size(), 1u);
    EXPECT_EQ(toolkit.messages[0].text, c.message);
    EXPECT_EQ(toolkit.messages[0].title, "");
    EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::None);
    toolkit.saveAnswers.clear();
  }
  EXPECT_TRUE(toolkit.saveRequests.empty());
  EXPECT_FALSE(QFile::exists(pathOf("never.in")));
  EXPECT_TRUE(window->designCase().errstr.empty());
}

TEST_F(CaseFileCommands, OneDialogServesBothCommandsAndStartsInTheFolderLastUsed) {
  selectLists(0, 0, 0);
  button("Cmdsave")->click();  // cancelled: nothing scripted
  ASSERT_EQ(toolkit.saveRequests.size(), 1u);
  EXPECT_EQ(toolkit.saveRequests[0].filter, "in格式文档|*.in");
  EXPECT_EQ(toolkit.saveRequests[0].fileName, "工程墙(屋)面檁条计算");
  const QString path = pathOf("case.in");
  saveAs(path);
  button("Cmdopen")->click();
  ASSERT_EQ(toolkit.openRequests.size(), 1u);
  EXPECT_EQ(toolkit.openRequests[0].filter, "in格式文档|*.in");
  EXPECT_EQ(toolkit.openRequests[0].fileName, path);
  EXPECT_EQ(toolkit.openRequests[0].folder, dir.path()) << "where the case was saved";
  EXPECT_TRUE(toolkit.messages.empty());
}

// The name that is checked for an existing file is the name written: the
// extension is added first, then the user is asked.
TEST_F(CaseFileCommands, SaveAddsTheExtensionAndAsksBeforeReplacing) {
  selectLists(0, 0, 0);
  const QByteArray old("old case");
  writeFile(pathOf("d.in"), old);
  const QString titleBefore = title();

  saveAs(pathOf("d"));  // typed without ".in"; the user says No
  ASSERT_EQ(toolkit.questions.size(), 1u);
  EXPECT_NE(toolkit.questions[0].find("d.in"), std::string::npos) << toolkit.questions[0];
  EXPECT_EQ(contentOf(pathOf("d.in")), old);
  EXPECT_FALSE(QFile::exists(pathOf("d")));
  EXPECT_EQ(title(), titleBefore);

  toolkit.confirmAnswers.push_back(true);
  saveAs(pathOf("d.in"));  // the same name with its extension; Yes
  EXPECT_EQ(toolkit.questions.size(), 2u);
  EXPECT_TRUE(contentOf(pathOf("d.in")).startsWith("\"****"));
  EXPECT_TRUE(title().endsWith("d.in")) << title().toStdString();

  saveAs(pathOf("case1"));  // a new name: no question, the extension added
  EXPECT_EQ(toolkit.questions.size(), 2u);
  EXPECT_TRUE(QFile::exists(pathOf("case1.in")));
  EXPECT_FALSE(QFile::exists(pathOf("case1")));
  EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(CaseFileCommands, ANameWithoutThePlaceholderIsProposedWhole) {
  selectLists(0, 0, 0);
  for (const QString& name : {QString("仓库檩条"), QString("**半星"), QString("****")}) {
    box("Text1")->setText(name);
    button("Cmdsave")->click();
  }
  ASSERT_EQ(toolkit.saveRequests.size(), 3u);
  EXPECT_EQ(toolkit.saveRequests[0].fileName, "仓库檩条");
  EXPECT_EQ(toolkit.saveRequests[1].fileName, "**半星");
  EXPECT_EQ(toolkit.saveRequests[2].fileName, "");
}

TEST_F(CaseFileCommands, SaveWritesTheCodecBytesAndReplacesAnOldFileWhole) {
  selectLists(1, 1, 2);
  const QString path = pathOf("case.in");
  writeFile(path, QByteArray(5000, 'x'));
  toolkit.confirmAnswers.push_back(true);
  saveAs(path);
  EXPECT_EQ(toolkit.questions.size(), 1u);
  EXPECT_TRUE(toolkit.messages.empty());
  DesignCase dc;
  const FormState form = window->formState();
  ASSERT_TRUE(prepareSave(form, dc).empty());
  const std::string expected = encodeCaseFile(form, dc);
  EXPECT_EQ(contentOf(path).toStdString(), expected);
  EXPECT_TRUE(contentOf(path).startsWith("\"****"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"case.in"});  // no temporary left behind
}

TEST_F(CaseFileCommands, AFailedWriteSaysSoAndLeavesNoFile) {
  selectLists(0, 0, 0);
  const QString path = pathOf("missing-folder/case.in");
  saveAs(path);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_NE(toolkit.messages[0].text.find("case.in"), std::string::npos) << toolkit.messages[0].text;
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(CaseFileCommands, ATextTheFileCannotHoldIsRefusedBeforeTheDialog) {
  selectLists(0, 0, 0);
  box("Text2")->setText("A\"B");
  saveAs(pathOf("quote.in"));
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_NE(toolkit.messages[0].text.find("工程编号"), std::string::npos) << toolkit.messages[0].text;
  EXPECT_TRUE(toolkit.saveRequests.empty());
  EXPECT_FALSE(QFile::exists(pathOf("quote.in")));
}

TEST_F(CaseFileCommands, SaveThenOpenRestoresEveryBoxAndSelection) {
  setBoxes({{"Text1", "仓库檩条"}, {"Text2", "2024-17"}, {"Text3", "2024-05-06 07:08:09"}, {"Text4", "300"},
            {"text5", "80"}, {"text6", "22.5"}, {"text7", "3"}, {"text8", "0.55"}, {"text9", "1.25"},
            {"text10", "-1.2"}, {"text11", "6.00"}, {"text12", "1.50"}, {"text13", "0.1"}, {"Text14", "0.15"},
            {"Text15", "0.30"}, {"Text16", "0.2"}, {"Text17", "0"}, {"Text18", "1.0"}});
  selectLists(1, 1, 2);
  control<QRadioButton>("Optcode2")->setChecked(true);
  control<QCheckBox>("Check1")->setChecked(true);
  const QString path = pathOf("round.in");
  saveAs(path);

  setBoxes({{"Text1", "x"}, {"Text2", "y"}, {"Text3", "z"}, {"Text4", "200"}, {"text5", "70"}, {"text6", "15"},
            {"text7", "2"}, {"text8", "9"}, {"text9", "9"}, {"text10", "9"}, {"text11", "9"}, {"text12", "9"},
            {"text13", "9"}, {"Text14", "9"}, {"Text15", "9"}, {"Text16", "9"}, {"Text17", "9"}, {"Text18", "9"}});
  selectLists(0, 0, 0);
  control<QRadioButton>("Optcode1")->setChecked(true);
  control<QCheckBox>("Check1")->setChecked(false);
  open(path);

  EXPECT_TRUE(toolkit.messages.empty());
  const std::vector<std::pair<const char*, QString>> expected = {
      {"Text1", "仓库檩条"}, {"Text2", "2024-17"}, {"Text3", "2024-05-06 07:08:09"}, {"Text4", "300"},
      {"text5", "80"},      {"text6", "22.5"},    {"text7", "3"},                   {"text8", "0.55"},
      {"text9", "1.25"},    {"text10", "-1.2"},   {"text11", "6"},                  {"text12", "1.5"},
      {"text13", "0.1"},    {"Text14", "0.15"},   {"Text15", "0.3"},                {"Text16", "0.2"},
      {"Text17", "0"},      {"Text18", "1"}};
  for (const auto& [name, text] : expected) EXPECT_EQ(box(name)->text(), text) << name;
  EXPECT_EQ(list("Combo1")->currentIndex(), 1);
  EXPECT_EQ(list("Combo2")->currentIndex(), 1);
  EXPECT_EQ(list("Combo3")->currentIndex(), 2);
  EXPECT_TRUE(control<QRadioButton>("Optcode2")->isChecked());
  EXPECT_FALSE(control<QRadioButton>("Optcode1")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_EQ(window->designCase().mub, 0.33);
}

TEST_F(CaseFileCommands, TheThirdCodeAndItsBoxComeBack) {
  selectLists(0, 0, 1);
  control<QRadioButton>("Optcode3")->setChecked(true);
  control<QCheckBox>("Check2")->setChecked(true);
  const QString path = pathOf("third.in");
  saveAs(path);
  control<QRadioButton>("Optcode1")->setChecked(true);
  control<QCheckBox>("Check2")->setChecked(false);
  open(path);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_TRUE(control<QRadioButton>("Optcode3")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("Check2")->isEnabled());
}

TEST_F(CaseFileCommands, OpeningTheExampleFillsTheWindow) {
  selectLists(0, 0, 0);
  button("cmdquickshow")->click();
  open(QString(VELDRIN_SOURCE_DIR) + "/examples/default.in");
  EXPECT_EQ(verdict(), "输入已修改,请重新计算");
  EXPECT_FALSE(window->caseChanged());
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(box("Text3")->text(), "02-07-30 20:08:07");
  EXPECT_EQ(box("Text15")->text(), "0.3");
  EXPECT_EQ(box("text11")->text(), "7.2");
  EXPECT_EQ(list("Combo1")->currentIndex(), 0);
  EXPECT_EQ(list("Combo2")->currentIndex(), 0);
  EXPECT_EQ(list("Combo3")->currentIndex(), 0);
  EXPECT_TRUE(control<QRadioButton>("Optcode1")->isChecked());
}

// 关闭, Esc and the close button ask first about the changed case, then about a
// report not saved since it was made; the result window's 退出 and close button
// ask about the report. 是 saves through 保存, 取消 (or a cancelled save) stays.
TEST_F(CaseFileCommands, LeavingAsksAboutWhatWouldBeLostAndStaysOnCancel) {
  const std::function<void()> leaveBy[] = {
      [this] { button("cmdexit")->click(); }, [this] { QTest::keyClick(box("Text2"), Qt::Key_Escape); },
      [this] { window->close(); }, [] { FrmOut::loadedInstance()->findChild<QPushButton*>("cmdexit")->click(); },
      [] { FrmOut::loadedInstance()->close(); }};
  const std::string caseQuestion = "Veldrin|是否保存对设计数据的修改?", reportQuestion = "Veldrin|结果文档尚未保存,是否保存?";
  const struct { int leave; bool report; std::deque<Answer> answers; bool saveChosen, gone; } cases[] = {
      {0, false, {Answer::Cancel}, false, false}, {1, false, {Answer::No}, false, true},
      {2, false, {Answer::Yes}, true, true},      {0, false, {Answer::Yes}, false, false},  // its Save cancelled
      {1, true, {Answer::No, Answer::Cancel}, false, false}, {2, true, {Answer::No, Answer::Yes}, true, true},
      {0, true, {Answer::No, Answer::No}, false, true},      {3, true, {Answer::Cancel}, false, false},
      {4, true, {Answer::Yes}, true, true},                  {3, true, {Answer::No}, false, true}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    reopen();
    selectLists(0, 0, 0);
    if (c.report) button("cmdshow")->click();
    toolkit.questions.clear();
    toolkit.askAnswers = c.answers;
    const QString saved = pathOf(QString::number(i)) + (c.report ? ".rtf" : ".in");
    if (c.saveChosen) toolkit.saveAnswers.push_back({saved, 1});
    const int ended = programEnds;
    leaveBy[c.leave]();
    std::vector<std::string> asked = {c.leave < 3 ? caseQuestion : reportQuestion};
    if (c.report && c.leave < 3) asked.push_back(reportQuestion);
    EXPECT_EQ(toolkit.questions, asked) << i;
    EXPECT_EQ(c.leave < 3 ? programEnds > ended : FrmOut::loadedInstance() == nullptr, c.gone) << i;
    EXPECT_EQ(QFile::exists(saved), c.saveChosen) << i;
  }
  reopen();
  toolkit.questions.clear();
  button("cmdexit")->click();
  EXPECT_TRUE(toolkit.questions.empty()) << "nothing changed, nothing asked";
}

TEST_F(CaseFileCommands, ARefusedOrUnreadableFileChangesNothingAndSaysWhy) {
  box("Text4")->setText("321");
  list("Combo2")->setCurrentIndex(2);
  const FormState before = window->formState();
  const QString malformed = pathOf("short.in"), pipe = pathOf("pipe.in");
  writeFile(malformed, "\"only\",\"one\"\r\n");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  open(malformed);
  open(pathOf("absent.in"));
  open(pipe);  // said at once, never waited on
  ASSERT_EQ(toolkit.messages.size(), 3u);
  for (const auto& shown : toolkit.messages) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  EXPECT_NE(toolkit.messages[1].text.find("absent.in"), std::string::npos) << toolkit.messages[1].text;
  EXPECT_NE(toolkit.messages[2].text.find("pipe.in：不是普通文件"), std::string::npos) << toolkit.messages[2].text;
  const FormState after = window->formState();
  EXPECT_EQ(after.text, before.text);
  EXPECT_EQ(after.combo2, 2);
  EXPECT_EQ(after.combo1, -1);
}

TEST_F(CaseFileCommands, ACancelledOpenChangesNothing) {
  const FormState before = window->formState();
  button("Cmdopen")->click();
  EXPECT_EQ(toolkit.openRequests.size(), 1u);
  EXPECT_TRUE(toolkit.messages.empty());
  EXPECT_EQ(window->formState().text, before.text);
  EXPECT_EQ(window->windowTitle(), "Veldrin");
}

TEST_F(CaseFileCommands, TheTitleNamesTheCaseFileLastOpenedOrSaved) {
  open(QString(VELDRIN_SOURCE_DIR) + "/examples/default.in");
  EXPECT_EQ(window->windowTitle(), "Veldrin - default.in");
  saveAs(pathOf("mine.in"));
  EXPECT_EQ(window->windowTitle(), "Veldrin - mine.in");
}

// A save that cannot be written says so and leaves the old file whole: in a
// read-only folder, and on a disk that fills up in the middle of the write.
TEST_F(CaseFileCommands, AFailedSaveLeavesTheOldFileWhole) {
  selectLists(0, 0, 0);
  const QByteArray old(600, 'o');
  writeFile(pathOf("kept.in"), old);
  {
    const testing::ReadOnlyFolder readOnly(dir.path().toStdString());
    toolkit.confirmAnswers.push_back(true);
    saveAs(pathOf("kept.in"));
  }
  {
    box("Text1")->setText(QString(400, QChar(u'长')));  // a file larger than the disk's room
    const testing::FullDisk full(700);
    toolkit.confirmAnswers.push_back(true);
    saveAs(pathOf("kept.in"));
  }
  ASSERT_EQ(toolkit.messages.size(), 2u);
  for (const auto& shown : toolkit.messages) {
    EXPECT_NE(shown.text.find("kept.in"), std::string::npos) << shown.text;
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }
  EXPECT_EQ(contentOf(pathOf("kept.in")), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.in"}) << "no temporary left behind";
}

// A number beyond its field stops the save with the field's message; the
// window and what was typed stay (no exception leaves the click).
TEST_F(CaseFileCommands, ANumberBeyondItsFieldIsRefusedByName) {
  selectLists(0, 0, 0);
  for (const char* typed : {"1E39", "1E400"}) {
    toolkit.messages.clear();
    box("Text4")->setText(typed);
    saveAs(pathOf("huge.in"));
    ASSERT_EQ(toolkit.messages.size(), 1u) << typed;
    EXPECT_NE(toolkit.messages[0].text.find("截面高"), std::string::npos) << toolkit.messages[0].text;
    EXPECT_EQ(toolkit.messages[0].title, "输入数据检查");
    EXPECT_EQ(box("Text4")->text(), typed);
    toolkit.saveAnswers.clear();
  }
  EXPECT_TRUE(toolkit.saveRequests.empty());
  EXPECT_FALSE(QFile::exists(pathOf("huge.in")));
}

// A save is refused before anything is written when its file would not open again (the largest
// double in 屋面恒载 is written as a value beyond it), or would replace a pipe or follow a link to nothing.
TEST_F(CaseFileCommands, ASaveThatCouldNotOpenAgainOrWouldDestroyIsRefused) {
  selectLists(0, 0, 0);
  const QString pipe = pathOf("pipe.in"), dangling = pathOf("dangling.in");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(pathOf("nowhere/case.in"), dangling));
  const std::tuple<const char*, QString, const char*> cases[] = {
      {"0.12", pipe, "不是普通文件"}, {"0.12", dangling, "指向不存在文件的链接"},
      {"1.7976931348623157E308", pathOf("huge.in"), "第2行第1项(屋面恒载)超出可计算的数值范围"}};  // no dialog
  for (const auto& [typed, target, said] : cases) {
    toolkit.messages.clear();
    box("Text14")->setText(typed);
    toolkit.confirmAnswers = {true};
    saveAs(target);
    ASSERT_EQ(toolkit.messages.size(), 1u) << said;
    EXPECT_NE(toolkit.messages[0].text.find(said), std::string::npos) << toolkit.messages[0].text;
  }
  EXPECT_FALSE(QFile::exists(pathOf("huge.in")) || QFile::exists(pathOf("nowhere")));
  EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile()) << "the pipe is still there";
}

// The decoder refuses, by its item, a value the window could not save again.
TEST_F(CaseFileCommands, AFileWithTheLargestDoubleIsRefusedWhenOpened) {
  const FormState before = window->formState();
  open(QString(VELDRIN_SOURCE_DIR) + "/tests/reliability/dblmax_deadload.in");
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_NE(toolkit.messages[0].text.find("第2行第1项"), std::string::npos) << toolkit.messages[0].text;
  EXPECT_EQ(window->formState().text, before.text);
}

}  // namespace
}  // namespace veldrin
