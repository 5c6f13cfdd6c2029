#pragma once
// File dialogs, as one small interface: the program shows Qt's file dialog, tests answer from a
// script and record what was asked. An empty result is a cancel.
#include <QString>

#include <deque>
#include <vector>

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Each returns the chosen absolute path, or an empty string when the user cancelled.
  virtual QString openFile(const QString& title, const QString& folder, const QString& filter) = 0;
  virtual QString saveFile(const QString& title, const QString& folder, const QString& filter) = 0;
  virtual QString pickFolder(const QString& title, const QString& folder) = 0;
};

// QFileDialog over the active window.
class QtFileDialogs : public FileDialogs {
 public:
  QString openFile(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override;
  QString pickFolder(const QString& title, const QString& folder) override;
};

// Records every call; answers from a script, then "" (a cancel).
class RecordedFileDialogs : public FileDialogs {
 public:
  QString openFile(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override;
  QString pickFolder(const QString& title, const QString& folder) override;

  std::deque<QString> answers;  // popped front per call; empty deque answers "" (cancel)
  struct Call {
    QString kind, title, folder, filter;
  };
  std::vector<Call> calls;  // kind: "open", "save", "folder"

 private:
  QString answer(const QString& kind, const QString& title, const QString& folder, const QString& filter);
};
