#pragma once
// The automatic-import settings dialog: switches the watched-folder import on or off, chooses
// appending or replacing, the automatic printing and the watched folder. Timer1 of the main
// window is off while the dialog is open and switched on when it closes.
#include <QDialog>

#include <array>
#include <functional>

#include "common/platform.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeView;
class TriCheckBox;
struct SetRekord;

// A folder path that Set.dat can hold: code page 1250 and at most 255 bytes.
bool tarolhatoMappa(const QString& mappa);

class frmAutBeolvas : public QDialog {
 public:
  // `idozito` switches Timer1; Form_Load runs at once.
  frmAutBeolvas(Platform& platform, SetRekord& set, std::function<void(bool)> idozito, QWidget* parent = nullptr);

  TriCheckBox* chkAutBeolvas;
  std::array<QRadioButton*, 2> opHozzafüzes{};
  TriCheckBox* chkAutoPrint;
  QComboBox* Drive1;     // mounted volumes
  QTreeView* Dir1;       // folders of the chosen volume
  QLineEdit* txtAutBeolvas;
  QPushButton* cmdMent;
  QPushButton* Command1;
  QLabel* Label2;

  void Form_Load();
  void opHozzafüzes_Click(int index);
  void Drive1_Change();
  void Dir1_Change();
  void cmdMent_Click();
  void Command1_Click();
  void Form_Unload();

  // The folder Dir1 shows as current (empty when none).
  QString dir1Path() const;
  // Makes `path` Dir1's current folder (and its volume Drive1's choice); false when it is no folder.
  bool setDir1(const QString& path);

 protected:
  void done(int r) override;
  void showEvent(QShowEvent* e) override;

 private:
  // Brings Dir1's current folder into the middle of the tree.
  void aktualisMutatasa();
  // The same once the toolkit has inserted and sorted the rows it is loading.
  void kovetes();
  Platform& platform_;
  SetRekord& set_;
  std::function<void(bool)> idozito_;
  QFileSystemModel* modell_;
  // The folder set by setDir1 is kept in view while the tree loads its listings (rows that load
  // above it push it down), until the user scrolls, opens or closes a folder or chooses one.
  bool kovet_ = false;
  bool kovetesVar_ = false;  // a kovetes is pending
  bool beallitas_ = false;   // the dialog itself is changing the tree
  bool unloaded_ = false;
  QString olvasasHiba_;  // Set.dat could not be read when the dialog opened: nothing is saved
};
