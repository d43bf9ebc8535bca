#pragma once
// The quick-result caption, shown one phrase per line. The caption spaces
// its phrases apart with runs of blanks and appends its notes end to end;
// wrapped as plain text a phrase would break between any two Chinese
// characters, so each run of blanks and the end of each note start a new
// line instead. text() stays the caption itself.
#include <QLabel>
#include <QStringList>

namespace veldrin {

class PhraseLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The caption's phrases, in order.
QStringList phrasesOf(const QString& caption);

}  // namespace veldrin
