#include "documents/rtfreader.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QVector>
#include <algorithm>
#include <cctype>
#include <utility>

#include "documents/codepage.h"

namespace veldrin {

namespace {

constexpr double twipsPerPixel = 15.0;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Groups whose content is not part of the document's text.
bool isHiddenDestination(const QByteArray& word) {
  static const QSet<QByteArray> hidden = {
      "fonttbl",  "colortbl", "stylesheet", "info",       "header",        "footer",     "headerl",
      "headerr",  "headerf",  "footerl",    "footerr",    "footerf",       "footnote",   "listtable",
      "listoverridetable",    "rsidtbl",    "generator",  "xmlnstbl",      "themedata",  "colorschememapping",
      "latentstyles",         "datastore",  "fldinst",    "nonshppict",    "objdata",    "revtbl",
      "filetbl",  "pgdsctbl", "mmathPr",    "template",   "private",       "pnseclvl"};
  return hidden.contains(word);
}

// Control words that stand for one character.
const QHash<QByteArray, QChar>& characterWords() {
  static const QHash<QByteArray, QChar> words = {
      {"tab", QLatin1Char('\t')}, {"cell", QLatin1Char('\t')}, {"emdash", QChar(0x2014)},
      {"endash", QChar(0x2013)},  {"bullet", QChar(0x2022)},   {"lquote", QChar(0x2018)},
      {"rquote", QChar(0x2019)},  {"ldblquote", QChar(0x201C)}, {"rdblquote", QChar(0x201D)},
      {"emspace", QChar(0x2003)}, {"enspace", QChar(0x2002)},  {"qmspace", QChar(0x2005)}};
  return words;
}

bool isParagraphWord(const QByteArray& word) { return word == "par" || word == "line" || word == "row" || word == "sect" || word == "page"; }

struct GroupState {
  bool hidden = false;
  int unicodeSkip = 1;  // \ucN: fallback characters that follow each \u
};

struct PictureState {
  int depth = -1;  // group depth of the \pict group being read; -1 = none
  bool readable = false;
  QByteArray hex;
  double goalWidth = 0, goalHeight = 0, scaleX = 100, scaleY = 100;
};

class RtfReader {
 public:
  explicit RtfReader(const QByteArray& rtf) : in_(rtf) { groups_.append(GroupState{}); }
  RichContent read();

 private:
  GroupState& group() { return groups_.last(); }
  void openGroup() { groups_.append(group()); }
  void closeGroup();
  void controlSequence();
  void controlWord();
  void controlSymbol(char symbol);
  void word(const QByteArray& name, bool hasNumber, int number);
  void pictureWord(const QByteArray& name, int number);
  void text(char c);
  void ansiByte(char byte);
  void character(QChar c);
  void flushBytes();
  void finishPicture();
  bool skipsFallback();

  const QByteArray& in_;
  qsizetype pos_ = 0;
  QVector<GroupState> groups_;
  RichContent out_;
  QByteArray pendingBytes_;  // \'hh bytes of one run, decoded together (double-byte pages)
  const char* charset_ = "CP1252";
  int fallbackLeft_ = 0;
  bool starred_ = false;
  PictureState picture_;
};

RichContent RtfReader::read() {
  while (pos_ < in_.size()) {
    const char c = in_[pos_++];
    if (c == '{') openGroup();
    else if (c == '}') closeGroup();
    else if (c == '\\') controlSequence();
    else if (c != '\r' && c != '\n') text(c);
  }
  flushBytes();
  return out_;
}

void RtfReader::closeGroup() {
  flushBytes();
  fallbackLeft_ = 0;
  if (groups_.size() == picture_.depth) finishPicture();
  if (groups_.size() > 1) groups_.removeLast();
}

void RtfReader::controlSequence() {
  if (pos_ >= in_.size()) return;
  if (isLetter(in_[pos_])) controlWord();
  else controlSymbol(in_[pos_++]);
}

void RtfReader::controlWord() {
  const qsizetype start = pos_;
  while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
  const QByteArray name = in_.mid(start, pos_ - start);
  const qsizetype numberStart = pos_;
  if (pos_ < in_.size() && in_[pos_] == '-') ++pos_;
  while (pos_ < in_.size() && isDigit(in_[pos_])) ++pos_;
  const QByteArray digits = in_.mid(numberStart, pos_ - numberStart);
  const bool hasNumber = !digits.isEmpty() && digits != "-";
  if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the space ends the word and belongs to it
  word(name, hasNumber, hasNumber ? digits.toInt() : 0);
}

void RtfReader::controlSymbol(char symbol) {
  if (symbol == '\'') {
    const bool ok = pos_ + 2 <= in_.size();
    const int value = ok ? in_.mid(pos_, 2).toInt(nullptr, 16) : 0;
    pos_ = ok ? pos_ + 2 : in_.size();
    ansiByte(static_cast<char>(value));
  } else if (symbol == '*') {
    starred_ = true;
  } else if (symbol == '~') {
    character(QChar(0x00A0));
  } else if (symbol == '_') {
    character(QLatin1Char('-'));
  } else if (symbol == '\r' || symbol == '\n') {
    character(QLatin1Char('\n'));
  } else if (symbol == '\\' || symbol == '{' || symbol == '}') {
    text(symbol);
  }  // \- (optional hyphen), \| and the rest show nothing
}

void RtfReader::word(const QByteArray& name, bool hasNumber, int number) {
  if (name == "bin") {  // raw bytes follow: never read them as RTF
    pos_ += hasNumber ? std::max(number, 0) : 0;
    return;
  }
  const bool starred = std::exchange(starred_, false);
  if (group().hidden) {
    if (picture_.depth == groups_.size()) pictureWord(name, number);
    return;
  }
  if ((starred && name != "shppict") || isHiddenDestination(name)) {
    group().hidden = true;
  } else if (name == "pict") {
    flushBytes();
    group().hidden = true;  // its hex digits are no text
    picture_ = PictureState{};
    picture_.depth = static_cast<int>(groups_.size());
  } else if (name == "u") {
    character(QChar(static_cast<char16_t>(number < 0 ? number + 0x10000 : number)));
    fallbackLeft_ = group().unicodeSkip;
  } else if (name == "uc") {
    group().unicodeSkip = std::max(number, 0);
  } else if (name == "ansicpg") {
    if (const char* charset = charsetOfCodePage(number)) charset_ = charset;
  } else if (isParagraphWord(name)) {
    character(QLatin1Char('\n'));
  } else if (characterWords().contains(name)) {
    character(characterWords().value(name));
  }
}

void RtfReader::pictureWord(const QByteArray& name, int number) {
  if (name == "pngblip" || name == "jpegblip") picture_.readable = true;
  else if (name == "picwgoal") picture_.goalWidth = number;
  else if (name == "pichgoal") picture_.goalHeight = number;
  else if (name == "picscalex") picture_.scaleX = number;
  else if (name == "picscaley") picture_.scaleY = number;
}

void RtfReader::text(char c) {
  if (picture_.depth == groups_.size()) {
    if (std::isxdigit(static_cast<unsigned char>(c))) picture_.hex += c;
    return;
  }
  if (group().hidden || skipsFallback()) return;
  if (static_cast<unsigned char>(c) >= 0x80) {
    pendingBytes_ += c;  // an unescaped byte of the document's code page
    return;
  }
  flushBytes();
  out_.text += QLatin1Char(c);
}

void RtfReader::ansiByte(char byte) {
  if (group().hidden || skipsFallback()) return;
  pendingBytes_ += byte;
}

void RtfReader::character(QChar c) {
  if (group().hidden) return;
  flushBytes();
  fallbackLeft_ = 0;
  out_.text += c;
}

// After \uN the next characters are the fallback for readers without
// Unicode: they are skipped, not shown.
bool RtfReader::skipsFallback() {
  if (fallbackLeft_ <= 0) return false;
  --fallbackLeft_;
  return true;
}

void RtfReader::flushBytes() {
  if (pendingBytes_.isEmpty()) return;
  const std::optional<QString> decoded = decodeCharset(pendingBytes_, charset_);
  out_.text += decoded ? *decoded : QString::fromLatin1(pendingBytes_);
  pendingBytes_.clear();
}

void RtfReader::finishPicture() {
  const PictureState picture = std::exchange(picture_, PictureState{});
  if (!picture.readable) return;
  const QImage image = QImage::fromData(QByteArray::fromHex(picture.hex));
  if (image.isNull()) return;
  QSizeF shown;
  if (picture.goalWidth > 0 && picture.goalHeight > 0) {
    shown = QSizeF(picture.goalWidth * picture.scaleX / 100 / twipsPerPixel,
                   picture.goalHeight * picture.scaleY / 100 / twipsPerPixel);
  }
  out_.text += RichContent::pictureMark;
  out_.pictures.append({image, shown});
}

}  // namespace

bool looksLikeRtf(const QByteArray& bytes) { return bytes.trimmed().startsWith("{\\rtf"); }

RichContent readRtf(const QByteArray& rtf) { return RtfReader(rtf).read(); }

}  // namespace veldrin
