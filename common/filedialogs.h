#pragma once
// File dialogs, as one small interface (stand-in with the agreed interface until the shared one
// lands). An empty result is a cancel.
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

class QtFileDialogs : public FileDialogs {
 public:
  QString openFile(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override;
  QString pickFolder(const QString& title, const QString& folder) override;
};

class RecordedFileDialogs : public FileDialogs {
 public:
  QString openFile(const QString& title, const QString& folder, const QString& filter) override {
    return answer("open", title, folder, filter);
  }
  QString saveFile(const QString& title, const QString& folder, const QString& filter) override {
    return answer("save", title, folder, filter);
  }
  QString pickFolder(const QString& title, const QString& folder) override { return answer("folder", title, folder, {}); }

  std::deque<QString> answers;  // popped front per call; empty deque answers "" (cancel)
  struct Call {
    QString kind, title, folder, filter;
  };
  std::vector<Call> calls;  // kind: "open", "save", "folder"

 private:
  QString answer(const QString& kind, const QString& title, const QString& folder, const QString& filter) {
    calls.push_back({kind, title, folder, filter});
    if (answers.empty()) return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
  }
};
