#pragma once
// Files of fixed-length records in the program folder. Record numbers count from 1; the
// record count is the file length divided by the record length (a trailing partial record
// is ignored). A missing file is created empty when opened.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>

#include "common/fields.h"

// Full path of a record file in the program folder. File names are matched without regard to
// case, so "set.dat" finds an existing "Set.dat" (files copied from a case-blind system).
QString dataPath(const QString& folder, const QString& name);

class RecordFile {
 public:
  RecordFile(const QString& folder, const QString& name, int recordLength);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // False when the file could be neither opened nor created; reads then give zeros.
  bool isOpen() const { return file_.isOpen(); }
  bool isWritable() const { return writable_; }
  QString path() const { return file_.fileName(); }
  QString errorText() const { return error_; }

  int32_t count() const;
  // Bytes of record n; the part beyond the end of the file reads as zeros.
  QByteArray readBytes(int32_t n);
  // Writes record n (extending the file when n is count + 1); false on failure.
  bool writeBytes(int32_t n, const QByteArray& bytes);
  bool appendBytes(const QByteArray& bytes) { return writeBytes(count() + 1, bytes); }
  // Reads records [first, first + n) in one go (fast list loading); zeros beyond the end.
  QByteArray readRange(int32_t first, int32_t n);
  bool flush();
  void close();

  template <class R>
  void read(int32_t n, R& r) {
    decodeRecord(readBytes(n), r);
  }
  template <class R>
  R read(int32_t n) {
    R r{};
    read(n, r);
    return r;
  }
  template <class R>
  bool write(int32_t n, const R& r) {
    return writeBytes(n, encodeRecord(r));
  }
  template <class R>
  bool append(const R& r) {
    return appendBytes(encodeRecord(r));
  }

 private:
  QFile file_;
  int len_;
  bool writable_ = false;
  QString error_;
};

// Settings files use record 1 only. Loading ignores errors (a missing or short file reads as
// zeros); saving reports whether the record reached the disk.
template <class R>
void loadSettings(const QString& folder, const QString& name, R& r) {
  RecordFile f(folder, name, R::Length);
  f.read(1, r);
}
template <class R>
bool saveSettings(const QString& folder, const QString& name, const R& r) {
  RecordFile f(folder, name, R::Length);
  return f.write(1, r) && f.flush();
}

// Read-modify-write of a settings record: reads record 1 into `r`, lets `change` set the
// caller's own fields, writes record 1 back. Fields owned by others keep their bytes.
template <class R, class Change>
bool modifySettings(const QString& folder, const QString& name, R& r, Change change) {
  RecordFile f(folder, name, R::Length);
  f.read(1, r);
  change(r);
  return f.write(1, r) && f.flush();
}

// Removes record n of a list file: the other records, in order, are copied into the temporary
// file (started empty), which is flushed and then replaces the list file by one rename. On any
// failure the list file stays as it was, the temporary file is removed, and the reason is
// returned in `error` (Hungarian, for a message box).
bool deleteRecord(const QString& folder, const QString& name, const QString& tempName,
                  int recordLength, int32_t n, QString* error = nullptr);
