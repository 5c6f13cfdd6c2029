// Start-up and exit with files that cannot be used: a Set.dat that is no file is reported once
// at start and once at exit, FIFOs at record files' names are said and left alone, a read-only
// program folder is named once with what will not work, every file of the exit save says what
// reached the disk, an unreadable payer file once and never written in that run, and an
// interrupted change of the payer files is finished before the list is loaded.
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include <cerrno>
#include <sys/stat.h>

#include "ablakfixture.h"
#include "common/tricheckbox.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/parok.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/boriteklap.h"
#include "support/fajlhibak.h"

using IndulasTest = AblakTest;

TEST_F(IndulasTest, UnwritableSetFileIsReportedOnceAtStartAndOnceAtExit) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(kSetFile));  // root-proof: a folder of that name
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("Ezek a fájlok sérültek, mert a helyükön nem közönséges fájl áll. A program üresnek "
                           "tekinti őket, és nem írja, nem is cseréli le őket:\r\nSet.dat (mappa)"));
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

TEST_F(IndulasTest, FifosAtRecordFilesAreSaidAndNeitherReadNorWrittenNorReplaced) {
  for (const QString& n : {kSetRcsekkFile, kNevekFile})
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(n)).constData(), 0644), 0);
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_TRUE(uzenetek.shown[0].text.endsWith(QStringLiteral("cseréli le őket:\r\nSetRcsekk.dat (FIFO)")));
  EXPECT_TRUE(uzenetek.shown[1].text.startsWith(
      QStringLiteral("A címzettek fájlja (nevek1.dat) nem olvasható: nem közönséges fájl (FIFO) áll a helyén.")));
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  w->close();
  for (const QString& n : {kSetRcsekkFile, kNevekFile}) {
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.file(n)).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << n.toStdString();
  }
}

TEST_F(IndulasTest, AReadOnlyProgramFolderIsNamedOnceWithWhatWillNotWork) {
  // Root writes anywhere: the check itself answers as a read-only file system would.
  platform.irhato = [this](const QString& p) { return p.startsWith(folder.path()) ? EROFS : 0; };
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("A program mappája (%1) nem írható: Csak olvasható fájlrendszer.\r\n"
                                                   "Ebben a futásban nem működik:\r\n"
                                                   "- a címzettek és az összegek mentése, a címzettek törlése\r\n"
                                                   "- az importálás (kézzel és a figyelt mappából)\r\n"
                                                   "- a beállítások mentése\r\n"
                                                   "- a nyomtatás PDF fájlba")
                                        .arg(folder.path()));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral(" FIGYELEM "));
  // Only the folder: no save in place either, as each keeps its journal in the folder.
  w.reset();
  uzenetek.shown.clear();
  folder.put(kNevekFile, {});
  folder.put(kKozl3sorFile, {});
  platform.irhato = [this](const QString& p) { return p == folder.path() ? EROFS : 0; };
  w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text.toStdString(), QStringLiteral("A program mappája (%1) nem írható: Csak olvasható fájlrendszer.\r\n"
                                                   "Ebben a futásban nem működik:\r\n"
                                                   "- az új és a módosított címzettek és az összegek mentése, a címzettek törlése\r\n"
                                                   "- az importálás (kézzel és a figyelt mappából)\r\n"
                                                   "- a beállítások mentése\r\n"
                                                   "- a nyomtatás PDF fájlba")
                                        .arg(folder.path()).toStdString());
}

TEST_F(IndulasTest, TheExitSaveSaysForEachFileWhatDidNotReachTheDisk) {
  auto w = indit();
  const QByteArray set0 = folder.bytes(kSetFile), boritek0 = folder.bytes(kBoritekFile);
  w->OpOrientacioFekvo->setChecked(true);
  w->boritekLap->chkFKFNev->setValue(1);
  {
    // The exit saves the printer's index first, then the options.
    FajlHibak hibak({{FajlHivas::Szinkron, 0, -1, kSetFile},
                     {FajlHivas::Szinkron, EIO, -1, kSetFile},
                     {FajlHivas::Iras, ENOSPC, -1, kBoritekFile}});
    w->close();
    EXPECT_EQ(hibak.hatra(), 0u);
  }
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("A Set.dat fájl nem írható: a beállítások változásai elvesznek.\r\n"
                           "A hiba oka: Bemeneti/kimeneti hiba.\r\n"
                           "A boritek.dat fájl nem írható: a boríték sorainak félkövér beállításai elvesznek.\r\n"
                           "A hiba oka: Nincs több szabad hely az eszközön."));
  EXPECT_EQ(folder.bytes(kSetFile), set0);
  EXPECT_EQ(folder.bytes(kBoritekFile), boritek0);
}
