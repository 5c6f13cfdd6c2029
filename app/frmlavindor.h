#pragma once
// The main window: the eight form-type pages in the tab control, the payer list beside them,
// the orientation pair, the print and payer buttons, the printer and label-font panels and the
// menu bar. It stays a shell: each page's controls and handlers live in the page's class, the
// list's in FizetoLista. Split by concern:
//   frmlavindor.cpp           building the window
//   frmlavindor_load.cpp      start-up, activation, exit and unload
//   frmlavindor_pages.cpp     page change, previews, orientation
//   frmlavindor_dispatch.cpp  the two print buttons
//   frmlavindor_rowclick.cpp  the payer list's row click and the payer buttons
//   frmlavindor_adatcsere.cpp the "Adatbázis" menu and Timer1
//   frmlavindor_feladojegyzek.cpp  the posting-list menu
// The window reaches its pages through FormPage (printing/common/formpage.h): it loops over
// them at start-up, activation, exit, row click and page change, and lets the current page print.
#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "app/allapot.h"
#include "common/platform.h"
#include "exchange/automatikus.h"
#include "payerwindows/foablak.h"
#include "printing/common/formpage.h"

class QAction;
class QTimer;
struct AdatcsereAblak;
class QImage;
class QLabel;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class BetuValaszto;
class BoritekLap;
class CimValaszto;
class CimkeLap;
class CsekkLap;
class FeladoLap;
class FizetoLista;
class IratLap;
class NyomtatoValaszto;
class RcsekkLap;
class TertiLap;
class UlapLap;
struct PrintResult;
class frmFelvet;

// Page indexes of SSTab1.
enum Lap : int { kLapCsekk = 0, kLapTerti, kLapFelado, kLapBoritek, kLapCimke, kLapIrat, kLapRcsekk, kLapUlap };

// The captions of the eight pages, in index order.
QStringList lapFeliratok();
// The tab the settings dialog opens on for a page.
int16_t beallitasFul(int lap);

class frmLavindor : public QMainWindow {
 public:
  // Builds the window and runs Form_Load.
  frmLavindor(Platform& platform, Allapot& allapot, QWidget* parent = nullptr);
  ~frmLavindor() override;

  QTabWidget* SSTab1;
  CsekkLap* csekkLap;                 // page 0, "Sárga csekk"
  TertiLap* tertiLap;                 // page 1, return receipt
  FeladoLap* feladoLap;               // page 2, posting receipt
  BoritekLap* boritekLap;             // page 3, envelope
  CimkeLap* cimkeLap;                 // page 4, address labels
  IratLap* iratLap;                   // page 5, return receipt for official documents
  RcsekkLap* rcsekkLap;               // page 6, pink money order
  UlapLap* ulapLap;                   // page 7, cash-on-delivery form
  std::array<QWidget*, 8> lapok{};    // every page by index
  FizetoLista* lista;
  NyomtatoValaszto* nyomtato;         // Combo2, lbPrintNo, opPrinter
  BetuValaszto* betuk;                // ComboBetuTipus1, ComboBetuSize, lbMinta, cmbBetutipusok

  QRadioButton* OpOrientacioAllo;
  QRadioButton* OpOrientacioFekvo;
  QPushButton* cmdPrint;
  QPushButton* cmdCsPrint;
  QPushButton* cmdRogzit;
  QPushButton* cmdModosit;
  QPushButton* cmdDel;
  QPushButton* cmdOsszegek;

  QLabel* lbPdfFajl;  // status bar: what the last print did (the PDF file written, or why not printed)

  QAction* mnuKilep;
  QAction* mnuSetup;
  QAction* mnuUjcimzett;
  QAction* mnuAbout;
  // Menu "Adatbázis".
  QAction* mnuAdatCsvbol;
  QAction* mnuMentCSVbe;
  QAction* mnuKonertal;
  QAction* mnuAdatbazisTorles;
  QAction* mnuAutoBeolvasas;
  QAction* mnuImportHelp;
  // Polls the watched folder every 5 seconds.
  QTimer* Timer1;
  QAction* mnuCimzettekNyomtatasa;  // menu "F&eladójegyzék"
  QAction* mnuFeladojegyzekSetup;
  QAction* mnuUresFeladojegyzek;

  // Places the window on a screen whose free area (without panels) is `szabad`: centred, and
  // where there is room wide enough for the widest page beside the list and high enough for
  // the tallest page at that width (at least 10665 twips besides the status bar); smaller
  // where there is not (the page area scrolls, the tab bar shows its arrows). Its frame is
  // never larger than the free area.
  void kepernyohozIgazit(const QRect& szabad);

  // Start-up, activation, shut-down.
  void Form_Load();
  void Form_Activate();
  // Saves the options kept between runs; runs once, when the window is closed.
  void Form_Unload();
  void mnuKilep_Click();
  void mnuSetup_Click();
  void mnuAbout_Click();
  // Opens a document or address with the desktop, unchanged; true when that succeeded.
  bool OpenBrowser(const QString& url);

  // Pages and orientation.
  void SSTab1_Click();
  void OpOrientacioAllo_Click();
  void OpOrientacioFekvo_Click();
  // Whether a page's preview shows its picture (false when none could be loaded).
  bool vanElonezet(int lap) const;

  // The posting list, its settings and the empty sheet (frmlavindor_feladojegyzek.cpp).
  void mnuCimzettekNyomtatasa_Click();
  void mnuFeladojegyzekSetup_Click();
  void mnuUresFeladojegyzek_Click();

  // Printing.
  void cmdPrint_Click();
  void cmdCsPrint_Click();

  // The payer list and the payer buttons.
  void ListView1_ItemClick(int sor);
  void txNev_Change();
  void cmdRogzit_Click();
  void mnuUjcimzett_Click();
  void cmdModosit_Click();
  void cmdDel_Click();
  void cmdOsszegek_Click();
  // The payer dialog, created (without being shown) on first use; one at a time.
  frmFelvet* felvet();
  CimValaszto* ListView2;  // the lookup's pick list, in the list's frame frameCimKeres

  // Data exchange (frmlavindor_adatcsere.cpp).
  void mnuAdatCsvbol_Click();
  void mnuMentCSVbe_Click();
  void mnuKonertal_Click();
  void mnuAdatbazisTorles_Click();
  void mnuImportHelp_Click();
  void mnuAutoBeolvasas_Click();
  // Does nothing while a dialog, the payer dialog, a print or another tick is open: the
  // next tick tries again.
  void Timer1_Timer();
  // After the payer files changed (a payer's or the database's deletion, import, conversion):
  // reloads the list and clears the current payer, the pages' payer fields, the label
  // positions and the selection count, with the single print offered again.
  void fizetokValtoztak();
  // True when the list's record numbers name the payers the readers of the pair read now. Else
  // the pair changed under the list (an unfinished change was finished or undone meanwhile):
  // the list is read again, the user is told to choose again, and the caller does nothing.
  bool listaAParrol();

  // The current payer's record number (0: none).
  int32_t aktualisRekord() const { return allapot_.AktualisRekord; }

  static QString cim();  // "Lavindor program - " and the version

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  static constexpr int kAblakMagassag = 711;     // 10665 twips
  static constexpr int kListaSzelesseg = 600;    // the list shows its three columns whole
  void epit();
  void adatbazisMenu();
  void feladojegyzekMenu();
  QWidget* gombok();
  void elonezet(int lap);
  // The payer (blank after the payer files changed) and its amounts onto every page.
  void lapokKitolt(const FizetoKitoltes& f);
  void mutatCsPrint(bool cs);
  // The exit's read-modify-write of the option states into Set.dat; what did not reach the disk,
  // or empty.
  QString setMentes();
  // Calls the single or list printer of the current page and orientation; false when there
  // is none to call.
  bool nyomtat(bool csoportos);
  // Lets page `lap` print and does what its print leaves to the window; false when the page
  // called no printer.
  bool lapNyomtat(int lap, bool csoportos, Tajolas tajolas);
  void utolsoAtvesz(const PrintResult& r);
  // After a list print that removes its printed rows when PrintDel is set.
  void nyomtatottakTorlese(const PrintResult& r);
  // The status bar's line about the last print, and its tip (`szoveg` when none is given).
  void nyomtatasAllapot(const QString& szoveg, const QString& tipp = {});

  Platform& platform_;
  Allapot& allapot_;
  QSplitter* osztott_;  // the pages beside the payer list
  // Every page by index, as the window reaches it.
  std::array<FormPage*, 8> oldalak_{};
  std::array<bool, 8> vanKep_{};
  // What the payer dialogs reach of the window and of the program-wide state.
  FoAblak foAblak();
  FizetoAllapot fizetoAllapot();
  QPointer<frmFelvet> felvet_;
  AdatcsereAblak adatcsere();
  FigyeltFajl figyelt_;     // the watched file seen on the previous tick
  bool tickFut_ = false;    // a tick of Timer1 is running
  bool nyomtatFut_ = false; // a print is running
  QString pdfFajl_;         // the file the document being ended was written into
  bool unloaded_ = false;
  bool aktivalva_ = false;       // activated at least once
  bool sajatAblakUtan_ = false;  // the focus went to one of the program's own windows
};
