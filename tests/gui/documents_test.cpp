// The filed documents: the report with its figure as RTF and PDF, from the
// headless command (no display, no Qt settings) and from the document library.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include "documents/hangingindent.h"
#include "documents/pdfdocument.h"
#include "documents/reportdocument.h"
#include "documents/reportfont.h"
#include "figures/qt/sectionpicture.h"
#include "documents/rtfreader.h"
#include "documents/rtfwriter.h"
#include "support/pdffile.h"

namespace veldrin::testing {
namespace {

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString source(const char* relative) { return QString(VELDRIN_SOURCE_DIR) + "/" + relative; }

// veldrin-report as a batch would run it: no display, no Qt variable, only a
// search path for the tools.
class HeadlessCommand : public ::testing::Test {
 protected:
  QTemporaryDir dir;

  int run(const QString& caseFile, const QString& output, QString* err = nullptr) {
    QProcess process;
    QProcessEnvironment bare;
    bare.insert("PATH", "/usr/bin:/bin");
    process.setProcessEnvironment(bare);
    process.start(VELDRIN_REPORT_EXE, {caseFile, "--date", "2026-12-08", "-o", output});
    if (!process.waitForFinished(120000)) return -1;
    if (err) *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
  }
  QString reportText(const QString& caseFile) {
    const QString text = dir.filePath("report.txt");
    EXPECT_EQ(run(caseFile, text), 0);
    return QString::fromUtf8(bytesOf(text));
  }
};

// The default case (it fails) and a case that passes every check: the PDF
// holds the project name, the summary and the conclusion, on A4 pages with
// the figure on the first.
TEST_F(HeadlessCommand, PdfOfAPassingAndAFailingCase) {
  for (const char* caseFile : {"examples/default.in", "tests/golden/flat-roof.in"}) {
    const QString report = reportText(source(caseFile));
    const QString pdf = dir.filePath("report.pdf");
    QString err;
    ASSERT_EQ(run(source(caseFile), pdf, &err), 0) << caseFile << ": " << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_TRUE(pdfPageSize(pdf).endsWith("(A4)")) << pdfPageSize(pdf).toStdString();
    const QString text = pdfText(pdf);
    const QString projectName = report.section("\r\n", 0, 0);
    EXPECT_TRUE(text.contains(projectName)) << caseFile;
    EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8("第1页 共[2-9]页")))) << caseFile;
    for (const char* phrase : {"一、已知条件", "六、验算结果汇总", "结论"}) {
      const QString wanted = QString::fromUtf8(phrase);
      EXPECT_TRUE(report.contains(wanted)) << caseFile << ": " << phrase;
      EXPECT_TRUE(text.contains(wanted)) << caseFile << ": " << phrase;
    }
    const QString conclusion = report.section(QString::fromUtf8("结论:"), 1).section("\r\n", 0, 0);
    EXPECT_FALSE(conclusion.isEmpty()) << caseFile;
    EXPECT_TRUE(text.contains(conclusion)) << caseFile << ": " << conclusion.toStdString();
    // Page 1 opens with the title block and its sign-off table, before the report.
    const QString first = popplerOutput("pdftotext", {"-f", "1", "-l", "1", "-layout", pdf, "-"});
    const QStringList head = {"檩条计算书", "项目名称", "计算规范", "檩条截面", "验算结论", "最大利用率",
                              "签名",       "日期",     "设计",     "校对",     "审核",     "计算日期:2026-12-08"};
    for (const QString& item : head) EXPECT_TRUE(first.contains(item)) << caseFile << ": " << item.toStdString();
    EXPECT_LT(first.indexOf(QString::fromUtf8("审核")), first.indexOf(QString::fromUtf8("一、已知条件"))) << caseFile;
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("序号\\s+验算项目\\s+计算值\\s+限值\\s+利用率\\s+结论"))
                    .match(popplerOutput("pdftotext", {"-layout", pdf, "-"}))
                    .hasMatch())
        << caseFile;
    const QString images = popplerOutput("pdfimages", {"-list", pdf});
    EXPECT_TRUE(images.contains(QRegularExpression("\\n\\s+1\\s+0 image\\s+800\\s+800 "))) << images.toStdString();
    for (const QString& row : pdfFontRows(pdf)) EXPECT_TRUE(row.contains(" yes ")) << row.toStdString();
  }
}

// The RTF book: the title block's tables and section six as real RTF tables,
// page numbers as fields in the footer, the PDF's margins on A4; read back,
// its text file ends with the report byte for byte.
TEST_F(HeadlessCommand, RtfCarriesTheTitleBlockTheTablesAndTheWholeReportOnA4) {
  const QString report = reportText(source("tests/golden/gb51022-default.in"));
  const QString rtf = dir.filePath("report.rtf");
  ASSERT_EQ(run(source("tests/golden/gb51022-default.in"), rtf), 0);
  const QByteArray bytes = bytesOf(rtf);
  EXPECT_TRUE(bytes.contains("\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt850\\margb1417\\footery850"));
  EXPECT_TRUE(bytes.contains("\\picw400\\pich400\\picwgoal6000\\pichgoal6000"));
  EXPECT_TRUE(bytes.contains("{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}"));
  EXPECT_TRUE(bytes.contains("{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}"));
  EXPECT_EQ(bytes.count("\\trhdr"), 2) << "the sign-off's and section six's title rows";
  const RichContent read = readRtf(bytes);
  EXPECT_TRUE(read.titled);
  const QString head = QString::fromUtf8("檩条计算书\n") + RichContent::tableMark + "\n\n" + RichContent::tableMark +
                       QString::fromUtf8("\n计算日期:2026-12-08\n\n") + RichContent::pictureMark + "\n";
  EXPECT_TRUE(read.text.startsWith(head)) << read.text.left(80).toStdString();
  ASSERT_EQ(read.tables.size(), 3);
  EXPECT_EQ(read.tables[0].rows[0], QStringList({"项目名称", "****工程墙(屋)面檁条计算"}));
  EXPECT_EQ(read.tables[1].rows, QList<QStringList>({{"", "签名", "日期"}, {"设计", "", ""}, {"校对", "", ""}, {"审核", "", ""}}));
  EXPECT_EQ(read.tables[2].rows[0], QStringList({"序号", "验算项目", "依据", "计算值", "限值", "利用率", "结论"}));
  EXPECT_EQ(read.tables[2].rows[1][2], QString::fromUtf8("GB 50018-2002 式8.1.1-1"));
  EXPECT_TRUE(QString::fromUtf8(plainTextFile(read)).endsWith(report)) << "section six lined up again as in the text";
}

// The figure has the dialog's logical size whatever the pixel ratio: 400
// pixels and 6000 twips square, with twice the pixels at a ratio of 2.
TEST(SectionPicture, LogicalSizeAtPixelRatiosOneAndTwo) {
  const SectionDims section{250, 75, 20, 2.5};
  for (const double ratio : {1.0, 2.0}) {
    const QImage figure = sectionPicture(section, ratio);
    EXPECT_EQ(figure.width(), qRound(400 * ratio)) << ratio;
    EXPECT_EQ(figure.deviceIndependentSize(), QSizeF(400, 400)) << ratio;
    const RichContent content = reportContent("x", figure);
    EXPECT_EQ(content.pictures[0].shownSize(), QSizeF(400, 400));
    EXPECT_TRUE(writeRtf(content).contains("\\picw400\\pich400\\picwgoal6000\\pichgoal6000")) << ratio;
  }
}

// A wrapped line stays under its own text: the paragraph's hanging indent is
// the width of its leading blanks, in the window's document and in RTF.
TEST(HangingIndent, TheIndentIsTheWidthOfTheLeadingBlanks) {
  EXPECT_EQ(leadingColumns(u"    σ7=mx/ix"), 4);
  EXPECT_EQ(leadingColumns(QString::fromUtf8("　 x")), 3);
  EXPECT_EQ(leadingColumns(u"x   "), 0);

  QTextDocument document;
  placeReport(document, plainContent("head\r\n    indented line\r\n"));
  const qreal four = QFontMetricsF(reportFont()).horizontalAdvance("    ");
  ASSERT_GT(four, 0);
  EXPECT_EQ(document.begin().blockFormat().leftMargin(), 0);
  const QTextBlockFormat indented = document.begin().next().blockFormat();
  EXPECT_DOUBLE_EQ(indented.leftMargin(), four);
  EXPECT_DOUBLE_EQ(indented.textIndent(), -four);

  const QByteArray rtf = writeRtf(plainContent("head\n    indented\n\xE3\x80\x80wide"));
  EXPECT_TRUE(rtf.contains("\\pard head\\par"));
  EXPECT_TRUE(rtf.contains("\\pard\\li400\\fi-400     indented\\par"));
  EXPECT_TRUE(rtf.contains("\\pard\\li200\\fi-200 \\u12288?wide"));
}

TEST(PdfDocument, EveryPageCarriesTheProjectNameAndItsNumber) {
  QString longReport;
  for (int line = 1; line <= 80; ++line) longReport += QString("  line %1\r\n").arg(line);
  const QByteArray pdf = pdfFile(reportContent(longReport, QImage()), QString::fromUtf8("仓库檩条"));
  QTemporaryDir dir;
  const QString path = dir.filePath("long.pdf");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(pdf);
  file.close();
  const QString text = pdfText(path);
  EXPECT_TRUE(text.contains(QString::fromUtf8("第1页 共2页"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("第2页 共2页")));
  EXPECT_EQ(text.count(QString::fromUtf8("仓库檩条")), 2);
  EXPECT_TRUE(text.contains("line 80"));
}

}  // namespace
}  // namespace veldrin::testing
