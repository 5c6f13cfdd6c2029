#pragma once
// A fresh, empty program folder for one test, removed afterwards.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TempFolder {
 public:
  TempFolder() : dir_(QDir::tempPath() + "/lavindor-test-XXXXXX") {}
  // In another base folder, e.g. /dev/shm for tests that write a lot.
  explicit TempFolder(const QString& base) : dir_(base + "/lavindor-test-XXXXXX") {}
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QByteArray bytes(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void put(const QString& name, const QByteArray& content) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(content);
  }
  bool exists(const QString& name) const { return QFile::exists(file(name)); }
  QStringList entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

 private:
  QTemporaryDir dir_;
};

// Hex dump "48 e8 01 00" of a byte range, for readable byte assertions.
inline QString hex(const QByteArray& b, int from = 0, int count = -1) {
  const QByteArray part = b.mid(from, count);
  return QString::fromLatin1(part.toHex(' '));
}
