#pragma once
// The result window: four report documents, save, print, open.
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "documents/richcontent.h"
#include "report/reportbook.h"
#include "toolkit/qt/windowtoolkit.h"

class QComboBox;
class QFrame;
class QPushButton;
class QTextEdit;

namespace veldrin {

// The main window, as the result window sees it.
class ResultHost {
 public:
  virtual ~ResultHost() = default;
  virtual QString projectName() const = 0;  // the whole text of Text1
  virtual QImage sectionFigure() = 0;       // the figure dialog's section, drawn for paper (loads it hidden)
  virtual void showMainWindow() = 0;
};

class FrmOut : public QWidget {
  Q_OBJECT
 public:
  static constexpr int maxDocuments = 4;

  static FrmOut* load(ResultHost& host);  // loads the window if it is not loaded
  static FrmOut* loadedInstance();        // nullptr when not loaded

  // The calculation command's hand-over: replaces box 1 by the calculation
  // book (title block, the section figure, the report) and shows the window
  // modeless; doccount, the displayed box and the title stay. Every report
  // gets the figure of the section it was run on.
  void showReport(const ReportBook& book);

  int doccount() const { return doccount_; }  // open documents are boxes 1..doccount
  int displayedBox() const;                   // 0 when no box is displayed

  // The open documents not saved since they were made (a report, or typing
  // into any document), in box order.
  std::vector<int> unsavedDocuments() const;
  // Before the documents go: with any unsaved, asks "结果文档尚未保存,是否保存?";
  // 是 saves each through Save, 否 lets them go, 取消 stays. True when they may go.
  bool mayLeave();

 protected:
  explicit FrmOut(ResultHost& host);
  ~FrmOut() override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  ResultHost& host_;

 private:
  void buildStrip();
  QPushButton* addButton(const char* name, const char* caption, int leftTwips);
  void onClick(QPushButton* button, void (FrmOut::*command)());
  void buildBoxes();
  void buildList();
  void placeWidgets();

  // The commands of the strip and the list.
  void newDocument();
  void openDocument();
  void saveDocument();
  void exportPdf();
  void printDocument();
  void closeDocument();
  void showList();
  void chooseFromList(int position);

  bool saveEachUnsaved();  // false as soon as one is still unsaved (cancelled or failed)
  int openNextDocument();  // New's steps after the limit test; returns the new doccount
  void showLimitMessage();
  void displayBox(int n);  // shows box n and hides the others; 0 hides all
  QString titleOf(int n) const;
  QTextEdit* box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
  QTextEdit* activeBox() const;
  QString proposedFileName() const;
  bool writeDocumentFile(const QString& path, const QByteArray& bytes);
  std::optional<RichContent> readDocumentFile(const QString& path);

  std::array<QTextEdit*, maxDocuments> boxes_{};
  QFrame* strip_ = nullptr;
  QComboBox* list_ = nullptr;
  QPushButton* windowsButton_ = nullptr;
  int doccount_ = 0;
  FileDialogRequest dialog_;  // the one file dialog that Open and Save share
  FileDialogRequest pdfDialog_;
};

}  // namespace veldrin
