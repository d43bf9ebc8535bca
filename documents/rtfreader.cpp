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
constexpr int twipsPerColumn = 100;  // a half-width column of the 10-point font

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
      {"tab", QLatin1Char('\t')}, {"emdash", QChar(0x2014)},
      {"endash", QChar(0x2013)},  {"bullet", QChar(0x2022)},   {"lquote", QChar(0x2018)},
      {"rquote", QChar(0x2019)},  {"ldblquote", QChar(0x201C)}, {"rdblquote", QChar(0x201D)},
      {"emspace", QChar(0x2003)}, {"enspace", QChar(0x2002)},  {"qmspace", QChar(0x2005)}};
  return words;
}

bool isParagraphWord(const QByteArray& word) { return word == "par" || word == "line" || word == "sect" || word == "page"; }

// The table being read: rows are gathered between \trowd and \row, cells
// end with \cell; the paragraph's alignment (\qr) is the cell's.
struct TableState {
  bool open = false;   // a table stands at the end of the text
  bool inRow = false;  // between \trowd and \row
  bool headerRow = false;
  int indent = 0;  // twips (\trleft)
  int gap = 0;     // twips each side of a cell's text (\trgaph)
  QList<int> edges;  // the cells' right edges (\cellx)
  QList<int> columnRoom;  // half-width columns of each cell of the last row
  QString cell;
  QStringList row;
  QList<Qt::Alignment> alignments;
};

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
  QString& sink() { return table_.inRow ? table_.cell : out_.text; }
  void tableWord(const QByteArray& name, int number);
  void startRow();
  void endCell();
  void endRow();
  void closeTable();
  void finishTable();
  void endParagraph();

  const QByteArray& in_;
  qsizetype pos_ = 0;
  QVector<GroupState> groups_;
  RichContent out_;
  QByteArray pendingBytes_;  // \'hh bytes of one run, decoded together (double-byte pages)
  const char* charset_ = "CP1252";
  int fallbackLeft_ = 0;
  bool starred_ = false;
  PictureState picture_;
  TableState table_;
  bool centred_ = false;  // the paragraph's alignment is \qc
  bool rightAligned_ = false;
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
  if (std::exchange(table_.open, false)) finishTable();  // a table at the document's end
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
    endParagraph();
  } else if (name == "trowd" || name == "trhdr" || name == "trleft" || name == "trgaph" || name == "cellx" ||
             name == "cell" || name == "row") {
    tableWord(name, number);
  } else if (name == "pard" || name == "ql" || name == "qc" || name == "qr" || name == "qj") {
    centred_ = name == "qc";
    rightAligned_ = name == "qr";
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
  character(QLatin1Char(c));
}

void RtfReader::ansiByte(char byte) {
  if (group().hidden || skipsFallback()) return;
  pendingBytes_ += byte;
}

void RtfReader::character(QChar c) {
  if (group().hidden) return;
  flushBytes();
  fallbackLeft_ = 0;
  if (c == RichContent::pictureMark || c == RichContent::tableMark) return;  // only this reader places them
  if (!table_.inRow) closeTable();
  sink() += c;
}

// A paragraph mark: the title when it ends a centred first paragraph.
void RtfReader::endParagraph() {
  flushBytes();
  if (table_.inRow) {
    table_.cell += QLatin1Char(' ');  // a cell's paragraphs on one line
    return;
  }
  if (centred_ && !out_.text.isEmpty() && !out_.text.contains(QLatin1Char('\n')) && out_.tables.isEmpty()) {
    out_.titled = true;
  }
  character(QLatin1Char('\n'));
}

void RtfReader::tableWord(const QByteArray& name, int number) {
  flushBytes();
  if (name == "trowd") startRow();
  else if (name == "trhdr") table_.headerRow = true;
  else if (name == "trleft") table_.indent = number;
  else if (name == "trgaph") table_.gap = number;
  else if (name == "cellx") table_.edges << number;
  else if (name == "cell" && table_.inRow) endCell();
  else if (name == "row" && table_.inRow) endRow();
}

void RtfReader::startRow() {
  if (table_.inRow) return;  // a row's definition given twice
  table_.inRow = true;
  table_.headerRow = false;
  table_.indent = table_.gap = 0;
  table_.edges.clear();
  table_.cell.clear();
  table_.row.clear();
  table_.alignments.clear();
}

void RtfReader::endCell() {
  table_.row << table_.cell.trimmed();
  table_.alignments << (rightAligned_ ? Qt::AlignRight : Qt::AlignLeft);
  table_.cell.clear();
}

// A row of other columns, or a title row after the body, starts a new table,
// in a paragraph of its own.
void RtfReader::endRow() {
  table_.inRow = false;
  const bool sameTable = table_.open && !out_.tables.isEmpty() &&
                         out_.tables.last().columnCount() == table_.row.size() &&
                         !(table_.headerRow && out_.tables.last().headerRows < out_.tables.last().rows.size());
  if (!sameTable) {
    closeTable();
    if (!out_.text.isEmpty() && !out_.text.endsWith(QLatin1Char('\n'))) out_.text += QLatin1Char('\n');
    out_.text += RichContent::tableMark;
    out_.tables.append(RichTable{});
    out_.tables.last().indent = table_.indent / static_cast<int>(twipsPerColumn);
    table_.open = true;
  }
  RichTable& table = out_.tables.last();
  table.rows << table_.row;
  table_.columnRoom.clear();
  for (qsizetype c = 0; c < table_.edges.size(); ++c) {
    const int left = c == 0 ? table_.indent : table_.edges[c - 1];
    table_.columnRoom << std::max(0, (table_.edges[c] - left - 2 * table_.gap) / twipsPerColumn);
  }
  if (table_.headerRow && table.headerRows == table.rows.size() - 1) ++table.headerRows;
  table.alignments = table_.alignments;
}

// The paragraph after a table; an empty column keeps the room it was given.
void RtfReader::closeTable() {
  if (!std::exchange(table_.open, false)) return;
  finishTable();
  out_.text += QLatin1Char('\n');
}

void RtfReader::finishTable() {
  RichTable& table = out_.tables.last();
  for (int c = 0; c < table.columnCount(); ++c) {
    bool empty = table.rows.size() > table.headerRows;
    for (int r = table.headerRows; r < table.rows.size(); ++r) empty = empty && table.rows[r].value(c).isEmpty();
    table.minColumns << (empty ? table_.columnRoom.value(c) : 0);
  }
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
  const QString text = decoded ? *decoded : QString::fromLatin1(pendingBytes_);
  pendingBytes_.clear();
  if (!table_.inRow) closeTable();
  sink() += text;
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
  if (table_.inRow) return;  // a table's cells hold text only
  closeTable();
  out_.text += RichContent::pictureMark;
  out_.pictures.append({image, shown});
}

}  // namespace

bool looksLikeRtf(const QByteArray& bytes) { return bytes.trimmed().startsWith("{\\rtf"); }

RichContent readRtf(const QByteArray& rtf) { return RtfReader(rtf).read(); }

}  // namespace veldrin
