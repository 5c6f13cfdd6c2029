// One program per folder, and what a start makes of an interrupted run: a change of the payer
// pair finished only when all its files are whole and otherwise undone (and said once), no
// temporary file left, layout files of 0 bytes given their factory values, a conversion's new
// file removed. And ending on a signal while a message box is open.
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QSysInfo>
#include <QTimer>

#include <functional>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

#include "ablakfixture.h"
#include "app/leallitas.h"
#include "app/peldanyzar.h"
#include "exchange/helyreallitas.h"
#include "exchange/konvertalas.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/parok.h"
#include "payerwindows/fizetoirhato.h"
#include "payerwindows/fizetolista.h"
#include "support/gyerek.h"

namespace {

TEST(PeldanyZarTest, OneProgramPerFolderAndAStaleLockIsTakenOver) {
  TempFolder f;
  {
    const PeldanyZar elso(f.path());
    EXPECT_EQ(elso.allapot(), PeldanyZar::Allapot::Zarolva);
    const QStringList elotte = f.entries();
    const QByteArray zar = f.bytes(kZarFile);
    const PeldanyZar masodik(f.path());
    EXPECT_EQ(masodik.allapot(), PeldanyZar::Allapot::MasikFut);
    EXPECT_TRUE(masodik.uzenet().startsWith(QString::fromUtf8("A program már fut ebből a mappából:\r\n") + f.path()));
    EXPECT_EQ(f.entries(), elotte);  // the second one touched nothing
    EXPECT_EQ(f.bytes(kZarFile), zar);
  }
  // Released with its program; a lock whose program no longer runs (killed) is taken over.
  EXPECT_EQ(PeldanyZar(f.path()).allapot(), PeldanyZar::Allapot::Zarolva);
  const pid_t halott = ::fork();
  if (halott == 0) ::_exit(0);
  ::waitpid(halott, nullptr, 0);
  f.put(kZarFile, QByteArray::number(halott) + "\nlavindor\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  EXPECT_EQ(PeldanyZar(f.path()).allapot(), PeldanyZar::Allapot::Zarolva);
}

// Another program on the folder: the lock's state as its exit code (-1: it did not end so).
int masikProgram(const TempFolder& f, std::optional<int> megolve = std::nullopt) {
  const int st = gyerekFuttatas(ZARGYEREK, {f.path(), megolve ? "tart" : ""}, megolve);
  return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

TEST(PeldanyZarTest, NoLockFileBlocksAStartOnlyARunningProgramDoes) {
  TempFolder f;
  // Left empty by a crash in an earlier version, ten minutes ago.
  f.put(kZarFile, {});
  const QDateTime regen = QDateTime::currentDateTime().addSecs(-600);
  {
    QFile z(f.file(kZarFile));
    ASSERT_TRUE(z.open(QIODevice::ReadWrite) && z.setFileTime(regen, QFileDevice::FileModificationTime));
  }
  {
    const PeldanyZar elso(f.path());
    ASSERT_EQ(elso.allapot(), PeldanyZar::Allapot::Zarolva);
    // A second program is refused while this one runs, and touches nothing.
    EXPECT_EQ(masikProgram(f), int(PeldanyZar::Allapot::MasikFut));
    EXPECT_EQ(f.entries(), QStringList{kZarFile});
    EXPECT_EQ(f.bytes(kZarFile), QByteArray());
    EXPECT_EQ(QFileInfo(f.file(kZarFile)).lastModified(), regen);
  }
  EXPECT_EQ(masikProgram(f), int(PeldanyZar::Allapot::Zarolva));
  // One killed while it holds the folder leaves nothing that stops the next.
  EXPECT_EQ(masikProgram(f, 100000), -1);
  EXPECT_EQ(PeldanyZar(f.path()).allapot(), PeldanyZar::Allapot::Zarolva);
}

// In a folder where files can be written, a lock file that cannot be taken (a folder, a link at
// its name) refuses the start, saying why: two programs could write the same files otherwise.
TEST(PeldanyZarTest, AnUnusableLockInAWritableFolderRefusesTheStart) {
  for (const bool mappa : {true, false}) {
    TempFolder f;
    if (mappa)
      ASSERT_TRUE(QDir(f.path()).mkdir(kZarFile));
    else
      ASSERT_TRUE(QFile::link(f.file("masik"), f.file(kZarFile)));
    const PeldanyZar zar(f.path());
    EXPECT_EQ(zar.allapot(), PeldanyZar::Allapot::ZarHibas) << mappa;
    EXPECT_TRUE(zar.tilos());
    EXPECT_TRUE(zar.uzenet().startsWith(QString::fromUtf8("A(z) lavindor.lock zárfájl nem használható: ")))
        << zar.uzenet().toStdString();
    EXPECT_FALSE(QFileInfo::exists(f.file("masik")));  // nothing created through the link
  }
}

// The folder as a crash would leave it just before a step of a swap of 4 payers for 2: the
// hook copies the folder at that moment.
struct Leallas {
  TempFolder kep;
  QByteArray regiN = parNevek(4), regiK = parKozlemenyek(4), ujN = parNevek(2), ujK = parKozlemenyek(2);
  explicit Leallas(CsereLepes lepes) {
    TempFolder f;
    f.put(kNevekFile, regiN);
    f.put(kKozl3sorFile, regiK);
    fizetoParIras(f.path(), ujN, ujK, [&](CsereLepes l) {
      if (l == lepes)
        for (const QString& e : f.entries()) kep.put(e, f.bytes(e));
      return true;
    });
  }
  QString fajl(const char* minta) const {
    const QStringList t = QDir(kep.path()).entryList({QString::fromLatin1(minta)});
    return t.isEmpty() ? QString() : t.first();
  }
  // 0 the old pair, 1 the new one, -1 anything else (also any file left beside them).
  int allapot() const {
    if (kep.entries() != QStringList({kKozl3sorFile, kNevekFile})) return -1;
    const QByteArray n = kep.bytes(kNevekFile), k = kep.bytes(kKozl3sorFile);
    return n == regiN && k == regiK ? 0 : n == ujN && k == ujK ? 1 : -1;
  }
};

TEST(Helyreallitas, RollsForwardOnlyWholeChangesAndUndoesTheRestOnce) {
  auto csonkit = [](const char* minta) {
    return [minta](Leallas& l) {
      const QString f = l.fajl(minta);
      l.kep.put(f, l.kep.bytes(f).chopped(10));
    };
  };
  const struct {
    const char* mi;
    CsereLepes lepes;
    std::function<void(Leallas&)> ront;
    int vart;
  } esetek[] = {
      {"before the journal", CsereLepes::Naplo, {}, 0},
      {"whole, before the renames", CsereLepes::Atnevezes1, {}, 1},
      {"whole, between the renames", CsereLepes::Atnevezes2, {}, 1},
      {"whole, before the journal goes", CsereLepes::NaploTorles, {}, 1},
      {"new notice file gone", CsereLepes::Atnevezes1, [](Leallas& l) { QFile::remove(l.kep.file(l.fajl("xxkoz-*"))); }, 0},
      {"new payer file torn", CsereLepes::Atnevezes1, csonkit("nevx-*"), 0},
      {"new notice file torn after the payers were renamed", CsereLepes::Atnevezes2, csonkit("xxkoz-*"), 0},
      {"renamed payer file gone", CsereLepes::Atnevezes2, [](Leallas& l) { QFile::remove(l.kep.file(kNevekFile)); }, 0},
  };
  for (const auto& e : esetek) {
    Leallas l(e.lepes);
    ASSERT_FALSE(l.kep.entries().isEmpty()) << e.mi;
    if (e.ront) e.ront(l);
    const CsereHelyreallitas h = fizetoParHelyreallitas(l.kep.path());
    EXPECT_EQ(l.allapot(), e.vart) << e.mi;
    EXPECT_FALSE(h.fuggoben) << e.mi;
    // An undone change is said; one that never started or is finished is not.
    EXPECT_EQ(h.uzenet.isEmpty(), e.vart == 1 || !e.ront) << e.mi;
    EXPECT_EQ(fizetoParHelyreallitas(l.kep.path()).uzenet, QString()) << e.mi;  // said once
  }
  // An undo cut short by a crash (its journal renamed, the renamed payer file gone) goes on
  // undoing from the backups: neither forward nor dropping them. Also when the old payer file is
  // back already: never forward to the new notice file beside the old payers.
  for (bool visszatett : {false, true}) {
    Leallas l(CsereLepes::Atnevezes2);
    ASSERT_TRUE(QFile::remove(l.kep.file(kNevekFile)));
    ASSERT_TRUE(QFile::rename(l.kep.file(kCsereNaploFile), l.kep.file("fizetocsere.vissza")));
    if (visszatett) {
      ASSERT_TRUE(QFile::rename(l.kep.file(l.fajl("nevek1-*.bak")), l.kep.file(kNevekFile)));
    }
    fizetoParHelyreallitas(l.kep.path());
    EXPECT_EQ(l.allapot(), 0) << visszatett;
  }
}

TEST(Helyreallitas, AChangeThatCannotBeFinishedKeepsEveryWriterOut) {
  Leallas l(CsereLepes::Atnevezes1);  // the journal stands, nothing renamed yet
  ASSERT_TRUE(QFile::remove(l.kep.file(kKozl3sorFile)));
  ASSERT_TRUE(QDir(l.kep.path()).mkdir(kKozl3sorFile));  // the notice file cannot be replaced
  RecordedMessageBoxes m;
  Platform p;
  p.folder = l.kep.path();
  p.messages = &m;
  EXPECT_FALSE(fizetoIrhato(p, nullptr));
  ASSERT_EQ(m.shown.size(), 1u);
  EXPECT_TRUE(m.shown[0].text.contains(QString::fromUtf8("nem fejezhető be")));
  EXPECT_TRUE(l.kep.exists(kCsereNaploFile));
  // Once it can be, the next writer finishes it first.
  ASSERT_TRUE(QDir(l.kep.path()).rmdir(kKozl3sorFile));
  EXPECT_TRUE(fizetoIrhato(p, nullptr));
  EXPECT_EQ(l.allapot(), 1);
}

TEST(Helyreallitas, TemporaryNamesAreTheChangesOwn) {
  const CsereNevek a = ujCsereNevek(), b = ujCsereNevek();
  EXPECT_NE(a.nevek, b.nevek);
  EXPECT_NE(a.kozl, b.kozl);
  EXPECT_TRUE(a.nevek.startsWith("nevx-") && a.kozl.startsWith("xxkoz-"));
  // Leftovers that no journal names (of an earlier version or another change) go at the start.
  TempFolder f;
  f.put(kNevekFile, parNevek(2));
  for (const QString& n : {a.nevek, b.kozl, kNevekTempFile, kKozl3sorTempFile, QStringLiteral("nevek1-1-ab.bak")})
    f.put(n, "x");
  fizetoParHelyreallitas(f.path());
  EXPECT_EQ(f.entries(), QStringList{kNevekFile});
}

using IndulasHelyreallitas = AblakTest;

TEST_F(IndulasHelyreallitas, ANewPayerFileWithoutItsNoticeFileIsUndoneAndSaidOnce) {
  // The journal of an earlier version names nevx.dat and xxkoz.dat; xxkoz.dat is gone.
  folder.put(kNevekFile, parNevek(100));
  folder.put(kKozl3sorFile, parKozlemenyek(100));
  folder.put(kNevekTempFile, parNevek(7));
  folder.put(kCsereNaploFile, "LAVINDOR FIZETOCSERE 1\nnevx.dat\tnevek1.dat\nxxkoz.dat\tkozl3sor.dat\nVEGE\n");
  auto w = indit();
  EXPECT_EQ(w->lista->sorokSzama(), 100);
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(100));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(100));
  EXPECT_FALSE(folder.exists(kNevekTempFile) || folder.exists(kCsereNaploFile));
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.contains(QString::fromUtf8("A címzettek korábbi adatai maradtak meg.")));
  w.reset();
  auto w2 = indit();
  EXPECT_EQ(uzenetek.shown.size(), 1u);
}

template <class R>
QByteArray gyari(const FactoryTable<R>& t) {
  R r{};
  applyFactory(r, t);
  return encodeRecord(r);
}

TEST_F(IndulasHelyreallitas, EmptyLayoutFilesGetTheirFactoryValuesWrittenWhole) {
  for (const QString& n : {kSetFile, kSetTertiFile, kSetUlapFile, kBoritekFile}) folder.put(n, {});
  folder.put(kSetIrat2File, QByteArray(SetIrat2Rekord::Length, '\0'));  // a record of zeros stays
  folder.put(kKonvTempFile, "a conversion's new file, cut short");
  auto w = indit();
  EXPECT_EQ(folder.bytes(kSetTertiFile), gyari(tertiFactory()));
  EXPECT_EQ(folder.bytes(kSetUlapFile), gyari(ulapFactory()));
  EXPECT_EQ(folder.bytes(kSetIrat2File), QByteArray(SetIrat2Rekord::Length, '\0'));
  EXPECT_EQ(folder.bytes(kBoritekFile).size(), BoritekRekord::Length);
  EXPECT_EQ(set().AutBeolvas, 0);
  EXPECT_EQ(set().Nyomtatando[0], -1);  // the factory slip prints every item group
  EXPECT_FALSE(folder.exists(kKonvTempFile));
  // Written through temporary files that are gone: nothing but the files themselves.
  for (const QString& e : folder.entries()) EXPECT_TRUE(e.endsWith(".dat", Qt::CaseInsensitive)) << e.toStdString();
  EXPECT_TRUE(uzenetek.shown.empty());
}

TEST_F(IndulasHelyreallitas, NoWriteThroughAPayerFileThatCannotBeRead) {
  TempFolder figyelt;
  setFajl([&](SetRekord& s) {
    s.AutBeolvas = 1;
    s.AutBeolvasFelulir = -1;
    s.AutBeolvasMappa = figyelt.path();
  });
  ASSERT_TRUE(QFile::link(folder.file("nincs.dat"), folder.file(kNevekFile)));  // dangling
  figyelt.put("x.csv", "A;;;;;;1\r\n");
  auto w = indit();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  w->Timer1_Timer();
  w->Timer1_Timer();
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, uzenetek.shown[0].text);
  // The link is not replaced by a new payer file, and no payer went through it.
  EXPECT_TRUE(QFileInfo(folder.file(kNevekFile)).isSymLink());
  EXPECT_EQ(folder.bytes("nincs.dat"), QByteArray());
  EXPECT_FALSE(folder.exists(kKozl3sorFile));
  EXPECT_EQ(figyelt.entries(), QStringList{"x.csv"});
}

TEST(Leallas, ASignalClosesTheOpenBoxThenTheProgram) {
  QWidget foablak;
  foablak.show();
  QDialog beallitas(&foablak);  // a dialog open beside the box, as the payer dialog can be
  beallitas.show();
  bool elutasitva = false;
  QObject::connect(&beallitas, &QDialog::rejected, [&] { elutasitva = true; });
  QtMessageBoxes dobozok;
  MsgAnswer elso = MsgAnswer::Yes, kesobbi = MsgAnswer::Yes;
  bool nyitva = false;
  QTimer::singleShot(0, [&] {
    // The signal arrives while the question is open.
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) nyitva = nyitva || (qobject_cast<QDialog*>(w) && w->isVisible());
      jelzesreLeallas(&foablak);
    });
    elso = dobozok.show(QStringLiteral("Mehet a TÖRLÉS?"), QStringLiteral("Adatbázis törlése"), MsgButtons::YesNo,
                        MsgIcon::Question);
    // A box the handler opens afterwards returns at once, with the answer that changes nothing.
    kesobbi = dobozok.show(QStringLiteral("Még egy?"), QString(), MsgButtons::YesNo, MsgIcon::Question);
  });
  QApplication::exec();
  EXPECT_TRUE(nyitva);
  EXPECT_EQ(elso, MsgAnswer::No);
  EXPECT_EQ(kesobbi, MsgAnswer::No);
  EXPECT_FALSE(foablak.isVisible());
  EXPECT_FALSE(beallitas.isVisible());
  EXPECT_TRUE(elutasitva);
  // The test program's event loops run again afterwards.
  QEventLoop hurok;
  QTimer::singleShot(0, &hurok, [&] { hurok.exit(7); });
  EXPECT_EQ(hurok.exec(), 7);
}

}  // namespace
