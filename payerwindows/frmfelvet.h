#pragma once
// The payer dialog: adds a payer to the payer files or modifies the current one. It is shown
// modeless over the main window, so rows of the payer list can be clicked while it is open
// (the click fills its boxes through kitolt and changes the current payer). A single instance:
// the main window keeps a QPointer to it and creates it on first use; closing destroys it.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdint>

#include "common/platform.h"
#include "payerstore/fizetomentes.h"
#include "payerwindows/foablak.h"

class frmFelvet : public QDialog {
 public:
  frmFelvet(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent = nullptr);

  QGroupBox* frmFelvetel;
  // 0 "Név:", 1 second name line, 2 settlement, 3 street: 1 to 3 change for a foreign address.
  std::array<QLabel*, 4> Label1{};
  QLineEdit* txBefizetoNeve;
  QLineEdit* txEtkezo;
  QLineEdit* txBefizetoCim1;
  QLineEdit* txBefizetoCim2;
  QLineEdit* txBefizetoIrsz;
  QLineEdit* txBefizAnonosito;
  QLineEdit* txtKozlem3sor;
  QCheckBox* chkKulfCim;
  QCheckBox* chkTobbFelvetel;
  QCheckBox* Legfelül;  // "Ablak legfelül marad"
  QPushButton* cmdRogzites;
  QPushButton* Command3;

  // The main window's "&Felvétel" (cmdRogzit_Click): shows the dialog in add mode.
  void ujFelvetel();
  // The main window's "&Módosítás" (cmdModosit_Click): shows the dialog in modify mode, its
  // boxes copied from the payment-slip page.
  void modositas();
  // The row click: fills the boxes from the clicked payer's records.
  void kitolt(const NevekRekord& n, const Kozl3sorRekord& k);

  // Applies the state of "Ablak legfelül marad" to the window.
  void Legfelul();
  void Form_Load();
  // The focus into "Név", unless the activation comes from a click into one of the dialog's
  // boxes: the box clicked keeps the focus.
  void Form_Activate();
  void chkKulfCim_Click();
  void Legfelül_Click() { Legfelul(); }
  // Validates (add mode) and saves; the dialog stays open when nothing could be saved.
  void cmdRogzites_Click();
  void Command3_Click();
  // The lookups on Enter (key code 13); other keys are left to the box.
  void txBefizetoCim1_KeyPress(int keyAscii);
  void txBefizetoCim2_KeyPress(int keyAscii);
  void txBefizetoIrsz_KeyPress(int keyAscii);

  // Reaches the steps of the save (tests inject failures there).
  MentesHorog mentesHorog;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void nyit(bool uj);
  bool ujMentes();
  bool modositoMentes();
  // Saves payer n and its notice, both or neither; says what reached the disk when not both.
  bool mentes(int32_t n, const NevekRekord& r, const Kozl3sorRekord& k, bool uj);
  void hiba(const QString& szoveg, QLineEdit* fokusz = nullptr);
  void bezar();

  const Platform& platform_;
  FizetoAllapot allapot_;
  FoAblak ablak_;
  bool kattintas_ = false;  // a mouse button is down on one of the dialog's controls
};
