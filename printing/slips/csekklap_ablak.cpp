// What the main window asks of the payment-slip page: start-up, activation and exit, the row
// click and the print.
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

#include "common/fields.h"
#include "common/mmkep.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "payerwindows/foablak.h"
#include "payerwindows/jogcimek.h"
#include "printing/slips/csekklap.h"
#include "printing/slips/csekklistaprint.h"

QStringList kozlemenyLista(const QString& folder) {
  QStringList l{QString()};
  for (const QString& s : readList(folder, kKozlemFile)) l << s.leftJustified(25, QLatin1Char(' '));
  return l;
}

QStringList jogcim1Lista(const QString& folder) {
  QStringList l;
  for (const QString& s : readList(folder, kJogcimekFile)) l << trimmed(s);
  return l;
}

QStringList jogcim2Lista(const QString& folder, const QDate& today) {
  const QString hatarido = QLocale::system().toString(today.addDays(10), QLocale::ShortFormat);
  QStringList l;
  for (const QString& s : readList(folder, kJogcimek2File)) {
    const QString t = trimmed(s);
    l << (t == QStringLiteral("Fiz. hat.:") ? t + hatarido : t);
  }
  return l;
}

namespace {

// Replaces a choice list's items and leaves its text empty.
void listaBe(QComboBox* c, const QStringList& elemek) {
  c->clear();
  c->addItems(elemek);
  if (c->isEditable()) c->setEditText(QString());
  else c->setCurrentIndex(-1);
}

}  // namespace

void CsekkLap::fizetoMezok(FoAblak& a) {
  a.txNev = [this] { return txNev->text(); };
  a.txNev_2 = [this] { return txNev_2->text(); };
  a.txCim1 = [this] { return txCim1->text(); };
  a.txCim2 = [this] { return txCim2->text(); };
  a.txIrszam = [this] { return txIrszam->text(); };
  a.txBefizAzonosito = [this] { return txBefizAzonosito->text(); };
  a.setOsszegLista = [this](const QStringList& elemek) {
    // Only the items change: the amount typed stays, and its handler does not run again.
    const QString szoveg = txOsszeg->currentText();
    const QSignalBlocker csend(txOsszeg);
    txOsszeg->clear();
    txOsszeg->addItems(elemek);
    txOsszeg->setEditText(szoveg);
  };
}

void CsekkLap::load(const SetRekord& set) { chkBefAzonMasolasa->setValue(isTrue(set.BefAzonMasolasa) ? 1 : 0); }

void CsekkLap::activate() {
  for (QLineEdit* e : {txCim1, txCim2, txIrszam}) e->setEnabled(true);
  // The reference lists, edited in the settings dialog, read afresh.
  listaBe(Kozlemeny1, kozlemenyLista(platform_.folder));
  listaBe(txtJogcim1, jogcim1Lista(platform_.folder));
  listaBe(txtJogcim2, jogcim2Lista(platform_.folder, platform_.today()));
  // The slip layout may have been changed in the settings dialog meanwhile.
  elrendez();
}

void CsekkLap::save(SetRekord& set) const { set.BefAzonMasolasa = flagOf(chkBefAzonMasolasa->value() == 1); }

void CsekkLap::setPreview(const QImage& kep) { Picture2->setPreview(kep); }

bool CsekkLap::showPicture(Tajolas t) {
  tajolas_ = t;
  elrendez();
  return showFormPicture(*Picture2, platform_.folder, t, QStringLiteral("csekkkepallo.jpg"),
                         QStringLiteral("csekkkepfekvo.jpg"));
}

void CsekkLap::fill(const FizetoKitoltes& f) { ugyfelKitolt(f.nevek, f.kozl3sor, f.fizHat, f.fizHatBeolvas); }

void CsekkLap::fillAmounts(const std::array<int32_t, 12>& osszegek) {
  osszegListaKitolt(osszegek);
  elsoOsszeg(osszegek);
}

std::optional<PagePrint> CsekkLap::print(const PrintRequest& k) {
  const bool allo = k.tajolas == Tajolas::Allo;
  const CsekkAdatok a = adatok();
  if (k.csoportos) {
    // The list takes the notice and legal-title lines from the page.
    const CsekkLapSzovegek lap{a.Kozlemeny1, a.Kozlemeny2, a.txtJogcim1, a.txtJogcim2, a.chkBefAzonMasolasa};
    const auto sorok = k.listaSorok();
    PagePrint p{allo ? PrintCsAlloCsekk(sorok, lap, k.platform, k.set) : PrintCsFekvoCsekk(sorok, lap, k.platform, k.set),
                PagePrint::Minden};
    // A lying list leaves its last amount label on the page.
    if (p.eredmeny.utolso && p.eredmeny.utolso->lbOsszeg) lbOsszeg->setText(*p.eredmeny.utolso->lbOsszeg);
    return p;
  }
  // Nothing is printed for an amount that reads as 0 (empty or not a number).
  if (leadingValue(a.txOsszeg) == 0) return std::nullopt;
  PagePrint p{allo ? PrintAlloCsekk(a, k.platform, k.set) : PrintFekvoCsekk(a, k.platform, k.set)};
  // The printer has told the user that no payer is chosen: the list is where to pick one.
  p.listaFokusz = p.eredmeny == PrintResult::NoPayer;
  return p;
}
