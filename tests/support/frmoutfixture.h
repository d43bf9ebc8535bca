#pragma once
// The result window under test: a fake main window (project name, figure,
// "show main window" count), the scripted toolkit, and helpers that press
// the window's buttons by their names.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include "results/frmout.h"
#include "support/faketoolkit.h"

namespace veldrin::testing {

inline const QString prefix = QString::fromUtf8("檩条计算结果显示----");
inline const QString project = QString::fromUtf8("****工程墙(屋)面檁条计算");
inline const QString report = QString::fromUtf8("****工程墙(屋)面檁条计算\r\n一、已知条件:\r\n    檩条跨度 L＝6 m\r\n");
inline const std::string limitMessage = "打开文档数目超过4个,请关闭部分文档再打开新文档!";

class FakeHost : public ResultHost {
 public:
  QString name = project;
  QImage figure;
  int figureReads = 0;
  int mainWindowShown = 0;

  QString projectName() const override { return name; }
  QImage sectionFigure() override {
    ++figureReads;
    return figure;
  }
  void showMainWindow() override { ++mainWindowShown; }
};

// A report without a title block: the window shows the figure, then the text.
inline ReportBook bookOf(const QString& report) {
  ReportBook book;
  book.report = report.toStdString();
  return book;
}

inline QImage testFigure() {
  QImage image(48, 36, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.drawRect(4, 4, 30, 20);
  return image;
}

inline QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FrmOutTest : public ::testing::Test {
 protected:
  FakeToolkit toolkit;
  FakeHost host;
  FrmOut* window = nullptr;
  QTemporaryDir dir;

  void SetUp() override {
    host.figure = testFigure();
    window = FrmOut::load(host);
  }
  void TearDown() override {
    if (FrmOut* loaded = FrmOut::loadedInstance()) loaded->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
  void press(const char* name) const { button(name)->click(); }
  void pressTimes(const char* name, int times) const {
    for (int i = 0; i < times; ++i) press(name);
  }
  QTextEdit* box(int n) const { return window->findChild<QTextEdit*>(QStringLiteral("RichTextBox%1").arg(n)); }
  QComboBox* list() const { return window->findChild<QComboBox*>("Combo1"); }
  QStringList listEntries() const {
    QStringList entries;
    for (int i = 0; i < list()->count(); ++i) entries << list()->itemText(i);
    return entries;
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  void saveAs(const QString& file, int filterIndex) {
    toolkit.saveAnswers.push_back({file, filterIndex});
    press("Cmdsave");
  }
  void open(const QString& file) {
    toolkit.openAnswers.push_back({file, 1});
    press("Cmdopen");
  }
};

}  // namespace veldrin::testing
