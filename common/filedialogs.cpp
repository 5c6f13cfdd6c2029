#include "common/filedialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

// The dialog's answer as an absolute path; a cancel stays empty.
QString absolute(const QString& path) {
  return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

// The file list's size, type and date columns in the program's language: Qt's file model
// writes them in the machine's language (and its translation lacks "Folder").
class MagyarFajlModell : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    const auto* m = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !m || index.column() < 1 || index.column() > 3)
      return QIdentityProxyModel::data(index, role);
    const QModelIndex forras = mapToSource(index);
    const QFileInfo fi = m->fileInfo(forras);
    const QLocale hu;
    switch (index.column()) {
      case 1: return fi.isFile() ? hu.formattedDataSize(fi.size()) : QString();
      case 2:
        if (fi.isRoot()) return QStringLiteral("Meghajtó");
        if (fi.isDir()) return QStringLiteral("Mappa");
        return QIdentityProxyModel::data(index, role);  // the file type's own name, in the default locale
      default: return hu.toString(fi.lastModified(), QLocale::ShortFormat);
    }
  }
};

// Qt's own dialog (not the desktop's), so that it speaks the program's language.
QString futtat(const QString& title, const QString& folder, const QString& filter, QFileDialog::FileMode mod,
               QFileDialog::AcceptMode elfogad) {
  QFileDialog d(QApplication::activeWindow(), title, folder, filter);
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setProxyModel(new MagyarFajlModell(&d));
  d.setAcceptMode(elfogad);
  d.setFileMode(mod);
  if (mod == QFileDialog::Directory) d.setOption(QFileDialog::ShowDirsOnly);
  if (d.exec() != QDialog::Accepted) return {};
  return absolute(d.selectedFiles().value(0));
}

}  // namespace

QString QtFileDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return futtat(title, folder, filter, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return futtat(title, folder, filter, QFileDialog::AnyFile, QFileDialog::AcceptSave);
}

QString QtFileDialogs::pickFolder(const QString& title, const QString& folder) {
  return futtat(title, folder, {}, QFileDialog::Directory, QFileDialog::AcceptOpen);
}

QString RecordedFileDialogs::answer(const QString& kind, const QString& title, const QString& folder,
                                    const QString& filter) {
  calls.push_back({kind, title, folder, filter});
  if (answers.empty()) return {};
  QString a = answers.front();
  answers.pop_front();
  return a;
}

QString RecordedFileDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return answer(QStringLiteral("open"), title, folder, filter);
}

QString RecordedFileDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return answer(QStringLiteral("save"), title, folder, filter);
}

QString RecordedFileDialogs::pickFolder(const QString& title, const QString& folder) {
  return answer(QStringLiteral("folder"), title, folder, {});
}
