#include "payerwindows/frmfelvet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "common/kodlap.h"
#include "common/messages.h"
#include "common/recordfile.h"
#include "payerstore/fizetofajlok.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/fizetopar.h"
#include "payerwindows/cimkereso.h"
#include "payerwindows/fizetoirhato.h"

namespace {

const QString kUjCim = QStringLiteral("Új címzett felvétele");
const QString kModositoCim = QStringLiteral("Címzett módosítása");

QString kerdes(const QString& nev, const QString& mit) {
  return QStringLiteral("Biztos mehet \r\n") + nev.toUpper() + QStringLiteral("\r\n\r\n") + mit;
}

QStringList osszegLista(const NevekRekord& r) {
  QStringList out;
  for (int32_t o : r.Osszegek)
    if (isOsszeg(o)) out << QString::number(o);
  return out;
}

}  // namespace

frmFelvet::frmFelvet(const Platform& platform, FizetoAllapot allapot, FoAblak ablak, QWidget* parent)
    : QDialog(parent), platform_(platform), allapot_(allapot), ablak_(std::move(ablak)) {
  // However it is closed (buttons, title bar, Esc), the dialog is unloaded: the next use makes
  // a new one with the initial states.
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(kUjCim);
  frmFelvetel = new QGroupBox(QStringLiteral("Ügyfél adatok"), this);
  auto box = [this](int max) {
    auto* t = new QLineEdit(this);
    t->setMaxLength(max);
    return t;
  };
  txBefizetoNeve = box(36);
  txEtkezo = box(36);
  txBefizetoCim1 = box(40);
  txBefizetoCim2 = box(45);
  txBefizetoIrsz = box(6);
  txBefizAnonosito = box(30);
  txtKozlem3sor = box(25);
  Label1 = {new QLabel(QStringLiteral("Név:"), this), new QLabel(QStringLiteral("Név (2. sora):"), this),
            new QLabel(QStringLiteral("Helység:"), this), new QLabel(QStringLiteral("Befizető címe:"), this)};
  const QString csakBoritek = QStringLiteral("Ez csak a borítékon jelenik meg!");
  txEtkezo->setToolTip(csakBoritek);
  Label1[1]->setToolTip(csakBoritek);
  txBefizetoCim1->setToolTip(QStringLiteral("Iránytószám kereséshez helységnév (NEM budapest) beírás után üss ENTER-t!"));
  txBefizetoCim2->setToolTip(QStringLiteral("Iránytószám kereséshez Budapesti utcanév beírás után üss ENTER-t!"));
  txBefizetoIrsz->setToolTip(
      QStringLiteral("Helységnév vagy Budapesti utcanév kereséshez irányítószám beírás után üss ENTER-t!"));
  chkKulfCim = new QCheckBox(QStringLiteral("Külföldi címzés"), this);
  chkTobbFelvetel = new QCheckBox(QStringLiteral("Több felvétel egymás után"), this);
  chkTobbFelvetel->setToolTip(QStringLiteral("Kipipálva a felvétel ablak rögzítés után nem tűnik el."));
  Legfelül = new QCheckBox(QStringLiteral("Ablak legfelül marad"), this);
  Legfelül->setToolTip(QStringLiteral(" A programablak mindig látszik "));
  Legfelül->setChecked(true);
  cmdRogzites = new QPushButton(QStringLiteral("&Rögzítés"), this);
  Command3 = new QPushButton(QStringLiteral("&Vissza"), this);
  // Enter belongs to the lookups, never to a button.
  for (QPushButton* b : {cmdRogzites, Command3}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }

  auto* g = new QGridLayout(frmFelvetel);
  int row = 0;
  auto add = [&](QWidget* label, QLineEdit* edit, QWidget* note = nullptr) {
    g->addWidget(label, row, 0);
    g->addWidget(edit, row, 1);
    if (note) g->addWidget(note, row, 2);
    ++row;
  };
  add(Label1[0], txBefizetoNeve);
  add(Label1[1], txEtkezo);
  add(Label1[2], txBefizetoCim1);
  add(Label1[3], txBefizetoCim2);
  add(new QLabel(QStringLiteral("Irányítószám:"), this), txBefizetoIrsz);
  add(new QLabel(QStringLiteral("Befizetőazonosító:"), this), txBefizAnonosito,
      new QLabel(QStringLiteral("Befizetőazonosító üresen hagyható!"), this));
  add(new QLabel(QStringLiteral("Közlemény 3. sora:"), this), txtKozlem3sor,
      new QLabel(QStringLiteral("Közlemény 3. sor üresen hagyható!"), this));
  g->addWidget(chkKulfCim, row++, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkTobbFelvetel);
  buttons->addWidget(Legfelül);
  buttons->addStretch();
  buttons->addWidget(cmdRogzites);
  buttons->addWidget(Command3);
  auto* v = new QVBoxLayout(this);
  v->addWidget(frmFelvetel);
  v->addLayout(buttons);

  connect(chkKulfCim, &QCheckBox::stateChanged, this, [this] { chkKulfCim_Click(); });
  connect(Legfelül, &QCheckBox::clicked, this, [this] { Legfelül_Click(); });
  connect(cmdRogzites, &QPushButton::clicked, this, [this] { cmdRogzites_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  // Enter in the three lookup boxes; a press on any control that takes the focus by a click.
  for (QWidget* w : findChildren<QWidget*>())
    if (w->focusPolicy() & Qt::ClickFocus) w->installEventFilter(this);
  if (ablak_.ListView2) ablak_.ListView2->setMezok(txBefizetoCim1, txBefizetoCim2, txBefizetoIrsz);
  Form_Load();
}

void frmFelvet::Form_Load() {
  // 500 and 800 twips right of and below the main window's corner.
  if (QWidget* p = parentWidget()) move(p->window()->geometry().topLeft() + QPoint(33, 53));
}

void frmFelvet::Form_Activate() {
  if (kattintas_) return;  // the click that activated the dialog put the focus where it wanted
  txBefizetoNeve->setFocus();
}

bool frmFelvet::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Form_Activate();
  else if (e->type() == QEvent::WindowDeactivate) kattintas_ = false;
  return QDialog::event(e);
}

bool frmFelvet::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) kattintas_ = true;
  else if (e->type() == QEvent::MouseButtonRelease) kattintas_ = false;
  const bool keres = watched == txBefizetoCim1 || watched == txBefizetoCim2 || watched == txBefizetoIrsz;
  if (keres && e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == txBefizetoCim1) txBefizetoCim1_KeyPress(13);
      else if (watched == txBefizetoCim2) txBefizetoCim2_KeyPress(13);
      else if (watched == txBefizetoIrsz) txBefizetoIrsz_KeyPress(13);
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

void frmFelvet::Legfelul() {
  const bool lathato = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, Legfelül->isChecked());
  if (lathato) show();  // changing the window flags hides the window
}

void frmFelvet::nyit(bool uj) {
  const QString& cim = uj ? kUjCim : kModositoCim;
  frmFelvetel->setTitle(cim);
  show();
  setWindowTitle(cim);
  allapot_.FelvetelMod = uj ? 1 : 2;
  cmdRogzites->setText(uj ? QStringLiteral("&Felvétel") : QStringLiteral("&Módosítás"));
  chkTobbFelvetel->setVisible(true);
  chkTobbFelvetel->setText(uj ? QStringLiteral("Több felvétel egymásután") : QStringLiteral("Több módosítás egymásután"));
  if (Legfelül->isChecked()) Legfelul();
  raise();
  activateWindow();
}

void frmFelvet::ujFelvetel() {
  nyit(true);
  for (QLineEdit* t : {txBefizetoNeve, txEtkezo, txBefizetoCim1, txBefizetoCim2, txBefizetoIrsz, txBefizAnonosito})
    t->clear();
}

void frmFelvet::modositas() {
  nyit(false);
  auto copy = [](QLineEdit* to, const std::function<QString()>& from) {
    if (from) to->setText(from());
  };
  copy(txBefizetoNeve, ablak_.txNev);
  copy(txEtkezo, ablak_.txNev_2);
  copy(txBefizetoCim1, ablak_.txCim1);
  copy(txBefizetoCim2, ablak_.txCim2);
  copy(txBefizetoIrsz, ablak_.txIrszam);
  copy(txBefizAnonosito, ablak_.txBefizAzonosito);
}

void frmFelvet::kitolt(const NevekRekord& n, const Kozl3sorRekord& k) {
  chkKulfCim->setChecked(isTrue(n.KulfCim));
  txBefizetoNeve->setText(trimmed(n.Nev));
  txEtkezo->setText(trimmed(n.Nev2));
  txBefizetoCim1->setText(trimmed(n.Helyseg));
  txBefizetoCim2->setText(trimmed(n.Cim));
  txBefizetoIrsz->setText(asStored(n.Irsz));
  txBefizAnonosito->setText(trimmed(n.BefizAzonosito));
  txtKozlem3sor->setText(trimmed(k.Kozlemeny));
}

void frmFelvet::chkKulfCim_Click() {
  const bool kulf = chkKulfCim->isChecked();
  Label1[1]->setText(kulf ? QStringLiteral("Cím:") : QStringLiteral("Név (2. sora):"));
  Label1[2]->setText(kulf ? QStringLiteral("Irszám. város:") : QStringLiteral("Helység:"));
  Label1[3]->setText(kulf ? QStringLiteral("Ország:") : QStringLiteral("Befizető címe:"));
  if (kulf) txBefizetoIrsz->setText(QStringLiteral(" "));
  txBefizetoIrsz->setEnabled(!kulf);
}

void frmFelvet::hiba(const QString& szoveg, QLineEdit* fokusz) {
  if (fokusz) fokusz->setFocus();
  platform_.messages->info(szoveg, QStringLiteral("Hiba"), MsgIcon::Critical);
}

void frmFelvet::bezar() { close(); }

void frmFelvet::Command3_Click() { bezar(); }

void frmFelvet::cmdRogzites_Click() {
  if (!fizetoIrhato(platform_, allapot_)) return;
  const bool tobb = chkTobbFelvetel->isChecked();
  // Nothing is stored as "?": a text the payer files cannot hold is refused, naming the
  // characters, with the focus on the first box that holds one.
  {
    QStringList szovegek;
    QLineEdit* elso = nullptr;
    for (QLineEdit* t : {txBefizetoNeve, txEtkezo, txBefizetoCim1, txBefizetoCim2, txBefizetoIrsz, txBefizAnonosito,
                         txtKozlem3sor}) {
      szovegek << t->text();
      if (!elso && !kodlapIdegen(t->text()).isEmpty()) elso = t;
    }
    if (elso) return hiba(kodlapHiba(szovegek), elso);
  }
  if (allapot_.FelvetelMod == 1) {
    const std::pair<QLineEdit*, QString> kotelezo[] = {
        {txBefizetoNeve, QStringLiteral("Nincs megadva a befizető neve")},
        {txBefizetoCim1, QStringLiteral("Nincs megadva helységnév")},
        {txBefizetoCim2, QStringLiteral("Nincs megadva a befizető címe")}};
    for (const auto& [t, uzenet] : kotelezo)
      if (t->text().trimmed().isEmpty()) return hiba(uzenet, t);
    if (!platform_.messages->ask(kerdes(txBefizetoNeve->text(), QStringLiteral("felvétele?")),
                                 QStringLiteral("Feladó felvétele")))
      return;
    if (!ujMentes()) return;
    if (tobb) {
      for (QLineEdit* t : {txBefizetoNeve, txEtkezo, txBefizetoCim2, txBefizetoIrsz, txBefizAnonosito, txtKozlem3sor})
        t->clear();
      txBefizetoNeve->setFocus();
    }
  } else {
    // A payer must be current and still stored: a modify never writes anywhere else.
    const Valasz<bool> van = letezoFizeto(platform_.folder, allapot_.AktualisRekord);
    if (!van) return hiba(van.hiba().nemOlvashato(kNevekFile) + QStringLiteral("\r\nA címzett módosítása nem menthető."));
    if (!*van)
      return hiba(QStringLiteral("Nincs kiválasztott címzett, nincs mit módosítani.\r\n"
                                 "Kattintson a címzettre a listában!"));
    if (!platform_.messages->ask(kerdes(txBefizetoNeve->text(), QStringLiteral("módosítása?")),
                                 QStringLiteral("Feladó módosítása")))
      return bezar();
    if (!modositoMentes()) return;
    if (ablak_.fizetoModositva) ablak_.fizetoModositva(allapot_.Nevek, allapot_.Kozl3sor);
  }
  if (ablak_.Beolvas) ablak_.Beolvas();
  if (!tobb) bezar();
}

// The fields the dialog owns, in both modes.
static void dialogusMezok(const frmFelvet& d, NevekRekord& n, Kozl3sorRekord& k) {
  n.Nev = d.txBefizetoNeve->text();
  n.Nev2 = d.txEtkezo->text();
  n.Helyseg = d.txBefizetoCim1->text();
  n.Cim = d.txBefizetoCim2->text();
  n.Irsz = d.txBefizetoIrsz->text().trimmed();
  n.BefizAzonosito = d.txBefizAnonosito->text();
  n.KulfCim = flagOf(d.chkKulfCim->isChecked());
  k.Kozlemeny = d.txtKozlem3sor->text();
}

// The outcome of a save as the user needs it: "nem menthető" only when nothing was saved.
bool frmFelvet::mentes(int32_t n, const NevekRekord& r, const Kozl3sorRekord& k, bool uj) {
  const FizetoMentes m = fizetoMentes(platform_.folder, n, r, k, mentesHorog);
  if (m.allapot == FizetoMentes::Valtozatlan)
    hiba((uj ? QStringLiteral("Az új címzett nem menthető.") : QStringLiteral("A címzett módosítása nem menthető.")) +
         QStringLiteral("\r\n") + m.hiba);
  else if (m.allapot == FizetoMentes::Bizonytalan)
    hiba(m.hiba);
  else if (m.allapot == FizetoMentes::Visszavonatlan)
    hiba((uj ? QStringLiteral("Az új címzett felvétele félbemaradt.") : QStringLiteral("A címzett módosítása félbemaradt.")) +
         QStringLiteral("\r\n") + m.hiba +
         QStringLiteral("\r\nA címzettek korábbi adatai legkésőbb a program következő indításakor visszaállnak; addig a "
                        "program nem módosítja a címzettek fájljait."));
  return m.mentve();
}

bool frmFelvet::ujMentes() {
  // The whole records + 1: a trailing partial record (a damaged file) is overwritten.
  const Valasz<int32_t> db = fizetokSzama(platform_.folder);
  if (!db) {
    hiba(QStringLiteral("Az új címzett nem menthető.\r\n") + db.hiba().nemOlvashato(kNevekFile));
    return false;
  }
  const int32_t n = *db + 1;
  NevekRekord r;  // blank texts, twelve amounts 0
  Kozl3sorRekord k;  // blank document kind, number, attachment, references
  dialogusMezok(*this, r, k);
  if (!mentes(n, r, k, true)) return false;
  allapot_.Nevek = r;
  allapot_.Kozl3sor = k;
  return true;
}

bool frmFelvet::modositoMentes() {
  const QString& folder = platform_.folder;
  const int32_t n = allapot_.AktualisRekord;
  // The payer's own stored records: amounts, deadline text, document data and references stay.
  // Records that cannot be read are not written back changed.
  NevekRekord r;
  Kozl3sorRekord k;
  FizetoPar par(folder);
  if (!par.nevek(n, r) || !par.kozl(n, k)) {
    hiba(QStringLiteral("A címzett módosítása nem menthető.\r\n") + par.hiba());
    return false;
  }
  dialogusMezok(*this, r, k);
  if (!mentes(n, r, k, false)) return false;
  allapot_.Nevek = r;
  allapot_.Kozl3sor = k;
  if (ablak_.setOsszegLista) ablak_.setOsszegLista(osszegLista(r));
  return true;
}

void frmFelvet::txBefizetoCim1_KeyPress(int keyAscii) {
  if (keyAscii == 13) helysegKereses(platform_.folder, txBefizetoCim1, txBefizetoIrsz, ablak_.ListView2);
}

void frmFelvet::txBefizetoCim2_KeyPress(int keyAscii) {
  if (keyAscii == 13)
    utcaKereses(platform_.folder, txBefizetoCim1, txBefizetoCim2, txBefizetoIrsz, ablak_.ListView2);
}

void frmFelvet::txBefizetoIrsz_KeyPress(int keyAscii) {
  if (keyAscii == 13)
    irszamKereses(platform_.folder, txBefizetoCim1, txBefizetoCim2, txBefizetoIrsz, ablak_.ListView2);
}
