#include "common/forditas.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool qtForditasBetoltese(QTranslator& t) {
  if (!t.load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  return QCoreApplication::installTranslator(&t);
}
