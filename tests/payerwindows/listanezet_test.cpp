// The payer list's view acts as a report-style list: Home and End go to the first and last row,
// Left and Right scroll sideways without leaving the column, Tab does not walk the cells; rows
// hold the accents of capitals whole.
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "support/tempfolder.h"

namespace {

void billentyu(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
  QKeyEvent e(QEvent::KeyPress, k, m);
  QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(ListaNezet, KeysActAsInAReportList) {
  TempFolder folder;
  Platform platform;
  platform.folder = folder.path();
  folder.put(kNevekFile, szamozottFizetok(40));
  FizetoLista lista(platform);
  lista.resize(220, 200);  // narrower than the columns: the list scrolls sideways
  lista.show();
  lista.Beolvas();
  QApplication::processEvents();
  ListaNezet* v = lista.ListView1;
  v->selectionModel()->setCurrentIndex(lista.modell()->index(5, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

  billentyu(v, Qt::Key_End);
  EXPECT_EQ(v->currentIndex().row(), 39);
  EXPECT_EQ(lista.kijeloltSorok(), std::vector<int>{39});
  billentyu(v, Qt::Key_Home);
  EXPECT_EQ(v->currentIndex().row(), 0);
  billentyu(v, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(lista.kijeloltSorok(), (std::vector<int>{0, 1}));

  ASSERT_GT(v->horizontalScrollBar()->maximum(), 0);
  billentyu(v, Qt::Key_Right);
  billentyu(v, Qt::Key_Right);
  EXPECT_EQ(v->currentIndex().column(), 0);
  EXPECT_EQ(v->currentIndex().row(), 1);
  EXPECT_GT(v->horizontalScrollBar()->value(), 0);
  billentyu(v, Qt::Key_Left);
  billentyu(v, Qt::Key_Left);
  EXPECT_EQ(v->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(lista.kijeloltSorok(), (std::vector<int>{0, 1}));

  billentyu(v, Qt::Key_Tab);
  EXPECT_EQ(v->currentIndex(), lista.modell()->index(1, 0));
}

namespace {

// The name cell of row `sor` of a view whose rows are `magas` pixels high.
QImage nevCella(const QImage& kep, const ListaNezet* v, int sor, int magas) {
  return kep.copy(0, sor * magas, v->columnWidth(0), magas);
}

// `cella` in the middle of a cell `tobb` pixels higher, on its background: how a cell whose
// text nothing cuts paints in a higher row.
QImage magasabban(const QImage& cella, int tobb) {
  QImage m(cella.width(), cella.height() + tobb, cella.format());
  m.fill(cella.pixel(0, 0));
  QPainter(&m).drawImage(0, tobb / 2, cella);
  return m;
}

}  // namespace

// Capitals' accents (Ő and Ö, Ű and Ü are different letters) lie whole inside their own row:
// each name cell paints as the same cell 20 pixels higher (where nothing is cut) with nothing
// beyond its own row, and differs from the same name without accents in the row below it.
// A picture of the list: <build>/screenshots/lista-ekezetek.png.
TEST(ListaNezet, RowsHoldTheAccentsOfCapitals) {
  TempFolder folder;
  Platform platform;
  platform.folder = folder.path();
  folder.put(kNevekFile, fizetokFajl({{"ŐRS ŰRHAJÓS"}, {"ORS URHAJOS"}, {"ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"},
                                      {"ARVIZTURO TUKORFUROGEP"}, {"Őrs Ödön"}, {"Ors Odon"},
                                      {"Űrhajós Ügyes"}, {"Urhajos Ugyes"}, {"ÉVA ÁGNES"}, {"EVA AGNES"}}));
  auto kep = [](int tobb, FizetoLista& lista) {
    lista.resize(700, 600);
    lista.ListView1->setFocusPolicy(Qt::NoFocus);  // no current row framed
    lista.show();
    lista.Beolvas();
    if (tobb) lista.ListView1->verticalHeader()->setDefaultSectionSize(lista.ListView1->rowHeight(0) + tobb);
    QApplication::processEvents();
    return lista.ListView1->viewport()->grab().toImage();
  };
  FizetoLista lista(platform), tag(platform);
  const QImage k = kep(0, lista), t = kep(20, tag);
  const ListaNezet* v = lista.ListView1;
  const int h = v->rowHeight(0);
  ASSERT_EQ(lista.sorokSzama(), 10);
  ASSERT_GE(t.height(), (h + 20) * 10);
  for (int sor = 0; sor < 10; ++sor) {
    SCOPED_TRACE(lista.szoveg(sor, 0).toStdString());
    EXPECT_EQ(magasabban(nevCella(k, v, sor, h), 20), nevCella(t, v, sor, h + 20));
    if (sor % 2 == 0) {
      EXPECT_NE(nevCella(k, v, sor, h), nevCella(k, v, sor + 1, h));
    }
  }
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  QDir().mkpath(cel);
  EXPECT_TRUE(lista.grab().save(cel + QStringLiteral("/lista-ekezetek.png")));
}
