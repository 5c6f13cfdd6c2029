// The first start of a new installation creates the layout files with their factory values,
// so the very first print lands where the factory layout puts it; existing files are kept.
#include <QComboBox>

#include "ablakfixture.h"
#include "layouts/elsoinditas.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "printing/slips/csekklap.h"
#include "records/fizetok.h"
#include "records/nevekrekord.h"
#include "support/printexpect.h"

namespace {

using ElsoInditasTest = AblakTest;

template <class R>
QByteArray gyari(const FactoryTable<R>& t) {
  R r{};
  applyFactory(r, t);
  return encodeRecord(r);
}

// The standing slip for the first payer with amount 1500; its printed texts.
std::vector<PrintedText> alloCsekk(frmLavindor& w, RecordingPrinter& p) {
  w.ListView1_ItemClick(0);
  w.csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w.cmdPrint_Click();
  if (p.documents().size() != 1) return {};
  return printed::doc(p).texts();
}

}  // namespace

TEST_F(ElsoInditasTest, ANewInstallationPrintsTheSlipAtTheFactoryPositions) {
  folder.put(kNevekFile, fizetokFajl({{QStringLiteral("Kovács Péter"), QStringLiteral("Győr"),
                                       QStringLiteral("Fő út 1."), QStringLiteral("9021")}}));
  auto w = indit();
  EXPECT_TRUE(uzenetek.shown.empty());
  EXPECT_EQ(folder.bytes(kSetTertiFile), gyari(tertiFactory()));
  EXPECT_EQ(folder.bytes(kSetIrat2File), gyari(irat2Factory()));
  EXPECT_EQ(folder.bytes(kSetFvevenyFile), gyari(fvevenyFactory()));
  EXPECT_EQ(folder.bytes(kSetRcsekkFile), gyari(rcsekkFactory()));
  EXPECT_EQ(folder.bytes(kSetUlapFile), gyari(ulapFactory()));
  BoritekRekord b;
  decodeRecord(folder.bytes(kBoritekFile), b);
  EXPECT_EQ(b.C6Cimzett_x, 85);
  EXPECT_EQ(trimmed(b.BoritekNevBetutipus), QStringLiteral("Times New Roman CE"));

  const std::vector<PrintedText> t = alloCsekk(*w, nyomtato);
  ASSERT_FALSE(t.empty());
  // Every text stands where the same slip printed with the factory layout saved by hand puts it.
  TempFolder kezi;
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  kezi.put(kSetFile, encodeRecord(s));
  kezi.put(kNevekFile, folder.bytes(kNevekFile));
  RecordingPrinter p2;
  Platform pf2 = platform;
  pf2.folder = kezi.path();
  pf2.printer = &p2;
  Allapot a2;
  frmLavindor w2(pf2, a2);
  const std::vector<PrintedText> vart = alloCsekk(w2, p2);
  ASSERT_EQ(t.size(), vart.size());
  bool nev = false;
  for (size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].text, vart[i].text);
    EXPECT_DOUBLE_EQ(t[i].x, vart[i].x);
    EXPECT_DOUBLE_EQ(t[i].y, vart[i].y);
    EXPECT_EQ(t[i].font, vart[i].font);
    nev = nev || t[i].text.contains(QStringLiteral("Kovács Péter"));
  }
  EXPECT_TRUE(nev);
}

TEST_F(ElsoInditasTest, ExistingFilesAreKeptEvenWhenTheyHoldOnlyZeros) {
  const QByteArray nullak(SetTertiRekord::Length, '\0');
  folder.put(kSetTertiFile, nullak);
  const QByteArray set = setFajl();
  EXPECT_TRUE(gyariFajlokLetrehozasa(folder.path()).isEmpty());
  EXPECT_EQ(folder.bytes(kSetTertiFile), nullak);
  EXPECT_EQ(folder.bytes(kSetFile), set);
  EXPECT_EQ(folder.bytes(kSetIrat2File), gyari(irat2Factory()));
  // A second start changes nothing.
  const QByteArray irat = folder.bytes(kSetIrat2File);
  gyariFajlokLetrehozasa(folder.path());
  EXPECT_EQ(folder.bytes(kSetIrat2File), irat);
}
