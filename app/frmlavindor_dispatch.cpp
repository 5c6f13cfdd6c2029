// The two print buttons: they hand the envelope picture's position to the envelope printers
// and call the form printer of the current page and orientation. They print nothing
// themselves and show nothing: the printers handle their own errors.
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include <set>

#include "app/frmlavindor.h"

#include "common/numtext.h"
#include "app/betuvalaszto.h"
#include "common/tricheckbox.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/boritekprint.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/envelopes/cimkeprint.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/rcsekklista.h"
#include "printing/orders/rcsekkprint.h"
#include "printing/orders/ulaplap.h"
#include "printing/orders/ulaplista.h"
#include "printing/orders/ulapprint.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/feladoprint.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/iratprint.h"
#include "printing/receipts/tertilap.h"
#include "printing/receipts/tertiprint.h"
#include "printing/slips/csekklap.h"
#include "printing/slips/csekklistaprint.h"
#include "printing/slips/csekkprint.h"
#include "records/fizetolista.h"

int16_t kepPoz(const QString& felirat, int16_t regi) {
  try {
    return roundToInt16(leadingValue(felirat));
  } catch (const OverflowError&) {
    return regi;
  }
}

void frmLavindor::cmdPrint_Click() { nyomtat(false); }

void frmLavindor::cmdCsPrint_Click() { nyomtat(true); }

// Every row of the payer list in displayed order with its selection; the printers choose the rows.
static std::vector<CsoportSor> listaSorok(const FizetoLista& lista) {
  const std::vector<int> kijelolt = lista.kijeloltSorok();
  const std::set<int> kijeloltek(kijelolt.begin(), kijelolt.end());
  std::vector<CsoportSor> sorok;
  sorok.reserve(size_t(lista.sorokSzama()));
  for (int sor = 0; sor < lista.sorokSzama(); ++sor) sorok.push_back({lista.rekordSzam(sor), kijeloltek.count(sor) > 0});
  return sorok;
}

// The envelope page's switches and picture, as the envelope printers read them.
static BoritekLapAllapot boritekAllapot(const BoritekLap& l, const Allapot& a) {
  BoritekLapAllapot s;
  s.meret = l.OpB1->isChecked() ? 1 : l.OpB2->isChecked() ? 2 : l.OpB3->isChecked() ? 3 : 0;
  s.chkCimzett = l.chkCimzett->value();
  s.chkFelado = l.chkFelado->value();
  s.chkKepPrint = l.chkKepPrint->value();
  s.chkFKC = {l.chkFKCNev->value(), l.chkFKCNev2->value(), l.chkFKCCim1->value(), l.chkFKCCim2->value(),
              l.chkFKCIrsz->value()};
  s.chkFKF = {l.chkFKFNev->value(), l.chkFKFCim1->value(), l.chkFKFCim2->value(), l.chkFKFIrsz->value()};
  s.txtFelado5mezo = l.txtFelado5mezo->text();
  s.KepPozX = a.KepPozX;
  s.KepPozY = a.KepPozY;
  s.KepSzeles = a.KepSzeles;
  s.KepMagas = a.KepMagas;
  s.kep = l.kepKep();
  s.KivalasztottKep = a.KivalasztottKep;
  return s;
}

void frmLavindor::boritekNyomtat(bool csoportos, bool allo) {
  const BoritekLap& l = *boritekLap;
  const BoritekLapAllapot lap = boritekAllapot(l, allapot_);
  BoritekRekord& b = allapot_.Layouts.Boritek;
  if (csoportos) {
    const auto sorok = listaSorok(*lista);
    const PrintResult r = allo ? PrintCsAlloBoritek(sorok, lap, platform_, allapot_.Set, b, allapot_.Boritek)
                               : PrintCsFekvoBoritek(sorok, lap, platform_, allapot_.Set, b, allapot_.Boritek);
    // Only the payer record read last is left behind; the amount and its words stay.
    if (r.utolso) allapot_.Nevek = r.utolso->Nevek;
    return;
  }
  BoritekAdatok a;
  a.lap = lap;
  a.cimzett = {l.txtBoritekCimzettNev->text(), l.txtBoritekCimzettNev2->text(), l.txtBoritekCimzettCim1->text(),
               l.txtBoritekCimzettCim2->text(), l.txtBoritekCimzettIrSzam->text()};
  a.felado = {l.txtBoritekFeladoNev->text(), l.txtBoritekFeladoCim1->text(), l.txtBoritekFeladoCim2->text(),
              l.txtBoritekFeladoIrSzam->text()};
  if (allo) PrintAlloBoritek(a, platform_, allapot_.Set, b, allapot_.Boritek);
  else PrintFekvoBoritek(a, platform_, allapot_.Set, b, allapot_.Boritek);
}

void frmLavindor::ulapLista(bool allo) {
  UlapLapAllapot lap;
  lap.cmdUtanvetOdalCsere = ulapLap->cmdUtanvetOdalCsere->text();
  lap.chkUtanvetR = ulapLap->chkUtanvetR->value();
  lap.chkUtanvetEL = ulapLap->chkUtanvetEL->value();
  lap.lbUNev = ulapLap->lbUNev->text();
  lap.lbUHelyseg = ulapLap->lbUHelyseg->text();
  lap.lbUCim = ulapLap->lbUCim->text();
  lap.lbUIrszam = ulapLap->lbUIrszam->text();
  const auto sorok = listaSorok(*lista);
  utolsoAtvesz(allo ? PrintCsAlloUlap(sorok, lap, platform_, allapot_.Set, allapot_.Layouts.Rcsekk, allapot_.Layouts.Ulap)
                    : PrintCsFekvoUlap(sorok, lap, platform_, allapot_.Set, allapot_.Layouts.Rcsekk, allapot_.Layouts.Ulap));
}

void frmLavindor::rcsekkLista(bool allo) {
  RcsekkListaLap lap;
  lap.cmdOldalCsere = rcsekkLap->cmdOldalCsere->text();
  lap.opAllando0 = rcsekkLap->opAllando[0]->isChecked();
  lap.RlbNev = rcsekkLap->RlbNev->text();
  lap.RlbHelys = rcsekkLap->RlbHelys->text();
  lap.RlbCim = rcsekkLap->RlbCim->text();
  lap.RlbIrsz = rcsekkLap->RlbIrsz->text();
  for (size_t i = 0; i < lap.RcsekkKozlemenyHatul.size(); ++i)
    lap.RcsekkKozlemenyHatul[i] = rcsekkLap->RcsekkKozlemenyHatul[i]->text();
  const auto sorok = listaSorok(*lista);
  utolsoAtvesz(allo ? PrintCsAlloRcsekk(sorok, lap, platform_, allapot_.Set, allapot_.Layouts.Rcsekk)
                    : PrintCsFekvoRcsekk(sorok, lap, platform_, allapot_.Set, allapot_.Layouts.Rcsekk));
}

void frmLavindor::csekkLista(bool allo) {
  const auto sorok = listaSorok(*lista);
  CsekkLapSzovegek lap;
  lap.Kozlemeny1 = csekkLap->Kozlemeny1->currentText();
  lap.Kozlemeny2 = csekkLap->Kozlemeny2->text();
  lap.txtJogcim1 = csekkLap->txtJogcim1->currentText();
  lap.txtJogcim2 = csekkLap->txtJogcim2->currentText();
  lap.chkBefAzonMasolasa = csekkLap->chkBefAzonMasolasa->value() == 1;
  utolsoAtvesz(allo ? PrintCsAlloCsekk(sorok, lap, platform_, allapot_.Set)
                    : PrintCsFekvoCsekk(sorok, lap, platform_, allapot_.Set));
}

// What the last printed row of a list leaves in the shared copies.
void frmLavindor::utolsoAtvesz(const PrintResult& r) {
  if (!r.utolso) return;
  const CsoportUtolso& u = *r.utolso;
  allapot_.Nevek = u.Nevek;
  if (u.vanKozl3sor) allapot_.Kozl3sor = u.Kozl3sor;
  allapot_.AzazOsszeg = u.AzazOsszeg;
  if (u.Azaz) {
    allapot_.AzazEzresek = u.Azaz->ezresek;
    allapot_.AzazEgyesek = u.Azaz->egyesek;
  }
  if (u.lbOsszeg) csekkLap->lbOsszeg->setText(*u.lbOsszeg);
}

void frmLavindor::cimkeNyomtatas() {
  CimkeLapAdatok lap;
  lap.chkEgyediCimke = cimkeLap->chkEgyediCimke->value() == 1;
  for (int k = 1; k <= 40; ++k) lap.chkCimke1[size_t(k)] = cimkeLap->chkCimke1[size_t(k)]->value() == 1;
  for (size_t i = 0; i < 5; ++i) {
    lap.txEgyediCimke[i] = cimkeLap->txEgyediCimke[i]->text();
    lap.ComboBetuTipus1[i] = betuk->ComboBetuTipus1[i]->currentText();
    lap.ComboBetuSize[i] = betuk->ComboBetuSize[i]->currentText();
  }
  const PrintResult r = PrintAlloCimke(lap, allapot_.CimkeHely, listaSorok(*lista), platform_, allapot_.CimkeSetup);
  // The counter as the file holds it now; the last payer printed stays in the shared copy
  // (labels write no amount or notice, so the rest of utolsoAtvesz does not apply).
  cimkeLap->lbKinyomottCimkeNum->setText(QString::number(allapot_.CimkeSetup.KinyomottCimkeNum));
  if (r.utolso) allapot_.Nevek = r.utolso->Nevek;
}

// A list print that may take its printed rows off the list: what the last row leaves, then,
// when the general settings ask for it and the document was sent without error, the printed
// rows leave the list (last to first) and the selection count is blanked. Files stay as they are.
void frmLavindor::nyomtatottakTorlese(const PrintResult& r) {
  utolsoAtvesz(r);
  if (allapot_.Set.PrintDel <= 0 || !r.hibatlan) return;
  lista->modell()->torol(torlendoSorok(r, allapot_.Set.PrintDel));
  lista->lbKijelolve->clear();
}

bool frmLavindor::nyomtat(bool csoportos) {
  // No tick of Timer1 runs while a print is under way.
  struct Jelzo {
    bool& b;
    ~Jelzo() { b = false; }
  } jelzo{nyomtatFut_ = true};
  // The envelope picture's position, on every page, before anything else.
  allapot_.KepPozX = kepPoz(boritekLap->lbXpoz->text(), allapot_.KepPozX);
  allapot_.KepPozY = kepPoz(boritekLap->lbYpoz->text(), allapot_.KepPozY);
  const bool allo = OpOrientacioAllo->isChecked();
  const int lap = SSTab1->currentIndex();
  switch (lap) {
    case kLapCsekk: {
      if (csoportos) {
        csekkLista(allo);
        return true;
      }
      const CsekkAdatok adatok = csekkLap->adatok();
      // Nothing is printed for an amount that reads as 0 (empty or not a number).
      if (leadingValue(adatok.txOsszeg) == 0) return false;
      const PrintResult r = allo ? PrintAlloCsekk(adatok, platform_, allapot_.Set)
                                : PrintFekvoCsekk(adatok, platform_, allapot_.Set);
      // The printer has told the user that no payer is chosen: the list is where to pick one.
      if (r == PrintResult::NoPayer) lista->ListView1->setFocus();
      return true;
    }
    case kLapTerti: {
      const TertiAdatok a = tertiLap->adatok();
      if (csoportos && allo)
        utolsoAtvesz(PrintCsAlloTerti(listaSorok(*lista), a, platform_, allapot_.Set, allapot_.Layouts.Terti));
      else if (csoportos)
        PrintCsFekvoTerti(a, lista->kijeloltRekordok(), platform_, allapot_.Set, allapot_.Layouts.Terti, allapot_.Nevek,
                          allapot_.Kozl3sor);
      else if (allo)
        PrintAlloTerti(a, platform_, allapot_.Set, allapot_.Layouts.Terti);
      else
        PrintFekvoTerti(a, platform_, allapot_.Set, allapot_.Layouts.Terti);
      return true;
    }
    case kLapFelado: {
      const FeladoAdatok a = feladoLap->adatok();
      if (csoportos) {
        const auto sorok = listaSorok(*lista);
        nyomtatottakTorlese(allo ? PrintCsAlloFelado(sorok, a, platform_, allapot_.Set, allapot_.Layouts.Fveveny)
                                 : PrintCsFekvoFelado(sorok, a, platform_, allapot_.Set, allapot_.Layouts.Fveveny));
      } else if (allo) {
        PrintAlloFelado(a, platform_, allapot_.Set, allapot_.Layouts.Fveveny, [this] {
          QFont f = font();
          f.setFamily(QStringLiteral("Times New Roman"));
          setFont(f);
        });
      } else {
        PrintFekvoFelado(a, platform_, allapot_.Set, allapot_.Layouts.Fveveny);
      }
      return true;
    }
    case kLapBoritek:
      boritekNyomtat(csoportos, allo);
      return true;
    case kLapIrat: {
      const IratAdatok a = iratLap->adatok();
      if (csoportos) {
        const auto sorok = listaSorok(*lista);
        auto& l = allapot_.Layouts;
        nyomtatottakTorlese(allo ? PrintCsAlloIrat(sorok, a, platform_, allapot_.Set, l.Terti, l.Irat2)
                                 : PrintCsFekvoIrat(sorok, a, platform_, allapot_.Set, l.Terti, l.Irat2));
      } else if (allo) {
        PrintAlloIrat(a, platform_, allapot_.Set, allapot_.Layouts.Irat2);
      } else {
        PrintFekvoIrat(a, platform_, allapot_.Set, allapot_.Layouts.Irat2);
      }
      return true;
    }
    case kLapRcsekk: {
      if (csoportos) {
        rcsekkLista(allo);
        return true;
      }
      const RcsekkAdatok a = rcsekkLap->adatok();
      if (allo) PrintAlloRCsekk(a, platform_, allapot_.Set, allapot_.Layouts.Rcsekk);
      else PrintFekvoRCsekk(a, platform_, allapot_.Set, allapot_.Layouts.Rcsekk);
      return true;
    }
    case kLapUlap: {
      if (csoportos) {
        ulapLista(allo);
        return true;
      }
      const UlapAdatok a = ulapLap->adatok(csekkLap->txNev->text());
      const PrintResult r = allo ? PrintAlloULap(a, platform_, allapot_.Set, allapot_.Layouts.Rcsekk, allapot_.Layouts.Ulap)
                                : PrintFekvoULap(a, platform_, allapot_.Set, allapot_.Layouts.Rcsekk, allapot_.Layouts.Ulap);
      if (r == PrintResult::NoPayer) lista->ListView1->setFocus();
      return true;
    }
    case kLapCimke: {
      // Labels print standing only, and the list of selected rows is one of the single print's
      // modes: the list print and a lying print call nothing.
      if (csoportos || !allo) return false;
      cimkeNyomtatas();
      return true;
    }
    default:
      // The other forms' printers are not in this build.
      return false;
  }
}
