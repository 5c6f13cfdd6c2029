#include "printing/receipts/vevenyek.h"

#include "common/printjob.h"

#include <algorithm>
#include <cmath>

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

namespace {
void meretez(PrintJob& j, double szeles, double magas, const std::function<void(PrintJob&)>& elemek) {
  const QSizeF k = j.measure(elemek);
  j.pageWidthTwips(std::max(szeles, std::ceil(k.width())) * kTwipsPerMm);
  j.pageHeightTwips(std::max(magas, std::ceil(k.height())) * kTwipsPerMm);
}
}  // namespace

void fekvoLap(PrintJob& j, const QString& betu, double meret, double szeles, double magas,
              const std::function<void(PrintJob&)>& elemek) {
  j.scaleMillimetres();
  j.fontName(betu.trimmed());
  j.bold(false);
  j.fontSize(meret);
  // The form itself is the page, fed lying: a standing page as wide and high as the form.
  j.orientation(kPortrait);
  meretez(j, szeles, magas, elemek);
}

void lapraFer(PrintJob& j, const std::function<void(PrintJob&)>& elemek) {
  const QSizeF k = j.measure(elemek);
  const double szeles = j.printer().pageWidthMm(), magas = j.printer().pageHeightMm();
  if (k.width() > szeles || k.height() > magas) meretez(j, szeles, magas, elemek);
}

}  // namespace lap
