// The watched-folder import: choosing a stable file, taking it once, and the tick's messages,
// printing and timer.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/setrekord.h"
#include "exchange/adatmenu.h"
#include "tests/exchange/csere.h"
#include "tests/exchange/tick.h"

namespace {

TEST(StabilCsv, FirstCsvInNameOrderOnceUnchanged) {
  TempFolder f;
  FigyeltFajl elozo;
  EXPECT_FALSE(stabilCsv(f.path(), elozo));
  EXPECT_FALSE(stabilCsv("", elozo));
  EXPECT_FALSE(stabilCsv(f.file("nincs"), elozo));
  f.put("b.CSV", "x");
  f.put("a.Csv", "y");
  f.put("c.txt", "z");
  EXPECT_FALSE(stabilCsv(f.path(), elozo));  // first sight: may still be copied
  EXPECT_EQ(stabilCsv(f.path(), elozo), f.file("a.Csv"));
  f.put("a.Csv", "yy");  // grew since the last tick
  EXPECT_FALSE(stabilCsv(f.path(), elozo));
  EXPECT_EQ(stabilCsv(f.path(), elozo), f.file("a.Csv"));
}

TEST(AutomatikusImport, TakenOnceOrNotAtAll) {
  TempFolder prog, figyelt;
  figyelt.put("be.csv", "A;;;;;;10\n");
  AutoImportEredmeny r = automatikusImport(prog.path(), figyelt.file("be.csv"), false);
  ASSERT_EQ(r.allapot, AutoAllapot::Kesz);
  EXPECT_EQ(figyelt.entries(), QStringList());  // deleted after the import
  EXPECT_EQ(fizetokSzama(prog), 1);
  // A file that vanished before it was taken: no error, nothing imported.
  r = automatikusImport(prog.path(), figyelt.file("be.csv"), false);
  EXPECT_EQ(r.allapot, AutoAllapot::Eltunt);
  // A file that cannot be claimed (its name is too long to take the claim's ending) is not
  // imported at all.
  const QString c = QString(248, 'c') + ".csv";
  figyelt.put(c, "C;;;;;;30\n");
  r = automatikusImport(prog.path(), figyelt.file(c), false);
  EXPECT_EQ(r.allapot, AutoAllapot::NemJelolheto);
  EXPECT_FALSE(r.hiba.isEmpty());
  EXPECT_EQ(fizetokSzama(prog), 1);
  EXPECT_EQ(figyelt.entries(), QStringList{c});
  QFile::remove(figyelt.file(c));
  // A failed import puts the file back under its name.
  figyelt.put("d.csv", "D;;;;;;40\n");
  r = automatikusImport(prog.path(), figyelt.file("d.csv"), false, [](CsereLepes l) { return l != CsereLepes::Iras; });
  EXPECT_EQ(r.allapot, AutoAllapot::Hiba);
  EXPECT_EQ(figyelt.entries(), QStringList{"d.csv"});
  EXPECT_EQ(fizetokSzama(prog), 1);
}

TEST_F(Tick, OffOrNoFolderStopsTheTimer) {
  beallit(0, false, 0, figyelt.path());
  Timer1_Timer(p, set, elozo, a);
  EXPECT_FALSE(idozito);
  beallit(1, false, 0, "   ");
  idozito = true;
  Timer1_Timer(p, set, elozo, a);
  EXPECT_FALSE(idozito);
  // A folder that does not exist: no import from anywhere else, polling goes on.
  beallit(1, false, 0, figyelt.file("nincs"));
  prog.put("be.csv", "A;;;;;;1\n");
  ketTick();
  EXPECT_TRUE(idozito);
  EXPECT_EQ(frissitve, 0);
  EXPECT_TRUE(prog.exists("be.csv"));
}

TEST_F(Tick, FifthLineEmptyWithoutPrinting) {
  beallit(1, false, 0, figyelt.path());
  Timer1_Timer(p, set, elozo, a);  // nothing there
  EXPECT_TRUE(idozito);
  figyelt.put("lista.csv", "1;;;;;;10\n2;;;;;;20\n3;;;;;;30\n4;;;;;;40\n\n6;;;;;;60\n");
  ketTick();
  EXPECT_EQ(fizetokSzama(prog), 4);
  EXPECT_FALSE(figyelt.exists("lista.csv"));
  EXPECT_EQ(frissitve, 1);
  EXPECT_EQ(nyomtatva, 0);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, "Figyelem!");
  EXPECT_EQ(uzenetek.shown[0].text, QString::fromUtf8("Az automatikus nyomtatás beállítás \r\nablakában az "
                                                      "automatikus nyomtatás \r\nnincs kipipálva!"));
  EXPECT_TRUE(idozito);
}

TEST_F(Tick, PayerWithoutAmountStopsThePrint) {
  beallit(1, true, 1, figyelt.path());
  figyelt.put("a.csv", "1;;;;;;10\n2;;;;;;\n3;;;;;;30\n");
  ketTick();
  EXPECT_EQ(nyomtatva, 0);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, "HIBA");
  EXPECT_EQ(uzenetek.shown[0].text,
            QString::fromUtf8("A beolvasott adatokból 1 rekord nem tartalmaz összeget, így nem nyomtatható "
                              "automatikusan csekk!\r\nEllenőrízd a ''csv'' fájl helyességét."));
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::Information);
}

// Moved columns are said before the slips are printed, and with the other messages of the tick.
TEST_F(Tick, QuotedSemicolonsAreSaid) {
  beallit(1, true, 1, figyelt.path());
  figyelt.put("a.csv", "A;;AZ;Győr;9021;Fő út;1500;\"Tagdíj; 2026\"\n");
  ketTick();
  EXPECT_EQ(nyomtatva, 1);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QString::fromUtf8("A(z) a.csv fájl importálása befejeződött.\r\n\r\n"
                                                      "Idézőjelek között pontosvesszőt tartalmazó sor: 1 (1. sor)\r\n"
                                                      "A pontosvessző idézőjelek között is új oszlopot kezd, ezért "
                                                      "ezekben a sorokban az oszlopok elcsúsztak."));
  beallit(1, true, 0, figyelt.path());
  figyelt.put("b.csv", "A;;AZ;Győr;9021;Fő út;1500\n\"B; C\";;AZ;Győr;9021;Fő út;1500\n");
  ketTick();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_TRUE(uzenetek.shown[1].text.startsWith(QString::fromUtf8("Az automatikus nyomtatás beállítás ")));
  EXPECT_TRUE(uzenetek.shown[1].text.contains(QString::fromUtf8("sor: 1 (2. sor)"))) << uzenetek.shown[1].text.toStdString();
}

}  // namespace
