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

#include <cerrno>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <sys/stat.h>
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
#include "support/fajlhibak.h"
#include "support/gyerek.h"
#include "tests/helpers/gyerekhorog.h"

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
// `nfs`: it locks by the rule of a network file system.
int masikProgram(const TempFolder& f, std::optional<int> megolve = std::nullopt, bool nfs = false) {
  const int st = gyerekFuttatas(ZARGYEREK, {f.path(), megolve ? "tart" : "", nfs ? "nfs" : ""}, megolve);
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
// its name) refuses the start, saying why in Hungarian: two programs could write the same files
// otherwise. A link is not followed, whether it points to a file or to nothing.
TEST(PeldanyZarTest, AnUnusableLockInAWritableFolderRefusesTheStart) {
  const struct {
    const char* mi;
    std::function<bool(const TempFolder&)> tesz;
    const char* miert;
    int angol;  // the error whose English text must not show
  } esetek[] = {
      {"a folder", [](const TempFolder& f) { return QDir(f.path()).mkdir(kZarFile); }, "ilyen nevű mappa áll a helyén",
       EISDIR},
      {"a dangling link", [](const TempFolder& f) { return QFile::link(f.file("masik"), f.file(kZarFile)); },
       "szimbolikus link áll a helyén, amelyet a program nem követ", ELOOP},
      {"a link to a file",
       [](const TempFolder& f) {
         f.put("masik", "mas");
         return QFile::link(f.file("masik"), f.file(kZarFile));
       },
       "szimbolikus link áll a helyén, amelyet a program nem követ", ELOOP},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    TempFolder f;
    ASSERT_TRUE(e.tesz(f));
    const QStringList elotte = f.entries();
    const PeldanyZar zar(f.path());
    EXPECT_EQ(zar.allapot(), PeldanyZar::Allapot::ZarHibas);
    EXPECT_TRUE(zar.tilos());
    EXPECT_TRUE(zar.uzenet().startsWith(QString::fromUtf8("A(z) lavindor.lock zárfájl nem használható: %1.\r\n")
                                            .arg(QString::fromUtf8(e.miert))))
        << zar.uzenet().toStdString();
    EXPECT_FALSE(zar.uzenet().contains(QString::fromLatin1(std::strerror(e.angol)), Qt::CaseInsensitive));
    EXPECT_EQ(f.entries(), elotte);  // nothing created through the link
    if (f.exists("masik")) {
      EXPECT_EQ(f.bytes("masik"), "mas");
    }
  }
}

// Each call of the lock passes the file layer, and one that fails refuses the start with the
// system's reason in Hungarian; a question about the folder that fails counts as a writable one.
TEST(PeldanyZarTest, AFailedCallOfTheLockRefusesTheStartSayingWhy) {
  using H = FajlHivas;
  const struct {
    const char* mi;
    bool van;  // the lock file is there already
    std::deque<FajlHibaLepes> lepesek;
    const char* miert;
  } esetek[] = {
      {"the question about its name", true, {{H::Lekerdezes, EIO, -1, kZarFile}}, "Bemeneti/kimeneti hiba"},
      {"its creation", false, {{H::Letrehozas, ENOSPC, -1, kZarFile}}, "Nincs több szabad hely az eszközön"},
      {"its opening", true, {{H::Nyitas, EIO, -1, kZarFile}}, "Bemeneti/kimeneti hiba"},
      {"the question right after the open",
       false,
       {{H::Letrehozas, 0, -1, kZarFile}, {H::Lekerdezes, ESTALE, -1, kZarFile}},
       "A hálózati fájlrendszeren a fájl megszűnt vagy kicserélték"},
      {"the lock", true, {{H::Zarolas, ENOLCK}}, "A fájlrendszer nem ad zárat"},
      {"the lock, and the question about the folder",
       true,
       {{H::Zarolas, ENOLCK}, {H::Lekerdezes, EIO}},
       "A fájlrendszer nem ad zárat (nem támogatja a zárolást, vagy elfogytak a zárak); a mappa írhatósága sem "
       "állapítható meg: Bemeneti/kimeneti hiba"},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    TempFolder f;
    if (e.van) f.put(kZarFile, {});
    QString uzenet;
    {
      FajlHibak hibak(e.lepesek);
      const PeldanyZar zar(f.path());
      EXPECT_EQ(hibak.hatra(), 0u);
      EXPECT_EQ(zar.allapot(), PeldanyZar::Allapot::ZarHibas);
      uzenet = zar.uzenet();
    }
    EXPECT_TRUE(uzenet.startsWith(QString::fromUtf8("A(z) lavindor.lock zárfájl nem használható: ") +
                                  QString::fromUtf8(e.miert)))
        << uzenet.toStdString();
    EXPECT_EQ(PeldanyZar(f.path()).allapot(), PeldanyZar::Allapot::Zarolva);  // nothing of it stays
  }
}

// A network file system (NFS) locks only a file open for writing: under that rule a start in a
// writable folder takes the lock, and a second program beside it is refused, also one that
// holds to the same rule (as on another computer). A read-only folder runs without a lock.
TEST(PeldanyZarTest, UnderTheNetworkLockRuleAStartLocksAndASecondIsRefused) {
  const FajlHorogProba nfs(nfsZarSzabaly());
  TempFolder f;
  {
    const PeldanyZar elso(f.path());
    ASSERT_EQ(elso.allapot(), PeldanyZar::Allapot::Zarolva) << elso.uzenet().toStdString();
    const PeldanyZar masodik(f.path());
    EXPECT_EQ(masodik.allapot(), PeldanyZar::Allapot::MasikFut);
    EXPECT_TRUE(masodik.uzenet().startsWith(QString::fromUtf8("A program már fut ebből a mappából:\r\n")));
    EXPECT_EQ(masikProgram(f, std::nullopt, true), int(PeldanyZar::Allapot::MasikFut));
    EXPECT_EQ(masikProgram(f), int(PeldanyZar::Allapot::MasikFut));
  }
  EXPECT_EQ(masikProgram(f, std::nullopt, true), int(PeldanyZar::Allapot::Zarolva));
  // A folder this user may not write, with and without a lock file: it runs without a lock. Root
  // writes anything: there the lock is taken in a child that is another user.
  for (const bool van : {false, true}) {
    TempFolder ro;
    if (van) ro.put(kZarFile, {});
    ASSERT_EQ(::chmod(QFile::encodeName(ro.path()).constData(), 0555), 0);
    const auto zarNelkul = [&] { return PeldanyZar(ro.path()).allapot() == PeldanyZar::Allapot::ZarNelkul; };
    if (::geteuid() != 0) {
      EXPECT_TRUE(zarNelkul()) << van;
    } else {
      const pid_t gyerek = ::fork();
      if (gyerek == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && zarNelkul() ? 0 : 1);
      int st = -1;
      ::waitpid(gyerek, &st, 0);
      EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0) << van;
    }
    EXPECT_EQ(ro.entries(), van ? QStringList{kZarFile} : QStringList{});
    ::chmod(QFile::encodeName(ro.path()).constData(), 0700);
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
