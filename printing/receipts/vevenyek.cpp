#include "printing/receipts/vevenyek.h"

#include "common/printjob.h"

namespace lap {

QString szokozNelkul(const QString& s) {
  qsizetype a = 0, b = s.size();
  while (a < b && s[a] == u' ') ++a;
  while (b > a && s[b - 1] == u' ') --b;
  return s.mid(a, b - a);
}

void alloLap(PrintJob& j, const QString& betu, double meret, int papir) {
  j.scaleMillimetres();
  j.fontName(betu.trimmed());
  j.bold(false);
  j.paperSize(papir);
  j.fontSize(meret);
  j.orientation(kLandscape);
}

void fekvoLap(PrintJob& j, const QString& betu, double meret, double szeles, double magas) {
  j.scaleMillimetres();
  j.fontName(betu.trimmed());
  j.bold(false);
  j.fontSize(meret);
  j.pageWidthTwips(szeles * kTwipsPerMm);
  j.pageHeightTwips(magas * kTwipsPerMm);
}

}  // namespace lap
