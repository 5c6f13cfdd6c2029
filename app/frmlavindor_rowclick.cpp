// The row click of the payer list: the clicked payer becomes the current one and its records
// fill the fields of the pages; the number of selected rows chooses the single or list print.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "app/frmlavindor.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "payerstore/fizetopar.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/frmfelvet.h"
#include "payerwindows/frmosszegek.h"
#include "payerwindows/torlesgomb.h"
#include "printing/slips/csekklap.h"

bool frmLavindor::listaAParrol() {
  if (lista->modell()->ugyanazAFajl(platform_.folder)) return true;
  fizetokValtoztak();
  if (platform_.messages)
    platform_.messages->info(QStringLiteral("A címzettek fájljai közben megváltoztak, ezért a lista újra betöltődött.\r\n"
                                            "Válassza ki újra a címzettet vagy a sorokat."),
                             QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  return false;
}

void frmLavindor::ListView1_ItemClick(int sor) {
  if (sor < 0 || sor >= lista->sorokSzama()) return;
  if (!listaAParrol()) return;
  // 1. The row's record number (32-bit: record numbers are not cut to 16 bits).
  const double szam = leadingValue(lista->szoveg(sor, 2));
  if (szam >= 1 && szam <= 2147483647.0) allapot_.AktualisRekord = roundToInt32(szam);
  const int32_t aktualis = allapot_.AktualisRekord;
  // 2. The buttons that act on the current payer.
  for (auto* b : {cmdDel, cmdModosit, cmdOsszegek}) b->setEnabled(true);
  // 3. Several rows selected: the list print, except on the label page.
  const int kijelolt = int(lista->kijeloltSorok().size());
  const bool cs = kijelolt > 1 && SSTab1->currentIndex() != kLapCimke;
  mutatCsPrint(cs);
  lista->lbKijelolve->setText(cs ? QString::number(kijelolt) : QString());

  // 5.-6. The settings and the payer's two records. A record number beyond the files leaves
  // the buffers as the last payer loaded them; records that cannot be read fill nothing, and
  // no payer is current then.
  // A Set.dat that cannot be read leaves the copy read last (start-up said why, if it never was).
  (void)loadSet(platform_.folder, allapot_.Set);
  FizetoPar par(platform_.folder);
  const Valasz<int32_t> db = par.count();
  if (aktualis >= 1 && (!db || aktualis <= *db)) {
    NevekRekord nevek;
    Kozl3sorRekord kozl;
    if (!db || !par.nevek(aktualis, nevek) || !par.kozl(aktualis, kozl)) {
      allapot_.AktualisRekord = 0;
      for (auto* b : {cmdDel, cmdModosit, cmdOsszegek}) b->setEnabled(false);
      if (platform_.messages)
        platform_.messages->info(par.hiba() + QStringLiteral("\r\nA címzett adatai nem tölthetők be."),
                                 QStringLiteral("Hiba"), MsgIcon::Critical);
      return;
    }
    allapot_.Nevek = nevek;
    allapot_.Kozl3sor = kozl;
  }
  const NevekRekord& n = allapot_.Nevek;

  // 7. The payer dialog (created hidden if need be), then the pages; 8. the amounts: every
  // valid one into the amount lists, slot 1 into the amount boxes.
  felvet()->kitolt(n, allapot_.Kozl3sor);
  lapokKitolt({n, allapot_.Kozl3sor, trimmed(allapot_.Set.FizHat), isTrue(allapot_.Set.FizHatBeolvas)});
}

void frmLavindor::lapokKitolt(const FizetoKitoltes& f) {
  for (FormPage* p : oldalak_) p->fill(f);
  for (FormPage* p : oldalak_) p->fillAmounts(f.nevek.Osszegek);
}

FizetoAllapot frmLavindor::fizetoAllapot() {
  return {allapot_.Nevek, allapot_.Kozl3sor, allapot_.AktualisRekord, allapot_.FelvetelMod, &allapot_.NevekHiba,
          &allapot_.ListaHiba};
}

FoAblak frmLavindor::foAblak() {
  FoAblak a;
  a.Beolvas = [this] { lista->Beolvas(); };
  csekkLap->fizetoMezok(a);
  a.setUgyfelGombok = [this](bool be) {
    for (auto* b : {cmdDel, cmdModosit, cmdOsszegek}) b->setEnabled(be);
  };
  a.fizetoModositva = [this](const NevekRekord& r, const Kozl3sorRekord& k) {
    // The payer's fields only: the amounts and the pages' own boxes stay as they are.
    for (FormPage* p : oldalak_) p->fill({r, k, trimmed(allapot_.Set.FizHat), isTrue(allapot_.Set.FizHatBeolvas)});
  };
  a.ListView2 = ListView2;
  return a;
}

frmFelvet* frmLavindor::felvet() {
  if (!felvet_) felvet_ = new frmFelvet(platform_, fizetoAllapot(), foAblak(), this);
  return felvet_;
}

void frmLavindor::cmdRogzit_Click() { felvet()->ujFelvetel(); }

void frmLavindor::mnuUjcimzett_Click() { cmdRogzit->click(); }

void frmLavindor::cmdModosit_Click() {
  if (listaAParrol()) felvet()->modositas();
}

void frmLavindor::cmdDel_Click() {
  if (!listaAParrol()) return;
  // The deletion moves record numbers: its reload is the one after every change of the payer files.
  FoAblak a = foAblak();
  a.Beolvas = [this] { fizetokValtoztak(); };
  ::cmdDel_Click(platform_, fizetoAllapot(), a);
}

void frmLavindor::cmdOsszegek_Click() {
  if (!listaAParrol()) return;
  frmOsszegek::open(platform_, fizetoAllapot(), foAblak(), this);
  Form_Activate();
}
