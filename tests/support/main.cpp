// Test entry point: one QApplication for the whole test program (offscreen in CI).
#include <QApplication>
#include <gtest/gtest.h>

#include "common/forditas.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // The program's own locale settings: every test sees the numbers and texts as the program
  // formats them.
  magyarTerulet();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
