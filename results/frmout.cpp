#include "results/frmout.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "documents/reportdocument.h"
#include "documents/reportfont.h"
#include "results/frmouttexts.h"
#include "toolkit/qt/guardedcommand.h"

namespace veldrin {

namespace {

FrmOut* theWindow = nullptr;

// The window is laid out in twips, 15 to a pixel on a 96-per-inch screen.
constexpr int px(int twips) { return (twips + 7) / 15; }

constexpr int clientWidth = 13580, clientHeight = 9690;  // room for the PDF button after Exit
constexpr int stripHeight = 615;
constexpr int buttonTop = 120, buttonWidth = 975, buttonHeight = 495, pdfButtonWidth = 1215;
constexpr int boxTop = 720, boxRightGap = 15;  // the boxes span the window
constexpr int firstBoxGap = 45, otherBoxGap = 75;  // box 1 is 8925 high, boxes 2 to 4 are 8895
constexpr int listLeft = 8760, listTop = 600, listWidth = 975;

}  // namespace

FrmOut* FrmOut::load(ResultHost& host) {
  if (!theWindow) theWindow = new FrmOut(host);
  return theWindow;
}

FrmOut* FrmOut::loadedInstance() { return theWindow; }

FrmOut::FrmOut(ResultHost& host) : host_(host) {
  setObjectName("frmout");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(frmouttext::designTitle));
  buildBoxes();  // first, so box 1 leads the tab order and takes the focus
  buildStrip();
  buildList();
  resize(px(clientWidth), px(clientHeight));
  placeWidgets();  // a hidden window gets its first resize event only when shown
  doccount_ = 1;
  list_->addItem(QString::fromUtf8(frmouttext::firstEntry));
}

FrmOut::~FrmOut() {
  if (theWindow == this) theWindow = nullptr;
}

void FrmOut::buildBoxes() {
  for (int n = 1; n <= maxDocuments; ++n) {
    auto* edit = new QTextEdit(this);
    edit->setObjectName(QStringLiteral("RichTextBox%1").arg(n));
    edit->setFont(reportFont());
    edit->setVisible(n == 1);
    boxes_[static_cast<std::size_t>(n - 1)] = edit;
  }
  box(1)->setFocus();
}

void FrmOut::buildStrip() {
  strip_ = new QFrame(this);
  strip_->setObjectName("Toolbar1");
  strip_->setFrameShape(QFrame::Panel);
  strip_->setFrameShadow(QFrame::Raised);
  onClick(addButton("Cmdnew", frmouttext::captionNew, 240), &FrmOut::newDocument);
  onClick(addButton("Cmdopen", frmouttext::captionOpen, 1940), &FrmOut::openDocument);
  onClick(addButton("Cmdsave", frmouttext::captionSave, 3640), &FrmOut::saveDocument);
  onClick(addButton("Cmdprint", frmouttext::captionPrint, 5340), &FrmOut::printDocument);
  onClick(addButton("cmdclose", frmouttext::captionClose, 7040), &FrmOut::closeDocument);
  windowsButton_ = addButton("cmdwindows", frmouttext::captionWindows, 8760);
  windowsButton_->installEventFilter(this);  // the list opens on mouse-down, not on click
  connect(addButton("cmdexit", frmouttext::captionExit, 10440), &QPushButton::clicked, this, &QWidget::close);
  QPushButton* pdf = addButton("Cmdpdf", frmouttext::captionPdf, 12140);
  pdf->resize(px(pdfButtonWidth), pdf->height());
  onClick(pdf, &FrmOut::exportPdf);
}

// No exception leaves a command: it would end the program and lose the documents.
void FrmOut::onClick(QPushButton* button, void (FrmOut::*command)()) {
  connect(button, &QPushButton::clicked, this, guarded([this, command] { (this->*command)(); }));
}

QPushButton* FrmOut::addButton(const char* name, const char* caption, int leftTwips) {
  auto* button = new QPushButton(QString::fromUtf8(caption), strip_);
  button->setObjectName(name);
  button->setGeometry(px(leftTwips), px(buttonTop), px(buttonWidth), px(buttonHeight));
  return button;
}

void FrmOut::buildList() {
  list_ = new QComboBox(this);
  list_->setObjectName("Combo1");
  list_->hide();
  connect(list_, &QComboBox::activated, this, &FrmOut::chooseFromList);
}

void FrmOut::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeWidgets();
}

// The strip and the boxes follow the window's size; buttons and list keep their places.
void FrmOut::placeWidgets() {
  strip_->setGeometry(0, 0, width(), px(stripHeight));
  for (int n = 1; n <= maxDocuments; ++n) {
    const int gap = px(n == 1 ? firstBoxGap : otherBoxGap);
    box(n)->setGeometry(0, px(boxTop), width() - px(boxRightGap), std::max(height() - px(boxTop) - gap, 0));
  }
  list_->setGeometry(px(listLeft), px(listTop), px(listWidth), list_->sizeHint().height());
}

void FrmOut::showReport(const ReportBook& book) {
  // Placed whole: the box's own plain-text setter would give the new text
  // the format of a picture standing at the caret.
  placeReport(*box(1)->document(), bookContent(book, host_.sectionFigure()));
  box(1)->document()->setModified(true);  // made, not yet saved
  box(1)->moveCursor(QTextCursor::Start);
  show();
  raise();
  activateWindow();
}

int FrmOut::displayedBox() const {
  for (int n = 1; n <= maxDocuments; ++n) {
    if (!box(n)->isHidden()) return n;
  }
  return 0;
}

void FrmOut::displayBox(int n) {
  for (int i = 1; i <= maxDocuments; ++i) box(i)->setVisible(i == n);
}

QString FrmOut::titleOf(int n) const {
  const QString prefix = QString::fromUtf8(frmouttext::titlePrefix);
  if (n == 1) return prefix + host_.projectName();
  return prefix + QString::fromUtf8(frmouttext::untitledStem) + QString::number(n);
}

void FrmOut::showLimitMessage() {
  WindowToolkit::current().messageBox(frmouttext::limitMessage, "", MessageIcon::None);
}

void FrmOut::newDocument() {
  if (doccount_ >= maxDocuments) {
    showLimitMessage();
    return;
  }
  openNextDocument();
}

int FrmOut::openNextDocument() {
  const int n = ++doccount_;
  displayBox(n);
  setWindowTitle(titleOf(n));
  // Document 1 opened again after all were closed is listed by its first name.
  list_->addItem(n == 1 ? QString::fromUtf8(frmouttext::firstEntry)
                        : QString::fromUtf8(frmouttext::untitledStem) + QString::number(n));
  return n;
}

void FrmOut::closeDocument() {
  if (doccount_ == 0) return;
  --doccount_;
  displayBox(doccount_);
  setWindowTitle(doccount_ == 0 ? QString::fromUtf8(frmouttext::noDocumentTitle)
                                : QString::fromUtf8(frmouttext::titlePrefix) +
                                      QString::fromUtf8(frmouttext::untitledStem) + QString::number(doccount_));
}

bool FrmOut::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowsButton_ && event->type() == QEvent::MouseButtonPress) showList();
  return QWidget::eventFilter(watched, event);
}

void FrmOut::showList() {
  list_->show();
  list_->raise();  // it hangs over the strip's lower edge
}

// Positions 0 to 3 stand for boxes 1 to 4, open or closed; later ones for none.
void FrmOut::chooseFromList(int position) {
  if (position < 0 || position >= maxDocuments) return;
  displayBox(position + 1);
  setWindowTitle(titleOf(position + 1));
  list_->hide();
}

std::vector<int> FrmOut::unsavedDocuments() const {
  std::vector<int> unsaved;
  for (int n = 1; n <= doccount_; ++n) {
    if (box(n)->document()->isModified()) unsaved.push_back(n);
  }
  return unsaved;
}

bool FrmOut::mayLeave() {
  if (unsavedDocuments().empty()) return true;
  const Answer answer = WindowToolkit::current().ask(frmouttext::unsavedQuestion, frmouttext::questionTitle);
  if (answer == Answer::Cancel) return false;
  return answer == Answer::No || saveEachUnsaved();
}

// Each shown in turn, so the Save dialog is seen beside the document it writes.
bool FrmOut::saveEachUnsaved() {
  for (int n : unsavedDocuments()) {
    displayBox(n);
    setWindowTitle(titleOf(n));
    runGuarded([this] { saveDocument(); });
    if (box(n)->document()->isModified()) return false;
  }
  return true;
}

// Exit and the frame's close both unload, once nothing unsaved is in the way.
void FrmOut::closeEvent(QCloseEvent* event) {
  if (!mayLeave()) {
    event->ignore();
    return;
  }
  event->accept();
  if (theWindow == this) theWindow = nullptr;
  host_.showMainWindow();
}

}  // namespace veldrin
