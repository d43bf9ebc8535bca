#include "documents/richcontent.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <utility>

#include "documents/codepage.h"
#include "documents/richtable.h"

namespace veldrin {

namespace {

QImage resourceImage(const QTextDocument& document, const QString& name) {
  const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
  if (resource.canConvert<QImage>()) return resource.value<QImage>();
  if (resource.typeId() == QMetaType::QByteArray) return QImage::fromData(resource.toByteArray());
  return {};
}

void appendPictures(RichContent& content, const QTextDocument& document, const QTextFragment& fragment) {
  const QTextImageFormat format = fragment.charFormat().toImageFormat();
  const QImage image = resourceImage(document, format.name());
  if (image.isNull()) return;
  const QSizeF own = image.deviceIndependentSize();
  const QSizeF size(format.width() > 0 ? format.width() : own.width(),
                    format.height() > 0 ? format.height() : own.height());
  for (int i = 0; i < fragment.length(); ++i) {  // identical neighbours share one fragment
    content.text += RichContent::pictureMark;
    content.pictures.append({image, size});
  }
}

void appendBlock(RichContent& content, const QTextDocument& document, const QTextBlock& block) {
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.charFormat().isImageFormat()) {
      appendPictures(content, document, fragment);
    } else {
      QString text = fragment.text();
      text.replace(QChar::LineSeparator, QLatin1Char('\n'));  // a soft break becomes a line of its own
      text.remove(RichContent::pictureMark);
      content.text += text;
    }
  }
}

// The title paragraph's mark in the document.
constexpr int kTitleProperty = QTextFormat::UserProperty + 10;
constexpr qreal kTitlePoints = 16;

// A document always holds a paragraph before a table at its start and after
// one at its end; they are the document's, not the content's.
void dropFrameNeighbours(QString& text) {
  const QString leading = QLatin1Char('\n') + RichContent::tableMark;
  const QString trailing = RichContent::tableMark + QLatin1Char('\n');
  if (text.startsWith(leading)) text.remove(0, 1);
  if (text.endsWith(trailing)) text.chop(1);
}

// Places the content paragraph by paragraph: a paragraph that is a table
// mark alone becomes the next table, the others text with their pictures.
class ContentPlacer {
 public:
  ContentPlacer(QTextDocument& document, const RichContent& content) : cursor_(&document), content_(content) {}

  void placeAll() {
    const QStringList paragraphs = content_.text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
      if (paragraphs[i] == RichContent::tableMark && nextTable_ < content_.tables.size()) {
        insertTable(cursor_, content_.tables[nextTable_++]);
        cursor_.movePosition(QTextCursor::End);
        afterTable_ = true;  // the document's paragraph after the table takes the next text
        continue;
      }
      if (i > 0 && !std::exchange(afterTable_, false)) cursor_.insertBlock(QTextBlockFormat(), plain_);
      placeParagraph(paragraphs[i], i == 0 && content_.titled);
    }
  }

 private:
  void placeParagraph(const QString& paragraph, bool title) {
    QTextCharFormat format = plain_;  // text after a picture must not take the picture's format
    if (title) makeTitle(format);
    qsizetype start = 0;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
      if (paragraph[i] != RichContent::pictureMark && paragraph[i] != RichContent::tableMark) continue;
      cursor_.insertText(paragraph.mid(start, i - start), format);
      if (paragraph[i] == RichContent::pictureMark && nextPicture_ < content_.pictures.size()) {
        insertPicture(cursor_, content_.pictures[nextPicture_++]);
      }
      start = i + 1;
    }
    cursor_.insertText(paragraph.mid(start), format);
  }

  void makeTitle(QTextCharFormat& format) {
    QTextBlockFormat block = cursor_.blockFormat();
    block.setAlignment(Qt::AlignHCenter);
    block.setProperty(kTitleProperty, true);
    cursor_.setBlockFormat(block);
    format.setFontPointSize(kTitlePoints);
    format.setFontWeight(QFont::Bold);
  }

  QTextCursor cursor_;
  const RichContent& content_;
  const QTextCharFormat plain_;
  qsizetype nextPicture_ = 0, nextTable_ = 0;
  bool afterTable_ = false;
};

// Every picture placed gets a name of its own within the program's life.
QUrl nextPictureName() {
  static int serial = 0;
  return QUrl(QStringLiteral("veldrin-picture:%1").arg(++serial));
}

}  // namespace

void insertPicture(QTextCursor& cursor, const RichPicture& picture) {
  if (picture.image.isNull()) return;
  const QUrl name = nextPictureName();
  cursor.document()->addResource(QTextDocument::ImageResource, name, picture.image);
  QTextImageFormat format;
  format.setName(name.toString());
  const QSizeF size = picture.shownSize();
  format.setWidth(size.width());
  format.setHeight(size.height());
  cursor.insertImage(format);
}

RichContent contentOf(const QTextDocument& document) {
  RichContent content;
  content.titled = document.begin().blockFormat().hasProperty(kTitleProperty);
  bool first = true;
  for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
    const QTextFrame* frame = it.currentFrame();
    const auto* table = qobject_cast<const QTextTable*>(frame);
    if (frame && !table) continue;  // no other frames are placed
    if (!std::exchange(first, false)) content.text += QLatin1Char('\n');
    if (table) {
      content.text += RichContent::tableMark;
      content.tables.append(tableOf(*table));
    } else {
      appendBlock(content, document, it.currentBlock());
    }
  }
  dropFrameNeighbours(content.text);
  return content;
}

void copyPictureImages(const QTextDocument& from, QTextDocument& to) {
  for (QTextBlock block = to.begin(); block.isValid(); block = block.next()) {
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QString name = format.toImageFormat().name();
      const QImage image = resourceImage(from, name);
      if (!image.isNull()) to.addResource(QTextDocument::ImageResource, QUrl(name), image);
    }
  }
}

void placeContent(QTextDocument& document, const RichContent& content) {
  document.clear();
  ContentPlacer(document, content).placeAll();
}

QByteArray plainTextFile(const RichContent& content) {
  QStringList lines;
  qsizetype nextTable = 0;
  for (QString line : content.text.split(QLatin1Char('\n'))) {
    if (line == RichContent::tableMark && nextTable < content.tables.size()) {
      lines << tableLines(content.tables[nextTable++]);
      continue;
    }
    if (line.contains(RichContent::pictureMark) || line.contains(RichContent::tableMark)) {
      line.remove(RichContent::pictureMark).remove(RichContent::tableMark);
      if (line.isEmpty()) continue;
    }
    lines << line;
  }
  return lines.join(QStringLiteral("\r\n")).toUtf8();
}

RichContent plainContent(const QString& text) {
  QString paragraphs = text;
  paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  paragraphs.remove(RichContent::pictureMark).remove(RichContent::tableMark);  // a text file holds neither
  return {paragraphs, {}, {}, false};
}

QString decodeTextFile(const QByteArray& bytes) {
  if (const auto bom = QStringConverter::encodingForData(bytes)) {
    QStringDecoder decoder(*bom);  // drops the byte-order mark
    return decoder.decode(bytes);
  }
  QStringDecoder utf8(QStringConverter::Utf8);
  const QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  if (const auto chinese = decodeCharset(bytes, "GB18030")) return *chinese;
  return QString::fromLatin1(bytes);  // every byte is a Latin-1 character
}

}  // namespace veldrin
