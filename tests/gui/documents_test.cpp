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
    process.start(VELDRIN_REPORT_EXE, {caseFile, "-o", output});
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
    const QString images = popplerOutput("pdfimages", {"-list", pdf});
    EXPECT_TRUE(images.contains(QRegularExpression("\\n\\s+1\\s+0 image\\s+800\\s+800 "))) << images.toStdString();
    for (const QString& row : pdfFontRows(pdf)) EXPECT_TRUE(row.contains(" yes ")) << row.toStdString();
  }
}

TEST_F(HeadlessCommand, RtfCarriesTheFigureAndTheWholeReportOnA4) {
  const QString report = reportText(source("examples/default.in"));
  const QString rtf = dir.filePath("report.rtf");
  ASSERT_EQ(run(source("examples/default.in"), rtf), 0);
  const QByteArray bytes = bytesOf(rtf);
  EXPECT_TRUE(bytes.contains("\\paperw11906\\paperh16838"));
  EXPECT_TRUE(bytes.contains("\\picw400\\pich400\\picwgoal6000\\pichgoal6000"));
  const RichContent read = readRtf(bytes);
  ASSERT_EQ(read.pictures.size(), 1);
  EXPECT_EQ(read.text, QString(RichContent::pictureMark) + "\n" + plainContent(report).text);
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
