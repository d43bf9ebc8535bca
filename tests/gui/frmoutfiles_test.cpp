// The result window's Save, Open and Print commands.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTextCursor>

#include "documents/richcontent.h"
#include "documents/rtfreader.h"
#include "support/frmoutfixture.h"
#include "support/gbkbytes.h"
#include "support/hostilefiles.h"
#include "support/pdffile.h"

namespace veldrin::testing {
namespace {

const std::string saveFilter = "RTF格式文档|*.rtf|文本文档|*.txt";
const std::string openFilter = "rtf格式文档|*.rtf|TXT文档|*.txt";

class FrmOutFilesTest : public FrmOutTest {
 protected:
  void SetUp() override {
    FrmOutTest::SetUp();
    window->showReport(bookOf(report));  // the figure, then the report, in box 1
  }
  QString boxText(int n) const { return contentOf(*box(n)->document()).text; }
};

TEST_F(FrmOutFilesTest, SaveAsRtfKeepsTextAndFigure) {
  const QString file = path("report.rtf");
  saveAs(file, 1);
  ASSERT_EQ(toolkit.saveRequests.size(), 1u);
  EXPECT_EQ(toolkit.saveRequests[0].filter.toStdString(), saveFilter);
  EXPECT_EQ(toolkit.saveRequests[0].fileName, QString::fromUtf8("工程墙(屋)面檁条计算")) << "without the leading ****";
  EXPECT_EQ(window->windowTitle(), prefix + file);

  const RichContent saved = readRtf(fileBytes(file));
  EXPECT_EQ(saved.text, boxText(1));
  ASSERT_EQ(saved.pictures.size(), 1);
  EXPECT_EQ(saved.pictures[0].image.convertToFormat(QImage::Format_ARGB32), host.figure);
  EXPECT_TRUE(toolkit.messages.empty());
}

TEST_F(FrmOutFilesTest, SaveAsTextWritesUtf8WithCrLf) {
  const QString file = path("report.txt");
  saveAs(file, 2);
  EXPECT_EQ(fileBytes(file), report.toUtf8()) << "the figure's own line is dropped, the report stays byte for byte";
  EXPECT_EQ(window->windowTitle(), prefix + file);
}

TEST_F(FrmOutFilesTest, SaveProposesAProjectNameWithoutMarkWhole) {
  host.name = QString::fromUtf8("工程**一");
  press("Cmdsave");
  ASSERT_EQ(toolkit.saveRequests.size(), 1u);
  EXPECT_EQ(toolkit.saveRequests[0].fileName, host.name);
}

TEST_F(FrmOutFilesTest, SaveCancelledWritesNothing) {
  const QString title = window->windowTitle();
  press("Cmdsave");  // no scripted answer: Cancel
  EXPECT_EQ(toolkit.saveRequests.size(), 1u);
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FrmOutFilesTest, SaveThatCannotWriteSaysSoAndKeepsTheTitle) {
  const QString title = window->windowTitle();
  const QString file = path("no-such-folder/report.rtf");
  saveAs(file, 1);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_NE(toolkit.messages[0].text.find(file.toStdString()), std::string::npos) << "names the file";
  EXPECT_GT(toolkit.messages[0].text.size(), file.toUtf8().size() + 15) << "and the reason";
  EXPECT_EQ(toolkit.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_FALSE(QFile::exists(file));

  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.txt"));
  toolkit.confirmAnswers.push_back(true);
  saveAs(path("taken"), 2);  // a folder stands where the file should go
  EXPECT_EQ(toolkit.messages.size(), 2u);
  EXPECT_EQ(window->windowTitle(), title);
}

// The extension follows the chosen filter when the name has none; a name
// that ends in one of the filter's extensions keeps it and its format. A
// file is replaced only after the user says Yes.
TEST_F(FrmOutFilesTest, ASaveNeverPutsOneFormatUnderAnothersName) {
  saveAs(path("report1"), 1);
  const QByteArray rtf = fileBytes(path("report1.rtf"));
  ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
  saveAs(path("report1"), 2);
  EXPECT_EQ(fileBytes(path("report1.txt")), report.toUtf8());
  EXPECT_EQ(fileBytes(path("report1.rtf")), rtf) << "the text went to its own name";
  EXPECT_TRUE(toolkit.questions.empty()) << "nothing was there to replace";

  placeContent(*box(1)->document(), plainContent("changed"));
  const QString title = window->windowTitle();
  saveAs(path("report1.rtf"), 2);  // named as RTF with the text filter chosen; No
  ASSERT_EQ(toolkit.questions.size(), 1u);
  EXPECT_NE(toolkit.questions[0].find("report1.rtf"), std::string::npos) << toolkit.questions[0];
  EXPECT_EQ(fileBytes(path("report1.rtf")), rtf);
  EXPECT_EQ(window->windowTitle(), title);

  toolkit.confirmAnswers.push_back(true);
  saveAs(path("report1.rtf"), 2);
  EXPECT_EQ(readRtf(fileBytes(path("report1.rtf"))).text, "changed") << "written as RTF, as its name says";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"report1.rtf", "report1.txt"}));
  EXPECT_EQ(toolkit.saveRequests.back().folder, dir.path()) << "the dialog starts where the last file went";
}

// A read-only folder, and a disk that fills up mid-write: the old file stays
// whole, the window says why and keeps its title.
TEST_F(FrmOutFilesTest, AFailedSaveLeavesTheOldFileWhole) {
  const QByteArray old(900, 'o');
  QFile file(path("kept.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(old);
  file.close();
  placeContent(*box(1)->document(), plainContent(QString(2000, QChar(u'长'))));
  const QString title = window->windowTitle();
  {
    const ReadOnlyFolder readOnly(dir.path().toStdString());
    toolkit.confirmAnswers.push_back(true);
    saveAs(path("kept.txt"), 2);
  }
  {
    const FullDisk full(1000);
    toolkit.confirmAnswers.push_back(true);
    saveAs(path("kept.txt"), 2);
  }
  ASSERT_EQ(toolkit.messages.size(), 2u) << toolkit.messages[0].text;
  for (const auto& shown : toolkit.messages) EXPECT_NE(shown.text.find("kept.txt"), std::string::npos) << shown.text;
  EXPECT_EQ(fileBytes(path("kept.txt")), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.txt"}) << "no temporary left behind";
  EXPECT_EQ(window->windowTitle(), title);
}

// 导出PDF writes the displayed document on A4 pages: the report in an
// embedded font, the project name in the footer.
TEST_F(FrmOutFilesTest, ExportPdfWritesTheDocumentOnA4) {
  QPushButton* pdf = button("Cmdpdf");
  ASSERT_NE(pdf, nullptr);
  EXPECT_EQ(pdf->text(), QString::fromUtf8("导出PDF(&E)"));
  toolkit.saveAnswers.push_back({path("report"), 1});
  press("Cmdpdf");
  ASSERT_EQ(toolkit.saveRequests.size(), 1u);
  EXPECT_EQ(toolkit.saveRequests[0].filter, QString::fromUtf8("PDF文档|*.pdf"));
  EXPECT_TRUE(toolkit.messages.empty());
  const QString file = path("report.pdf");
  EXPECT_TRUE(fileBytes(file).startsWith("%PDF-"));
  EXPECT_TRUE(pdfPageSize(file).endsWith("(A4)")) << pdfPageSize(file).toStdString();
  const QString text = pdfText(file);
  EXPECT_TRUE(text.contains(QString::fromUtf8("已知条件"))) << text.toStdString();
  EXPECT_TRUE(text.contains(project)) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("第1页 共1页"))) << text.toStdString();
  for (const QString& row : pdfFontRows(file)) EXPECT_TRUE(row.contains(" yes ")) << row.toStdString();
}

// Every report of the window carries the figure of its own section, in the
// window, its RTF and its PDF: the second as the first.
TEST_F(FrmOutFilesTest, TheSecondReportCarriesItsFigureInTheWindowRtfAndPdf) {
  press("Cmdnew");
  QImage changed = testFigure();
  changed.invertPixels();  // the section was changed between the two runs
  host.figure = changed;
  window->showReport(bookOf("second\r\n"));
  EXPECT_EQ(window->displayedBox(), 2) << "the displayed document stays";
  emit list()->activated(0);
  const RichContent shown = contentOf(*box(1)->document());
  EXPECT_EQ(shown.text, QString(RichContent::pictureMark) + "\nsecond\n");
  ASSERT_EQ(shown.pictures.size(), 1);
  EXPECT_EQ(shown.pictures[0].image, changed);
  EXPECT_EQ(toolkit.clipboardWrites, 0) << "the user's clipboard is left alone";

  saveAs(path("second.rtf"), 1);
  const RichContent saved = readRtf(fileBytes(path("second.rtf")));
  ASSERT_EQ(saved.pictures.size(), 1);
  EXPECT_EQ(saved.pictures[0].image.convertToFormat(QImage::Format_ARGB32), changed);
  toolkit.saveAnswers.push_back({path("second.pdf"), 1});
  press("Cmdpdf");
  const QString images = popplerOutput("pdfimages", {"-list", path("second.pdf")});
  EXPECT_TRUE(images.contains(QRegularExpression("\\n\\s+1\\s+0 image\\s+48\\s+36 "))) << images.toStdString();
}

// A figure drawn for a screen of pixel ratio 2 has twice the pixels, not
// twice the size: the box shows it, and RTF files it, at its logical size.
TEST_F(FrmOutFilesTest, TheFigureKeepsItsSizeAtAPixelRatioOfTwo) {
  window->close();
  QImage sharp = testFigure().scaled(testFigure().size() * 2);
  sharp.setDevicePixelRatio(2);
  host.figure = sharp;
  window = FrmOut::load(host);
  window->showReport(bookOf(report));
  const RichContent shown = contentOf(*box(1)->document());
  ASSERT_EQ(shown.pictures.size(), 1);
  EXPECT_EQ(shown.pictures[0].size, QSizeF(testFigure().size()));
  saveAs(path("sharp.rtf"), 1);
  EXPECT_TRUE(fileBytes(path("sharp.rtf")).contains("\\picw48\\pich36\\picwgoal720\\pichgoal540"));
}

TEST_F(FrmOutFilesTest, SaveWithNoOpenDocumentDoesNothing) {
  press("cmdclose");
  saveAs(path("x.rtf"), 1);
  EXPECT_TRUE(toolkit.saveRequests.empty());
  EXPECT_FALSE(QFile::exists(path("x.rtf")));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("檩条计算结果显示"));
}

TEST_F(FrmOutFilesTest, SaveActsOnTheDisplayedOpenDocument) {
  press("Cmdnew");
  box(2)->setPlainText("second document");
  emit list()->activated(0);
  saveAs(path("shown.txt"), 2);
  EXPECT_EQ(fileBytes(path("shown.txt")), report.toUtf8());
  emit list()->activated(1);
  saveAs(path("newest.txt"), 2);
  EXPECT_EQ(fileBytes(path("newest.txt")), "second document");
}

TEST_F(FrmOutFilesTest, OpenOfASavedRtfBringsBackTextAndFigure) {
  const QString file = path("report.rtf");
  saveAs(file, 1);
  open(file);
  ASSERT_EQ(toolkit.openRequests.size(), 1u);
  EXPECT_EQ(toolkit.openRequests[0].filter.toStdString(), openFilter);
  EXPECT_EQ(window->doccount(), 2);
  EXPECT_EQ(window->displayedBox(), 2);
  EXPECT_EQ(window->windowTitle(), prefix + file);
  EXPECT_EQ(listEntries().last(), "untitled2");
  const RichContent opened = contentOf(*box(2)->document());
  EXPECT_EQ(opened.text, boxText(1));
  ASSERT_EQ(opened.pictures.size(), 1);
  EXPECT_EQ(opened.pictures[0].image.convertToFormat(QImage::Format_ARGB32), host.figure);
  EXPECT_EQ(opened.pictures[0].size, QSizeF(host.figure.size()));
}

TEST_F(FrmOutFilesTest, OpenOfAGbkTextFile) {
  const QString text = QString::fromUtf8("檩条计算书\r\n  强度 σ＝120 MPa <＝ f＝205\r\n");
  QFile file(path("old.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(gbkBytes(text));
  file.close();
  open(file.fileName());
  EXPECT_EQ(window->doccount(), 2);
  EXPECT_EQ(box(2)->toPlainText(), QString::fromUtf8("檩条计算书\n  强度 σ＝120 MPa <＝ f＝205\n"));
  EXPECT_EQ(window->windowTitle(), prefix + file.fileName());
}

TEST_F(FrmOutFilesTest, OpenTestsTheLimitFirstAndMissingFilesChangeNothing) {
  pressTimes("Cmdnew", 3);
  open(path("any.rtf"));
  EXPECT_TRUE(toolkit.openRequests.empty()) << "no dialog with four documents open";
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0].text, limitMessage);
  toolkit.openAnswers.clear();

  press("cmdclose");
  const QString title = window->windowTitle();
  open(path("missing.rtf"));
  EXPECT_EQ(toolkit.messages.size(), 2u);
  EXPECT_NE(toolkit.messages[1].text.find("missing.rtf"), std::string::npos);
  press("Cmdopen");  // Cancel
  EXPECT_EQ(window->doccount(), 3);
  EXPECT_EQ(window->windowTitle(), title);
  EXPECT_EQ(list()->count(), 4);
}

TEST_F(FrmOutFilesTest, PrintsTheSelectionOrTheWholeDocument) {
  toolkit.printAccepts = true;
  press("Cmdprint");
  EXPECT_EQ(toolkit.printCount, 1);
  EXPECT_FALSE(toolkit.lastPrintSelectionOnly);
  EXPECT_EQ(toolkit.lastPrintedText, box(1)->toPlainText());

  QTextCursor cursor = box(1)->document()->find(QString::fromUtf8("已知条件"));
  ASSERT_FALSE(cursor.isNull());
  box(1)->setTextCursor(cursor);
  press("Cmdprint");
  EXPECT_TRUE(toolkit.lastPrintSelectionOnly);
  EXPECT_EQ(toolkit.lastPrintedText, QString::fromUtf8("已知条件"));

  press("cmdclose");
  press("Cmdprint");
  EXPECT_EQ(toolkit.printCount, 2) << "nothing to print with no document open";
}

}  // namespace
}  // namespace veldrin::testing
