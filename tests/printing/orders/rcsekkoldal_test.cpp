// The money-order page's handlers (turning the form over, the fixed party, the amount box) and
// the cash-on-delivery amount box: what each control shows after the cascade.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/mmkep.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "support/tempfolder.h"

namespace {

struct OldalFixture : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer;
  Platform platform;
  SetRcsekkRekord rcsekk;

  void SetUp() override {
    platform.folder = dir.path();
    platform.printer = &printer;
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());  // text font Times New Roman CE, 10 pt
    r.RcsekkNev = QStringLiteral(" Pénzügyi Iroda ");
    r.RcsekkHelyseg = QStringLiteral("Székesfehérvár ");
    r.RcsekkCim = QStringLiteral(" Fő utca 12.");
    r.RcsekkIrszam = QStringLiteral("800");  // stored "800 "
    ASSERT_TRUE(saveSettings(dir.path(), kSetRcsekkFile, r));
    SetRekord s;
    s.BetuTipus2 = QStringLiteral("Times New Roman CE");
    s.BetuMeret2 = 10;
    ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  }
  void kep(const QString& nev) {
    QImage k(42, 21, QImage::Format_RGB32);
    k.fill(Qt::white);
    ASSERT_TRUE(k.save(dir.file(nev), "JPG"));
  }
};

using Osszeg = OldalFixture;
using Oldal = OldalFixture;
using Utanvet = OldalFixture;

TEST_F(Oldal, TurningOverSwitchesTheBoxesAndThePicture) {
  kep(QStringLiteral("RCsekkHatul.jpg"));
  RcsekkLap lap(platform, rcsekk);
  lap.RcsekkKozlemenyHatul[2]->setText(QStringLiteral("Harmadik sor"));
  lap.RtxNev[0]->setText(QStringLiteral("Kiss Éva"));
  lap.opAllando[1]->setChecked(true);

  lap.cmdOldalCsere->click();
  EXPECT_EQ(lap.cmdOldalCsere->text(), QStringLiteral("Csekk Első oldal"));
  EXPECT_TRUE(lap.Picture7->hasPreview());
  for (QWidget* w : std::initializer_list<QWidget*>{lap.opAllando[0], lap.opAllando[1], lap.RlbNev, lap.RlbHelys,
                                                    lap.RlbCim, lap.RlbIrsz, lap.RtxNev[0], lap.RtxCim, lap.txtNev,
                                                    lap.txtHelys, lap.txtCim, lap.txtIrsz, lap.RtxtSzoveg21,
                                                    lap.RtxtSzoveg11, lap.RtxOsszeg, lap.RtxtSzoveg12,
                                                    lap.RtxtSzoveg22, lap.lbOsszeg2, lap.RlbOsszeg})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{lap.txtNevHatul, lap.txtHelysHatul, lap.txtCimHatul, lap.txtIrszHatul})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  for (QLineEdit* e : lap.RcsekkKozlemenyHatul) EXPECT_FALSE(e->isHidden());
  EXPECT_EQ(lap.adatok().cmdOldalCsere, QStringLiteral("Csekk Első oldal"));

  // Back to the front: no front picture beside the program, the page stays usable.
  lap.cmdOldalCsere->click();
  EXPECT_EQ(lap.cmdOldalCsere->text(), QStringLiteral("Csekk Hátoldala"));
  EXPECT_FALSE(lap.Picture7->hasPreview());
  EXPECT_FALSE(lap.RtxOsszeg->isHidden());
  EXPECT_FALSE(lap.opAllando[0]->isHidden());
  EXPECT_TRUE(lap.txtNevHatul->isHidden());
  for (QLineEdit* e : lap.RcsekkKozlemenyHatul) EXPECT_TRUE(e->isHidden());
  // Nothing else changed.
  EXPECT_EQ(lap.RcsekkKozlemenyHatul[2]->text(), QStringLiteral("Harmadik sor"));
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Kiss Éva"));
  EXPECT_TRUE(lap.opAllando[1]->isChecked());
  EXPECT_EQ(lap.adatok().RcsekkKozlemenyHatul[2], QStringLiteral("Harmadik sor"));
}

TEST_F(Oldal, FixedRecipientEmptiesTheSender) {
  RcsekkLap lap(platform, rcsekk);
  for (QLineEdit* e : {lap.RtxNev[0], lap.RtxCim, lap.txtNevHatul, lap.txtHelysHatul, lap.txtCimHatul, lap.txtIrszHatul})
    e->setText(QStringLiteral("régi"));
  lap.opAllando[0]->click();
  EXPECT_EQ(lap.RlbNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.txtNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.RlbHelys->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.txtHelys->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.RlbCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.txtCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.RlbIrsz->text(), QStringLiteral("800 "));  // as stored, padding kept
  EXPECT_EQ(lap.txtIrsz->text(), QStringLiteral("800 "));
  for (QLineEdit* e : {lap.RtxNev[0], lap.RtxCim, lap.txtNevHatul, lap.txtHelysHatul, lap.txtCimHatul, lap.txtIrszHatul})
    EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
  EXPECT_EQ(trimmed(rcsekk.RcsekkNev), QStringLiteral("Pénzügyi Iroda"));  // the shared copy
}

TEST_F(Oldal, FixedSenderMovesThePartyAndEmptiesTheRecipient) {
  RcsekkLap lap(platform, rcsekk);
  lap.allandoValaszt(0);
  EXPECT_TRUE(lap.opAllando[0]->isChecked());
  EXPECT_EQ(lap.RlbNev->text(), QStringLiteral("Pénzügyi Iroda"));

  lap.opAllando[1]->click();
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Pénzügyi Iroda"));
  // Four postcode characters, a blank: two blanks before a three-digit postcode's settlement.
  EXPECT_EQ(lap.RtxCim->text(), QStringLiteral("800  Székesfehérvár, Fő utca 12."));
  EXPECT_EQ(lap.txtNevHatul->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.txtHelysHatul->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.txtCimHatul->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.txtIrszHatul->text(), QStringLiteral("800 "));
  for (QLabel* l : {lap.RlbNev, lap.RlbHelys, lap.RlbCim, lap.RlbIrsz}) EXPECT_TRUE(l->text().isEmpty());
  for (QLineEdit* e : {lap.txtNev, lap.txtHelys, lap.txtCim, lap.txtIrsz}) EXPECT_TRUE(e->text().isEmpty());

  // The layout file is read at every click: a party saved meanwhile shows at once.
  SetRcsekkRekord r = rcsekk;
  r.RcsekkNev = QStringLiteral("Új Iroda");
  ASSERT_TRUE(saveSettings(dir.path(), kSetRcsekkFile, r));
  lap.opAllando[1]->click();
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Új Iroda"));
}

TEST_F(Oldal, EmptyFixedPartyGivesEmptyFields) {
  QFile::remove(dir.file(kSetRcsekkFile));
  RcsekkLap lap(platform, rcsekk);
  lap.RtxCim->setText(QStringLiteral("régi"));
  lap.opAllando[1]->click();
  EXPECT_TRUE(lap.RtxNev[0]->text().isEmpty());
  EXPECT_TRUE(lap.RtxCim->text().isEmpty());  // no lone ", " to print
  EXPECT_TRUE(lap.txtIrszHatul->text().isEmpty());
}

TEST_F(Osszeg, WordsFitOnOneLineOrTwo) {
  RcsekkLap lap(platform, rcsekk);
  // 999: capitalised on line 1; 50 mm on the recording printer, so it stays unjoined.
  lap.RtxOsszeg->setEditText(QStringLiteral("999"));
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Kilencszázkilencvenkilenc"));
  EXPECT_TRUE(lap.RtxtSzoveg11->text().isEmpty());
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Kilencszázkilencvenkilenc"));
  EXPECT_TRUE(lap.RtxtSzoveg22->text().isEmpty());
  EXPECT_EQ(lap.RlbOsszeg->text(), QStringLiteral("999"));
  EXPECT_EQ(lap.lbOsszeg2->text(), QStringLiteral("999"));

  lap.RtxOsszeg->setEditText(QStringLiteral("1234567"));
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(lap.RtxtSzoveg11->text(), QStringLiteral("ötszázhatvanhét"));
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(lap.RtxtSzoveg22->text(), QStringLiteral("ötszázhatvanhét"));

  // 1005: "Egyezer-öt", 20 mm, joined on line 1 of both copies.
  lap.RtxOsszeg->setEditText(QStringLiteral("1005"));
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Egyezer-öt"));
  EXPECT_TRUE(lap.RtxtSzoveg11->text().isEmpty());
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Egyezer-öt"));
  EXPECT_TRUE(lap.RtxtSzoveg22->text().isEmpty());
  // Measured in the money order's text font, left set on the printer.
  EXPECT_TRUE(printer.scaleMillimetres());
  EXPECT_EQ(printer.fontName(), QStringLiteral("Times New Roman CE"));
  EXPECT_EQ(printer.fontSize(), 10);

  // Eight digits: the limit texts, fitted like any words.
  lap.RtxOsszeg->setEditText(QStringLiteral("12345678"));
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:"));
  EXPECT_EQ(lap.RtxtSzoveg11->text(), QStringLiteral("9.999.999"));
  EXPECT_EQ(lap.RtxtSzoveg22->text(), QStringLiteral("9.999.999"));
}

TEST_F(Osszeg, NoWordsUpdateOnlyTheFigures) {
  RcsekkLap lap(platform, rcsekk);
  lap.RtxOsszeg->setEditText(QStringLiteral("1005"));
  lap.RtxOsszeg->setEditText(QString());
  EXPECT_TRUE(lap.RtxtSzoveg21->text().isEmpty());
  EXPECT_TRUE(lap.RtxtSzoveg11->text().isEmpty());
  EXPECT_TRUE(lap.RlbOsszeg->text().isEmpty());
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Egyezer-öt"));  // the second copy keeps its text

  lap.RtxOsszeg->setEditText(QStringLiteral("0"));
  EXPECT_TRUE(lap.RtxtSzoveg21->text().isEmpty());
  EXPECT_EQ(lap.lbOsszeg2->text(), QStringLiteral("0"));

  // Four characters for 999: the words stay below, lower case.
  lap.RtxOsszeg->setEditText(QStringLiteral("0999"));
  EXPECT_TRUE(lap.RtxtSzoveg21->text().isEmpty());
  EXPECT_EQ(lap.RtxtSzoveg11->text(), QStringLiteral("kilencszázkilencvenkilenc"));
  EXPECT_EQ(lap.RlbOsszeg->text(), QStringLiteral("0999"));
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Egyezer-öt"));
}

TEST_F(Osszeg, ChoosingFromTheListEqualsTyping) {
  RcsekkLap lap(platform, rcsekk);
  lap.RtxOsszeg->addItem(QStringLiteral("2500"));
  lap.RtxOsszeg->addItem(QStringLiteral("1234567"));
  lap.RtxOsszeg->setCurrentIndex(1);
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(lap.RlbOsszeg->text(), QStringLiteral("1234567"));
  lap.RtxOsszeg->setCurrentIndex(0);
  lap.RtxOsszeg_Click();
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Kettőezer-ötszáz"));
  EXPECT_EQ(lap.RtxtSzoveg12->text(), QStringLiteral("Kettőezer-ötszáz"));
  EXPECT_EQ(lap.lbOsszeg2->text(), QStringLiteral("2500"));
  EXPECT_EQ(lap.adatok().RtxtSzoveg21, QStringLiteral("Kettőezer-ötszáz"));
  EXPECT_EQ(lap.adatok().RtxOsszeg, QStringLiteral("2500"));
}

TEST_F(Osszeg, UnmeasurableWordsAreJoined) {
  // No printer: the width counts as 0.
  platform.printer = nullptr;
  RcsekkLap lap(platform, rcsekk);
  lap.RtxOsszeg->setEditText(QStringLiteral("1234567"));
  EXPECT_EQ(lap.RtxtSzoveg21->text(), QStringLiteral("Egymilliókettőszázharmincnégyezer-ötszázhatvanhét"));
  EXPECT_TRUE(lap.RtxtSzoveg11->text().isEmpty());
  EXPECT_TRUE(lap.RtxtSzoveg22->text().isEmpty());
}

TEST_F(Utanvet, WordsBetweenMarks) {
  UlapLap lap(platform, rcsekk);
  SetRekord set;
  int32_t osszeg = -1;
  QString ezresek, egyesek;
  lap.megoszt(set, osszeg, ezresek, egyesek);

  lap.txUosszeg->setText(QStringLiteral("500"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*ötszáz*"));
  EXPECT_TRUE(lap.lbosszegBetuvel2->text().isEmpty());
  EXPECT_EQ(lap.lbUosszeg->text(), QStringLiteral("500"));
  EXPECT_EQ(osszeg, 500);
  EXPECT_EQ(set.BetuMeret2, 10);  // Set.dat was read into the shared record

  lap.txUosszeg->setText(QStringLiteral("1000"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*Egyezer-*"));
  EXPECT_TRUE(lap.lbosszegBetuvel2->text().isEmpty());

  // 98 mm on the recording printer: two lines, the upper part capitalised in the shared text.
  lap.txUosszeg->setText(QStringLiteral("1234567"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(lap.lbosszegBetuvel2->text(), QStringLiteral("ötszázhatvanhét*"));
  EXPECT_EQ(ezresek, QStringLiteral("Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(egyesek, QStringLiteral("ötszázhatvanhét"));
  EXPECT_EQ(printer.fontName(), QStringLiteral("Times New Roman CE"));

  // 48 mm: beyond the 45 mm the list print allows, so two lines here as on paper.
  lap.txUosszeg->setText(QStringLiteral("12800"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*Tizenkettőezer-"));
  EXPECT_EQ(lap.lbosszegBetuvel2->text(), QStringLiteral("nyolcszáz*"));

  for (const QString& t : {QStringLiteral("0"), QString(), QStringLiteral("abc")}) {
    lap.txUosszeg->setText(QStringLiteral("7"));
    lap.txUosszeg->setText(t);
    EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("**")) << t.toStdString();
    EXPECT_TRUE(lap.lbosszegBetuvel2->text().isEmpty());
    EXPECT_EQ(lap.lbUosszeg->text(), t);
    EXPECT_EQ(osszeg, 0);
  }
}

TEST_F(Utanvet, AmountIsRoundedHalfToEvenAndHeldIn32Bits) {
  UlapLap lap(platform, rcsekk);
  SetRekord set;
  int32_t osszeg = 0;
  QString ezresek, egyesek;
  lap.megoszt(set, osszeg, ezresek, egyesek);
  lap.txUosszeg->setText(QStringLiteral(" 1234.5"));
  EXPECT_EQ(osszeg, 1234);
  lap.txUosszeg->setText(QStringLiteral("1235.5 Ft"));
  EXPECT_EQ(osszeg, 1236);
  // Beyond 32 bits: the largest amount it holds, so the limit texts show, nothing wraps.
  lap.txUosszeg->setText(QStringLiteral("99999999999"));
  EXPECT_EQ(osszeg, INT32_MAX);
  EXPECT_EQ(ezresek, QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:"));
  EXPECT_EQ(egyesek, QStringLiteral("9.999.999"));
  lap.txUosszeg->setText(QStringLiteral("-99999999999"));
  EXPECT_EQ(osszeg, INT32_MIN);
  EXPECT_EQ(ezresek, QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:"));
}

TEST_F(Utanvet, MissingSettingsAndNoPrinter) {
  // No money-order layout: no font and no size, so the printer measures in the factory font
  // the form prints in, at the size it has.
  QFile::remove(dir.file(kSetRcsekkFile));
  UlapLap lap(platform, rcsekk);  // works on its own records until shared ones are handed in
  lap.txUosszeg->setText(QStringLiteral("1234567"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*Egymilliókettőszázharmincnégyezer-"));
  EXPECT_EQ(printer.fontName(), QStringLiteral("Times New Roman CE"));
  // No printer: the width counts as 0, one line.
  platform.printer = nullptr;
  lap.txUosszeg->setText(QStringLiteral("1234568"));
  EXPECT_EQ(lap.lbosszegBetuvel1->text(), QStringLiteral("*Egymilliókettőszázharmincnégyezer-ötszázhatvannyolc*"));
  EXPECT_TRUE(lap.lbosszegBetuvel2->text().isEmpty());
}

}  // namespace
