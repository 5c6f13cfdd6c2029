#pragma once
// What the windows get of the platform: the program folder, the current printer, message
// boxes, file dialogs, the desktop shell and the clock. The program hands in Qt
// implementations; tests hand in recording ones and a temporary folder. Nothing here is global.
#include <QDate>
#include <QString>

#include <functional>

class Printer;
class MessageBoxes;
class Shell;
class PrintDialogs;
class FileDialogs;

// Whether `path` (a file or a folder) may be written: 0, or the system's error (EROFS, EACCES,
// EPERM, ENOENT for a missing one, ...).
int irasProba(const QString& path);

struct Platform {
  QString folder;  // the program folder: every record file, picture and lookup file is here
  Printer* printer = nullptr;
  MessageBoxes* messages = nullptr;
  Shell* shell = nullptr;  // opening documents and addresses, starting programs
  PrintDialogs* printDialog = nullptr;
  FileDialogs* fileDialogs = nullptr;
  std::function<QDate()> today = [] { return QDate::currentDate(); };
  // The check of what may be written, asked at start-up; tests hand in their own.
  std::function<int(const QString&)> irhato = irasProba;
};
