// Power losses at every file call of the changes of the record files, the watched folder's
// import and the conversion: after the start-up recovery every file is its old or its new self,
// whole, the payer pair paired, and a change reported as done is there. Each state is also
// started as a copy of the folder (new inodes) and under another device number.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/messages.h"
#include "common/setrekord.h"
#include "exchange/automatikus.h"
#include "exchange/csvimport.h"
#include "exchange/helyreallitas.h"
#include "exchange/konvertalas.h"
#include "exchange/torles.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/fizetopar.h"
#include "payerstore/parok.h"
#include "payerwindows/frmosszegek.h"
#include "support/aramszunet.h"
#include "support/fajlhibak.h"
#include "support/regifajl.h"
#include "support/tempfolder.h"
#include "tests/exchange/tick.h"

namespace {

constexpr unsigned kModok = Helyben | Masolat | MasikEszkoz;

struct Fajlok {
  QByteArray nevek, kozl;
};

class AramszunetTest : public ::testing::Test {
 protected:
  void par(int n, int m) {
    folder.put(kNevekFile, parNevek(n));
    folder.put(kKozl3sorFile, parKozlemenyek(m));
  }
  Fajlok most() const { return {folder.bytes(kNevekFile), folder.bytes(kKozl3sorFile)}; }

  // Runs `muvelet` under the harness; every state must hold `regi` or `uj` of `fajl` (the pair
  // when empty), and `uj` once the operation has said it is done. The states tried.
  int futtat(const std::function<bool()>& muvelet, const QString& fajl = {}, unsigned modok = kModok) {
    auto bajtok = [&] { return fajl.isEmpty() ? most() : Fajlok{folder.bytes(fajl), {}}; };
    const Fajlok regi = bajtok();
    Aramszunet a({folder.path()});
    bool kesz = false;
    a.rogzit([&] { kesz = muvelet(); });
    const Fajlok uj = bajtok();
    EXPECT_NE(uj.nevek, regi.nevek);
    const AramszunetEredmeny e = a.vegigjar([&] { adatfajlokHelyreallitasa(folder.path()); },
                                            [&](bool vegen) -> QString {
                                              const Fajlok f = bajtok();
                                              const bool r = f.nevek == regi.nevek && f.kozl == regi.kozl;
                                              const bool u = f.nevek == uj.nevek && f.kozl == uj.kozl;
                                              if (vegen && kesz && !u) return QStringLiteral("a kész változás elveszett");
                                              return r || u ? QString() : QStringLiteral("se régi, se új");
                                            },
                                            modok);
    EXPECT_TRUE(kesz);
    EXPECT_EQ(e.hibak, 0) << e.elsok.join(QStringLiteral("\n")).toStdString();
    return e.allapotok;
  }

  TempFolder folder{QStringLiteral("/dev/shm")};
};

TEST_F(AramszunetTest, PayerSavesAndAmounts) {
  par(800, 800);
  // The payer dialog's save: a modified payer, then a new one after a shorter notice file.
  NevekRekord r = parFizeto(900);
  const int modositas = futtat([&] { return fizetoMentes(folder.path(), 5, r, parKozlemeny(900)).ok(); });
  par(20, 18);
  const int uj = futtat([&] { return fizetoMentes(folder.path(), 21, r, parKozlemeny(21)).ok(); });
  // The amounts dialog: payer 741's first amount (empty) crosses a 4 KiB page.
  par(800, 800);
  NevekRekord p741 = parFizeto(741);
  p741.Osszegek[0] = 0;
  folder.put(kNevekFile, parNevek(740) + encodeRecord(p741) + parNevek(800).mid(741 * 271));
  ASSERT_EQ((740 * 271 + 163 + 1) % 4096, 0);
  RecordedMessageBoxes msg;
  Platform platform;
  platform.folder = folder.path();
  platform.messages = &msg;
  NevekRekord nevek;
  Kozl3sorRekord kozl;
  int32_t aktualis = 741;
  int16_t mod = 0;
  frmOsszegek d(platform, FizetoAllapot{nevek, kozl, aktualis, mod}, FoAblak{});
  d.Text1->setText(QStringLiteral("1234567"));
  const int osszeg = futtat([&] {
    d.cmdRogzit_Click();
    return msg.shown.empty();
  });
  EXPECT_EQ(rekord<NevekRekord>(folder.bytes(kNevekFile), 741).Osszegek[0], 1234567);
  std::printf("states, each in place, as a copy and under another device: payer modify %d, new payer %d, amounts %d\n", modositas, uj, osszeg);
}

TEST_F(AramszunetTest, SettingsSave) {
  SetRekord s;
  s.Osszeg_x1 = Fixed::fromDouble(10);
  s.Vkorrekcio = 3;
  folder.put(kSetFile, encodeRecord(s));
  const int n = futtat(
      [&] {
        return saveSetFields(folder.path(), s, [](SetRekord& r) {
          r.Osszeg_x1 = Fixed::fromDouble(20);
          r.Vkorrekcio = 5;
        });
      },
      kSetFile);
  std::printf("states, each in place, as a copy and under another device: settings save %d\n", n);
}

TEST_F(AramszunetTest, DeletionAndImport) {
  par(20, 20);
  const int torles = futtat([&] { return AdatbazisTorles(folder.path()).allapot == CsereAllapot::Kesz; });
  par(20, 20);
  TempFolder forras;
  forras.put("be.csv", "Uj1;;AZ;Győr;9021;Fő út;1;Közl\r\nUj2;;AZ;Győr;9021;Fő út;2;Közl\r\n");
  const int import = futtat([&] { return csvImport(folder.path(), forras.file("be.csv"), false, CsvValtozat::Kezi).ok(); });
  std::printf("states, each in place, as a copy and under another device: deletion %d, import %d\n", torles, import);
}

// The watched folder's import, the folder flushed apart from the program folder: the payers
// are in and the file gone, or not in and the file back (or still claimed while its change
// waits); never both, never neither.
class AramszunetFigyelt : public Tick {
 protected:
  // The import in both modes, each state started in the modes `modok`; the states tried and
  // the refusals.
  QStringList figyeltImport(unsigned modok, QStringList& hibak) {
    const QByteArray csv = "Uj1;;AZ;Győr;9021;Fő út;10;K1\r\nUj2;;AZ;Győr;9021;Fő út;20;K2\r\n";
    QStringList allapotok;
    for (const bool felulir : {false, true}) {
      SCOPED_TRACE(felulir);
      prog.put(kNevekFile, parNevek(20));
      prog.put(kKozl3sorFile, parKozlemenyek(20));
      beallit(1, felulir, 0, figyelt.path());
      figyelt.put("x.csv", csv);
      const Fajlok regi{prog.bytes(kNevekFile), prog.bytes(kKozl3sorFile)};
      Timer1_Timer(p, set, elozo, a);  // sees the file
      frissitve = 0;
      Aramszunet ar({prog.path(), figyelt.path()});
      ar.rogzit([&] { Timer1_Timer(p, set, elozo, a); });
      const bool kesz = frissitve > 0;
      const Fajlok uj{prog.bytes(kNevekFile), prog.bytes(kKozl3sorFile)};
      EXPECT_TRUE(kesz && uj.nevek != regi.nevek);
      if (!kesz || uj.nevek == regi.nevek) return allapotok;
      const AramszunetEredmeny e = ar.vegigjar(
          [&] { adatfajlokHelyreallitasa(prog.path()); },
          [&](bool vegen) -> QString {
            const QByteArray n = prog.bytes(kNevekFile), k = prog.bytes(kKozl3sorFile);
            const bool r = n == regi.nevek && k == regi.kozl, u = n == uj.nevek && k == uj.kozl;
            if (!r && !u) return QStringLiteral("se régi, se új");
            if (vegen && kesz && !u) return QStringLiteral("a kész import elveszett");
            const QStringList fajlok = figyelt.entries();
            if (u && !fajlok.isEmpty()) return QStringLiteral("beolvasva, de a mappában: ") + fajlok.join(',');
            const QStringList jo = {"x.csv", "x (2).csv", "x.csv" + kAtvetelUtotag};
            if (r && (fajlok.size() != 1 || !jo.contains(fajlok[0]) || figyelt.bytes(fajlok[0]) != csv))
              return QStringLiteral("nincs beolvasva, a mappában: ") + fajlok.join(',');
            return {};
          },
          modok);
      if (e.hibak) hibak << QStringLiteral("%1 (%2 hiba): ").arg(felulir ? "felülírás" : "hozzáfűzés").arg(e.hibak) + e.elsok.join('\n');
      allapotok << QStringLiteral("%1/%2").arg(e.allapotok).arg(e.futasok);
    }
    return allapotok;
  }
};

// In place only: its thousand states take long in every mode.
TEST_F(AramszunetFigyelt, WatchedFolderImportInBothModes) {
  QStringList hibak;
  const QStringList allapotok = figyeltImport(Helyben, hibak);
  EXPECT_TRUE(hibak.isEmpty()) << hibak.join('\n').toStdString();
  ASSERT_EQ(allapotok.size(), 2);
  std::printf("states/runs: watched import append %s, replace %s\n", qPrintable(allapotok[0]), qPrintable(allapotok[1]));
}

// A copy that does not keep hard links: the claimed file and its link are two files then.
TEST_F(AramszunetFigyelt, WatchedFolderImportCopiedWithoutLinks) {
  // After the claim's link such a copy holds x.csv and x.csv.importalas as two files of the
  // same bytes: the start keeps one, so the file is imported once.
  QStringList hibak;
  const QStringList allapotok = figyeltImport(MasolatLinkNelkul, hibak);
  std::printf("states: watched import copied without links %s\n", qPrintable(allapotok.join(", ")));
  EXPECT_TRUE(hibak.isEmpty()) << hibak.join('\n').toStdString();
}

// The conversion: the old file whole (and the next conversion not refused) or the converted one
// with its backup; one reported done stays done.
TEST_F(AramszunetTest, Conversion) {
  const QByteArray regi = regiNevekFajl(20);
  folder.put(kNevekFile, regi);
  folder.put(kKozl3sorFile, parKozlemenyek(20));
  Aramszunet a({folder.path()});
  bool kesz = false;
  a.rogzit([&] { kesz = Konvertalas(folder.path()).allapot == KonvAllapot::Kesz; });
  const QByteArray uj = folder.bytes(kNevekFile);
  ASSERT_TRUE(kesz && uj.size() == 20 * NevekRekord::Length);
  const AramszunetEredmeny e = a.vegigjar([&] { adatfajlokHelyreallitasa(folder.path()); }, [&](bool vegen) -> QString {
    const QByteArray n = folder.bytes(kNevekFile);
    if (folder.bytes(kKozl3sorFile) != parKozlemenyek(20)) return QStringLiteral("a közlemények változtak");
    if (vegen && kesz && n != uj) return QStringLiteral("a kész konvertálás visszavonódott");
    if (n == uj)
      return folder.bytes(kRegiMentesFile) == regi ? QString() : QStringLiteral("a konvertált fájl mentés nélkül");
    if (n != regi) return QStringLiteral("se régi, se új");
    const KonvEredmeny k = Konvertalas(folder.path());
    return k.allapot == KonvAllapot::Kesz ? QString() : QStringLiteral("újra nem konvertálható: ") + k.hiba;
  }, kModok);
  EXPECT_EQ(e.hibak, 0) << e.elsok.join(QStringLiteral("\n")).toStdString();
  std::printf("states, each in place, as a copy and under another device: conversion %d\n", e.allapotok);
}

// A change in place whose undo failed leaves its journal: the pair's reader reads the record as
// it was, or, while it cannot be put back, reads nothing.
TEST(HelybenIras, ARemainingJournalIsRolledBackBeforeThePairIsRead) {
  TempFolder f;
  f.put(kNevekFile, parNevek(3));
  f.put(kKozl3sorFile, parKozlemenyek(3));
  {
    FajlHibak h({{FajlHivas::Szinkron, EIO, -1, kNevekFile}, {FajlHivas::Iras, EIO, -1, kNevekFile}});
    RecordFile rf(f.path(), kNevekFile, NevekRekord::Length);
    EXPECT_EQ(rf.writeDurable(2, encodeRecord(parFizeto(9))).allapot, MentesAllapot::Bizonytalan);
  }
  const QString naplo = helybenNaploNeve(kNevekFile);
  ASSERT_TRUE(f.exists(naplo));
  NevekRekord r;
  {
    FajlHibak h({{FajlHivas::Iras, EIO, -1, kNevekFile}});
    FizetoPar par(f.path());
    EXPECT_FALSE(par.nevek(2, r));
    EXPECT_EQ(par.hiba(), QStringLiteral("A(z) nevek1.dat fájl nem olvasható: Bemeneti/kimeneti hiba."));
  }
  FizetoPar par(f.path());
  ASSERT_TRUE(par.nevek(2, r));
  EXPECT_EQ(encodeRecord(r), encodeRecord(parFizeto(2)));
  EXPECT_EQ(f.bytes(kNevekFile), parNevek(3));
  EXPECT_FALSE(f.exists(naplo));
}

}  // namespace
