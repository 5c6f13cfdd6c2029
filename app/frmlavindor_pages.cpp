// The page change: the page saved as the last one shown, the page's own step, the buttons and
// the orientation switched, the settings tab chosen, the blank-form picture shown. And the
// orientation pair, which only changes the picture.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/frmlavindor.h"
#include "common/recordfile.h"
#include "common/setrekord.h"

namespace {

// The settings dialog's tab for each page.
constexpr std::array<int16_t, 8> kBeallitasFul{0, 1, 2, 3, 0, 4, 5, 6};

bool ervenyes(int lap) { return lap >= 0 && lap < 8; }

}  // namespace

int16_t beallitasFul(int lap) { return ervenyes(lap) ? kBeallitasFul[size_t(lap)] : 0; }

void frmLavindor::SSTab1_Click() {
  const int lap = SSTab1->currentIndex();
  // 1. Only AktivLap changes in Set.dat; every other byte stays as the file held it.
  saveSetFields(platform_.folder, allapot_.Set, [lap](SetRekord& s) { s.AktivLap = int16_t(lap); });
  if (!ervenyes(lap)) return;

  allapot_.BeallitasFul = beallitasFul(lap);
  // The label page is printed standing only.
  if (lap == kLapCimke) {
    OpOrientacioFekvo->setEnabled(false);
    OpOrientacioAllo->setChecked(true);
  } else {
    OpOrientacioFekvo->setEnabled(true);
  }
  if (lap == kLapCsekk) mnuUjcimzett->setEnabled(true);
  // These pages print one form: the list print is not offered on them.
  if (lap == kLapFelado || lap == kLapCimke || lap == kLapIrat || lap == kLapUlap) mutatCsPrint(false);

  // The page's own step: its layout record read, its fixed sender or payee shown.
  oldalak_[size_t(lap)]->enter();

  // 10. The blank form of the page.
  elonezet(lap);
}

void frmLavindor::OpOrientacioAllo_Click() { elonezet(SSTab1->currentIndex()); }

void frmLavindor::OpOrientacioFekvo_Click() {
  if (SSTab1->currentIndex() == kLapCimke) return;
  elonezet(SSTab1->currentIndex());
}

void frmLavindor::mutatCsPrint(bool cs) {
  cmdPrint->setVisible(!cs);
  cmdCsPrint->setVisible(cs);
}

bool frmLavindor::vanElonezet(int lap) const { return ervenyes(lap) && vanKep_[size_t(lap)]; }

void frmLavindor::elonezet(int lap) {
  if (!ervenyes(lap)) return;
  const bool fekvo = OpOrientacioFekvo->isChecked();
  if (fekvo && lap == kLapCimke) return;
  // The page chooses its picture by the orientation and what it shows itself; a missing or
  // unreadable picture leaves the preview empty and the page usable.
  vanKep_[size_t(lap)] = oldalak_[size_t(lap)]->showPicture(fekvo ? Tajolas::Fekvo : Tajolas::Allo);
}
