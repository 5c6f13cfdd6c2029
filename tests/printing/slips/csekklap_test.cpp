// The payment-slip page: the amount in words with its fitting to 45 mm measured on the
// recording printer (10 pt: 2 mm a character), the words copies on the main part, the address
// copies, the payer-identifier copy, the payer's data and amounts, and what the page hands to
// the slip printers.
#include <QComboBox>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/mmkep.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklap.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

struct Sorok {
  QString sor1, sor2;
};

class CsekkLapTest : public testing::Test {
 protected:
  CsekkLapTest() { betu(QStringLiteral("Times New Roman CE"), 10); }

  // The slip's text font as Set.dat holds it; the other fields stay zero.
  void betu(const QString& nev, int16_t meret) {
    SetRekord s;
    s.BetuTipus2 = nev;
    s.BetuMeret2 = meret;
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  }
  // Types an amount and returns the two words lines, checking the copies on the main part.
  Sorok osszeg(const QString& szoveg) {
    lap.txOsszeg->setEditText(szoveg);
    EXPECT_EQ(lap.txtSzoveg22->text(), lap.txtSzoveg21->text()) << szoveg.toStdString();
    EXPECT_EQ(lap.txtSzoveg12->text(), lap.txtSzoveg11->text()) << szoveg.toStdString();
    EXPECT_EQ(lap.lbOsszeg->text(), szoveg);
    return {lap.txtSzoveg21->text(), lap.txtSzoveg11->text()};
  }
  void expectSorok(const QString& szoveg, const QString& sor1, const QString& sor2) {
    const Sorok s = osszeg(szoveg);
    EXPECT_EQ(s.sor1, sor1) << szoveg.toStdString();
    EXPECT_EQ(s.sor2, sor2) << szoveg.toStdString();
  }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  CsekkLap lap{platform, set};
};

TEST_F(CsekkLapTest, AmountInWordsOnTheCounterfoilAndTheMainPart) {
  // 15 + 18 characters: 66 mm, two lines.
  expectSorok(QStringLiteral("12345"), QStringLiteral("Tizenkettőezer-"), QStringLiteral("háromszáznegyvenöt"));
  // Three characters: the words move to line 1, capitalised.
  expectSorok(QStringLiteral("250"), QStringLiteral("Kettőszázötven"), QString());
  expectSorok(QStringLiteral("1"), QStringLiteral("Egy"), QString());
  expectSorok(QStringLiteral("1000"), QStringLiteral("Egyezer-"), QString());
  expectSorok(QStringLiteral("10000"), QStringLiteral("Tízezer"), QString());
  expectSorok(QStringLiteral("21000"), QStringLiteral("Huszonegyezer-"), QString());
  // 13 characters: 26 mm, joined with the hyphen between the parts.
  expectSorok(QStringLiteral("2010"), QStringLiteral("Kettőezer-tíz"), QString());
  // 9 + 6 characters: 30 mm.
  expectSorok(QStringLiteral("10500"), QStringLiteral("Tízezer-ötszáz"), QString());
  expectSorok(QStringLiteral("100123"), QStringLiteral("Egyszázezer"), QStringLiteral("egyszázhuszonhárom"));
  expectSorok(QStringLiteral("1500000"), QStringLiteral("Egymillióötszázezer"), QString());
  expectSorok(QStringLiteral("99999999"), QStringLiteral("Kilencvenkilencmilliókilencszázkilencvenkilencezer-"),
              QStringLiteral("kilencszázkilencvenkilenc"));
  expectSorok(QStringLiteral("100000000"), QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:"), QStringLiteral("99.999.999"));
  expectSorok(QStringLiteral("12abc"), QStringLiteral("Tizenkettő"), QString());
  expectSorok(QStringLiteral("-5"), QStringLiteral("Öt"), QString());
}

TEST_F(CsekkLapTest, FitsFortyFiveMillimetresInTheSlipFontOfSetDat) {
  // 33 characters: 46.2 mm at 7 pt stays on two lines, 39.6 mm at 6 pt is joined.
  betu(QStringLiteral("Times New Roman CE"), 7);
  expectSorok(QStringLiteral("12345"), QStringLiteral("Tizenkettőezer-"), QStringLiteral("háromszáznegyvenöt"));
  // 29 characters at 7 pt: 40.6 mm.
  expectSorok(QStringLiteral("100123"), QStringLiteral("Egyszázezeregyszázhuszonhárom"), QString());
  // The limit texts are joined with no blank when they fit: 30 characters, 42 mm.
  expectSorok(QStringLiteral("100000000"), QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:99.999.999"), QString());
  // Set.dat is read afresh at every change: no restart needed for a new size.
  betu(QStringLiteral("Times New Roman CE"), 6);
  expectSorok(QStringLiteral("12345"), QStringLiteral("Tizenkettőezer-háromszáznegyvenöt"), QString());
  EXPECT_EQ(set.BetuMeret2, 6);  // the shared settings hold what was read
  // "Egyezer-" + "egyszázegy": 18 characters, exactly 45 mm at 12.5 pt... sizes are whole
  // points, so 18 characters at 12 pt (43.2 mm) join and 19 at 12 pt (45.6 mm) do not.
  betu(QStringLiteral("Times New Roman CE"), 12);
  expectSorok(QStringLiteral("1101"), QStringLiteral("Egyezer-egyszázegy"), QString());
  expectSorok(QStringLiteral("1102"), QStringLiteral("Egyezer-"), QStringLiteral("egyszázkettő"));
  // The printer is left measuring in millimetres with the slip's text font, blanks trimmed.
  EXPECT_TRUE(printer.scaleMillimetres());
  EXPECT_EQ(printer.fontName(), QStringLiteral("Times New Roman CE"));
  EXPECT_EQ(printer.fontSize(), 12);
  EXPECT_TRUE(printer.documents().empty());  // measuring prints nothing
}

TEST_F(CsekkLapTest, NoAmountEmptiesTheWordsAndShowsTheTextAsTyped) {
  for (const QString& t : {QString(), QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("  ")}) {
    osszeg(QStringLiteral("12345"));
    expectSorok(t, QString(), QString());
  }
}

TEST_F(CsekkLapTest, UnmeasurableWordsStayOnTwoLines) {
  const QString ketezer = QStringLiteral("Kettőezer-"), tiz = QStringLiteral("tíz");
  betu(QStringLiteral("Times New Roman CE"), 0);  // size 0
  expectSorok(QStringLiteral("2010"), ketezer, tiz);
  QFile::remove(folder.file(kSetFile));  // no settings: no font, size 0
  expectSorok(QStringLiteral("2010"), ketezer, tiz);
  expectSorok(QStringLiteral("250"), QStringLiteral("Kettőszázötven"), QString());
  betu(QStringLiteral("Times New Roman CE"), 10);
  platform.printer = nullptr;  // no printer installed
  expectSorok(QStringLiteral("2010"), ketezer, tiz);
  // A font not installed: measured in the factory font the slip prints the words in.
  platform.printer = &printer;
  betu(QStringLiteral("Nincs Ilyen Betű"), 10);
  expectSorok(QStringLiteral("2011"), QStringLiteral("Kettőezer-tizenegy"), QString());
}

TEST_F(CsekkLapTest, WordsLinesRepeatEveryChangeOnTheMainPart) {
  QStringList latott;
  QObject::connect(lap.txtSzoveg22, &QLineEdit::textChanged, [&](const QString& t) { latott << t; });
  osszeg(QStringLiteral("2010"));
  // The converter's part first, then capitalised, then joined.
  EXPECT_EQ(latott, (QStringList{"kettőezer-", "Kettőezer-", "Kettőezer-tíz"}));
  lap.txtSzoveg21->setText(QStringLiteral("Kétezer-tíz"));  // corrected by hand
  EXPECT_EQ(lap.txtSzoveg22->text(), QStringLiteral("Kétezer-tíz"));
  lap.txtSzoveg11->setText(QStringLiteral("forint"));
  EXPECT_EQ(lap.txtSzoveg12->text(), QStringLiteral("forint"));
}

TEST_F(CsekkLapTest, AmountsOfThePayerInTheList) {
  std::array<int32_t, 12> o{};
  o[0] = 0, o[2] = 1500, o[3] = 9999999, o[5] = 250, o[11] = 9999998;
  lap.txOsszeg->setEditText(QStringLiteral("77"));
  lap.osszegListaKitolt(o);
  QStringList elemek;
  for (int i = 0; i < lap.txOsszeg->count(); ++i) elemek << lap.txOsszeg->itemText(i);
  EXPECT_EQ(elemek, (QStringList{"1500", "250", "9999998"}));
  EXPECT_EQ(lap.txOsszeg->currentText(), QStringLiteral("77"));  // the text is not touched
  EXPECT_EQ(lap.txtSzoveg21->text(), QStringLiteral("Hetvenhét"));

  // Slot 1 empty: the amount and every words box are cleared.
  lap.elsoOsszeg(o);
  EXPECT_EQ(lap.txOsszeg->currentText(), QString());
  for (QLineEdit* e : {lap.txtSzoveg21, lap.txtSzoveg11, lap.txtSzoveg22, lap.txtSzoveg12}) EXPECT_EQ(e->text(), QString());
  EXPECT_EQ(lap.lbOsszeg->text(), QString());

  // Picking an amount of the list writes it out.
  lap.txOsszeg->setCurrentIndex(0);
  emit lap.txOsszeg->activated(0);
  EXPECT_EQ(lap.txtSzoveg21->text(), QStringLiteral("Egyezer-ötszáz"));
  EXPECT_EQ(lap.lbOsszeg->text(), QStringLiteral("1500"));

  o[0] = 12345;
  lap.elsoOsszeg(o);
  EXPECT_EQ(lap.txOsszeg->currentText(), QStringLiteral("12345"));
  EXPECT_EQ(lap.txtSzoveg22->text(), QStringLiteral("Tizenkettőezer-"));
  EXPECT_EQ(lap.txtSzoveg12->text(), QStringLiteral("háromszáznegyvenöt"));
}

TEST_F(CsekkLapTest, PayerIdentifierCopy) {
  lap.txBefizAzonosito->setText(QStringLiteral(" AZ-77 "));
  lap.txtJogcim2->setEditText(QStringLiteral("Tagdíj"));
  lap.chkBefAzonMasolasa->setValue(1);
  EXPECT_EQ(lap.txtJogcim2->currentText(), QStringLiteral(" AZ-77 "));
  lap.chkBefAzonMasolasa->setValue(0);
  EXPECT_EQ(lap.txtJogcim2->currentText(), QString());
  lap.txtJogcim2->setEditText(QStringLiteral("Tagdíj"));
  lap.chkBefAzonMasolasa->setValue(2);  // grey counts as not ticked
  EXPECT_EQ(lap.txtJogcim2->currentText(), QString());
  lap.chkBefAzonMasolasa->click();      // a click from grey ticks it
  EXPECT_EQ(lap.chkBefAzonMasolasa->value(), 1);
  EXPECT_EQ(lap.txtJogcim2->currentText(), QStringLiteral(" AZ-77 "));
  EXPECT_EQ(lap.chkBefAzonMasolasa->text(), QStringLiteral("Befizetőazonosító másolása a jogcím mezőbe."));
}

TEST_F(CsekkLapTest, AddressBoxesRepeatOnThePreview) {
  lap.txCim1->setText(QStringLiteral("Győr"));
  lap.txCim2->setText(QStringLiteral("Fő út 1."));
  lap.txIrszam->setText(QStringLiteral("9021  "));
  EXPECT_EQ(lap.Text1[0]->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap.Text1[2]->text(), QStringLiteral("Fő út 1."));
  EXPECT_EQ(lap.Text1[3]->text(), QStringLiteral("9021  "));
  EXPECT_EQ(lap.Text1[1]->text(), QString());  // the name's copy is the main window's
  lap.Text1[1]->setText(QStringLiteral("Kovács Éva"));
  // The counterfoil shows the payer block as it prints: the settlement in capitals, the
  // postcode as one string; the main part's settlement box shows capitals too.
  lap.txCim1->setText(QStringLiteral(" győr "));
  EXPECT_EQ(lap.balBlokk[0]->text(), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(lap.balBlokk[1]->text(), QStringLiteral("GYŐR"));
  EXPECT_EQ(lap.balBlokk[2]->text(), QStringLiteral("Fő út 1."));
  EXPECT_EQ(lap.balBlokk[3]->text(), QStringLiteral("9021  "));
  EXPECT_EQ(lap.Text1[0]->text(), QStringLiteral(" győr "));
  EXPECT_EQ(lap.Text1[0]->font().capitalization(), QFont::AllUppercase);
}

NevekRekord nevek() {
  NevekRekord n;
  n.Nev = QStringLiteral("  Kovács Éva                        ");
  n.Nev2 = QStringLiteral(" Étkező  ");
  n.Helyseg = QStringLiteral(" Győr ");
  n.Cim = QStringLiteral(" Fő út 1. ");
  n.Irsz = QStringLiteral("9021  ");
  n.BefizAzonosito = QStringLiteral(" AZ-77   ");
  n.FizHatIdo = QStringLiteral(" 2026.12.31 ");
  return n;
}

TEST_F(CsekkLapTest, PayerDataOnThePage) {
  Kozl3sorRekord k;
  k.Kozlemeny = QStringLiteral(" Decemberi díj   ");
  lap.txtFizHatIdo->setText(QStringLiteral("régi"));
  lap.Kozlemeny2->setText(QStringLiteral("régi 3."));
  lap.txtJogcim2->setEditText(QStringLiteral("Tagdíj"));
  lap.ugyfelKitolt(nevek(), k, QStringLiteral("Fiz.Hat:       "), false);
  EXPECT_EQ(lap.txNev->text(), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(lap.txNev_2->text(), QStringLiteral("Étkező"));
  EXPECT_EQ(lap.txCim1->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap.Text1[0]->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap.txCim2->text(), QStringLiteral("Fő út 1."));
  EXPECT_EQ(lap.txIrszam->text(), QStringLiteral("9021  "));  // as stored
  EXPECT_EQ(lap.txBefizAzonosito->text(), QStringLiteral("AZ-77"));
  EXPECT_EQ(lap.txtKozl3sor[0]->text(), QStringLiteral("Decemberi díj"));
  EXPECT_EQ(lap.txtKozl3sor[1]->text(), QStringLiteral("Decemberi díj"));
  // Deadline not taken from the record, copy option clear: those boxes keep their texts.
  EXPECT_EQ(lap.txtFizHatIdo->text(), QStringLiteral("régi"));
  EXPECT_EQ(lap.Kozlemeny2->text(), QStringLiteral("régi 3."));
  EXPECT_EQ(lap.txtJogcim2->currentText(), QStringLiteral("Tagdíj"));

  lap.chkBefAzonMasolasa->setValue(1);
  lap.txtJogcim2->setEditText(QStringLiteral("Tagdíj"));
  lap.ugyfelKitolt(nevek(), k, QStringLiteral("Fiz.Hat:       "), true);
  EXPECT_EQ(lap.txtFizHatIdo->text(), QStringLiteral("Fiz.Hat: 2026.12.31"));
  EXPECT_EQ(lap.Kozlemeny2->text(), QStringLiteral("Fiz.Hat: 2026.12.31"));
  EXPECT_EQ(lap.txtJogcim2->currentText(), QStringLiteral("AZ-77"));
}

TEST_F(CsekkLapTest, PrintersGetThePageAsItStands) {
  lap.txNev->setText(QStringLiteral(" Kovács Éva "));
  lap.txCim1->setText(QStringLiteral("győr"));
  lap.txCim2->setText(QStringLiteral("Fő út 1."));
  lap.txIrszam->setText(QStringLiteral("9021"));
  lap.txOsszeg->setEditText(QStringLiteral("12345"));
  lap.Kozlemeny1->addItem(QStringLiteral("Első sor                 "));
  lap.Kozlemeny1->setCurrentIndex(0);
  lap.Kozlemeny2->setText(QStringLiteral("Harmadik"));
  lap.txtKozl3sor[0]->setText(QStringLiteral("Saját"));
  lap.txtKozl3sor[1]->setText(QStringLiteral("nem ez"));
  lap.txBefizAzonosito->setText(QStringLiteral("AZ-77"));
  lap.txtJogcim1->setEditText(QStringLiteral("Tagdíj"));
  lap.txtJogcim2->setEditText(QStringLiteral("2026. év"));
  lap.txtFizHatIdo->setText(QStringLiteral("Fiz.Hat: 2026.12.31"));

  CsekkAdatok a = lap.adatok();
  EXPECT_EQ(a.txNev, QStringLiteral(" Kovács Éva "));
  EXPECT_EQ(a.txCim1, QStringLiteral("győr"));
  EXPECT_EQ(a.txCim2, QStringLiteral("Fő út 1."));
  EXPECT_EQ(a.txIrszam, QStringLiteral("9021"));
  EXPECT_EQ(a.txOsszeg, QStringLiteral("12345"));
  EXPECT_EQ(a.txtSzoveg21, QStringLiteral("Tizenkettőezer-"));
  EXPECT_EQ(a.txtSzoveg11, QStringLiteral("háromszáznegyvenöt"));
  EXPECT_EQ(a.Kozlemeny1, QStringLiteral("Első sor                 "));
  EXPECT_EQ(a.Kozlemeny2, QStringLiteral("Harmadik"));
  EXPECT_EQ(a.txtKozl3sor, QStringLiteral("Saját"));
  EXPECT_EQ(a.txBefizAzonosito, QStringLiteral("AZ-77"));
  EXPECT_FALSE(a.chkBefAzonMasolasa);
  EXPECT_EQ(a.txtJogcim1, QStringLiteral("Tagdíj"));
  EXPECT_EQ(a.txtJogcim2, QStringLiteral("2026. év"));
  EXPECT_EQ(a.txtFizHatIdo, QStringLiteral("Fiz.Hat: 2026.12.31"));
  lap.chkBefAzonMasolasa->setValue(2);
  EXPECT_FALSE(lap.adatok().chkBefAzonMasolasa);
  lap.chkBefAzonMasolasa->setValue(1);
  EXPECT_TRUE(lap.adatok().chkBefAzonMasolasa);

  // Printed standing with the factory slip layout: the fitted words between "*" marks.
  SetRekord s;
  s.CsSzoveg_x1 = Fixed::fromDouble(2), s.CsSzoveg_x2 = Fixed::fromDouble(68);
  s.CsSzoveg_y1 = Fixed::fromDouble(15), s.CsSzoveg_y2 = Fixed::fromDouble(22);
  s.BetuTipus1 = QStringLiteral("Arial CE"), s.BetuMeret1 = 12;
  s.BetuTipus2 = QStringLiteral("Times New Roman CE"), s.BetuMeret2 = 10;
  s.Nyomtatando[1] = -1;  // the amount in words only
  ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  ASSERT_EQ(PrintAlloCsekk(lap.adatok(), platform, set), PrintResult::Printed);
  ASSERT_EQ(printer.documents().size(), 1u);
  QStringList szovegek;
  for (const PrintedText& t : printed::doc(printer).texts())
    if (!t.text.isEmpty()) szovegek << t.text;
  // With the name switched off each payer block keeps a blank line at the name's height.
  EXPECT_EQ(szovegek, (QStringList{"*Tizenkettőezer-", "háromszáznegyvenöt*", "*Tizenkettőezer-", "háromszáznegyvenöt*", " ", " "}));
}

}  // namespace
