#include "common/forditas.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

bool qtForditasBetoltese(QTranslator& t) {
  if (!t.load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  return QCoreApplication::installTranslator(&t);
}

void magyarTerulet() {
  QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
  // The application took the machine's locale for the C library; numbers stay in the C form.
  std::setlocale(LC_NUMERIC, "C");
}
