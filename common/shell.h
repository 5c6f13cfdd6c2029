#pragma once
// Opening documents and addresses and starting other programs: the program uses the desktop's
// services, tests record the calls.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// How a started program ended: with its exit status, or stopped by a signal.
struct ProgramVege {
  int kilepesiKod = 0;
  int jelzes = 0;  // the signal that stopped it; 0: it exited
  // In Hungarian: "kilépési kódja 1", "a SIGSEGV (11) jelzés állította le".
  QString leiras() const;
};
// Told of a program that ended soon after its start with a status other than 0 or by a signal.
using KoraiVege = std::function<void(const ProgramVege&)>;

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, a web address or a "mailto:" address with its program; true on success.
  virtual bool open(const QString& target) = 0;
  // Starts a program as a new process; true when it started. With `koraiVege`, a program that
  // ends within the first seconds with a status other than 0, or by a signal, is told to it
  // later, from the event loop; what ends later, or well, is not.
  virtual bool start(const QString& program, const QStringList& arguments, KoraiVege koraiVege = {}) = 0;
  // The first of the named programs found on the search path, or empty.
  virtual QString findProgram(const QStringList& names) const = 0;
};

class QtShell : public Shell {
 public:
  // `figyelesMs`: how long a started program is watched for an early end.
  explicit QtShell(int figyelesMs = 5000) : figyelesMs_(figyelesMs) {}
  bool open(const QString& target) override;
  bool start(const QString& program, const QStringList& arguments, KoraiVege koraiVege = {}) override;
  QString findProgram(const QStringList& names) const override;

 private:
  int figyelesMs_;
};

class RecordedShell : public Shell {
 public:
  bool open(const QString& target) override {
    opened.push_back(target);
    return openResult;
  }
  bool start(const QString& program, const QStringList& arguments, KoraiVege koraiVege = {}) override {
    started.push_back(program + (arguments.isEmpty() ? QString() : " " + arguments.join(' ')));
    watchers.push_back(std::move(koraiVege));
    return startResult;
  }
  QString findProgram(const QStringList& names) const override {
    for (const QString& n : names)
      if (installed.contains(n)) return "/usr/bin/" + n;
    return {};
  }

  std::vector<QString> opened, started;
  // Each start's watcher of an early end (empty when none was given): a test calls it to
  // script how the program ended.
  std::vector<KoraiVege> watchers;
  QStringList installed;
  bool openResult = true, startResult = true;
};
