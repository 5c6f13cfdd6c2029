// The journalled swap of the payer pair: injected failures at every step, recovery at start-up,
// and a child process killed at random points of a deletion. After recovery both files are
// whole and paired, with the old or the new payer count, every time.
#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "payerstore/fizetocsere.h"
#include "payerstore/parok.h"
#include "payerstore/ugyfeltorles.h"
#include "support/fajlhibak.h"
#include "support/gyerek.h"
#include "support/tempfolder.h"

namespace {

// Old pair of n payers and the pair after deleting payer `torolt`.
struct Par {
  QByteArray nevek, kozl;
};
Par regiPar(int n) { return {parNevek(n), parKozlemenyek(n)}; }
Par ujPar(const Par& regi, int torolt) {
  Par p = regi;
  p.nevek.remove(qsizetype(torolt - 1) * NevekRekord::Length, NevekRekord::Length);
  p.kozl.remove(qsizetype(torolt - 1) * Kozl3sorRekord::Length, Kozl3sorRekord::Length);
  return p;
}

void beallit(const TempFolder& folder, const Par& p) {
  for (const QString& e : folder.entries()) QFile::remove(folder.file(e));
  folder.put(kNevekFile, p.nevek);
  folder.put(kKozl3sorFile, p.kozl);
}

// 0: the old pair, 1: the new pair, -1: anything else (torn, unpaired, leftovers).
int allapot(const TempFolder& folder, const Par& regi, const Par& uj) {
  if (folder.entries() != QStringList{kKozl3sorFile, kNevekFile}) return -1;
  const QByteArray n = folder.bytes(kNevekFile), k = folder.bytes(kKozl3sorFile);
  if (n == regi.nevek && k == regi.kozl) return 0;
  if (n == uj.nevek && k == uj.kozl) return 1;
  return -1;
}

class CsereTest : public ::testing::Test {
 protected:
  CsereTest() : regi(regiPar(4)), uj(ujPar(regi, 2)) { beallit(folder, regi); }
  void ujFajlok() const {
    folder.put(kNevekTempFile, uj.nevek);
    folder.put(kKozl3sorTempFile, uj.kozl);
  }
  TempFolder folder;
  Par regi, uj;
};

}  // namespace

TEST_F(CsereTest, SwapReplacesBothFilesAndLeavesNothingBehind) {
  ujFajlok();
  EXPECT_EQ(fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile).allapot, CsereAllapot::Kesz);
  EXPECT_EQ(allapot(folder, regi, uj), 1);
}

TEST_F(CsereTest, FailureAtEachStepLeavesAPairedStateBeforeAndAfterRecovery) {
  // Before the journal: refused, originals untouched, new files gone. After the first rename
  // failed: the same. After the payer file was replaced: the journal stays and the next start
  // finishes the pair. A failed journal removal is no failure of the change.
  const struct {
    CsereLepes lepes;
    bool hiba;
    int utana, helyreallitva;
  } esetek[] = {
      {CsereLepes::Flush, true, 0, 0},      {CsereLepes::Naplo, true, 0, 0},
      {CsereLepes::Atnevezes1, true, 0, 0}, {CsereLepes::Atnevezes2, true, -1, 1},
      {CsereLepes::NaploTorles, false, -1, 1},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(static_cast<int>(e.lepes));
    beallit(folder, regi);
    ujFajlok();
    const QString hiba = fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                                        [&](CsereLepes l) { return l != e.lepes; })
                             .uzenet;
    EXPECT_EQ(hiba.isEmpty(), !e.hiba) << hiba.toStdString();
    EXPECT_EQ(allapot(folder, regi, uj), e.utana);
    if (e.utana == -1) {
      EXPECT_TRUE(folder.exists(kCsereNaploFile));
    }
    fizetoParHelyreallitas(folder.path());
    EXPECT_EQ(allapot(folder, regi, uj), e.helyreallitva);
  }
  // The message of a rename that the next start finishes says so.
  beallit(folder, regi);
  ujFajlok();
  EXPECT_EQ(fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                           [](CsereLepes l) { return l != CsereLepes::Atnevezes2; })
                .uzenet,
            QStringLiteral("A(z) kozl3sor.dat fájl nem cserélhető le: Bemeneti/kimeneti hiba. A(z) nevek1.dat fájl "
                           "már az új adatokat tartalmazza, a(z) kozl3sor.dat még a régieket. A változás a program "
                           "következő indításakor fejeződik be."));
}

TEST_F(CsereTest, RecoveryRollsForwardAJournalledSwapAndBackAnythingElse) {
  const QByteArray naplo = "LAVINDOR FIZETOCSERE 1\nnevx.dat\tnevek1.dat\nxxkoz.dat\tkozl3sor.dat\nVEGE\n";
  // Journal and both new files: both renames follow.
  ujFajlok();
  folder.put(kCsereNaploFile, naplo);
  fizetoParHelyreallitas(folder.path());
  EXPECT_EQ(allapot(folder, regi, uj), 1);
  // Journal with the payer file already renamed: the notice file follows.
  beallit(folder, {uj.nevek, regi.kozl});
  folder.put(kKozl3sorTempFile, uj.kozl);
  folder.put(kCsereNaploFile, naplo);
  fizetoParHelyreallitas(folder.path());
  EXPECT_EQ(allapot(folder, regi, uj), 1);
  // New files without a journal, or with a torn one: removed, the originals stay.
  for (const QByteArray& torott : {QByteArray(), naplo.left(30), naplo.left(naplo.size() - 2)}) {
    beallit(folder, regi);
    ujFajlok();
    if (!torott.isNull()) folder.put(kCsereNaploFile, torott);
    fizetoParHelyreallitas(folder.path());
    EXPECT_EQ(allapot(folder, regi, uj), 0);
  }
  // A journal naming files outside the folder is ignored.
  beallit(folder, regi);
  folder.put(kCsereNaploFile, "LAVINDOR FIZETOCSERE 1\n../x\tnevek1.dat\nxxkoz.dat\tkozl3sor.dat\nVEGE\n");
  fizetoParHelyreallitas(folder.path());
  EXPECT_EQ(allapot(folder, regi, uj), 0);
}

// A made change whose claimed source file went with its folder (a removed stick) is finished at
// the next start: the claim counts as removed, and the pair is writable again.
TEST_F(CsereTest, AClaimWhoseFolderIsGoneIsNoLongerPending) {
  TempFolder figyelt;
  const QString forras = QDir(figyelt.path()).filePath("x.csv" + kAtvetelUtotag);
  figyelt.put("x.csv" + kAtvetelUtotag, "x");
  ujFajlok();
  fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                 [](CsereLepes l) { return l != CsereLepes::NaploTorles; }, forras);
  ASSERT_TRUE(fizetoNaploVan(folder.path()));
  ASSERT_TRUE(QDir(figyelt.path()).removeRecursively());
  EXPECT_EQ(fizetoParHelyreallitas(folder.path()).uzenet, QString());
  EXPECT_FALSE(fizetoNaploVan(folder.path()));
  EXPECT_EQ(allapot(folder, regi, uj), 1);
}

// An undo that cannot put a backup back (a folder took the payer file's place) keeps the
// backups and says so; meanwhile the readers read the old pair from them, and a later recovery
// finishes the undo.
TEST_F(CsereTest, AnUndoThatCannotPutABackupBackKeepsIt) {
  ujFajlok();
  fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                 [](CsereLepes l) { return l != CsereLepes::Atnevezes2; });
  folder.put(kKozl3sorTempFile, uj.kozl.left(10));  // the new notice file is torn: only an undo is left
  QFile::remove(folder.file(kNevekFile));
  ASSERT_TRUE(QDir(folder.path()).mkpath(kNevekFile + "/x"));
  EXPECT_TRUE(fizetoParHelyreallitas(folder.path()).fuggoben);
  const OlvasottPar p = olvasandoPar(folder.path());
  EXPECT_EQ(folder.bytes(p.nevek), regi.nevek);
  EXPECT_EQ(folder.bytes(p.kozl), regi.kozl);
  QDir(folder.file(kNevekFile)).removeRecursively();
  EXPECT_FALSE(fizetoParHelyreallitas(folder.path()).fuggoben);
  EXPECT_EQ(allapot(folder, regi, uj), 0);
}

namespace {

// Runs the deletion child on the folder; see gyerekFuttatas.
int gyerek(const TempFolder& folder, int torolt, int lepes, std::optional<int> kesleltetes,
           qint64* tartam = nullptr) {
  return gyerekFuttatas(TORLESGYEREK, {folder.path(), QString::number(torolt), QString::number(lepes)}, kesleltetes,
                        tartam);
}

}  // namespace

TEST(CsereKill, ChildKilledBeforeEachStepOfADeletion) {
  TempFolder folder(killMappa());
  const Par regi = regiPar(50), uj = ujPar(regi, 17);
  // Before the journal is whole: the old pair; once it is: the new one.
  const int vart[] = {0, 0, 0, 1, 1, 1};
  for (int lepes = 0; lepes < 6; ++lepes) {
    beallit(folder, regi);
    const int status = gyerek(folder, 17, lepes, std::nullopt);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << lepes;
    fizetoParHelyreallitas(folder.path());
    EXPECT_EQ(allapot(folder, regi, uj), vart[lepes]) << lepes;
  }
}

TEST(CsereKill, ChildKilledAtRandomPointsOfADeletion) {
  // A thousand payers, so that the deletion lasts long enough to be hit inside.
  // LAVINDOR_KILL_RUNS sets a longer run by hand.
  TempFolder folder(killMappa());
  const Par regi = regiPar(1000), uj = ujPar(regi, 456);
  // The child pauses before each step of the swap, so the gaps between them are hit too. The
  // longest of three undisturbed runs sets the range of the kill times.
  qint64 tartam = 0;
  for (int i = 0; i < 3; ++i) {
    beallit(folder, regi);
    qint64 t = 0;
    ASSERT_EQ(gyerek(folder, 456, -2, std::nullopt, &t), 0);
    ASSERT_EQ(allapot(folder, regi, uj), 1);
    tartam = std::max(tartam, t);
  }
  const int futasok = qEnvironmentVariableIsSet("LAVINDOR_KILL_RUNS") ? qEnvironmentVariableIntValue("LAVINDOR_KILL_RUNS") : 200;
  // Four children at a time, each in its own folder: starting a child costs more than the
  // deletion itself.
  constexpr int kSzalak = 4;
  std::vector<std::unique_ptr<TempFolder>> mappak;
  for (int w = 0; w < kSzalak; ++w) mappak.push_back(std::make_unique<TempFolder>(killMappa()));
  std::atomic<int> regiek{0}, ujak{0}, rossz{-1};
  parhuzamosKorok(futasok, kSzalak, tartam, [&](int w, int i, int ido) {
    const TempFolder& m = *mappak[size_t(w)];
    beallit(m, regi);
    gyerek(m, 456, -2, ido);
    fizetoParHelyreallitas(m.path());
    const int a = allapot(m, regi, uj);
    if (a == -1) rossz = i;
    (a == 0 ? regiek : ujak)++;
  });
  ASSERT_EQ(rossz.load(), -1) << "torn or unpaired files after run " << rossz.load();
  // Both outcomes occur, so the kills land inside the deletion.
  EXPECT_GT(regiek.load(), 0);
  EXPECT_GT(ujak.load(), 0);
  std::printf("%d kills: %d old pair, %d new pair (deletion %lld us)\n", futasok, regiek.load(), ujak.load(), (long long)tartam);
}

TEST_F(CsereTest, ASwapIsDoneOnlyOnceItsRenamesAreFlushed) {
  // The flushes of the new files' names and of the journal work, the one after the renames
  // fails: the journal stays, so a power loss finishes the change at the next start; the next
  // recovery finishes it now.
  ujFajlok();
  CsereEredmeny e;
  {
    FajlHibak hibak({{FajlHivas::MappaSzinkron, 0}, {FajlHivas::MappaSzinkron, 0}, {FajlHivas::MappaSzinkron, EIO}});
    e = fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile);
  }
  EXPECT_EQ(e.allapot, CsereAllapot::KovetkezoInditaskor);
  EXPECT_TRUE(e.uzenet.startsWith(QStringLiteral("A címzettek fájljai lecserélődtek, de a lemez hibát jelzett a "
                                                 "mappájuk kiírásakor: Bemeneti/kimeneti hiba.")))
      << e.uzenet.toStdString();
  EXPECT_TRUE(folder.exists(kCsereNaploFile));
  EXPECT_FALSE(fizetoParHelyreallitas(folder.path()).fuggoben);
  EXPECT_EQ(allapot(folder, regi, uj), 1);
}

namespace {
struct Leall {};  // thrown by a step hook: the process stops there
}  // namespace

// A power loss that keeps the journal and the new notice file but loses the new payer file's
// name (names reach the disk in any order): the recovery never pairs the old payers with the
// new notices: neither a shorter new payer file (its length tells, also where the backup is a
// copy) nor one as long as the old (the backup is still a link to the old file).
TEST_F(CsereTest, ALostNewFileIsNoRenamedOne) {
  const Par regi20 = regiPar(20);
  Par masik = regiPar(21);  // 20 other payers: the same length, other bytes
  masik.nevek.remove(0, NevekRekord::Length);
  masik.kozl.remove(0, Kozl3sorRekord::Length);
  for (const auto& [u, masolat] : {std::pair{ujPar(regi20, 7), true}, std::pair{masik, false}}) {
    beallit(folder, regi20);
    folder.put(kNevekTempFile, u.nevek);
    folder.put(kKozl3sorTempFile, u.kozl);
    EXPECT_THROW(fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                                [&](CsereLepes l) {
                                  if (l != CsereLepes::Atnevezes1) return true;
                                  QFile::remove(folder.file(kNevekTempFile));
                                  throw Leall{};
                                }),
                 Leall);
    ASSERT_TRUE(folder.exists(kCsereNaploFile));
    if (masolat)  // a file system without links keeps a copy
      for (const QString& b : QDir(folder.path()).entryList({"*.bak"})) {
        const QByteArray tartalom = folder.bytes(b);
        QFile::remove(folder.file(b));
        folder.put(b, tartalom);
      }
    fizetoParHelyreallitas(folder.path());
    EXPECT_EQ(allapot(folder, regi20, u), 0);
  }
}

// The new files' names are on the disk before the journal: a failed flush of them refuses the
// change, no journal written.
TEST_F(CsereTest, TheNewNamesAreFlushedBeforeTheJournal) {
  ujFajlok();
  int mappaSzinkronok = 0;
  bool naploElotte = false;
  CsereEredmeny e;
  {
    FajlHorogProba proba([&](FajlHivas h, const QString&, qint64&, qint64) {
      if (h != FajlHivas::MappaSzinkron || mappaSzinkronok++ > 0) return 0;
      naploElotte = folder.exists(kCsereNaploFile);
      return EIO;
    });
    e = fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile);
  }
  EXPECT_FALSE(naploElotte);
  EXPECT_EQ(e.allapot, CsereAllapot::Valtozatlan);
  EXPECT_EQ(e.uzenet, QStringLiteral("A program mappája nem írható ki a lemezre: Bemeneti/kimeneti hiba."));
  EXPECT_EQ(allapot(folder, regi, uj), 0);
}

// After a failed rename the message says what the disk holds: a first rename that fails with
// the flush after the journal's removal failing too leaves the old pair (the journal is gone);
// a second rename that fails once and then works finishes the change.
TEST_F(CsereTest, AFailedRenameSaysWhatTheDiskHolds) {
  const QString nemCserelheto = QStringLiteral("A(z) nevek1.dat fájl nem cserélhető le: Bemeneti/kimeneti hiba.");
  const struct {
    const char* mi;
    CsereLepes lepes;
    int hibak;  // failures of that step
    std::deque<FajlHibaLepes> mappa;
    CsereAllapot vart;
    QString uzenet;
    int utana;
  } esetek[] = {
      {"first rename", CsereLepes::Atnevezes1, 1, {}, CsereAllapot::Valtozatlan, nemCserelheto, 0},
      {"first rename, then the flush after the journal's removal",
       CsereLepes::Atnevezes1,
       1,
       {{FajlHivas::MappaSzinkron}, {FajlHivas::MappaSzinkron}, {FajlHivas::MappaSzinkron}, {FajlHivas::MappaSzinkron, EIO}},
       CsereAllapot::Valtozatlan,
       nemCserelheto,
       0},
      {"second rename once", CsereLepes::Atnevezes2, 1, {}, CsereAllapot::Kesz, {}, 1},
  };
  for (const auto& c : esetek) {
    SCOPED_TRACE(c.mi);
    beallit(folder, regi);
    ujFajlok();
    int hibak = c.hibak;
    CsereEredmeny e;
    {
      FajlHibak mappa(c.mappa);
      e = fizetoParCsere(folder.path(), kNevekTempFile, kKozl3sorTempFile,
                         [&](CsereLepes l) { return l != c.lepes || hibak-- <= 0; });
      EXPECT_EQ(mappa.hatra(), 0u);
    }
    EXPECT_EQ(e.allapot, c.vart);
    EXPECT_EQ(e.uzenet, c.uzenet);
    EXPECT_FALSE(folder.exists(kCsereNaploFile));
    fizetoParHelyreallitas(folder.path());
    EXPECT_EQ(allapot(folder, regi, uj), c.utana);
  }
}
