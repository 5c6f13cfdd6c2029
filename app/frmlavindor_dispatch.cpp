// The two print buttons: every page hands over what other pages' prints read of it (the
// envelope picture's position), then the current page prints for the orientation chosen, and
// the window does what the print leaves to it. The window prints nothing itself: the printers
// handle their own errors. It only says what a list print left undone: no printable row, or
// printed rows kept on the list because the document had errors.
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include <set>

#include "app/frmlavindor.h"
#include "common/messages.h"
#include "payerwindows/fizetolista.h"

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
}

// A list print that may take its printed rows off the list: when the general settings ask for
// it and the document was sent without error, the printed rows leave the list (last to first)
// and the selection count is blanked. Files stay as they are. A document sent with failed
// steps keeps its rows, and the user is told why, once.
void frmLavindor::nyomtatottakTorlese(const PrintResult& r) {
  if (allapot_.Set.PrintDel <= 0) return;
  if (!r.hibatlan) {
    if (r.printed && !r.sorok.empty() && r.elsoHiba && platform_.messages)
      platform_.messages->info(QStringLiteral("A kinyomtatott sorok a listán maradtak, mert a nyomtatás nem volt "
                                              "hibátlan.\r\nAz első hiba: %1 (hibakód: %2)")
                                   .arg(r.elsoHiba->description)
                                   .arg(r.elsoHiba->number),
                               QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
    return;
  }
  lista->modell()->torol(torlendoSorok(r, allapot_.Set.PrintDel));
  lista->lbKijelolve->clear();
}

bool frmLavindor::nyomtat(bool csoportos) {
  // No tick of Timer1 runs while a print is under way.
  struct Jelzo {
    bool& b;
    ~Jelzo() { b = false; }
  } jelzo{nyomtatFut_ = true};
  if (!listaAParrol()) return false;
  // A print that ends before its document (nothing to print, cancelled) leaves no word of an
  // earlier one.
  nyomtatasAllapot({});
  for (FormPage* p : oldalak_) p->beforePrint();
  return lapNyomtat(SSTab1->currentIndex(), csoportos,
                    OpOrientacioAllo->isChecked() ? Tajolas::Allo : Tajolas::Fekvo);
}

bool frmLavindor::lapNyomtat(int lap, bool csoportos, Tajolas tajolas) {
  if (lap < 0 || lap >= int(oldalak_.size())) return false;
  const PrintRequest k{platform_,
                       allapot_.Set,
                       allapot_.Layouts,
                       tajolas,
                       csoportos,
                       [this] { return listaSorok(*lista); },
                       [this] { return lista->kijeloltRekordok(); },
                       allapot_.Nevek,
                       allapot_.Kozl3sor};
  const std::optional<PagePrint> p = oldalak_[size_t(lap)]->print(k);
  if (!p) return false;
  const PrintResult& r = p->eredmeny;
  // A list print that found no row to print (none selected, or none naming a payer record).
  if (csoportos && r.printed && r.lapok == 0 && platform_.messages)
    platform_.messages->info(QStringLiteral("Nincs nyomtatható sor: a listában nincs kijelölve olyan ügyfél, "
                                            "amely szerepel az adatállományban."),
                             QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  if (p->utolso == PagePrint::Minden) utolsoAtvesz(r);
  else if (p->utolso == PagePrint::Nevek && r.utolso) allapot_.Nevek = r.utolso->Nevek;
  if (p->torles) nyomtatottakTorlese(r);
  if (p->listaFokusz) lista->ListView1->setFocus();
  return true;
}
