// The payer list: loading (padded and bare record numbers), sorting, the name search, removing
// rows with the Delete key, the address-choice frame, and damaged payer files.
#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/fields.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "support/tempfolder.h"

namespace {

class FizetoListaTest : public ::testing::Test {
 protected:
  FizetoListaTest() { platform.folder = folder.path(); }
  QStringList oszlop(int c) const {
    QStringList s;
    for (int i = 0; i < lista.sorokSzama(); ++i) s << lista.szoveg(i, c);
    return s;
  }
  void kijelol(std::initializer_list<int> sorok) {
    for (int r : sorok)
      lista.ListView1->selectionModel()->select(lista.modell()->index(r, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  TempFolder folder;
  Platform platform;
  FizetoLista lista{platform};
};

// Changes the current folder for one test and puts it back.
struct MasikMappa {
  explicit MasikMappa(const QString& path) : regi(QDir::currentPath()) { QDir::setCurrent(path); }
  ~MasikMappa() { QDir::setCurrent(regi); }
  QString regi;
};

}  // namespace

TEST_F(FizetoListaTest, LoadShowsNameAddressAndPaddedRecordNumber) {
  folder.put(kNevekFile, fizetokFajl({{QStringLiteral("  Kovács Péter  "), QStringLiteral(" Győr "), QStringLiteral("Fő út 1."), QStringLiteral("9021")},
                                      {QStringLiteral("Árvíztűrő tükörfúrógép"), QStringLiteral("Pécs"), QStringLiteral("Ady tér 2."), QStringLiteral("7621")}}));
  lista.Beolvas();
  ASSERT_EQ(lista.sorokSzama(), 2);
  EXPECT_EQ(lista.szoveg(0, 0), QStringLiteral("Kovács Péter"));
  // Postcode as stored (six characters), the settlement trimmed, the street as stored (45).
  EXPECT_EQ(lista.szoveg(0, 1), QStringLiteral("9021   Győr, Fő út 1.") + QString(37, QLatin1Char(' ')));
  EXPECT_EQ(lista.szoveg(0, 2), QStringLiteral("     1"));
  EXPECT_EQ(lista.szoveg(1, 0), QStringLiteral("Árvíztűrő tükörfúrógép"));
  EXPECT_EQ(lista.szoveg(1, 2), QStringLiteral("     2"));
  EXPECT_EQ(lista.rekordSzam(1), 2);
}

TEST_F(FizetoListaTest, MissingFileIsCreatedEmptyInTheProgramFolder) {
  lista.Beolvas();
  EXPECT_EQ(lista.sorokSzama(), 0);
  EXPECT_TRUE(folder.exists(kNevekFile));
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 0);
}

TEST_F(FizetoListaTest, DamagedFiles) {
  // Zero bytes: rows with empty names; a trailing partial record is ignored.
  folder.put(kNevekFile, QByteArray(2 * 271 + 100, '\0'));
  lista.Beolvas();
  ASSERT_EQ(lista.sorokSzama(), 2);
  EXPECT_EQ(lista.szoveg(0, 0), QString());
  EXPECT_EQ(lista.szoveg(0, 1), QStringLiteral(" , "));
  EXPECT_EQ(lista.szoveg(1, 2), QStringLiteral("     2"));
  // Bytes the code page leaves unassigned still give a row.
  QByteArray b = szamozottFizetok(1);
  b[0] = char(0x81);
  folder.put(kNevekFile, b);
  lista.Beolvas();
  ASSERT_EQ(lista.sorokSzama(), 1);
  EXPECT_EQ(lista.szoveg(0, 0), QChar(0x81) + QStringLiteral("izető 1"));
}

TEST_F(FizetoListaTest, ButtonLoadWritesBareNumbersAndReadsTheProgramFolder) {
  folder.put(kNevekFile, szamozottFizetok(3));
  TempFolder masik;
  masik.put(kNevekFile, szamozottFizetok(1));
  MasikMappa m(masik.path());
  lista.cmdBeolvas->click();
  EXPECT_EQ(oszlop(2), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(lista.rekordSzam(2), 3);
  lista.Beolvas();
  EXPECT_EQ(lista.sorokSzama(), 3);
  EXPECT_EQ(masik.bytes(kNevekFile).size(), 271);  // the current folder's file is not touched
}

TEST_F(FizetoListaTest, RecordColumnSortsAsText) {
  folder.put(kNevekFile, szamozottFizetok(11));
  lista.chkListaSorren->setValue(1);  // ascending
  lista.Beolvas();
  lista.ListView1_ColumnClick(2);
  EXPECT_EQ(lista.rekordSzam(0), 1);
  EXPECT_EQ(lista.rekordSzam(9), 10);
  EXPECT_EQ(lista.rekordSzam(10), 11);
  // Bare numbers sort as texts: 1, 10, 11, 2, ...
  lista.cmdBeolvas_Click();
  EXPECT_EQ(oszlop(2).mid(0, 4), (QStringList{"1", "10", "11", "2"}));
  // Unticking the order box sorts descending, by the same column.
  lista.chkListaSorren->setValue(0);
  EXPECT_EQ(oszlop(2).mid(0, 4), (QStringList{"9", "8", "7", "6"}));
  EXPECT_EQ(lista.ListView1->header()->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(FizetoListaTest, NameSortIgnoresCaseAndFollowsHungarianOrder) {
  folder.put(kNevekFile, fizetokFajl({{"Zoltán"}, {"Ádám"}, {"anna"}, {"Béla"}, {"ÁGNES"}}));
  lista.Beolvas();
  EXPECT_EQ(oszlop(0), (QStringList{"Zoltán", "Ádám", "anna", "Béla", "ÁGNES"}));  // record order until sorted
  lista.chkListaSorren->setValue(1);
  EXPECT_EQ(oszlop(0), (QStringList{"Ádám", "ÁGNES", "anna", "Béla", "Zoltán"}));
  // Sorting stays on: a new load comes in sorted order.
  lista.cmdBeolvas_Click();
  EXPECT_EQ(oszlop(0).first(), QStringLiteral("Ádám"));
  lista.chkListaSorren->setValue(0);
  EXPECT_EQ(oszlop(0), (QStringList{"Zoltán", "Béla", "anna", "ÁGNES", "Ádám"}));
}

TEST_F(FizetoListaTest, HeaderClickSortsByThatColumnAndSelectionFollowsTheRows) {
  folder.put(kNevekFile, fizetokFajl({{"C", "", "", "1111"}, {"A", "", "", "3333"}, {"B", "", "", "2222"}}));
  lista.Beolvas();
  kijelol({0});  // "C", record 1
  lista.chkListaSorren->setValue(1);
  emit lista.ListView1->header()->sectionClicked(1);
  EXPECT_EQ(oszlop(0), (QStringList{"C", "B", "A"}));
  lista.ListView1_ColumnClick(0);
  EXPECT_EQ(oszlop(0), (QStringList{"A", "B", "C"}));
  ASSERT_EQ(lista.kijeloltSorok(), std::vector<int>{2});
  EXPECT_EQ(lista.rekordSzam(2), 1);
}

TEST_F(FizetoListaTest, SearchMatchesAnyCaseWithBareNumbers) {
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter"}, {"Nagy Anna"}, {""}, {"ifj. KOVÁCS János"}, {"Kovacs Éva"}}));
  lista.NevKereses(QStringLiteral(" ková "));
  EXPECT_EQ(oszlop(0), (QStringList{"Kovács Péter", "ifj. KOVÁCS János"}));
  EXPECT_EQ(oszlop(2), (QStringList{"1", "4"}));
  // An empty text lists every payer with a non-blank name.
  lista.NevKereses(QString());
  EXPECT_EQ(oszlop(2), (QStringList{"1", "2", "4", "5"}));
  lista.NevKereses(QStringLiteral("senki"));
  EXPECT_EQ(lista.sorokSzama(), 0);
}

TEST_F(FizetoListaTest, SearchOverAnEmptyFileRemovesEveryRow) {
  folder.put(kNevekFile, szamozottFizetok(2));
  lista.Beolvas();
  folder.put(kNevekFile, QByteArray());
  lista.NevKereses(QString());
  EXPECT_EQ(lista.sorokSzama(), 0);
}

TEST_F(FizetoListaTest, DeleteKeyRemovesExactlyTheSelectedRows) {
  folder.put(kNevekFile, szamozottFizetok(6));
  lista.Beolvas();
  lista.lbKijelolve->setText(QStringLiteral("3"));
  kijelol({0, 2, 5});
  QKeyEvent masik(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(lista.ListView1, &masik);
  lista.ListView1_KeyDown(45, 0);  // Insert
  EXPECT_EQ(lista.sorokSzama(), 6);
  EXPECT_EQ(lista.lbKijelolve->text(), QStringLiteral("3"));
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(lista.ListView1, &del);
  EXPECT_EQ(oszlop(2), (QStringList{"     2", "     4", "     5"}));
  EXPECT_TRUE(lista.lbKijelolve->text().isEmpty());
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 6 * 271);  // the file is not touched
  lista.Beolvas();
  EXPECT_EQ(lista.sorokSzama(), 6);
}

// A key that moves the current row or changes the selection reports the current row once; a
// key that changes nothing does not, nor does a mouse click (which has its own signal).
TEST_F(FizetoListaTest, KeyboardSelectionChangesAreReportedOnceEach) {
  folder.put(kNevekFile, szamozottFizetok(5));
  lista.Beolvas();
  lista.resize(600, 400);
  lista.show();
  QApplication::processEvents();
  std::vector<int> jelzett;
  lista.billentyuValasztas = [&](int sor) { jelzett.push_back(sor); };
  QAbstractItemView* v = lista.ListView1;
  v->selectionModel()->setCurrentIndex(lista.modell()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  auto gomb = [v](int key, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, m, text);
    QApplication::sendEvent(v, &e);
  };
  gomb(Qt::Key_Down);                        // row 1
  gomb(Qt::Key_Down, Qt::ShiftModifier);     // rows 1 and 2
  gomb(Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));  // row 2 unselected
  gomb(Qt::Key_F5);                          // nothing changes
  EXPECT_EQ(jelzett, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(lista.kijeloltSorok(), (std::vector<int>{1}));

  int kattintas = 0;
  QObject::connect(v, &QTreeView::clicked, [&] { ++kattintas; });
  const QPoint p = v->visualRect(lista.modell()->index(4, 0)).center();
  const QPointF g = v->viewport()->mapToGlobal(QPointF(p));
  QMouseEvent le(QEvent::MouseButtonPress, QPointF(p), g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(v->viewport(), &le);
  QMouseEvent fel(QEvent::MouseButtonRelease, QPointF(p), g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(v->viewport(), &fel);
  EXPECT_EQ(kattintas, 1);
  EXPECT_EQ(v->currentIndex().row(), 4);
  EXPECT_EQ(jelzett.size(), 3u);
}

TEST_F(FizetoListaTest, RecordNumbersAbove32767) {
  folder.put(kNevekFile, szamozottFizetok(40000));
  lista.Beolvas();
  ASSERT_EQ(lista.sorokSzama(), 40000);
  EXPECT_EQ(lista.szoveg(39999, 2), QStringLiteral(" 40000"));
  EXPECT_EQ(lista.rekordSzam(39999), 40000);
  EXPECT_EQ(lista.szoveg(39999, 0), QStringLiteral("Fizető 40000"));
  // Six digits and more stand as they are.
  EXPECT_EQ(rekordSzoveg(123456, true), QStringLiteral("123456"));
  EXPECT_EQ(rekordSzoveg(1234567, true), QStringLiteral("1234567"));
}

TEST_F(FizetoListaTest, ControlsAndHidingTheAddressFrame) {
  EXPECT_EQ(lista.ListView1->toolTip(), QStringLiteral("''Delete\" -  kijelöltek törlése a listából"));
  EXPECT_EQ(lista.ListView1->selectionMode(), QAbstractItemView::ExtendedSelection);
  auto* m = lista.modell();
  EXPECT_EQ(m->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Név"));
  EXPECT_EQ(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Cím"));
  EXPECT_EQ(m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("rec"));
  EXPECT_EQ(lista.ListView1->header()->sectionSize(0), 200);  // 3000 twips
  EXPECT_EQ(lista.ListView1->header()->sectionSize(1), 266);  // 4000 twips
  EXPECT_EQ(lista.ListView1->header()->sectionSize(2), 96);   // 1440 twips
  folder.put(kNevekFile, szamozottFizetok(1));
  lista.Beolvas();
  EXPECT_EQ(m->data(m->index(0, 2), Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
  EXPECT_EQ(lista.cmdBeolvas->text(), QStringLiteral("Beol&vasás"));
  EXPECT_EQ(lista.cmdBeolvas->toolTip(), QStringLiteral("Teljes adatállomány beolvasása a listába"));
  EXPECT_EQ(lista.chkListaSorren->text(), QStringLiteral("Lista sorrend növekedő"));
  EXPECT_EQ(lista.Check1->text(), QStringLiteral("Kereséshez kipipálni!"));
  EXPECT_EQ(lista.Check1->toolTip(), QStringLiteral("Kereséshez kipipálni..."));
  EXPECT_EQ(lista.lbKijelolve->toolTip(), QStringLiteral("A listamezőben kijelölt sorok száma."));
  EXPECT_EQ(lista.frameCimKeres->title(), QStringLiteral("Válassza ki, melyik címre gondolt..."));
  EXPECT_EQ(lista.cmdListaRejt->text(), QStringLiteral("Lista elrejtése"));

  lista.show();
  lista.frameCimKeres->show();
  lista.cmdListaRejt->click();
  EXPECT_FALSE(lista.frameCimKeres->isVisible());
}

TEST(TriCheckBox, HoldsZeroOneAndGrey) {
  TriCheckBox c(QStringLiteral("x"));
  int futott = 0;
  QObject::connect(&c, &QCheckBox::stateChanged, [&] { ++futott; });
  EXPECT_TRUE(c.setValue(2));
  EXPECT_EQ(c.value(), 2);
  EXPECT_EQ(futott, 1);
  c.click();  // a click from grey ticks
  EXPECT_EQ(c.value(), 1);
  c.click();
  EXPECT_EQ(c.value(), 0);
  c.click();
  EXPECT_EQ(c.value(), 1);  // never grey by a click
  EXPECT_FALSE(c.setValue(5));
  EXPECT_EQ(c.value(), 1);
  EXPECT_EQ(futott, 4);
}

// The search of the names kept from the last load gives what comparing every upper-cased name
// as text gives: for every character of the code page in a name, in upper and lower case,
// letters whose upper case is longer ("ß": "SS") or outside the code page ("µ": Greek "Μ").
TEST_F(FizetoListaTest, SearchAgreesWithUpperCasedTextForEveryCharacter) {
  QStringList nevek;
  QByteArray fajl;
  for (int b = 1; b < 256; ++b) {
    const char c = char(b);
    nevek << QStringLiteral("Ab") + cp1250::decode(&c, 1) + QStringLiteral("c");
    fajl += fizetoRekord({nevek.back()});
  }
  nevek << QStringLiteral("Weiß Árvíztűrő") << QStringLiteral("ÁRVÍZTŰRŐ tükör") << QStringLiteral("Őz Ödön");
  for (int i = 255; i < nevek.size(); ++i) fajl += fizetoRekord({nevek[i]});
  folder.put(kNevekFile, fajl);
  lista.Beolvas();
  QStringList keresettek = {QString(), QStringLiteral("ss"), QStringLiteral("ß"), QStringLiteral("μ"), QStringLiteral("BµC"),
                            QStringLiteral("űrő"), QStringLiteral("ŐZ ö"), QStringLiteral("o"), QStringLiteral("árvíz"),
                            QStringLiteral("c\u0301"), QStringLiteral("😀"), QStringLiteral(" b ")};
  for (int b = 1; b < 256; ++b) {
    const char c = char(b);
    const QString s = cp1250::decode(&c, 1);
    keresettek << s << s.toLower() << s.toUpper();
  }
  for (const QString& k : keresettek) {
    QStringList vart;
    const QString kk = trimmed(k).toUpper();
    for (int i = 0; i < nevek.size(); ++i) {
      const QString n = trimmed(nevek[i]);
      if (!n.isEmpty() && n.toUpper().contains(kk)) vart << QString::number(i + 1);
    }
    lista.NevKereses(k);
    EXPECT_EQ(oszlop(2), vart) << qPrintable(k);
  }
}

// Sorting by name gives the order of a stable sort with the Hungarian collation: "cs" after
// "c", "sz" after "s", accents and case, and equal names in the order they had before.
TEST_F(FizetoListaTest, NameSortMatchesHungarianCollationAndKeepsEqualNamesInOrder) {
  const QStringList nevek = {"Szabó Éva",  "Csizmadia", "Cukor Béla", "Sütő Ákos", "nagy anna", "Czakó",  "Nagy Anna",
                             "Zsoldos",    "Zoltán",    "Gyöngyi",    "Győri",     "NAGY ANNA", "Ötvös",  "Orbán",
                             "Óvári",      "Ács",       "Accs Bt.",   "Lengyel",   "Ssz Kft.",  "Szűcs",  "Szucs",
                             "O'Neil",     "Kis-Nagy",  "Kis Nagy",   "Kiss",      "dzsungel",  "Dézsi",  "  Nagy Anna"};
  QByteArray fajl;
  for (const QString& n : nevek) fajl += fizetoRekord({n});
  folder.put(kNevekFile, fajl);

  QCollator coll(QLocale(QLocale::Hungarian, QLocale::Hungary));
  coll.setCaseSensitivity(Qt::CaseInsensitive);
  auto elvart = [&](QStringList sorrend, bool fel) {
    std::stable_sort(sorrend.begin(), sorrend.end(), [&](const QString& a, const QString& b) {
      const int c = coll.compare(nevek[a.toInt() - 1].trimmed(), nevek[b.toInt() - 1].trimmed());
      return fel ? c < 0 : c > 0;
    });
    return sorrend;
  };
  QStringList rekordok;
  for (int i = 1; i <= nevek.size(); ++i) rekordok << QString::number(i);

  lista.cmdBeolvas_Click();
  lista.chkListaSorren->setValue(1);
  const QStringList fel = elvart(rekordok, true);
  EXPECT_EQ(oszlop(2), fel);
  // "Nagy Anna" in any case: records 5, 7, 12, 28 in record order; a flip keeps them so.
  EXPECT_EQ(oszlop(0).indexOf(QStringLiteral("nagy anna")) + 3, oszlop(0).lastIndexOf(QStringLiteral("Nagy Anna")));
  lista.chkListaSorren->setValue(0);
  EXPECT_EQ(oszlop(2), elvart(fel, false));
  // A search lists its rows in the same order.
  lista.NevKereses(QStringLiteral("nagy"));
  EXPECT_EQ(oszlop(2), elvart({"5", "7", "12", "23", "24", "28"}, false));
}

// Record-number texts sort as the collation orders them, bare or padded, past six digits.
TEST(RekordKulcs, OrdersAsTheCollation) {
  QCollator coll(QLocale(QLocale::Hungarian, QLocale::Hungary));
  coll.setCaseSensitivity(Qt::CaseInsensitive);
  const std::vector<int32_t> szamok = {1, 2, 9, 10, 11, 19, 20, 99, 100, 101, 999, 1000, 99999, 100000, 999999, 1000000, 1000001, 2147483647};
  for (const bool padded : {false, true})
    for (const int32_t a : szamok)
      for (const int32_t b : szamok) {
        const int c = coll.compare(rekordSzoveg(a, padded), rekordSzoveg(b, padded));
        EXPECT_EQ(c < 0, recKulcs(a, padded) < recKulcs(b, padded)) << a << " " << b << " " << padded;
      }
}

// The ranks of the record numbers 1 .. n, bare and padded, are the order of their keys; past
// 999,999 the seven-digit numbers fall between the six-digit ones.
TEST(RekordKulcs, RanksOfAllNumbersFollowTheKeys) {
  for (const bool padded : {false, true})
    for (const int32_t n : {1, 9, 10, 11, 100, 12345, 1000123}) {
      if (n > 20000 && !padded) continue;
      std::vector<std::pair<uint64_t, uint32_t>> kulcs;
      for (int32_t i = 1; i <= n; ++i) kulcs.emplace_back(recKulcs(i, padded), uint32_t(i - 1));
      std::sort(kulcs.begin(), kulcs.end());
      std::vector<uint32_t> vart(static_cast<size_t>(n)), rang(static_cast<size_t>(n));
      for (size_t j = 0; j < kulcs.size(); ++j) vart[kulcs[j].second] = uint32_t(j);
      recRangok(n, padded, rang.data());
      EXPECT_EQ(rang, vart) << n << (padded ? " padded" : " bare");
    }
}
