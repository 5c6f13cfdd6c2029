#pragma once
// The payer list beside the pages of the main window: every payer of nevek1.dat in one
// report-style, multi-selection list, with loading, sorting, the name search, removing rows
// from the list and the hidden address-choice frame. Each row carries the payer's record
// number in its third column; that number is how every reader finds the payer's records.
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "common/platform.h"
#include "payerwindows/listamodell.h"
#include "payerwindows/listanezet.h"

class QGroupBox;
class QLabel;
class QPushButton;
class TriCheckBox;

class FizetoLista : public QWidget {
 public:
  explicit FizetoLista(const Platform& platform, QWidget* parent = nullptr);

  ListaNezet* ListView1;
  QPushButton* cmdBeolvas;
  TriCheckBox* chkListaSorren;
  TriCheckBox* Check1;
  QLabel* lbKijelolve;
  QGroupBox* frameCimKeres;
  QPushButton* cmdListaRejt;

  // Set by the main window: runs, with the current row, after a key moved the current row or
  // changed the selection (arrows, Shift+arrows, Ctrl+Space), once a key; a mouse click runs
  // the list view's own clicked signal instead.
  std::function<void(int)> billentyuValasztas;
  // Set by the main window: where a load that could not read every payer leaves its message
  // (cleared by a load that read them all), so that no change starts from a list read short.
  QString* olvasasiHiba = nullptr;

  // Reloads the list from nevek1.dat, record numbers padded to six characters.
  void Beolvas();
  // The same load by the button, record numbers bare.
  void cmdBeolvas_Click();
  // Sorts by the clicked column (0 name, 1 address, 2 record number) in the current order.
  void ListView1_ColumnClick(int oszlop);
  // 0 descending, any other value ascending; switches sorting on.
  void chkListaSorren_Click();
  // Key 46 (Delete) removes the selected rows from the list (not from the files).
  void ListView1_KeyDown(int keyCode, int shift);
  // The search of the name box: lists the payers whose name contains `text`.
  void NevKereses(const QString& text);
  void cmdListaRejt_Click();

  ListaModell* modell() const { return modell_; }
  int sorokSzama() const { return modell_->rowCount(); }
  QString szoveg(int sor, int oszlop) const { return modell_->szoveg(sor, oszlop); }
  // The record number of a row: the leading numeric value of its third column.
  int32_t rekordSzam(int sor) const;
  // Selected rows in display order.
  std::vector<int> kijeloltSorok() const;
  // The third-column texts (record numbers) of the selected rows, in displayed order.
  QStringList kijeloltRekordok() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void mutatRendezes();
  // After a read of the file: a load that stopped short is said, once a load.
  void olvasasUtan();

  const Platform& platform_;
  ListaModell* modell_;
};
