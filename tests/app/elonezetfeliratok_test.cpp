// Every caption laid over a form picture is at least one line of its font high, so that the
// accents over capitals ("Ő", "Ú") show whole: on every page, on a 2 x 6 and a 4 x 10 label
// sheet.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTabWidget>

#include "ablakfixture.h"
#include "common/mmkep.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/envelopes/cimkerekordok.h"

TEST_F(AblakTest, PreviewCaptionsAreALineHigh) {
  folder.put(kNevekFile, fizetokFajl({{"Őszi Júlia", "Érd", "Őz utca 9.", "2030"}}));
  for (auto [oszlop, sor, szeles, magas] : {std::tuple{2, 6, 105.0, 49.5}, {4, 10, 52.5, 29.7}}) {
    SCOPED_TRACE(oszlop * sor);
    CimkeSetupRekord s{Fixed::fromDouble(magas), Fixed::fromDouble(szeles), Fixed::fromDouble(5),
                       Fixed::fromDouble(5), int16_t(oszlop), int16_t(sor), 0};
    folder.put(kCimkeSetupFile, encodeRecord(s));
    auto w = indit();
    w->resize(1440, 711);
    w->show();
    w->ListView1_ItemClick(0);
    w->SSTab1->setCurrentIndex(kLapCimke);
    w->cimkeLap->chkCimke1[1]->setValue(1);
    int feliratok = 0;
    bool cimkeNev = false;  // the label page's enlarged label shows the payer
    for (int lap = 0; lap < 8; ++lap) {
      w->SSTab1->setCurrentIndex(lap);
      QApplication::processEvents();
      for (MmKep* k : w->SSTab1->widget(lap)->findChildren<MmKep*>())
        for (QLabel* l : k->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
          if (!l->isVisible() || l->width() == 0 || l->text().trimmed().isEmpty()) continue;
          ++feliratok;
          cimkeNev |= lap == kLapCimke && l->text().trimmed() == QStringLiteral("Őszi Júlia");
          EXPECT_GE(l->height(), QFontMetrics(l->font()).height())
              << lap << " " << qPrintable(l->objectName()) << " " << qPrintable(l->text());
        }
    }
    EXPECT_GE(feliratok, 10);
    EXPECT_TRUE(cimkeNev);
  }
}
