// The payer list's view acts as a report-style list: Home and End go to the first and last row,
// Left and Right scroll sideways without leaving the column, Tab does not walk the cells.
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "records/fizetok.h"
#include "records/fizetolista.h"
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
