// The cash-on-delivery page's handlers: turning the form over, the addressee swap, the option
// marks, and what the page hands the form printer.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/mmkep.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/tricheckbox.h"
#include "layouts/factory.h"
#include "printing/orders/ulaplap.h"
#include "support/tempfolder.h"

namespace {

struct UlapOldal : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer;
  Platform platform;
  SetRcsekkRekord rcsekk;

  void SetUp() override {
    platform.folder = dir.path();
    platform.printer = &printer;
    applyFactory(rcsekk, rcsekkFactory());
    rcsekk.RcsekkNev = QStringLiteral(" Pénzügyi Iroda ");
    rcsekk.RcsekkHelyseg = QStringLiteral("Székesfehérvár ");
    rcsekk.RcsekkCim = QStringLiteral(" Fő utca 12.");
    rcsekk.RcsekkIrszam = QStringLiteral("800 ");
    rcsekk.BankNeve = QStringLiteral("Bank");
    rcsekk.BankNum = QStringLiteral("1234");
  }
  void kep(const QString& nev) {
    QImage k(42, 21, QImage::Format_RGB32);
    k.fill(Qt::white);
    ASSERT_TRUE(k.save(dir.file(nev), "JPG"));
  }
  static UlapCimzett forras() {
    UlapCimzett f;
    f.Nevek.Nev = QStringLiteral("Nagy Pál                            ");
    f.Nevek.Helyseg = QStringLiteral("Győr    ");
    f.Nevek.Cim = QStringLiteral("Baross út 2.  ");
    f.Nevek.Irsz = QStringLiteral("9021  ");
    f.txCim3_1 = QStringLiteral("9021 Győr");
    f.txCim3_2 = QStringLiteral("Baross út 2.");
    f.txtIratCimzettIrszam = QStringLiteral("9021");
    return f;
  }
};

std::vector<QWidget*> elol(UlapLap& l) {
  return {l.txUosszeg, l.txUNev,      l.txUCim,      l.lbUosszeg, l.lbosszegBetuvel1,
          l.lbosszegBetuvel2, l.lbUNev, l.lbUHelyseg, l.lbUCim, l.lbUIrszam, l.chkUtanvetR, l.chkUtanvetEL,
          l.chkCimzettCsereUlap};
}
std::vector<QWidget*> hatul(UlapLap& l) { return {l.lbUNevHatul, l.lbUHelysegHatul, l.lbUCimHatul, l.lbUIrszamHatul}; }

TEST_F(UlapOldal, TurningOverShowsOneSideAndTheTickedMarks) {
  kep(QStringLiteral("utanvetelihatulja.jpg"));
  UlapLap lap(platform, rcsekk);
  lap.txUNev->setText(QStringLiteral("Kiss Éva"));
  lap.chkUtanvetR->setValue(1);
  EXPECT_FALSE(lap.lbUtXR->isHidden());
  EXPECT_TRUE(lap.lbUtXEL->isHidden());

  lap.cmdUtanvetOdalCsere->click();
  EXPECT_EQ(lap.cmdUtanvetOdalCsere->text(), QStringLiteral("Első oldal"));
  EXPECT_TRUE(lap.Picture6->hasPreview());
  for (QWidget* w : elol(lap)) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_TRUE(lap.lbUtXR->isHidden());  // hidden on the back though ticked
  for (QWidget* w : hatul(lap)) EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_EQ(lap.adatok(QStringLiteral("x")).cmdUtanvetOdalCsere, kUlapHatlap);

  // Back to the front: no front picture beside the program, the marks follow the options.
  lap.chkUtanvetR->setValue(2);
  lap.chkUtanvetEL->setValue(1);
  lap.cmdUtanvetOdalCsere->click();
  EXPECT_EQ(lap.cmdUtanvetOdalCsere->text(), QStringLiteral("Hátoldala"));
  EXPECT_FALSE(lap.Picture6->hasPreview());
  for (QWidget* w : elol(lap)) EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  for (QWidget* w : hatul(lap)) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_TRUE(lap.lbUtXR->isHidden());  // grey is not ticked
  EXPECT_FALSE(lap.lbUtXEL->isHidden());
  EXPECT_EQ(lap.txUNev->text(), QStringLiteral("Kiss Éva"));  // no text changed
}

TEST_F(UlapOldal, OptionMarksFollowTheBoxes) {
  UlapLap lap(platform, rcsekk);
  lap.chkUtanvetEL->setValue(1);
  EXPECT_FALSE(lap.lbUtXEL->isHidden());
  lap.chkUtanvetEL->setValue(0);
  EXPECT_TRUE(lap.lbUtXEL->isHidden());
  lap.chkUtanvetR->setValue(1);
  lap.chkUtanvetR->setValue(2);
  EXPECT_TRUE(lap.lbUtXR->isHidden());
}

TEST_F(UlapOldal, SwapBetweenPayerAndFixedParty) {
  UlapLap lap(platform, rcsekk);
  // Without a source the box only changes its value.
  lap.chkCimzettCsereUlap->setValue(1);
  EXPECT_TRUE(lap.txUNev->text().isEmpty());
  lap.chkCimzettCsereUlap->setValue(0);

  lap.cimzettForras = [] { return forras(); };
  lap.lbUHelyseg->setText(QStringLiteral("Bank"));  // the bank payee shown on entering the page
  lap.chkCimzettCsereUlap->setValue(1);
  EXPECT_EQ(lap.txUNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.txUCim->text(), QStringLiteral("800 , Székesfehérvár, Fő utca 12."));
  EXPECT_EQ(lap.lbUNev->text(), QStringLiteral("Nagy Pál                            "));
  EXPECT_EQ(lap.lbUHelyseg->text(), QStringLiteral("Győr    "));
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("Baross út 2.  "));
  EXPECT_EQ(lap.lbUIrszam->text(), QStringLiteral("9021  "));
  const std::vector<QString> hatulTicked{lap.lbUNevHatul->text(), lap.lbUHelysegHatul->text(), lap.lbUCimHatul->text(),
                                         lap.lbUIrszamHatul->text()};
  EXPECT_EQ(hatulTicked, (std::vector<QString>{QStringLiteral("Nagy Pál                            "),
                                               QStringLiteral("9021 Győr"), QStringLiteral("Baross út 2."),
                                               QStringLiteral("9021")}));

  // Unticking restores the fixed party's own address as the payee (the layout gives it by address).
  rcsekk.ULapCizett = -1;
  lap.chkCimzettCsereUlap->setValue(0);
  EXPECT_EQ(lap.txUNev->text(), QStringLiteral("Nagy Pál                            "));
  EXPECT_EQ(lap.txUCim->text(), QStringLiteral("9021 Győr, Baross út 2."));
  EXPECT_EQ(lap.lbUNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.lbUHelyseg->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.lbUIrszam->text(), QStringLiteral("800 "));
  const std::vector<QString> hatulUnticked{lap.lbUNevHatul->text(), lap.lbUHelysegHatul->text(),
                                           lap.lbUCimHatul->text(), lap.lbUIrszamHatul->text()};
  EXPECT_EQ(hatulUnticked, hatulTicked);

  // Given by the bank data: unticking brings the bank back, as the page showed it before.
  rcsekk.ULapCizett = 0;
  lap.chkCimzettCsereUlap->setValue(1);
  lap.chkCimzettCsereUlap->setValue(0);
  EXPECT_EQ(lap.lbUNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.lbUHelyseg->text(), QStringLiteral("Bank"));
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("1234"));
}

TEST_F(UlapOldal, PageDataForThePrinter) {
  UlapLap lap(platform, rcsekk);
  lap.txUosszeg->setText(QStringLiteral("500"));
  lap.chkUtanvetEL->setValue(1);
  lap.txUNev->setText(QStringLiteral("a"));
  lap.txUCim->setText(QStringLiteral("b"));
  lap.lbUNev->setText(QStringLiteral("c"));
  lap.lbUHelyseg->setText(QStringLiteral("d"));
  lap.lbUCim->setText(QStringLiteral("e"));
  lap.lbUIrszam->setText(QStringLiteral("f"));
  lap.lbUNevHatul->setText(QStringLiteral("g"));
  lap.lbUHelysegHatul->setText(QStringLiteral("h"));
  lap.lbUCimHatul->setText(QStringLiteral("i"));
  lap.lbUIrszamHatul->setText(QStringLiteral("j"));
  const UlapAdatok a = lap.adatok(QStringLiteral(" Nagy Pál"));
  EXPECT_EQ(a.txNev, QStringLiteral(" Nagy Pál"));
  EXPECT_EQ(a.cmdUtanvetOdalCsere, kUlapElolap);
  EXPECT_EQ(a.txUosszeg, QStringLiteral("500"));
  EXPECT_EQ(a.chkUtanvetR, 0);
  EXPECT_EQ(a.chkUtanvetEL, 1);
  EXPECT_EQ(a.lbosszegBetuvel1, lap.lbosszegBetuvel1->text());
  EXPECT_EQ(a.lbosszegBetuvel2, lap.lbosszegBetuvel2->text());
  EXPECT_EQ(a.txUNev + a.txUCim + a.lbUNev + a.lbUHelyseg + a.lbUCim + a.lbUIrszam + a.lbUNevHatul +
                a.lbUHelysegHatul + a.lbUCimHatul + a.lbUIrszamHatul,
            QStringLiteral("abcdefghij"));
}

}  // namespace
