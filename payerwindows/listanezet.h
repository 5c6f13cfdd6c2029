#pragma once
// The view of the payer list: a table that keeps nothing per row, so that a list of a million
// payers costs nothing until its rows are painted, and sorting or searching it lays out nothing.
// It looks and acts as the report-style list does: no grid and no row headers, whole rows
// selected and the focus frame around the whole current row, columns that can be dragged to
// another place (all but the first), Tab leaves the list, Home and End go to the first and last
// row, Left and Right scroll sideways. Rows are as high as the accents over the list font's
// capitals need.
#include <QHeaderView>
#include <QTableView>

#include <functional>

class ListaNezet : public QTableView {
 public:
  explicit ListaNezet(QWidget* parent = nullptr);
  // The column headers.
  QHeaderView* header() const { return horizontalHeader(); }
  // Runs when a key moved the current row or changed the selection; a mouse click is left to
  // the view's clicked signal, so a click is reported once.
  std::function<void()> valtozott;

 protected:
  void changeEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Sets the one height of every row from the list's font and style.
  void sorMagassag();
};
