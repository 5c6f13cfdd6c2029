#include "printing/slips/csekklap.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/fields.h"
#include "common/mmkep.h"
#include "common/platform.h"
#include "common/printjob.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "layouts/factory.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/osszegbetuvel.h"

namespace {

constexpr double kSlipWidthMm = 210, kSlipHeightMm = 105;

QLineEdit* doboz(QWidget* parent, const QString& nev) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(nev);
  return e;
}

// An editable choice whose typed text is never added to its list nor completed from it: the
// text is what was typed (an amount "1" must not become a listed "1500" while typing).
QComboBox* valaszto(QWidget* parent, const QString& nev) {
  auto* c = new QComboBox(parent);
  c->setObjectName(nev);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setCompleter(nullptr);
  return c;
}

// A read-only box on the picture: no frame, no background, so the form shows through.
QLineEdit* kepDoboz(QWidget* parent, const QString& nev) {
  auto* e = doboz(parent, nev);
  e->setReadOnly(true);
  e->setFrame(false);
  e->setFocusPolicy(Qt::NoFocus);
  e->setStyleSheet(QStringLiteral("background: transparent; padding: 0px;"));
  return e;
}

}  // namespace

CsekkLap::CsekkLap(const Platform& platform, SetRekord& set, QWidget* parent)
    : QWidget(parent), platform_(platform), set_(set) {
  setObjectName(QStringLiteral("CsekkLap"));
  txNev = doboz(this, QStringLiteral("txNev"));
  txNev_2 = doboz(this, QStringLiteral("txNev_2"));
  txCim1 = doboz(this, QStringLiteral("txCim1"));
  txCim2 = doboz(this, QStringLiteral("txCim2"));
  txIrszam = doboz(this, QStringLiteral("txIrszam"));
  txBefizAzonosito = doboz(this, QStringLiteral("txBefizAzonosito"));
  Kozlemeny1 = valaszto(this, QStringLiteral("Kozlemeny1"));
  Kozlemeny2 = doboz(this, QStringLiteral("Kozlemeny2"));
  for (int i = 0; i < 2; ++i) txtKozl3sor[size_t(i)] = doboz(this, QStringLiteral("txtKozl3sor_%1").arg(i));
  txtJogcim1 = valaszto(this, QStringLiteral("txtJogcim1"));
  txtJogcim2 = valaszto(this, QStringLiteral("txtJogcim2"));
  txtFizHatIdo = doboz(this, QStringLiteral("txtFizHatIdo"));
  chkBefAzonMasolasa = new TriCheckBox(QStringLiteral("Befizetőazonosító másolása a jogcím mezőbe."), this);
  chkBefAzonMasolasa->setObjectName(QStringLiteral("chkBefAzonMasolasa"));

  // The picture: counterfoil on the left, main part on the right, as on the printed slip.
  Picture2 = new MmKep(kSlipWidthMm, kSlipHeightMm, this, MmKep::Fekvo::TurnBack);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  txOsszeg = valaszto(Picture2, QStringLiteral("txOsszeg"));
  txtSzoveg21 = doboz(Picture2, QStringLiteral("txtSzoveg21"));
  txtSzoveg11 = doboz(Picture2, QStringLiteral("txtSzoveg11"));
  for (QLineEdit* e : {txtSzoveg21, txtSzoveg11}) {
    e->setFrame(false);
    e->setStyleSheet(QStringLiteral("background: transparent; padding: 0px;"));
  }
  lbOsszeg = new QLabel(Picture2);
  lbOsszeg->setObjectName(QStringLiteral("lbOsszeg"));
  txtSzoveg22 = kepDoboz(Picture2, QStringLiteral("txtSzoveg22"));
  txtSzoveg12 = kepDoboz(Picture2, QStringLiteral("txtSzoveg12"));
  for (int i = 0; i < 4; ++i) Text1[size_t(i)] = kepDoboz(Picture2, QStringLiteral("Text1_%1").arg(i));

  Text1[0]->setStyleSheet(QStringLiteral("background: transparent; padding: 0px;"));
  QFont nagybetu = Text1[0]->font();
  nagybetu.setCapitalization(QFont::AllUppercase);
  Text1[0]->setFont(nagybetu);
  auto felirat = [this](const QString& nev) {
    auto* l = new QLabel(Picture2);
    l->setObjectName(nev);
    return l;
  };
  for (int i = 0; i < 4; ++i) balBlokk[size_t(i)] = felirat(QStringLiteral("balBlokk_%1").arg(i));
  lbBefizAzon = felirat(QStringLiteral("lbBefizAzon"));
  for (int i = 0; i < 3; ++i) kozlemenySorok[size_t(i)] = felirat(QStringLiteral("kozlemenySor_%1").arg(i));
  for (int i = 0; i < 4; ++i) jogcimSorok[size_t(i)] = felirat(QStringLiteral("jogcimSor_%1").arg(i));

  // Above the picture: the payer on the left, notice and legal title on the right.
  auto* ugyfel = new QFormLayout;
  ugyfel->addRow(QStringLiteral("Befizető neve:"), txNev);
  ugyfel->addRow(QString(), txNev_2);
  ugyfel->addRow(QStringLiteral("Helység:"), txCim1);
  ugyfel->addRow(QStringLiteral("Cím:"), txCim2);
  ugyfel->addRow(QStringLiteral("Irányítószám:"), txIrszam);
  ugyfel->addRow(QStringLiteral("Befizetőazonosító:"), txBefizAzonosito);

  auto* szovegek = new QFormLayout;
  szovegek->addRow(QStringLiteral("Közlemény:"), Kozlemeny1);
  szovegek->addRow(QString(), txtKozl3sor[0]);
  szovegek->addRow(QString(), Kozlemeny2);
  szovegek->addRow(QStringLiteral("Jogcím:"), txtJogcim1);
  szovegek->addRow(QString(), txtKozl3sor[1]);
  szovegek->addRow(QString(), txtJogcim2);
  szovegek->addRow(QString(), txtFizHatIdo);

  auto* felso = new QHBoxLayout;
  felso->addLayout(ugyfel, 1);
  felso->addLayout(szovegek, 1);
  auto* l = new QVBoxLayout(this);
  l->addLayout(felso);
  l->addWidget(chkBefAzonMasolasa);
  l->addWidget(Picture2, 1);

  // The printed-only items follow the boxes they print from.
  for (QLineEdit* e : {Text1[0], Text1[1], Text1[2], Text1[3], txBefizAzonosito, Kozlemeny2, txtKozl3sor[0], txtFizHatIdo})
    connect(e, &QLineEdit::textChanged, this, [this] { nyomatSzovegek(); });
  for (QComboBox* c : {Kozlemeny1, txtJogcim1, txtJogcim2})
    connect(c, &QComboBox::editTextChanged, this, [this] { nyomatSzovegek(); });
  connect(chkBefAzonMasolasa, &QCheckBox::stateChanged, this, [this] { nyomatSzovegek(); });
  elrendez();

  connect(txCim1, &QLineEdit::textChanged, this, [this] { txCim1_Change(); });
  connect(txCim2, &QLineEdit::textChanged, this, [this] { txCim2_Change(); });
  connect(txIrszam, &QLineEdit::textChanged, this, [this] { txIrszam_Change(); });
  connect(txOsszeg, &QComboBox::editTextChanged, this, [this] { txOsszeg_Change(); });
  connect(txOsszeg, &QComboBox::activated, this, [this] { txOsszeg_Click(); });
  connect(txtSzoveg21, &QLineEdit::textChanged, this, [this] { txtSzoveg21_Change(); });
  connect(txtSzoveg11, &QLineEdit::textChanged, this, [this] { txtSzoveg11_Change(); });
  connect(chkBefAzonMasolasa, &QCheckBox::stateChanged, this, [this] { chkBefAzonMasolasa_Click(); });
}

void CsekkLap::txCim1_Change() { Text1[0]->setText(txCim1->text()); }
void CsekkLap::txCim2_Change() { Text1[2]->setText(txCim2->text()); }
void CsekkLap::txIrszam_Change() { Text1[3]->setText(txIrszam->text()); }

void CsekkLap::txtSzoveg21_Change() { txtSzoveg22->setText(txtSzoveg21->text()); }
void CsekkLap::txtSzoveg11_Change() { txtSzoveg12->setText(txtSzoveg11->text()); }

void CsekkLap::setWords(const QString& sor1, const QString& sor2) {
  txtSzoveg21->setText(sor1);
  txtSzoveg11->setText(sor2);
}

void CsekkLap::txOsszeg_Change() {
  const QString osszeg = txOsszeg->currentText();
  const OsszegSzavak szavak = OsszegBetuvel(osszeg);
  // The converter's own result first, as the boxes show it while the words are worked out.
  setWords(QString(), QString());
  setWords(szavak.ezresek, szavak.egyesek);

  // Capitalised, the amount below one thousand moved to line 1; not measured yet.
  const SzovegSorok nyers = fitSlipWords(szavak, nullptr, QString(), 0);
  setWords(nyers.sor1, nyers.sor2);
  lbOsszeg->setText(osszeg);
  if (nyers.sor1.isEmpty()) return;  // no amount: nothing to fit

  // The slip's text font, from the settings as they are on disk now (a missing Set.dat: no
  // font, size 0; one that cannot be read: the copy read last).
  (void)loadSet(platform_.folder, set_);
  // Measured in the font the slip prints them in (a stored font not installed: the factory
  // one). No printer or a font the printer refuses: the two lines stay as they are.
  const SzovegSorok sorok = fitSlipWords(
      szavak, platform_.printer,
      nyomtatottBetu(platform_.printer, set_.BetuTipus2, factoryText(setFactory(), &SetRekord::BetuTipus2)),
      set_.BetuMeret2);
  setWords(sorok.sor1, sorok.sor2);
}

void CsekkLap::txOsszeg_Click() { txOsszeg_Change(); }

void CsekkLap::chkBefAzonMasolasa_Click() {
  txtJogcim2->setEditText(chkBefAzonMasolasa->value() == 1 ? txBefizAzonosito->text() : QString());
}

CsekkAdatok CsekkLap::adatok() const {
  CsekkAdatok a;
  a.txNev = txNev->text();
  a.txCim1 = txCim1->text();
  a.txCim2 = txCim2->text();
  a.txIrszam = txIrszam->text();
  a.txOsszeg = txOsszeg->currentText();
  a.txtSzoveg21 = txtSzoveg21->text();
  a.txtSzoveg11 = txtSzoveg11->text();
  a.Kozlemeny1 = Kozlemeny1->currentText();
  a.Kozlemeny2 = Kozlemeny2->text();
  a.txtKozl3sor = txtKozl3sor[0]->text();
  a.txBefizAzonosito = txBefizAzonosito->text();
  a.chkBefAzonMasolasa = chkBefAzonMasolasa->value() == 1;
  a.txtJogcim1 = txtJogcim1->currentText();
  a.txtJogcim2 = txtJogcim2->currentText();
  a.txtFizHatIdo = txtFizHatIdo->text();
  return a;
}

void CsekkLap::ugyfelKitolt(const NevekRekord& n, const Kozl3sorRekord& k, const QString& fizHat, bool fizHatBeolvas) {
  txNev->setText(trimmed(n.Nev));
  txNev_2->setText(trimmed(n.Nev2));
  txCim1->setText(trimmed(n.Helyseg));
  txCim2->setText(trimmed(n.Cim));
  txIrszam->setText(asStored(n.Irsz));
  txBefizAzonosito->setText(trimmed(n.BefizAzonosito));
  txtKozl3sor[0]->setText(trimmed(k.Kozlemeny));
  txtKozl3sor[1]->setText(trimmed(k.Kozlemeny));
  if (fizHatBeolvas) {
    const QString hatarido = trimmed(fizHat) + QLatin1Char(' ') + trimmed(n.FizHatIdo);
    txtFizHatIdo->setText(hatarido);
    Kozlemeny2->setText(hatarido);
  }
  if (chkBefAzonMasolasa->value() == 1) txtJogcim2->setEditText(txBefizAzonosito->text());
}

void CsekkLap::osszegListaKitolt(const std::array<int32_t, 12>& osszegek) {
  // Clearing the list keeps the typed amount: only the items change.
  const QString szoveg = txOsszeg->currentText();
  const QSignalBlocker csend(txOsszeg);
  txOsszeg->clear();
  for (int32_t o : osszegek)
    if (isOsszeg(o)) txOsszeg->addItem(QString::number(o));
  txOsszeg->setEditText(szoveg);
}

void CsekkLap::elsoOsszeg(const std::array<int32_t, 12>& osszegek) {
  if (isOsszeg(osszegek[0])) {
    txOsszeg->setEditText(QString::number(osszegek[0]));
    return;
  }
  txOsszeg->setEditText(QString());
  lbOsszeg->clear();
  txtSzoveg21->clear();
  txtSzoveg11->clear();
  txtSzoveg22->clear();
  txtSzoveg12->clear();
}
