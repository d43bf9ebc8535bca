// The desktop program: the main window is the first and home window.
#include <QApplication>
#include <clocale>
#include <csignal>

#include "input/qt/frmmain.h"
#include "input/qt/songfont.h"
#include "toolkit/qt/qtlanguage.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // A save past a file-size limit fails like one to a full disk, with its
  // message, instead of the signal ending the program and losing the case.
  std::signal(SIGXFSZ, SIG_IGN);
  // QApplication takes the user's locale on Unix; the number rules and the
  // report's number text always use "." as the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  veldrin::installQtChinese();  // without it Qt's dialogs stay in English
  QApplication::setFont(veldrin::songFont(10.5));
  veldrin::FrmMain window;
  window.show();
  return app.exec();
}
