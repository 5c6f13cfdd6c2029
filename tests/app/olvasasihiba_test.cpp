// A read that fails is an error: payers that cannot be read are neither shown blank nor written
// back as zeros, a change that needs them writes nothing, and each case is said once.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "ablakfixture.h"
#include "layouts/elsoinditas.h"
#include "layouts/layoutrecords.h"
#include "payerstore/parok.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/frmfelvet.h"
#include "printing/envelopes/cimkerekordok.h"
#include "printing/slips/csekklap.h"
#include "support/fajlhibak.h"

namespace {

// The first byte of payer record n.
qint64 rekord(int n) { return qint64(n - 1) * NevekRekord::Length; }

class Olvashatatlan : public AblakTest {
 protected:
  Olvashatatlan() {
    folder.put(kNevekFile, parNevek(20));
    folder.put(kKozl3sorFile, parKozlemenyek(20));
    nevek = folder.bytes(kNevekFile);
    kozl = folder.bytes(kKozl3sorFile);
  }
  void valtozatlan() {
    EXPECT_TRUE(folder.bytes(kNevekFile) == nevek);
    EXPECT_TRUE(folder.bytes(kKozl3sorFile) == kozl);
    EXPECT_FALSE(folder.exists(kMentesNaploFile));
    EXPECT_FALSE(folder.exists(kCsereNaploFile));
  }
  QByteArray nevek, kozl;
};

const QString kNemOlvashato = QStringLiteral("A(z) nevek1.dat fájl nem olvasható: Bemeneti/kimeneti hiba.");

}  // namespace

TEST_F(Olvashatatlan, NoPayerReadIsSaidAsSuch) {
  const RosszBlokk blokk(kNevekFile, rekord(1));
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(kNemOlvashato + QStringLiteral("\r\nEgyetlen címzett sem olvasható be "
                                                                              "(a fájlban 20 címzett van)")))
      << uzenetek.shown[0].text.toStdString();
  EXPECT_EQ(w->lista->sorokSzama(), 0);
}

TEST_F(Olvashatatlan, TheListShowsTheRowsReadAndNoChangeStartsFromIt) {
  const RosszBlokk blokk(kNevekFile, rekord(11));
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(kNemOlvashato + QStringLiteral("\r\nA címzettek listája csak az első 10 "
                                                                              "címzettet mutatja (a fájlban 20 címzett van)")))
      << uzenetek.shown[0].text.toStdString();
  ASSERT_EQ(w->lista->sorokSzama(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(w->lista->szoveg(i, 0).trimmed().isEmpty());
  // A payer the list holds is still read and shown, but changes are refused before anything.
  w->ListView1_ItemClick(0);
  EXPECT_EQ(uzenetek.shown.size(), 1u);
  w->cmdDel_Click();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, uzenetek.shown[0].text);
  valtozatlan();
}

TEST_F(Olvashatatlan, ADeletionThatCannotReadThePayersWritesNothing) {
  auto w = indit();
  ASSERT_TRUE(uzenetek.shown.empty());
  w->ListView1_ItemClick(0);
  const RosszBlokk blokk(kNevekFile, rekord(11));
  w->cmdDel_Click();  // the question, answered yes, then the failure
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, QStringLiteral("A címzett nem törölhető.\r\n") + kNemOlvashato);
  valtozatlan();
  // No temporary pair is left either.
  EXPECT_TRUE(folder.entries().filter(QRegularExpression(QStringLiteral("^(nevx|xxkoz)"))).isEmpty());
}

TEST_F(Olvashatatlan, AModifyThatCannotReadThePayerWritesNothing) {
  auto w = indit();
  w->ListView1_ItemClick(0);
  const RosszBlokk blokk(kNevekFile, rekord(1));
  w->cmdModosit_Click();
  frmFelvet* d = w->felvet();
  d->txBefizetoNeve->setText(QStringLiteral("Új név"));
  d->cmdRogzites_Click();
  ASSERT_EQ(uzenetek.shown.size(), 2u);  // the question, then why nothing was saved
  EXPECT_EQ(uzenetek.shown[1].text, QStringLiteral("A címzett módosítása nem menthető.\r\n") + kNemOlvashato);
  valtozatlan();
}

TEST_F(Olvashatatlan, TheExitSaveThatCannotReadSetDatWritesNothing) {
  const QByteArray set = setFajl();
  auto w = indit();
  ASSERT_TRUE(uzenetek.shown.empty());
  const RosszBlokk blokk(kSetFile, 0);
  w->close();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("A(z) Set.dat fájl nem olvasható, ezért a beállítások nem kerültek bele: a fájl "
                           "változatlan.\r\nA hiba oka: Bemeneti/kimeneti hiba."));
  EXPECT_TRUE(folder.bytes(kSetFile) == set);
}

TEST_F(Olvashatatlan, AListPrintThatCannotReadARowPrintsNothingAndSaysWhy) {
  nyomtathatoSet();
  auto w = indit();
  ASSERT_TRUE(uzenetek.shown.empty());
  w->lista->ListView1->selectAll();
  w->ListView1_ItemClick(0);
  const RosszBlokk blokk(kNevekFile, rekord(5));
  w->cmdCsPrint_Click();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, kNemOlvashato + QStringLiteral("\r\nA dokumentum nem lett kinyomtatva."));
  EXPECT_TRUE(nyomtato.documents().empty());
  EXPECT_EQ(w->lista->sorokSzama(), 20);
}

// A print whose layout (or settings) cannot be read prints nothing and names the file once;
// before, it printed every text at its bare offset.
TEST_F(Olvashatatlan, APrintWhoseLayoutCannotBeReadPrintsNothingAndNamesTheFile) {
  nyomtathatoSet();
  const struct {
    int lap;
    QString fajl;
  } esetek[] = {{kLapUlap, kSetUlapFile},   {kLapUlap, kSetRcsekkFile}, {kLapRcsekk, kSetRcsekkFile},
                {kLapTerti, kSetTertiFile}, {kLapFelado, kSetFvevenyFile}, {kLapIrat, kSetIrat2File},
                {kLapBoritek, kBoritekFile}, {kLapCimke, kCimkeSetupFile}, {kLapUlap, kSetFile}};
  auto w = indit();
  w->ListView1_ItemClick(0);
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.fajl.toStdString() + " " + std::to_string(e.lap));
    w->SSTab1->setCurrentIndex(e.lap);
    uzenetek.shown.clear();
    nyomtato.clearLog();
    const RosszBlokk blokk(e.fajl, 0);
    w->cmdPrint_Click();
    ASSERT_EQ(uzenetek.shown.size(), 1u);
    EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("A(z) %1 fájl nem olvasható: Bemeneti/kimeneti hiba.\r\nA "
                                                     "dokumentum nem lett kinyomtatva.")
                                          .arg(e.fajl));
    EXPECT_TRUE(nyomtato.documents().empty());
    // The status bar says it too, in place of what the print before did.
    EXPECT_EQ(w->lbPdfFajl->text(), QStringLiteral("A(z) %1 fájl nem olvasható: Bemeneti/kimeneti hiba. A dokumentum "
                                                   "nem lett kinyomtatva.")
                                        .arg(e.fajl));
  }
}

// Start-up that cannot read Set.dat says so once, runs on the factory values, and the exit
// writes nothing into the file, also when it reads again by then.
TEST_F(Olvashatatlan, AStartThatCannotReadSetDatSaysSoOnceAndTheExitWritesNothing) {
  const QByteArray set = setFajl();
  std::unique_ptr<frmLavindor> w;
  {
    const RosszBlokk blokk(kSetFile, 0);
    w = indit();
  }
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("A(z) Set.dat fájl nem olvasható: Bemeneti/kimeneti hiba.\r\nA "
                                                   "program a gyári beállításokkal indul, és kilépéskor nem ír a "
                                                   "fájlba."));
  EXPECT_EQ(allapot.Set.BetuTipus2, gyariSet().BetuTipus2);
  w->close();
  EXPECT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(folder.bytes(kSetFile) == set);
}

// A modify whose reading back fails: the pages and the print show the payer as saved, never as
// it was before the save.
TEST_F(Olvashatatlan, AModifyWhoseReadingBackFailsShowsAndPrintsTheSavedPayer) {
  nyomtathatoSet();
  auto w = indit();
  w->ListView1_ItemClick(0);
  const int32_t n = allapot.AktualisRekord;
  w->cmdModosit_Click();
  w->felvet()->txBefizetoNeve->setText(QStringLiteral("Kovács Pál"));
  {
    const RekordOlvasasIrasUtan hiba(kNevekFile, NevekRekord::Length);
    w->felvet()->cmdRogzites_Click();
  }
  ASSERT_EQ(uzenetek.shown.size(), 1u);  // the question only
  EXPECT_EQ(trimmed(rekord<NevekRekord>(folder.bytes(kNevekFile), n).Nev), QStringLiteral("Kovács Pál"));
  EXPECT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Kovács Pál"));
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  QStringList nyomott;
  for (const PrintedText& t : nyomtato.documents()[0].texts()) nyomott << t.text.trimmed();
  EXPECT_TRUE(nyomott.contains(QStringLiteral("Kovács Pál"))) << nyomott.join('|').toStdString();
  EXPECT_FALSE(nyomott.contains(QStringLiteral("Ügyfél %1").arg(n)));
}
