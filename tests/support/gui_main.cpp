// Widget tests run headless on the offscreen platform.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // QApplication adopts the user locale; numbers use the full stop
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
