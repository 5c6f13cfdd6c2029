#pragma once
// A private CUPS scheduler for one test run: cupsd in a temporary folder (configuration, spool,
// cache, state and logs there, filters and data the system's), listening only on a socket in
// that folder, with one cups-pdf queue as its default. The process's CUPS_SERVER points at the
// socket, so the client library, Qt's print support and lp* commands talk to it and never to
// the machine's own scheduler. Start it before anything in the process talks to CUPS.
#include <QDateTime>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class CupsScheduler {
 public:
  static inline const QString kQueue = QStringLiteral("lavindor-teszt");

  CupsScheduler() = default;
  ~CupsScheduler() { stop(); }
  CupsScheduler(const CupsScheduler&) = delete;
  CupsScheduler& operator=(const CupsScheduler&) = delete;

  // Starts the scheduler and adds the queue; false with reason() when it cannot.
  bool start();
  void stop();
  bool running() const { return running_; }
  QString reason() const { return reason_; }

  // An lp* command run against this scheduler; its output, or none when it failed.
  bool command(const QString& program, const QStringList& args, QString* output = nullptr) const;
  // Stops (cupsdisable) or starts (cupsenable) the queue.
  bool setEnabled(bool enabled) const;
  // Job ids of the queue's jobs in `which` state ("not-completed" or "completed").
  QStringList jobs(const QString& which) const;
  // Waits (bounded) until the queue has no job left to process; false on timeout.
  bool waitIdle(int timeoutMs = 60000) const;

  // The folder cups-pdf writes the jobs of the current user into, as its configuration names it.
  static QString outputFolder();
  // The newest PDF in the output folder modified at or after `since`, once its size has
  // settled; empty when none appears within the timeout.
  static QString newPdf(const QDateTime& since, int timeoutMs = 30000);

  // Tail of the scheduler's error log (for failure messages).
  QString log() const;

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QProcess> cupsd_;
  bool running_ = false;
  QString reason_;
};
