#pragma once
// The posting-list settings dialog "Feladójegyzék beállítások": the two offsets of the printed
// posting list and the spreadsheet program of the empty sheet (FjSet.dat). With no program
// stored, the box shows the one found on the search path, so that saving keeps it.
#include <QDialog>

#include "common/platform.h"
#include "layouts/fjsetrekord.h"

class QLineEdit;
class QPushButton;

class frmFjSetup : public QDialog {
  Q_OBJECT
 public:
  // Builds and loads the dialog (Form_Load). `fjSet` is the shared in-memory record.
  frmFjSetup(Platform& platform, FjSetRekord& fjSet, QWidget* parent = nullptr);
  // Shows the dialog modally, centred on the screen, until it is closed.
  static void open(Platform& platform, FjSetRekord& fjSet, QWidget* parent = nullptr);

  void Form_Load();
  void cmdTalloz_Click();
  void cmdMent_Click();
  void Command1_Click();

  QLineEdit* txtBal;           // "Név bal margó:"
  QLineEdit* txtFelso;         // "Név felső margó:"
  QLineEdit* txtExcelUtvonal;  // "Excel útvonal:"
  QPushButton* cmdTalloz;
  QPushButton* cmdMent;
  QPushButton* Command1;

 private:
  void hiba(const QString& szoveg);
  Platform& platform_;
  FjSetRekord& fjSet_;
  QString olvasasHiba_;  // FjSet.dat could not be read on opening: nothing is saved over it
};
