// Builds a postcode table from its CSV source:
//   postcodegen telepulesek Telepulesek.csv Telepulesek.dat
//   postcodegen budapest Budapest.csv Budapest.dat
// A bad line ends the run with a non-zero status and a message naming the line; the output
// file is then removed, so no stale or partial table is installed.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include "postcodecsv.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  QTextStream err(stderr);
  if (args.size() != 4) {
    err << "Használat: postcodegen telepulesek|budapest <forrás.csv> <tábla.dat>\n";
    return 2;
  }
  QString error;
  const int n = postcode::build(args[1], args[2], args[3], &error);
  if (n < 0) {
    QFile::remove(args[3]);
    err << "HIBA: " << error << '\n';
    return 1;
  }
  QTextStream(stdout) << args[3] << ": " << n << " rekord\n";
  return 0;
}
