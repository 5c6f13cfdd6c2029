#include "common/recordfile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

QString dataPath(const QString& folder, const QString& name) {
  QDir dir(folder);
  const QString exact = dir.filePath(name);
  if (QFileInfo::exists(exact)) return exact;
  const QStringList all = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& f : all)
    if (f.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(f);
  return exact;
}

RecordFile::RecordFile(const QString& folder, const QString& name, int recordLength)
    : file_(dataPath(folder, name)), len_(recordLength) {
  if (file_.open(QIODevice::ReadWrite)) {
    writable_ = true;
  } else if (file_.open(QIODevice::ReadOnly)) {
    error_ = QStringLiteral("A(z) %1 fájl nem írható.").arg(name);
  } else {
    error_ = QStringLiteral("A(z) %1 fájl nem nyitható meg: %2").arg(name, file_.errorString());
  }
}

RecordFile::~RecordFile() { close(); }

int32_t RecordFile::count() const {
  if (!file_.isOpen()) return 0;
  return static_cast<int32_t>(file_.size() / len_);
}

QByteArray RecordFile::readBytes(int32_t n) { return readRange(n, 1); }

QByteArray RecordFile::readRange(int32_t first, int32_t n) {
  const qint64 want = qint64(len_) * n;
  QByteArray out;
  if (first >= 1 && n > 0 && file_.isOpen() && file_.seek(qint64(first - 1) * len_)) {
    out = file_.read(want);
  }
  if (out.size() < want) out.append(QByteArray(want - out.size(), '\0'));
  return out;
}

bool RecordFile::writeBytes(int32_t n, const QByteArray& bytes) {
  if (!writable_ || n < 1 || bytes.size() != len_) {
    if (error_.isEmpty()) error_ = QStringLiteral("A(z) %1 fájl nem írható.").arg(QFileInfo(file_).fileName());
    return false;
  }
  const qint64 at = qint64(n - 1) * len_;
  // Writing past the end would leave a gap of undefined bytes: fill it with zero records.
  if (at > file_.size()) {
    if (!file_.resize(at)) return false;
  }
  // Flushed at once, so another handler opening the same file sees the record.
  if (!file_.seek(at) || file_.write(bytes) != bytes.size() || !file_.flush()) {
    error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2").arg(QFileInfo(file_).fileName(), file_.errorString());
    return false;
  }
  return true;
}

bool RecordFile::flush() {
  if (!file_.isOpen()) return false;
  if (!file_.flush()) return false;
  return ::fsync(file_.handle()) == 0;
}

void RecordFile::close() {
  if (file_.isOpen()) file_.close();
}

bool deleteRecord(const QString& folder, const QString& name, const QString& tempName,
                  int recordLength, int32_t n, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const QString listPath = dataPath(folder, name);
  const QString tempPath = QDir(folder).filePath(tempName);
  QByteArray all;
  {
    RecordFile list(folder, name, recordLength);
    if (!list.isOpen()) return fail(list.errorText());
    all = list.readRange(1, list.count());
  }
  const int32_t count = int32_t(all.size() / recordLength);
  QByteArray kept;
  kept.reserve(all.size());
  for (int32_t i = 1; i <= count; ++i)
    if (i != n) kept.append(all.constData() + qint64(i - 1) * recordLength, recordLength);

  QFile temp(tempPath);
  // The temporary file starts empty: a leftover from an interrupted run is discarded.
  if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return fail(QStringLiteral("Az ideiglenes %1 fájl nem hozható létre.").arg(tempName));
  const bool written = temp.write(kept) == kept.size() && temp.flush() && ::fsync(temp.handle()) == 0;
  temp.close();
  if (!written) {
    QFile::remove(tempPath);
    return fail(QStringLiteral("Hiba az ideiglenes %1 fájl írásakor.").arg(tempName));
  }
  if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(listPath).constData()) != 0) {
    QFile::remove(tempPath);
    return fail(QStringLiteral("A(z) %1 fájl nem cserélhető le.").arg(name));
  }
  return true;
}
