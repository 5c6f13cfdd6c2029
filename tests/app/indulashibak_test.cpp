// Start-up and exit with files that cannot be used: a Set.dat that is no file is reported once
// at start and once at exit, an unreadable payer file once and never written in that run, and an
// interrupted change of the payer files is finished before the list is loaded.
#include <QDir>
#include <QPushButton>

#include "ablakfixture.h"
#include "records/fizetocsere.h"
#include "records/fizetolista.h"
#include "records/parok.h"

using IndulasTest = AblakTest;

TEST_F(IndulasTest, UnwritableSetFileIsReportedOnceAtStartAndOnceAtExit) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(kSetFile));  // root-proof: a folder of that name
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("Ezek a fájlok sérültek: a helyükön nem közönséges fájl áll, ezért a program nem olvassa, "
                           "nem írja és nem cseréli le őket, hanem üresnek veszi:\r\nSet.dat (mappa)"));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("Figyelem!"));
  w->close();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, QStringLiteral("A Set.dat fájl nem írható: a beállítások változásai elvesznek."));
}

TEST_F(IndulasTest, UnreadablePayerFileIsReportedAndNotWrittenInThatRun) {
  folder.put(kKozl3sorFile, parKozlemenyek(2));
  ASSERT_TRUE(QDir(folder.path()).mkdir(kNevekFile));
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("A címzettek fájlja (nevek1.dat) nem olvasható: ilyen nevű mappa áll a helyén.\r\n"
                           "A címzettek listája üres marad, és a program most nem ír a címzettek fájljaiba."));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("Hiba"));
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  // Even once the file is back, this run deletes nothing: it never loaded the list.
  ASSERT_TRUE(QDir(folder.path()).rmdir(kNevekFile));
  folder.put(kNevekFile, parNevek(2));
  allapot.AktualisRekord = 1;
  w->cmdDel_Click();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, uzenetek.shown[0].text);
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(2));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2));
}

TEST_F(IndulasTest, InterruptedSwapIsFinishedBeforeTheListIsLoaded) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  folder.put(kNevekTempFile, parNevek(2));
  folder.put(kKozl3sorTempFile, parKozlemenyek(2));
  folder.put(kCsereNaploFile, "LAVINDOR FIZETOCSERE 1\nnevx.dat\tnevek1.dat\nxxkoz.dat\tkozl3sor.dat\nVEGE\n");
  auto w = indit();
  EXPECT_EQ(w->lista->sorokSzama(), 2);
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2));
  EXPECT_FALSE(folder.exists(kCsereNaploFile));
  EXPECT_TRUE(uzenetek.shown.empty());
}
