#include "documents/richcontent.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVariant>

#include "documents/codepage.h"

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
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) content.text += QLatin1Char('\n');
    appendBlock(content, document, block);
  }
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
  QTextCursor cursor(&document);
  const QTextCharFormat plain;  // text after a picture must not take the picture's format
  qsizetype start = 0;
  qsizetype nextPicture = 0;
  for (qsizetype i = 0; i < content.text.size(); ++i) {
    if (content.text[i] != RichContent::pictureMark) continue;
    cursor.insertText(content.text.mid(start, i - start), plain);
    if (nextPicture < content.pictures.size()) insertPicture(cursor, content.pictures[nextPicture++]);
    start = i + 1;
  }
  cursor.insertText(content.text.mid(start), plain);
}

QByteArray plainTextFile(const RichContent& content) {
  QStringList lines;
  for (QString line : content.text.split(QLatin1Char('\n'))) {
    if (line.contains(RichContent::pictureMark)) {
      line.remove(RichContent::pictureMark);
      if (line.isEmpty()) continue;
    }
    lines << line;
  }
  return lines.join(QStringLiteral("\r\n")).toUtf8();
}

RichContent plainContent(const QString& text) {
  QString paragraphs = text;
  paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  paragraphs.remove(RichContent::pictureMark);  // a text file holds no pictures
  return {paragraphs, {}};
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
