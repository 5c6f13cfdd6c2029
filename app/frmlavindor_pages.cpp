// The page change: the page saved as the last one shown, the page's own step, the buttons and
// the orientation switched, the settings tab chosen, the blank-form picture shown. And the
// orientation pair, which only changes the picture.
#include <QAction>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/frmlavindor.h"
#include "common/recordfile.h"
#include "common/setrekord.h"

namespace {

struct LapAdat {
  int16_t beallitasFul;
  const char* allo;
  const char* fekvo;  // null: the page is standing only
};

constexpr std::array<LapAdat, 8> kLapok{{
    {0, "csekkkepallo.jpg", "csekkkepfekvo.jpg"},
    {1, "Tertikepallo.jpg", "Tertikepfekvo.jpg"},
    {2, "Feladokepallo.jpg", "Feladokepfekvo.jpg"},
    {3, "Boritekkepallo.jpg", "Boritekkepfekvo.jpg"},
    {0, "cimkekep.jpg", nullptr},
    {4, "Iratkepallo.jpg", "Iratkepfekvo.jpg"},
    {5, "RcsekkkepAllo.jpg", "RcsekkkepFekvo.jpg"},
    {6, "UtanveteliLapAllo.jpg", "UtanveteliLapfekvo.jpg"},
}};

bool ervenyes(int lap) { return lap >= 0 && lap < 8; }

}  // namespace

QString lapKep(int lap, bool fekvo) {
  if (!ervenyes(lap)) return {};
  const char* nev = fekvo ? kLapok[size_t(lap)].fekvo : kLapok[size_t(lap)].allo;
  return nev ? QString::fromLatin1(nev) : QString();
}

int16_t beallitasFul(int lap) { return ervenyes(lap) ? kLapok[size_t(lap)].beallitasFul : 0; }

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
  // Opened by name in the program folder; a missing or unreadable picture leaves the preview
  // empty and the page usable.
  const QString nev = lapKep(lap, fekvo);
  QImage kep;
  if (!nev.isEmpty()) kep.load(dataPath(platform_.folder, nev));
  vanKep_[size_t(lap)] = !kep.isNull();
  oldalak_[size_t(lap)]->setPreview(kep);
}
