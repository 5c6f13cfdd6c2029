#pragma once
// The legal-title and notice lists: Jogcimek.dat (first legal-title line), Jogcimek2.dat
// (second line) and Kozlem.dat (notices), each a list of 25-character entries, and the two
// dialogs that add entries and delete them.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

#include <cstdint>

#include "common/fields.h"
#include "common/platform.h"

inline const QString kJogcimekFile = QStringLiteral("Jogcimek.dat");
inline const QString kJogcimek2File = QStringLiteral("Jogcimek2.dat");
inline const QString kKozlemFile = QStringLiteral("Kozlem.dat");
inline const QString kListTempFile = QStringLiteral("nevx.dat");

struct JogcimRekord {
  static constexpr int Length = 25;
  QString Szoveg;  // 25

  template <class F>
  void fields(F& f) {
    f.text(Szoveg, 25);
  }
};

// Entries of a list file in record order, as stored (padding kept); none when the file cannot
// be read, and then the reason in `hiba` (Hungarian), where given.
QStringList readList(const QString& folder, const QString& file, QString* hiba = nullptr);

// One list of a dialog: its file, list view, new-text box and two buttons.
class ListPanel {
 public:
  ListPanel(Platform& platform, QString file, QTreeWidget* view, QLineEdit* text, QPushButton* add, QPushButton* del);
  // Fills the list view from the file; the reason when it could not be read (empty: read).
  QString load();
  void itemClick(QTreeWidgetItem* item);
  void textChange();
  void add();                       // appends the new text
  void remove();                    // deletes the selected entry
  int16_t selected() const { return selected_; }

 private:
  Platform& platform_;
  QString file_;
  QTreeWidget* view_;
  QLineEdit* text_;
  QPushButton* add_;
  QPushButton* del_;
  int16_t selected_ = 0;
  void visszaolvas();
};

// "Jogcím szövegek felvétele": both legal-title lists side by side.
class frmJogcimek : public QDialog {
  Q_OBJECT
 public:
  explicit frmJogcimek(Platform& platform, QWidget* parent = nullptr);
  // Shows the dialog modally, centred on the screen.
  static void open(Platform& platform);

  void Form_Load();
  void Beolvas() { list1_.load(); }
  void Beolvas2() { list2_.load(); }
  void ListView1_ItemClick(QTreeWidgetItem* item) { list1_.itemClick(item); }
  void ListView2_ItemClick(QTreeWidgetItem* item) { list2_.itemClick(item); }
  void txtJogcim1_Change() { list1_.textChange(); }
  void txtJogcim2_Change() { list2_.textChange(); }
  void cmdFelvesz_Click() { list1_.add(); }
  void cmdFelvesz2_Click() { list2_.add(); }
  void cmdDel_Click() { list1_.remove(); }
  void cmdDel2_Click() { list2_.remove(); }
  void cmdVissza_Click() { reject(); }

  QTreeWidget *ListView1, *ListView2;
  QLineEdit *txtJogcim1, *txtJogcim2;
  QPushButton *cmdFelvesz, *cmdFelvesz2, *cmdDel, *cmdDel2, *cmdVissza;

 private:
  ListPanel list1_, list2_;
};

// "Közlemény szövegek felvétele": the notice list.
class frmKozlemeny : public QDialog {
  Q_OBJECT
 public:
  explicit frmKozlemeny(Platform& platform, QWidget* parent = nullptr);
  static void open(Platform& platform);

  void Form_Load();
  void Beolvas() { list_.load(); }
  void ListView1_ItemClick(QTreeWidgetItem* item) { list_.itemClick(item); }
  void txtKozlemeny_Change() { list_.textChange(); }
  void cmdFelvesz_Click() { list_.add(); }
  void cmdDel_Click() { list_.remove(); }
  void cmdVissza_Click() { reject(); }

  QTreeWidget* ListView1;
  QLineEdit* txtKozlemeny;
  QPushButton *cmdFelvesz, *cmdDel, *cmdVissza;

 private:
  ListPanel list_;
};
