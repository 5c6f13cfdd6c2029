// The export file as a whole, the conversion of the old payer file and the database deletion.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

#include "common/cp1250.h"
#include "common/fajlmuvelet.h"
#include "exchange/csvexport.h"
#include "exchange/helyreallitas.h"
#include "exchange/konvertalas.h"
#include "exchange/torles.h"
#include "payerstore/fizetocsere.h"
#include "support/fajlhibak.h"
#include "tests/exchange/csere.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

TEST(Export, WholeFile) {
  TempFolder f;
  // An empty payer file gives an empty export file.
  ExportEredmeny r = csvExport(f.path(), f.file("ki.csv"));
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(f.exists("ki.csv"));
  EXPECT_EQ(f.bytes("ki.csv").size(), 0);
  // Three payers over an older export of 10 lines: exactly 3 lines; payer 3 has no notice.
  f.put("ki.csv", QByteArray(3310, 'x'));
  parIr(f, 3, 2);
  r = csvExport(f.path(), f.file("ki.csv"));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.fizetok, 3);
  const QByteArray b = f.bytes("ki.csv");
  ASSERT_EQ(b.size(), 3 * 331);
  EXPECT_TRUE(b.mid(175, 21).startsWith(cp1250::encode(QString::fromUtf8("Közlemény 1"))));
  EXPECT_EQ(b.mid(2 * 331 + 175, 21), QByteArray(20, ' ') + ';');  // blank, never another payer's
  EXPECT_EQ(QDir(f.path()).entryList({"*ki.csv*"}, QDir::Files | QDir::Hidden).size(), 1);  // no temp left
}

TEST(Export, RefusedAndFailedTargetsLeaveNoHalfFile) {
  TempFolder f;
  parIr(f, 2);
  const QByteArray nevek = f.bytes(kNevekFile);
  for (const QString& cel : {f.file(kNevekFile), f.file("Set.dat"), f.file("NEVEK1.DAT")}) {
    const ExportEredmeny r = csvExport(f.path(), cel);
    EXPECT_FALSE(r.ok()) << cel.toStdString();
  }
  EXPECT_EQ(f.bytes(kNevekFile), nevek);
  EXPECT_FALSE(f.exists("Set.dat"));
  // A folder where the file should go (the final rename fails), a folder that does not exist.
  QDir(f.path()).mkpath("cel.csv/belul");
  EXPECT_FALSE(csvExport(f.path(), f.file("cel.csv")).ok());
  EXPECT_FALSE(csvExport(f.path(), f.file("nincs/ki.csv")).ok());
  EXPECT_EQ(QDir(f.path()).entryList({"*cel.csv*"}, QDir::Files | QDir::Hidden).size(), 0);
}

// An existing export the user may not write is refused, not replaced. Root may write anything:
// there the export runs in a child that is another user.
TEST(Export, AReadOnlyTargetIsRefused) {
  TempFolder f;
  parIr(f, 2);
  f.put("ro.csv", "regi");
  ASSERT_EQ(::chmod(QFile::encodeName(f.file("ro.csv")).constData(), 0444), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(f.path()).constData(), 0777), 0);
  const QString vart = QString::fromUtf8("A(z) ro.csv fájl nem hozható létre: Hozzáférés megtagadva");
  const auto elutasitva = [&] { return csvExport(f.path(), f.file("ro.csv")).hiba == vart; };
  if (::geteuid() != 0) {
    EXPECT_TRUE(elutasitva());
  } else {
    const pid_t gyerek = ::fork();
    if (gyerek == 0) ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && elutasitva() ? 0 : 1);
    int st = -1;
    ::waitpid(gyerek, &st, 0);
    EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0);
  }
  EXPECT_EQ(f.bytes("ro.csv"), "regi");
  EXPECT_EQ(f.entries(), QStringList({kKozl3sorFile, kNevekFile, "ro.csv"}));
}

// Running out of room part-way, a file-size limit, a flush the disk refuses, a question about
// the new file that fails right after its create: the message gives the system's reason, no
// unfinished file stays, and the older export stays as it was, unless only the folder's flush
// after the rename failed (then it says that the new one may not last).
TEST(Export, AFailedWriteOrFlushSaysWhyAndKeepsTheOldExport) {
  const QString nemIrhato = QString::fromUtf8("A(z) ki.csv fájl nem írható: ");
  const struct {
    const char* mi;
    std::deque<FajlHibaLepes> lepesek;
    rlim_t hatar;  // a file-size limit, or 0
    QString hiba;
    bool ujMarad = false;  // the new export is in place
  } esetek[] = {
      {"no room part-way", {{FajlHivas::Iras, 0, 1000}, {FajlHivas::Iras, ENOSPC}}, 0,
       nemIrhato + QString::fromUtf8("Nincs több szabad hely az eszközön")},
      {"file-size limit", {}, 2000, nemIrhato + QString::fromUtf8("A fájl túl nagy")},
      {"the file's flush", {{FajlHivas::Szinkron, EIO}}, 0, nemIrhato + QString::fromUtf8("Bemeneti/kimeneti hiba")},
      {"a question right after the create",
       {{FajlHivas::Letrehozas, 0, -1, "ki.csv.felkesz"}, {FajlHivas::Lekerdezes, EIO, -1, "ki.csv.felkesz"}}, 0,
       QString::fromUtf8("A(z) ki.csv fájl nem hozható létre: Bemeneti/kimeneti hiba")},
      {"the folder's flush", {{FajlHivas::MappaSzinkron, EIO}}, 0,
       QString::fromUtf8("A(z) ki.csv fájl elkészült, de a lemez hibát jelzett a mappája kiírásakor, ezért nem "
                         "biztos, hogy megmarad: Bemeneti/kimeneti hiba"),
       true},
      {"a question about the target", {{FajlHivas::Lekerdezes, EACCES, -1, "ki.csv"}}, 0,
       QString::fromUtf8("A(z) ki.csv fájl nem olvasható: Hozzáférés megtagadva.")},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    TempFolder f;
    parIr(f, 20);
    f.put("ki.csv", "regi");
    ExportEredmeny r;
    {
      FajlHibak hibak(e.lepesek);
      MeretKorlat korlat(e.hatar);
      ASSERT_TRUE(korlat.ok());
      r = csvExport(f.path(), f.file("ki.csv"));
      EXPECT_EQ(hibak.hatra(), 0u);
    }
    EXPECT_EQ(r.hiba.toStdString(), e.hiba.toStdString());
    if (e.ujMarad)
      EXPECT_EQ(f.bytes("ki.csv").size(), 20 * 331);
    else
      EXPECT_EQ(f.bytes("ki.csv"), "regi");
    EXPECT_EQ(r.nemBiztos, e.ujMarad);
    EXPECT_EQ(QDir(f.path()).entryList({"ki.csv*"}, QDir::Files | QDir::Hidden), QStringList{"ki.csv"});
  }
}

// A question about a payer file is a read: whichever of them fails (the opening's, the length's),
// and from then on, the export stops before it writes, says why, and the older export stays.
TEST(Export, AFailedQuestionAboutAPayerFileKeepsTheOldExport) {
  for (const QString& fajl : {kNevekFile, kKozl3sorFile}) {
    int kerdesek = 0;  // the questions about `fajl` of one export
    for (int k = 0; k == 0 || k < kerdesek; ++k) {
      SCOPED_TRACE(fajl.toStdString() + " from question " + std::to_string(k));
      TempFolder f;
      parIr(f, 20);
      const QByteArray regi = QByteArray(331, 'r').repeated(30);
      f.put("ki.csv", regi);
      int n = 0;
      ExportEredmeny r;
      {
        FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
          return h == FajlHivas::Lekerdezes && nev == fajl && n++ >= k ? EIO : 0;
        });
        r = csvExport(f.path(), f.file("ki.csv"));
      }
      if (k == 0) kerdesek = n;
      EXPECT_EQ(r.hiba, QString::fromUtf8("Az adatbázis nem exportálható.\r\nA(z) %1 fájl nem olvasható: "
                                          "Bemeneti/kimeneti hiba.")
                            .arg(fajl));
      EXPECT_EQ(f.bytes("ki.csv"), regi);
      EXPECT_EQ(QDir(f.path()).entryList({"ki.csv*"}, QDir::Files | QDir::Hidden), QStringList{"ki.csv"});
    }
    EXPECT_GT(kerdesek, 0);
  }
}

// The file is written under a name that says it is unfinished; one of that name left by an
// export that was killed goes first.
TEST(Export, WritesUnderAnUnfinishedName) {
  TempFolder f;
  parIr(f, 3);
  f.put("ki.csv", "regi");
  f.put("ki.csv.felkesz", "egy megszakadt export");
  bool felkesz = false;
  {
    FajlHorogProba p([&](FajlHivas h, const QString&, qint64&, qint64) {
      if (h == FajlHivas::Iras) felkesz = f.exists("ki.csv.felkesz") && f.bytes("ki.csv.felkesz").isEmpty();
      return 0;
    });
    ASSERT_TRUE(csvExport(f.path(), f.file("ki.csv")).ok());
  }
  EXPECT_TRUE(felkesz);
  EXPECT_EQ(f.bytes("ki.csv").size(), 3 * 331);
  EXPECT_FALSE(f.exists("ki.csv.felkesz"));
}

QByteArray regiFajl(int n, int16_t irsz0 = 7621) {
  QByteArray b;
  for (int i = 1; i <= n; ++i) {
    RegiNevekRekord r;
    r.Nev = QStringLiteral("Régi %1").arg(i);
    r.Nev2 = QStringLiteral("Második");
    r.Helyseg = QStringLiteral("Pécs");
    r.Cim = QStringLiteral("Király utca %1.").arg(i);
    r.Irsz = i == 1 ? irsz0 : 0;
    for (int a = 0; a < 20; ++a) r.Osszegek[size_t(a)] = 1000 * i + a + 1;
    r.BefizAzonosito = QStringLiteral("R-%1").arg(i);
    b += encodeRecord(r);
  }
  return b;
}

TEST(Konvertalas, ThreeOldRecords) {
  TempFolder f;
  EXPECT_EQ(fieldLength<RegiNevekRekord>(), 237);
  const QByteArray regi = regiFajl(3);
  f.put(kNevekFile, regi);
  f.put(kKozl3sorFile, "kozl");
  const KonvEredmeny r = Konvertalas(f.path());
  ASSERT_EQ(r.allapot, KonvAllapot::Kesz) << r.hiba.toStdString();
  EXPECT_EQ(r.rekordok, 3);
  const QByteArray uj = f.bytes(kNevekFile);
  ASSERT_EQ(uj.size(), 3 * 271);
  EXPECT_EQ(f.bytes(kRegiMentesFile), regi);
  EXPECT_EQ(f.bytes(kKozl3sorFile), QByteArray("kozl"));
  EXPECT_FALSE(f.exists(kKonvTempFile));
  const NevekRekord n1 = rekordja<NevekRekord>(uj, 1), n2 = rekordja<NevekRekord>(uj, 2);
  EXPECT_EQ(asStored(n1.Nev), QString::fromUtf8("Régi 1").leftJustified(36));  // widened with blanks
  EXPECT_EQ(asStored(n1.Helyseg), QString::fromUtf8("Pécs").leftJustified(40));
  EXPECT_EQ(asStored(n1.Irsz), QString("7621  "));
  EXPECT_EQ(asStored(n2.Irsz), QString("0     "));
  EXPECT_EQ(n2.Osszegek[0], 2001);
  EXPECT_EQ(n2.Osszegek[11], 2012);  // 13 to 20 are dropped
  EXPECT_EQ(trimmed(n2.BefizAzonosito), "R-2");
  EXPECT_EQ(trimmed(n2.FizHatIdo), "");
  EXPECT_EQ(n2.KulfCim, 0);
}

// Old files are told from current ones by what their fields hold, whatever the length: 271
// and 542 old records are as long as 237 and 474 current ones.
TEST(Konvertalas, OldFilesOfAnyLengthCurrentOnesRefused) {
  for (const int n : {270, 271, 272, 542}) {
    TempFolder f;
    f.put(kNevekFile, regiFajl(n));
    const KonvEredmeny r = Konvertalas(f.path());
    ASSERT_EQ(r.allapot, KonvAllapot::Kesz) << n << " " << r.hiba.toStdString();
    EXPECT_EQ(r.rekordok, n);
    const QByteArray uj = f.bytes(kNevekFile);
    ASSERT_EQ(uj.size(), n * 271) << n;
    EXPECT_EQ(trimmed(rekordja<NevekRekord>(uj, n).Nev), QStringLiteral("Régi %1").arg(n));
  }
  // Current files as long as 271 and 542 old records (the foreign flag set on one payer).
  for (const int n : {237, 474}) {
    TempFolder f;
    QByteArray b;
    for (int i = 1; i <= n; ++i) {
      NevekRekord r = fizeto(i);
      r.KulfCim = i == 2 ? -1 : 0;
      b += encodeRecord(r);
    }
    f.put(kNevekFile, b);
    EXPECT_EQ(Konvertalas(f.path()).allapot, KonvAllapot::NemRegi) << n;
    EXPECT_EQ(f.bytes(kNevekFile), b);
  }
}

// Whole old records and no whole number of current ones: an old file whatever its fields hold,
// stored as they stand. Only where both lengths divide the file do its fields decide.
TEST(Konvertalas, TheLengthDecidesWhereItCan) {
  struct Eset {
    const char* mi;
    int rekordok;
    int32_t osszeg;      // amount 1 of record 2
    bool vezerlo;        // a control byte in record 2's name
    bool kesz;
    const char* uzenet;  // part of the refusal
  };
  const Eset esetek[] = {
      {"474 bytes, negative amount", 2, -500, false, true, ""},
      {"711 bytes, 9-digit amount and a control byte", 3, 123456789, true, true, ""},
      {"64,227 bytes, negative amount", 271, -500, false, true, ""},
      {"64,227 bytes, 9-digit amount", 271, 123456789, false, false,
       "a(z) 2. régi rekord 1. összege 123456789"},
  };
  for (const Eset& e : esetek) {
    TempFolder f;
    QByteArray regi = regiFajl(e.rekordok);
    RegiNevekRekord r = rekordja<RegiNevekRekord>(regi, 2);
    r.Osszegek[0] = e.osszeg;
    regi.replace(237, 237, encodeRecord(r));
    if (e.vezerlo) regi[237 + 3] = '\x01';
    f.put(kNevekFile, regi);
    const KonvEredmeny k = Konvertalas(f.path());
    if (!e.kesz) {
      EXPECT_EQ(k.allapot, KonvAllapot::NemRegi) << e.mi;
      EXPECT_TRUE(k.hiba.contains(QString::fromUtf8("64227 bájt")) && k.hiba.contains(QString::fromUtf8(e.uzenet)))
          << k.hiba.toStdString();
      EXPECT_EQ(f.bytes(kNevekFile), regi) << e.mi;
      continue;
    }
    ASSERT_EQ(k.allapot, KonvAllapot::Kesz) << e.mi << " " << k.hiba.toStdString();
    const QByteArray uj = f.bytes(kNevekFile);
    ASSERT_EQ(uj.size(), e.rekordok * 271) << e.mi;
    EXPECT_EQ(rekordja<NevekRekord>(uj, 2).Osszegek[0], e.osszeg) << e.mi;
    EXPECT_EQ(uj.mid(271, 36), regi.mid(237, 30) + QByteArray(6, ' ')) << e.mi;  // the name byte for byte
    EXPECT_EQ(f.bytes(kRegiMentesFile), regi) << e.mi;
  }
}

TEST(Konvertalas, RefusalsChangeNothing) {
  struct Eset {
    const char* mi;
    QByteArray nevek;
    bool mentes;
    KonvAllapot vart;
    const char* uzenet = "";  // part of the refusal: what was found
  };
  const Eset esetek[] = {
      {"no file", {}, false, KonvAllapot::NincsMit},
      {"current layout", QByteArray(2 * 271, ' '), false, KonvAllapot::NemRegi,
       "2 darab 271 bájtos rekordból áll: ez már a mostani változat adatfájlja"},
      {"odd length", QByteArray(500, ' '), false, KonvAllapot::NemRegi,
       "hossza 500 bájt: ez sem a korábbi változat 237 bájtos, sem a mostani"},
      {"both layouts", QByteArray(237 * 271, ' '), false, KonvAllapot::NemRegi,
       "a(z) 1. régi rekord 1. összege 538976288"},
      {"zeros, readable as either layout", QByteArray(237 * 271, '\0'), false, KonvAllapot::NemRegi,
       "a mostani változat rekordjaiként olvasható, tehát már a mostani változat adatfájlja"},
      {"postcode out of range where the fields decide", regiFajl(271, 12000), false, KonvAllapot::NemRegi},
      {"backup exists", regiFajl(2), true, KonvAllapot::VanMentes},
  };
  for (const Eset& e : esetek) {
    TempFolder f;
    if (!e.nevek.isNull()) f.put(kNevekFile, e.nevek);
    if (e.mentes) f.put(kRegiMentesFile, "korabbi");
    const QStringList elotte = f.entries();
    const KonvEredmeny r = Konvertalas(f.path());
    EXPECT_EQ(r.allapot, e.vart) << e.mi;
    EXPECT_TRUE(r.hiba.contains(QString::fromUtf8(e.uzenet))) << r.hiba.toStdString();
    EXPECT_EQ(f.entries(), elotte) << e.mi;  // no nevek.dat, no empty nevek1.dat left behind
    EXPECT_EQ(f.bytes(kNevekFile), e.nevek) << e.mi;
    if (e.mentes) {
      EXPECT_EQ(f.bytes(kRegiMentesFile), QByteArray("korabbi"));
    }
  }
}

TEST(Konvertalas, UnwritableTemporaryFileChangesNothing) {
  TempFolder f;
  const QByteArray regi = regiFajl(2);
  f.put(kNevekFile, regi);
  QDir(f.path()).mkpath(kKonvTempFile + "/x");  // a folder in the place of nevek.dat
  const KonvEredmeny r = Konvertalas(f.path());
  EXPECT_EQ(r.allapot, KonvAllapot::Hiba);
  EXPECT_FALSE(r.hiba.isEmpty());
  EXPECT_EQ(f.bytes(kNevekFile), regi);
  EXPECT_FALSE(f.exists(kRegiMentesFile));
}

// A read of the old file, or a question about it or the backup's name, that fails is said as a
// read error naming the file, never as a file of some other length; nothing changes. At the
// next start, such a failure leaves a backup that may be the only copy where it is.
TEST(Konvertalas, AFailedReadOrQuestionIsAReadErrorNamingTheFile) {
  const QByteArray regi = regiFajl(3);
  const QString eio = QString::fromUtf8("Bemeneti/kimeneti hiba");
  const struct {
    FajlHivas hivas;
    QString fajl;
  } esetek[] = {{FajlHivas::Olvasas, kNevekFile}, {FajlHivas::Lekerdezes, kNevekFile}, {FajlHivas::Nyitas, kNevekFile},
                {FajlHivas::Lekerdezes, kRegiMentesFile}};
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.fajl.toStdString() + " " + std::to_string(int(e.hivas)));
    TempFolder f;
    f.put(kNevekFile, regi);
    KonvEredmeny r;
    {
      FajlHibak hibak({{e.hivas, EIO, -1, e.fajl}});
      r = Konvertalas(f.path());
      EXPECT_EQ(hibak.hatra(), 0u);
    }
    EXPECT_EQ(r.allapot, KonvAllapot::Hiba);
    EXPECT_EQ(r.hiba, QString::fromUtf8("A(z) %1 fájl nem olvasható: %2.").arg(e.fajl, eio));
    EXPECT_EQ(f.entries(), QStringList{kNevekFile});
    EXPECT_EQ(f.bytes(kNevekFile), regi);
  }
  // A backup of the same bytes as the payer file goes at the next start, unless a read of either fails.
  for (const QString& hibas : {kNevekFile, kRegiMentesFile}) {
    TempFolder f;
    f.put(kNevekFile, regi);
    f.put(kRegiMentesFile, regi);
    QString uzenet;
    {
      RosszBlokk rossz(hibas, 0);
      uzenet = konvertalasHelyreallitas(f.path());
    }
    EXPECT_TRUE(uzenet.startsWith(QString::fromUtf8("A(z) %1 fájl nem olvasható: %2.").arg(hibas, eio))) << uzenet.toStdString();
    EXPECT_EQ(f.bytes(kRegiMentesFile), regi);
  }
}

// The backup and the new file are on the disk before the rename, and the conversion is done
// only once the rename is: a failed flush before it or after it leaves the old file and no
// backup.
TEST(Konvertalas, DoneOnlyOnceItsFolderIsFlushed) {
  const QByteArray regi = regiFajl(2);
  for (int hibas : {0, 1}) {
    SCOPED_TRACE(hibas);
    TempFolder f;
    f.put(kNevekFile, regi);
    int hivas = 0;
    bool mentesElotte = false;
    KonvEredmeny r;
    {
      FajlHorogProba proba([&](FajlHivas h, const QString&, qint64&, qint64) {
        if (h != FajlHivas::MappaSzinkron) return 0;
        if (hivas == 0) mentesElotte = f.exists(kRegiMentesFile) && f.bytes(kNevekFile) == regi;
        return hivas++ == hibas ? EIO : 0;
      });
      r = Konvertalas(f.path());
    }
    EXPECT_TRUE(mentesElotte);
    EXPECT_EQ(r.allapot, KonvAllapot::Hiba);
    EXPECT_EQ(r.hiba, QString::fromUtf8("A program mappája nem írható ki a lemezre: Bemeneti/kimeneti hiba."));
    EXPECT_EQ(f.entries(), QStringList{kNevekFile});
    EXPECT_EQ(f.bytes(kNevekFile), regi);
  }
}

// A conversion stopped between its backup and its rename (also one whose new file a start of an
// earlier version removed) is undone at the next start, so the next conversion is not refused.
// The backup of a finished conversion stays.
TEST(Konvertalas, AnInterruptedConversionIsUndoneAtTheNextStart) {
  const QByteArray regi = regiFajl(2);
  for (const bool ujFajl : {true, false})
    for (const bool link : {true, false}) {
      SCOPED_TRACE(testing::Message() << ujFajl << link);
      TempFolder f;
      f.put(kNevekFile, regi);
      if (link)
        ASSERT_EQ(::link(QFile::encodeName(f.file(kNevekFile)).constData(),
                         QFile::encodeName(f.file(kRegiMentesFile)).constData()),
                  0);
      else
        f.put(kRegiMentesFile, regi);
      if (ujFajl) f.put(kKonvTempFile, QByteArray(2 * 271, ' '));
      EXPECT_FALSE(adatfajlokHelyreallitasa(f.path()).isEmpty());
      EXPECT_EQ(f.entries(), QStringList{kNevekFile});
      EXPECT_EQ(f.bytes(kNevekFile), regi);
      EXPECT_EQ(Konvertalas(f.path()).allapot, KonvAllapot::Kesz);
      EXPECT_EQ(adatfajlokHelyreallitasa(f.path()), QString());
      EXPECT_EQ(f.bytes(kRegiMentesFile), regi);
    }
}

// A payer file that is a symbolic link to the backup is not a leftover of a conversion: the
// backup holds the only copy of the data and stays.
TEST(Konvertalas, APayerFileLinkedSymbolicallyToTheBackupKeepsIt) {
  const QByteArray regi = regiFajl(2);
  TempFolder f;
  f.put(kRegiMentesFile, regi);
  ASSERT_EQ(::symlink(QFile::encodeName(kRegiMentesFile).constData(), QFile::encodeName(f.file(kNevekFile)).constData()), 0);
  EXPECT_EQ(adatfajlokHelyreallitasa(f.path()), QString());
  EXPECT_EQ(f.bytes(kRegiMentesFile), regi);
  EXPECT_EQ(f.bytes(kNevekFile), regi);
}

TEST(Torles, MissingFilesAreNoErrorAFailureIsReported) {
  TempFolder f;
  EXPECT_EQ(AdatbazisTorles(f.path()).allapot, CsereAllapot::Kesz);
  EXPECT_EQ(fizetokSzama(f), 0);
  // A temporary file that cannot be written: reported, both files as they were.
  parIr(f, 3);
  const CsereEredmeny r = AdatbazisTorles(f.path(), [](CsereLepes l) { return l != CsereLepes::Iras; });
  EXPECT_FALSE(r.megtortent());
  EXPECT_TRUE(r.uzenet.startsWith(QString::fromUtf8("Az adatbázis nem törölhető.")));
  EXPECT_EQ(fizetokSzama(f), 3);
  EXPECT_EQ(f.bytes(kKozl3sorFile).size(), 3 * 135);
}

}  // namespace
