// Report documents through their files: the RTF writer and reader, the
// plain-text file, text decoding, and the document <-> content mapping.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>

#include "documents/codepage.h"
#include "documents/richcontent.h"
#include "documents/rtfreader.h"
#include "documents/rtfwriter.h"
#include "support/gbkbytes.h"

namespace veldrin {
namespace {

using testing::gbkBytes;
using testing::rtfHexEscapes;

QImage sampleFigure(int width = 40, int height = 30) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::blue);
  painter.drawLine(0, 0, width - 1, height - 1);
  painter.fillRect(5, 5, 6, 4, Qt::red);
  return image;
}

bool samePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

const QChar mark = RichContent::pictureMark;

TEST(RtfUnicodeNumber, IsTheSignedSixteenBitValue) {
  EXPECT_EQ(rtfUnicodeNumber(u'A'), 65);
  EXPECT_EQ(rtfUnicodeNumber(u'\u6AA9'), 27305);   // 檩
  EXPECT_EQ(rtfUnicodeNumber(0x7FFF), 32767);
  EXPECT_EQ(rtfUnicodeNumber(0x8000), -32768);
  EXPECT_EQ(rtfUnicodeNumber(u'\uFF1D'), -227);    // full-width ＝
}

TEST(RtfWriter, EscapesWhatRtfReserves) {
  const QByteArray rtf = writeRtf({QString::fromUtf8("a\\b{c}\td檩＝"), {}});
  EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
  EXPECT_TRUE(rtf.contains("a\\\\b\\{c\\}\\tab d\\u27305?\\u-227?}")) << rtf.constData();
  EXPECT_TRUE(rtf.contains("\\fcharset134")) << "the font table names a Chinese font";
  for (const char byte : rtf) EXPECT_LT(static_cast<unsigned char>(byte), 0x80) << "RTF is 7-bit";
}

TEST(RtfWriter, EndsEveryLineWithParAndWritesThePictureAsPng) {
  const QImage figure = sampleFigure();
  const QByteArray rtf = writeRtf({QString(mark) + "\nline1\nline2\n", {{figure, QSizeF(80, 60)}}});
  EXPECT_EQ(rtf.count("\\par\r\n"), 3);
  EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw40\\pich30\\picwgoal1200\\pichgoal900\r\n89504e47"))
      << "pixel size, shown size in twips, then the PNG signature in hex";
}

TEST(RtfRoundTrip, GivesBackTextAndPictures) {
  const QString text = QString(mark) + "\n" +
                       QString::fromUtf8("****工程墙(屋)面檁条计算\n    σ＝12.5 MPa <＝ f\n\t{x}\\y 𝜎\n\n尾行");
  const QImage figure = sampleFigure();
  const RichContent back = readRtf(writeRtf({text, {{figure, QSizeF(60, 45)}}}));
  EXPECT_EQ(back.text, text);
  ASSERT_EQ(back.pictures.size(), 1);
  EXPECT_TRUE(samePixels(back.pictures[0].image, figure));
  EXPECT_EQ(back.pictures[0].size, QSizeF(60, 45));
}

TEST(RtfReader, ReadsTextOfRtfFromOtherPrograms) {
  // As a word processor writes it: code-page bytes, \uN with a two-byte
  // fallback, hidden tables, a picture in \shppict with a metafile copy beside it.
  const QByteArray png = [] {
    QByteArray rtf = writeRtf({QString(mark), {{sampleFigure(8, 6), QSizeF()}}});
    return rtf.mid(rtf.indexOf("{\\pict"));
  }();
  const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 " +
                         rtfHexEscapes(gbkBytes(QString::fromUtf8("宋体"))) +
                         ";}}\r\n{\\colortbl ;\\red0\\green0\\blue0;}{\\*\\generator Msftedit 5.41;}"
                         "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 " +
                         rtfHexEscapes(gbkBytes(QString::fromUtf8("工程"))) + "\\par\r\n{\\uc2\\u27305" +
                         rtfHexEscapes(gbkBytes(QString::fromUtf8("檩"))) + " x}\\line\\ldblquote y\\rdblquote\\par\r\n" +
                         "{\\*\\shppict" + png + "}{\\nonshppict{\\pict\\wmetafile8 0100}}\\par\r\n}";
  const RichContent content = readRtf(rtf);
  EXPECT_EQ(content.text, QString::fromUtf8("工程\n檩 x\n“y”\n") + mark + "\n");
  ASSERT_EQ(content.pictures.size(), 1);
  EXPECT_TRUE(samePixels(content.pictures[0].image, sampleFigure(8, 6)));
}

TEST(RtfReader, DropsPicturesItCannotShow) {
  const RichContent content = readRtf("{\\rtf1 a{\\pict\\wmetafile8\\picw10 0100ff}b{\\pict\\pngblip 00ff}c}");
  EXPECT_EQ(content.text, "abc");
  EXPECT_TRUE(content.pictures.isEmpty());
}

TEST(RtfReader, RecognisesTheSignature) {
  EXPECT_TRUE(looksLikeRtf("  \r\n{\\rtf1\\ansi x}"));
  EXPECT_FALSE(looksLikeRtf("rtf1 plain text"));
  EXPECT_FALSE(looksLikeRtf(""));
}

TEST(PlainTextFile, IsUtf8WithCrLfAndWithoutPictures) {
  const QImage figure = sampleFigure();
  const RichContent content{QString(mark) + QString::fromUtf8("\n檩条 a") + mark + "b\n  c\n",
                            {{figure, QSizeF()}, {figure, QSizeF()}}};
  EXPECT_EQ(plainTextFile(content), QString::fromUtf8("檩条 ab\r\n  c\r\n").toUtf8());
}

TEST(DecodeTextFile, ReadsUtf8Utf16AndGbk) {
  const QString text = QString::fromUtf8("檩条计算＝1.5\r\n");
  EXPECT_EQ(decodeTextFile(text.toUtf8()), text);
  EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF" + text.toUtf8()), text) << "the byte-order mark is dropped";
  QByteArray utf16("\xFF\xFE", 2);
  utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  EXPECT_EQ(decodeTextFile(utf16), text);
  EXPECT_EQ(decodeTextFile(gbkBytes(text)), text);
}

TEST(DecodeCharset, RefusesBytesInvalidInThePage) {
  EXPECT_FALSE(decodeCharset(QByteArray("\x81", 1), "GB18030").has_value()) << "a lead byte without its trail";
  EXPECT_FALSE(decodeCharset("abc", "NO-SUCH-CHARSET").has_value());
  EXPECT_STREQ(charsetOfCodePage(936), "GB18030");
  EXPECT_EQ(charsetOfCodePage(12345), nullptr);
}

TEST(PlainContent, MakesEveryLineEndAParagraph) {
  const RichContent content = plainContent(QString("a\r\nb\rc\n") + mark);
  EXPECT_EQ(content.text, "a\nb\nc\n");
  EXPECT_TRUE(content.pictures.isEmpty());
}

TEST(DocumentContent, PlacesAndRecoversParagraphsAndPictures) {
  QTextDocument document;
  const QImage figure = sampleFigure();
  const QString text = QString(mark) + "\nfirst " + mark + " mid\n\nlast";
  placeContent(document, {text, {{figure, QSizeF(20, 15)}, {sampleFigure(10, 10), QSizeF()}}});
  EXPECT_EQ(document.blockCount(), 4);
  const RichContent back = contentOf(document);
  EXPECT_EQ(back.text, text);
  ASSERT_EQ(back.pictures.size(), 2);
  EXPECT_TRUE(samePixels(back.pictures[0].image, figure));
  EXPECT_EQ(back.pictures[0].size, QSizeF(20, 15));
  EXPECT_EQ(back.pictures[1].size, QSizeF(10, 10)) << "no shown size: the image's own";
}

TEST(DocumentContent, TextAfterAPictureIsPlainText) {
  QTextDocument document;
  placeContent(document, {QString(mark) + "abc", {{sampleFigure(), QSizeF()}}});
  const QTextBlock block = document.begin();
  QTextBlock::iterator it = block.begin();
  ASSERT_FALSE(it.atEnd());
  EXPECT_TRUE(it.fragment().charFormat().isImageFormat());
  ++it;
  ASSERT_FALSE(it.atEnd());
  EXPECT_EQ(it.fragment().text(), "abc");
  EXPECT_FALSE(it.fragment().charFormat().isImageFormat());
}

TEST(DocumentContent, ACopiedSelectionGetsThePictureImages) {
  QTextDocument document;
  const QImage figure = sampleFigure();
  placeContent(document, {QString(mark) + "\nabc", {{figure, QSizeF()}}});
  QTextCursor all(&document);
  all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  QTextDocument selection;
  QTextCursor(&selection).insertFragment(all.selection());
  EXPECT_TRUE(contentOf(selection).pictures.isEmpty()) << "a copied fragment carries only the picture's name";
  copyPictureImages(document, selection);
  const RichContent copied = contentOf(selection);
  ASSERT_EQ(copied.pictures.size(), 1);
  EXPECT_TRUE(samePixels(copied.pictures[0].image, figure));
  EXPECT_EQ(copied.text, QString(mark) + "\nabc");
}

TEST(DocumentContent, ReportTextWithCrLfKeepsItsLines) {
  QTextDocument document;
  document.setPlainText("line1\r\nline2\r\n");
  EXPECT_EQ(contentOf(document).text, "line1\nline2\n");
  EXPECT_EQ(plainTextFile(contentOf(document)), "line1\r\nline2\r\n");
}

}  // namespace
}  // namespace veldrin
