// The process interface watches a started program for an early end: a program that ends in its
// first seconds with a status other than 0, or by a signal, is told with how it ended; one that
// ends well, or later, is not, and one still running when the watch ends goes on running.
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <optional>

#include "common/shell.h"
#include "support/tempfolder.h"

TEST(QtShellTest, AProgramThatEndsAtOnceWithAnErrorIsToldHowItEnded) {
  TempFolder dir;
  const QString kesobb = dir.file(QStringLiteral("kesobb"));
  const struct {
    QString program;
    QStringList args;
    std::optional<std::pair<int, int>> vart;  // exit status, signal
  } esetek[] = {{QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 3")}, std::pair{3, 0}},
                {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("kill -SEGV $$")}, std::pair{0, 11}},
                {QStringLiteral("true"), {}, std::nullopt},
                {QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"), QStringLiteral("sleep 1.5; touch \"$0\"; exit 5"), kesobb},
                 std::nullopt}};
  QtShell shell(1000);
  std::vector<std::optional<ProgramVege>> tudott(std::size(esetek));
  for (size_t i = 0; i < std::size(esetek); ++i)
    EXPECT_TRUE(shell.start(esetek[i].program, esetek[i].args, [&tudott, i](const ProgramVege& v) { tudott[i] = v; }))
        << i;
  // Past the watch, until the last one has done its work (it was not ended with the watch).
  QDeadlineTimer hatar(8000);
  while (!QFile::exists(kesobb) && !hatar.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 50);
  QApplication::processEvents();
  EXPECT_TRUE(QFile::exists(kesobb));
  for (size_t i = 0; i < std::size(esetek); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(tudott[i].has_value(), esetek[i].vart.has_value());
    if (!tudott[i]) continue;
    EXPECT_EQ(tudott[i]->kilepesiKod, esetek[i].vart->first);
    EXPECT_EQ(tudott[i]->jelzes, esetek[i].vart->second);
  }
  EXPECT_EQ(tudott[0]->leiras(), QStringLiteral("kilépési kódja 3"));
  EXPECT_EQ(tudott[1]->leiras(), QStringLiteral("a SIGSEGV (11) jelzés állította le"));
  // A program that cannot be started is said at once, watched or not.
  for (const QString& p : {dir.file(QStringLiteral("nincs")), QStringLiteral("nincs-ilyen-program")})
    EXPECT_FALSE(shell.start(p, {}, [](const ProgramVege&) {})) << p.toStdString();
}
