// Saving one payer in place: a crash between its two writes is undone by the next reader (or
// start), and a short write of an append leaves no piece of a record behind.
#include <QDir>
#include <gtest/gtest.h>


#include "payerstore/fizetocsere.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/fizetopar.h"
#include "payerstore/fizetotar.h"
#include "payerstore/parok.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {

struct Osszeomlas {};

// Payer n's save into a pair of three payers, ended by a crash before step `lepes` (by default
// right after the new notice was written): the journal stands.
void kozlUtanOsszeomlik(TempFolder& folder, int32_t n, MentesLepes lepes = MentesLepes::Nevek) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  EXPECT_THROW(fizetoMentes(folder.path(), n, parFizeto(9), parKozlemeny(9),
                            [lepes](MentesLepes l) {
                              if (l == lepes) throw Osszeomlas{};
                              return true;
                            }),
               Osszeomlas);
}

}  // namespace

TEST(FizetoMentes, ACrashBetweenTheTwoWritesIsUndoneBeforeTheNextRead) {
  for (const int32_t n : {4, 2}) {  // a new payer, a modify
    SCOPED_TRACE(n);
    TempFolder folder;
    kozlUtanOsszeomlik(folder, n);
    ASSERT_NE(folder.bytes(kKozl3sorFile), parKozlemenyek(3));
    // The next reader undoes it first: payer and notice n as before, and nothing appended.
    FizetoPar par(folder.path());
    EXPECT_EQ(*par.count(), 3);
    NevekRekord r;
    ASSERT_TRUE(par.nevek(2, r));
    EXPECT_EQ(trimmed(r.Nev), QStringLiteral("Ügyfél 2"));
    EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
    EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3));
    EXPECT_FALSE(folder.exists(kMentesNaploFile));
  }
  // At start-up the undo is said.
  TempFolder folder;
  folder.put(kNevekFile, parNevek(3));
  EXPECT_THROW(fizetoMentes(folder.path(), 1, parFizeto(9), parKozlemeny(9),
                            [](MentesLepes l) {
                              if (l == MentesLepes::Lezaras) throw Osszeomlas{};
                              return true;
                            }),
               Osszeomlas);
  EXPECT_EQ(fizetoParHelyreallitas(folder.path()).uzenet,
            QStringLiteral("Egy címzett felvétele vagy módosítása félbeszakadt, és visszavonásra került: a címzett "
                           "korábbi adatai maradtak meg."));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), QByteArray());
}

TEST(FizetoMentes, AShortWriteOfAnAppendIsCutBack) {
  TempFolder folder;
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  // Files may grow only 67 bytes past the notice file: its append is written short.
  MeretKorlat korlat(3 * 135 + 67);
  ASSERT_TRUE(korlat.ok());
  const FizetoMentes m = fizetoMentes(folder.path(), 4, parFizeto(4), parKozlemeny(4));
  EXPECT_EQ(m.allapot, FizetoMentes::Valtozatlan);
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
  EXPECT_FALSE(folder.exists(kMentesNaploFile));
}

TEST(FizetoMentes, AHalfDoneSaveThatCannotBeUndoneIsReadAsBefore) {
  // A modify (its undo writes the old bytes back) ends after the new notice was written, or
  // after both records were; then no file may take a byte at the places the undo writes (a file
  // size limit below them), so the journal stays.
  for (const MentesLepes lepes : {MentesLepes::Nevek, MentesLepes::Lezaras}) {
    SCOPED_TRACE(int(lepes));
    TempFolder folder;
    kozlUtanOsszeomlik(folder, 2, lepes);
    const QByteArray kozl = folder.bytes(kKozl3sorFile);
    MeretKorlat korlat(100);
    ASSERT_TRUE(korlat.ok());
    FizetoPar par(folder.path());
    const int32_t db = *par.count();
    NevekRekord nev;
    Kozl3sorRekord k;
    const bool olvasva = par.nevek(2, nev) && par.kozl(2, k);
    // The list shows the payer its click reads.
    FizetoTar lista(1);
    lista.olvas(folder.path());
    ASSERT_TRUE(folder.exists(kMentesNaploFile));
    EXPECT_EQ(folder.bytes(kKozl3sorFile), kozl);  // the new notice is still in the file
    EXPECT_EQ(db, 3);
    ASSERT_TRUE(olvasva);
    EXPECT_EQ(trimmed(nev.Nev), QStringLiteral("Ügyfél 2"));
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(lista.nev(1), QStringLiteral("Ügyfél 2"));
    EXPECT_EQ(encodeRecord(k), encodeRecord(parKozlemeny(2)));
  }
}

TEST(FizetoMentes, ASaveIsDoneOnlyOnceItsFolderIsFlushed) {
  // The journal is written (its folder flushed), both records saved, the journal removed, and
  // then the folder cannot be flushed: a power loss could bring the journal back and undo the save.
  TempFolder folder;
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  FajlHibak hibak({{FajlHivas::MappaSzinkron, 0}, {FajlHivas::MappaSzinkron, EIO}});
  const FizetoMentes m = fizetoMentes(folder.path(), 2, parFizeto(9), parKozlemeny(9));
  EXPECT_EQ(hibak.hatra(), 0u);
  EXPECT_EQ(m.allapot, FizetoMentes::Bizonytalan);
  EXPECT_TRUE(m.mentve());
  EXPECT_EQ(m.hiba, QStringLiteral("A címzett adatai a fájlokba beíródtak, de a lemez hibát jelzett a program mappájának "
                                   "kiírásakor (Bemeneti/kimeneti hiba), ezért áramszünet után a program következő "
                                   "indításakor a mentés visszavonódhat."));
  EXPECT_EQ(folder.bytes(kNevekFile).mid(NevekRekord::Length, NevekRekord::Length), encodeRecord(parFizeto(9)));
}

TEST(FizetoMentes, AJournalOfAnEarlierVersionIsRolledBack) {
  // Its layout: "n length1 length2", then what record n of each file held; no checksum.
  constexpr int L[2] = {NevekRekord::Length, Kozl3sorRekord::Length};
  for (const int32_t n : {2, 4}) {  // a modify, a new payer (no old bytes)
    SCOPED_TRACE(n);
    TempFolder folder;
    QByteArray fajlok[2] = {parNevek(3), parKozlemenyek(3)};
    const QByteArray ujak[2] = {encodeRecord(parFizeto(9)), encodeRecord(parKozlemeny(9))};
    QByteArray naplo = "LAVINDOR FIZETOREKORD 1\n" + QByteArray::number(n) + ' ' +
                       QByteArray::number(fajlok[0].size()) + ' ' + QByteArray::number(fajlok[1].size()) + '\n';
    for (int i = 0; i < 2; ++i) {
      naplo += fajlok[i].mid(qint64(n - 1) * L[i], L[i]);
      folder.put(i == 0 ? kNevekFile : kKozl3sorFile, QByteArray(fajlok[i]).replace(qint64(n - 1) * L[i], L[i], ujak[i]));
    }
    folder.put(kMentesNaploFile, naplo + "VEGE\n");
    EXPECT_EQ(fizetoParHelyreallitas(folder.path()).uzenet,
              QStringLiteral("Egy címzett felvétele vagy módosítása félbeszakadt, és visszavonásra került: a címzett "
                             "korábbi adatai maradtak meg."));
    EXPECT_EQ(folder.bytes(kNevekFile), fajlok[0]);
    EXPECT_EQ(folder.bytes(kKozl3sorFile), fajlok[1]);
    EXPECT_FALSE(folder.exists(kMentesNaploFile));
  }
}
