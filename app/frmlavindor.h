#pragma once
// The main window: the form-type pages in the tab control, the payer list beside them and the
// menu bar. It stays a shell: each page's controls and handlers live in the page's class, the
// list's in FizetoLista. Loading restores the saved list order and loads the list; unloading
// (the exit menu or the close box) saves the list order into Set.dat.
#include <QMainWindow>

#include "app/allapot.h"
#include "common/platform.h"

class QAction;
class QTabWidget;
class CsekkLap;
class FizetoLista;

class frmLavindor : public QMainWindow {
 public:
  // Builds the window and runs Form_Load.
  frmLavindor(const Platform& platform, Allapot& allapot, QWidget* parent = nullptr);

  QTabWidget* SSTab1;
  CsekkLap* csekkLap;  // page 0, "Sárga csekk"
  FizetoLista* lista;
  QAction* mnuKilep;

  void Form_Load();
  // Saves the options kept between runs; runs once, when the window is closed.
  void Form_Unload();
  void mnuKilep_Click();
  // Repeats the name on the slip's preview and, with the search box ticked, searches the list.
  void txNev_Change();

  static QString cim();  // "Lavindor program - " and the version

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  const Platform& platform_;
  Allapot& allapot_;
  bool unloaded_ = false;
};
