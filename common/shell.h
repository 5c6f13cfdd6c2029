#pragma once
// Opening documents and addresses and starting other programs: the program uses the desktop's
// services, tests record the calls.
#include <QString>
#include <QStringList>

#include <vector>

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, a web address or a "mailto:" address with its program; true on success.
  virtual bool open(const QString& target) = 0;
  // Starts a program as a new process; true when it started.
  virtual bool start(const QString& program, const QStringList& arguments) = 0;
  // The first of the named programs found on the search path, or empty.
  virtual QString findProgram(const QStringList& names) const = 0;
};

class QtShell : public Shell {
 public:
  bool open(const QString& target) override;
  bool start(const QString& program, const QStringList& arguments) override;
  QString findProgram(const QStringList& names) const override;
};

class RecordedShell : public Shell {
 public:
  bool open(const QString& target) override {
    opened.push_back(target);
    return openResult;
  }
  bool start(const QString& program, const QStringList& arguments) override {
    started.push_back(program + (arguments.isEmpty() ? QString() : " " + arguments.join(' ')));
    return startResult;
  }
  QString findProgram(const QStringList& names) const override {
    for (const QString& n : names)
      if (installed.contains(n)) return "/usr/bin/" + n;
    return {};
  }

  std::vector<QString> opened, started;
  QStringList installed;
  bool openResult = true, startResult = true;
};
