// The label page's pictures: the blank sheet under the position boxes with the saved grid, and
// one label with the five lines where and in the size they print.
#include <QLabel>
#include <QPainter>

#include "common/mmkep.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "printing/envelopes/cimkelap.h"

bool CimkeLap::showPicture(Tajolas) {
  const QImage papir(dataPath(platform_.folder, QStringLiteral("cimkekep.jpg")));
  racs->setPaper(papir);
  return !papir.isNull();
}

double CimkeLap::sorMeret(int i) const {
  if (!betuValasztas) return 12;
  const double m = leadingValue(betuValasztas(i).second);
  return m > 0 && m < 1000 ? m : 12;
}

void CimkeLap::ivFrissit() {
  // The sheet as wide and high as the boxes' grid with its gaps: box 1's pitch times the counts.
  const QRect b = twips_[1];
  racs->setSetup(cimkeSetup_, cimkeSetup_.Oszlop >= 1 && cimkeSetup_.Sor >= 1
                                  ? QSizeF(cimkeSetup_.Oszlop * (b.width() + 8.0), cimkeSetup_.Sor * (b.height() + 20.0))
                                  : QSizeF());
  // A label not yet set up shows as a label of the default two by six sheet.
  const double szeles = cimkeSetup_.Szeles.value() > 0 ? cimkeSetup_.Szeles.value() : 105;
  const double magas = cimkeSetup_.Magas.value() > 0 ? cimkeSetup_.Magas.value() : 49.5;
  Picture2->setForm(szeles, magas);
  QImage cimke(int(szeles * 4), int(magas * 4), QImage::Format_RGB32);
  cimke.fill(Qt::white);
  {
    QPainter p(&cimke);
    p.setPen(QPen(QColor(0xA0, 0xA8, 0xB8), 3));
    p.drawRect(cimke.rect().adjusted(1, 1, -2, -2));
  }
  Picture2->setPreview(cimke);
  // The lines from the first line's place, each one line of its size below the one before,
  // as the label printers step them.
  double y = cimkeSetup_.Top.value();
  const double x = cimkeSetup_.Left.value();
  const std::array<QLabel*, 5> sorok = elonezetSorok();
  for (size_t i = 0; i < sorok.size(); ++i) {
    const double pt = sorMeret(int(i));
    const double sor = RecordingPrinter::kLineMmPerPoint * pt;
    Picture2->place(sorok[i], {x, y, std::max(1.0, szeles - x - 1), sor}, pt);
    y += sor;
  }
}
