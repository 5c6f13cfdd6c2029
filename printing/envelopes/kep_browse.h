#pragma once
// The picture browser "Kép keresés": a modal dialog in which the user picks the envelope
// picture. A volume list (the mounted volumes of the machine), a folder list, a file list
// filtered to pictures or to all files and narrowed by a typed name, a preview of the chosen
// picture, OK and cancel. The chosen file's full path is left in KivalasztottKep; cancel, Esc
// and the close box give back the choice from before the dialog. On closing, the folder shown
// is stored in browse.pat, where the next opening starts.
//
// The folder and file lists are read at once on the window's thread (no background listing).
#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>

#include "common/fields.h"
#include "common/messages.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct Platform;

inline const QString kBrowseFile = QStringLiteral("browse.pat");

// browse.pat (516 bytes, record 1): the folder shown when the dialog last closed.
struct BrowseRekord {
  static constexpr int Length = 516;
  QString Mappa;    // 500
  Fixed Tartalek1;  // 8 reserved bytes, written back as read
  Fixed Tartalek2;

  template <class F>
  void fields(F& f) {
    f.text(Mappa, 500);
    f.fixed(Tartalek1);
    f.fixed(Tartalek2);
  }
};

// An error of a folder or file, numbered as the message table numbers it: 53 missing file,
// 76 missing folder, 68 volume not ready, 75 no access.
struct FajlHiba {
  int szam = 0;  // 0: no error
  QString leiras;
};
FajlHiba mappaHiba(const QString& mappa);

class kep_browse : public QDialog {
 public:
  // `KivalasztottKep` is the program-wide chosen picture, changed by the file choice.
  kep_browse(const Platform& platform, QString& KivalasztottKep, QWidget* parent = nullptr);

  QComboBox* Drive1;    // mounted volumes; item data: the volume's root
  QListWidget* Dir1;    // the folders from the root down to the current one, then its subfolders
  QListWidget* File1;   // files of the folder matching the pattern
  QLabel* Label1;       // the current folder
  QLabel* Label2;
  QLineEdit* Text1;     // name filter
  std::array<QRadioButton*, 2> Option1{};  // 0 all files, 1 picture files
  QCheckBox* Check1;    // preview
  QLabel* Image1;       // the preview, 4215 x 4215 twips
  QPushButton* Command1;  // to the root of the volume
  QPushButton* Command2;  // OK
  QPushButton* Command3;  // cancel

  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void Drive1_Change();
  void Dir1_Change();
  void Dir1_Click();
  void File1_Click();
  void Text1_Change();
  void Option1_Click();
  void Check1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  // Chooses the selected file and shows it in the preview; false when it is no picture.
  bool KepBetoltes2();
  // The message for an error (nothing for number 0), titled "! H I B A ! ".
  static void HibaUzenet(MessageBoxes& msg, const FajlHiba& hiba);

  // The current folder of Dir1; setting it lists it and, when `valtozas`, runs Dir1_Change.
  QString dir1Path() const { return dir1_; }
  void setDir1Path(const QString& mappa, bool valtozas = true);
  // The pattern File1 lists by: the option's, narrowed by the typed name.
  QString file1Pattern() const { return minta_; }
  // The option's pattern: "*.jpg;*.gif;*.bmp" for picture files, else "*.*".
  QString opcioMinta() const;
  // The option's pattern narrowed by the typed name: "*" name before each of its parts.
  QString szurtMinta() const;

  void reject() override;
  void done(int r) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void file1Frissit();  // lists dir1_ by minta_
  void valaszt(int sor);  // selects a file row and runs File1_Click
  void driveValaszt(const QString& mappa);  // shows the volume of `mappa` in Drive1
  MessageBoxes& msg();

  const Platform& platform_;
  RecordedMessageBoxes unseen_;  // where messages go when the platform has no boxes
  QString& kivalasztott_;
  QString elozo_;  // the choice before the dialog, given back by cancel
  QString dir1_;
  QString minta_;
  bool aktivalva_ = false;
  bool lezarva_ = false;
};
