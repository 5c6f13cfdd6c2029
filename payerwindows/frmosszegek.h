#pragma once
// "Összegek felvitele": the current payer's twelve amount slots, listed, added to, replaced
// and cleared one at a time; every change is written back to nevek1.dat at once and the main
// window's amount list is refreshed. Modal over the main window.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <cstdint>
#include <optional>

#include "common/platform.h"
#include "payerwindows/foablak.h"

// The amount typed into the box: its leading numeric value rounded half to even, or nothing
// when that is not a valid amount (1 <= value < 9999999).
std::optional<int32_t> ujOsszeg(const QString& text);

class frmOsszegek : public QDialog {
 public:
  frmOsszegek(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent = nullptr);
  // The main window's cmdOsszegek_Click: shows the dialog modally.
  static void open(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent = nullptr);

  QLabel* lbNev;
  QLabel* lbCim;
  QTreeWidget* ListView1;  // "Sorszám", "Összeg"
  QLineEdit* Text1;
  QLabel* Label2;
  QPushButton* cmdRogzit;
  QPushButton* cmdModosit;
  QPushButton* cmdTorol;
  QPushButton* cmdBezar;

  void Form_Load();
  // Lists the current payer's amounts here and in the main window's amount list.
  void Beolvas();
  void ListView1_ItemClick(QTreeWidgetItem* item);
  void Text1_Change();
  void cmdRogzit_Click();
  void cmdModosit_Click();
  void cmdTorol_Click();
  void cmdBezar_Click() { accept(); }

  int16_t kijeloltHely() const { return hely_; }

 private:
  // The current payer's record number, or 0 after a message when no stored payer is current.
  int32_t aktualis(bool uzenettel);
  // Reads the current payer, lets `change` set one slot, writes the record back. The record
  // the file holds afterwards when the write reached it; nothing when it did not (said why).
  std::optional<NevekRekord> modosit(const std::function<bool(NevekRekord&)>& change);
  // Lists payer `r`'s amounts here and in the main window (none: empty lists). After a change
  // that reached the file, the record written is what the file holds: it is shown without
  // reading it back, so a read failing then is never taken for a failed save.
  void mutat(const NevekRekord* r);

  const Platform& platform_;
  FizetoAllapot allapot_;
  FoAblak ablak_;
  int16_t hely_ = 0;  // slot of the row last clicked, 1 to 12
};
