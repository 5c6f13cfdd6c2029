// Entry point of the print-queue tests: the private CUPS scheduler starts before anything in
// the process talks to CUPS (Qt's print support loads on the first printer query and the CUPS
// client library takes CUPS_SERVER once), and stops after the last test.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

#include "printqueue/cupsscheduler.h"

namespace {
CupsScheduler* theScheduler = nullptr;
}

CupsScheduler& cupsScheduler() { return *theScheduler; }

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  ::testing::InitGoogleTest(&argc, argv);
  CupsScheduler scheduler;
  if (!scheduler.start()) std::printf("CUPS scheduler unavailable: %s\n", qPrintable(scheduler.reason()));
  theScheduler = &scheduler;
  QApplication app(argc, argv);
  const int result = RUN_ALL_TESTS();
  scheduler.stop();
  return result;
}
