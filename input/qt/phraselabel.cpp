#include "input/qt/phraselabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace veldrin {

QStringList phrasesOf(const QString& caption) {
  static const QRegularExpression blanks(" {2,}");
  static const QRegularExpression noteEnd("不满足要求(?=\\S)");
  QString lines = caption;
  lines.replace(blanks, "\n");
  lines.replace(noteEnd, "不满足要求\n");
  return lines.split('\n', Qt::SkipEmptyParts);
}

// A phrase wider than the label still wraps rather than being cut off.
void PhraseLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, phrasesOf(text()).join('\n'));
}

}  // namespace veldrin
