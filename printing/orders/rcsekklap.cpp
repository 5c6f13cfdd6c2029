#include "printing/orders/rcsekklap.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

#include "common/mmkep.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "printing/common/nyomatkep.h"
#include "printing/slips/osszegbetuvel.h"

RcsekkLap::RcsekkLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent)
    : QWidget(parent), platform_(platform), rcsekk_(rcsekk) {
  // The money order, 210 x 105 mm. Its fields are the page's inputs, so a lying picture is
  // shown turned back upright and the fields stay on their boxes.
  Picture7 = new MmKep(210, 105, this, MmKep::Fekvo::TurnBack);
  Picture7->setObjectName(QStringLiteral("Picture7"));
  Picture7->setKeepAspect(true);
  Picture7->setMinimumSize(12060 / 15, 12060 / 30);

  auto mezo = [this](const QString& n) {
    auto* e = new QLineEdit(Picture7);
    e->setObjectName(n);
    return e;
  };
  auto cimke = [this](const QString& n) {
    auto* l = new QLabel(Picture7);
    l->setObjectName(n);
    return l;
  };

  cmdOldalCsere = new QPushButton(QStringLiteral("Csekk Hátoldala"), this);
  cmdOldalCsere->setObjectName(QStringLiteral("cmdOldalCsere"));

  auto* csoport = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* o = new QRadioButton(QStringLiteral("Állandó"), Picture7);
    o->setObjectName(QStringLiteral("opAllando_%1").arg(i));
    csoport->addButton(o, i);
    opAllando[size_t(i)] = o;
  }
  opAllando[0]->setToolTip(QStringLiteral("Kijelölve a címzett állandó és a feladó a listában kijelölt tétel lesz!"));
  opAllando[1]->setToolTip(QStringLiteral("Kijelölve a feladó állandó és a címzett a listában kijelölt tétel lesz!"));

  RtxOsszeg = new QComboBox(Picture7);
  RtxOsszeg->setObjectName(QStringLiteral("RtxOsszeg"));
  RtxOsszeg->setEditable(true);
  RlbOsszeg = cimke(QStringLiteral("RlbOsszeg"));
  lbOsszeg2 = cimke(QStringLiteral("lbOsszeg2"));
  RtxtSzoveg21 = mezo(QStringLiteral("RtxtSzoveg21"));
  RtxtSzoveg11 = mezo(QStringLiteral("RtxtSzoveg11"));
  RtxtSzoveg12 = mezo(QStringLiteral("RtxtSzoveg12"));
  RtxtSzoveg22 = mezo(QStringLiteral("RtxtSzoveg22"));
  RtxNev[0] = mezo(QStringLiteral("RtxNev_0"));
  RtxNev[0]->setToolTip(QStringLiteral("Feladó neve"));
  RtxCim = mezo(QStringLiteral("RtxCim"));
  RtxCim->setToolTip(QStringLiteral("Feladó címe"));
  RlbNev = cimke(QStringLiteral("RlbNev"));
  RlbHelys = cimke(QStringLiteral("RlbHelys"));
  RlbCim = cimke(QStringLiteral("RlbCim"));
  RlbIrsz = cimke(QStringLiteral("RlbIrsz"));
  txtNev = mezo(QStringLiteral("txtNev"));
  txtHelys = mezo(QStringLiteral("txtHelys"));
  txtCim = mezo(QStringLiteral("txtCim"));
  txtIrsz = mezo(QStringLiteral("txtIrsz"));

  txtNevHatul = mezo(QStringLiteral("txtNevHatul"));
  txtHelysHatul = mezo(QStringLiteral("txtHelysHatul"));
  txtCimHatul = mezo(QStringLiteral("txtCimHatul"));
  txtIrszHatul = mezo(QStringLiteral("txtIrszHatul"));
  for (int i = 0; i < 4; ++i) RcsekkKozlemenyHatul[size_t(i)] = mezo(QStringLiteral("RcsekkKozlemenyHatul_%1").arg(i));

  // Front: the sender's receipt on the left (amount, words, the recipient as printed), the
  // order on the right (amount, sender, amount in figures, words, the recipient's boxes).
  Picture7->place(RtxOsszeg, {3.5, 4.5, 40, 6.5});
  Picture7->place(RtxtSzoveg21, {2, 13.5, 62, 5});
  Picture7->place(RtxtSzoveg11, {2, 20.5, 62, 5});
  Picture7->place(opAllando[0], {46, 53, 18, 4.5});
  Picture7->place(RlbOsszeg, {68.5, 4.5, 59, 6.5});
  Picture7->place(opAllando[1], {112, 14.3, 25, 4});
  Picture7->place(RtxNev[0], {69, 18.5, 68, 4.5});
  Picture7->place(RtxCim, {69, 23, 68, 4.5});
  Picture7->place(lbOsszeg2, {68.5, 33.5, 59, 6.5});
  Picture7->place(RtxtSzoveg12, {68, 44.5, 70, 5});
  Picture7->place(RtxtSzoveg22, {68, 51.5, 70, 5});
  // Back, hidden while the front shows: the notice lines and the sender's block.
  for (int i = 0; i < 4; ++i) Picture7->place(RcsekkKozlemenyHatul[size_t(i)], {5, 7.5 + 4.5 * i, 116, 4.5});
  Picture7->place(txtNevHatul, {81, 64.5, 96, 4.5});
  Picture7->place(txtHelysHatul, {81, 69, 96, 4.5});
  Picture7->place(txtCimHatul, {81, 73.5, 96, 4.5});
  Picture7->place(txtIrszHatul, {93.5, 80.8, 17.5, 5.5});
  for (QLineEdit* e : {txtNevHatul, txtHelysHatul, txtCimHatul, txtIrszHatul}) e->hide();
  for (QLineEdit* e : RcsekkKozlemenyHatul) e->hide();

  // The recipient's two copies where the feed prints them.
  elrendez();

  auto* l = new QVBoxLayout(this);
  l->addWidget(cmdOldalCsere, 0, Qt::AlignLeft);
  l->addWidget(Picture7, 1);

  connect(cmdOldalCsere, &QPushButton::clicked, this, [this] { cmdOldalCsere_Click(); });
  for (int i = 0; i < 2; ++i)
    connect(opAllando[size_t(i)], &QRadioButton::clicked, this, [this, i] { opAllando_Click(i); });
  connect(RtxOsszeg, &QComboBox::editTextChanged, this, [this] { RtxOsszeg_Change(); });
  connect(RtxOsszeg, &QComboBox::activated, this, [this] { RtxOsszeg_Click(); });
}

std::vector<QWidget*> RcsekkLap::elolap() const {
  return {opAllando[1], opAllando[0], RlbNev,       RlbHelys,     RlbCim,    RlbIrsz,      RtxNev[0],
          RtxCim,       txtNev,      txtHelys,     txtCim,       txtIrsz,   RtxtSzoveg21, RtxtSzoveg11,
          RtxOsszeg,    RtxtSzoveg12, RtxtSzoveg22, lbOsszeg2,    RlbOsszeg};
}

std::vector<QWidget*> RcsekkLap::hatlap() const {
  std::vector<QWidget*> h{txtNevHatul, txtHelysHatul, txtCimHatul, txtIrszHatul};
  for (QLineEdit* e : RcsekkKozlemenyHatul) h.push_back(e);
  return h;
}

void RcsekkLap::elrendez() {
  const SetRcsekkRekord r = nyomatBeallitas<SetRcsekkRekord>(platform_.folder, kSetRcsekkFile, rcsekk_);
  // The front recorded with stand-ins for the recipient's lines and the words, every print
  // switch on.
  RcsekkAdatok a;
  a.cmdOldalCsere = kRcsekkElolap;
  const std::array<QString, 4> jelek{QStringLiteral("#N"), QStringLiteral("#H"), QStringLiteral("#C"),
                                     QStringLiteral("#I")};
  a.RlbNev = jelek[0];
  a.RlbHelys = jelek[1];
  a.RlbCim = jelek[2];
  a.RlbIrsz = jelek[3];
  std::array<int16_t, 8> mind{};
  mind.fill(1);
  const bool allo = tajolas_ == Tajolas::Allo;
  const QString szoveg1 = QStringLiteral("*#S"), szoveg2 = QStringLiteral("#T*");
  const PrintedPage nyomat = nyomatFelvetel([&](PrintJob& j) {
    j.fontNameSize(rcsekkSzamBetu(j, r), r.RcsekkBetuMeret1);
    placeRcsekkElolap(j, r, mind, a, szoveg1, szoveg2, allo);
  });
  // The words' two copies where they print, in the font and size they print in: the receipt's
  // on the left of the fold, the order's on its right.
  const std::array<std::pair<QLineEdit*, QLineEdit*>, 2> szavak{std::pair{RtxtSzoveg21, RtxtSzoveg11},
                                                                std::pair{RtxtSzoveg12, RtxtSzoveg22}};
  for (int n = 0; n < 2; ++n) {
    const double szeles = n == 0 ? 52.0 : 62.0;
    if (const PrintedText* t = nyomatSzoveg(nyomat, szoveg1, n)) nyomatHelyre(Picture7, szavak[size_t(n)].first, *t, szeles);
    if (const PrintedText* t = nyomatSzoveg(nyomat, szoveg2, n)) nyomatHelyre(Picture7, szavak[size_t(n)].second, *t, szeles);
    // Their boxes stand apart: each shows its words whole, descenders included.
    Picture7->wholeLine(szavak[size_t(n)].first);
    Picture7->wholeLine(szavak[size_t(n)].second);
  }
  // The printed copy on the receipt and the boxes of the order's copy, from each line's first
  // character, one line of the font high.
  const std::array<QWidget*, 4> elso{RlbNev, RlbHelys, RlbCim, RlbIrsz};
  const std::array<QWidget*, 4> masodik{txtNev, txtHelys, txtCim, txtIrsz};
  for (size_t i = 0; i < 4; ++i)
    for (int n = 0; n < 2; ++n)
      if (const PrintedText* t = nyomatSzoveg(nyomat, jelek[i], n))
        nyomatHelyre(Picture7, (n == 0 ? elso : masodik)[i], *t, i == 3 ? 13.0 : n == 0 ? 54.0 : 58.0);
}

bool RcsekkLap::showPicture(Tajolas t) {
  tajolas_ = t;
  elrendez();
  if (cmdOldalCsere->text() != kRcsekkElolap)
    return Picture7->showFile(dataPath(platform_.folder, QStringLiteral("RCsekkHatul.jpg")));
  return showFormPicture(*Picture7, platform_.folder, t, QStringLiteral("RcsekkkepAllo.jpg"),
                         QStringLiteral("RcsekkkepFekvo.jpg"));
}

void RcsekkLap::cmdOldalCsere_Click() {
  if (cmdOldalCsere->text() == kRcsekkElolap) {
    cmdOldalCsere->setText(kRcsekkHatlap);
    showPicture(tajolas_);
    for (QWidget* w : elolap()) w->hide();
    for (QWidget* w : hatlap()) w->show();
  } else {
    cmdOldalCsere->setText(kRcsekkElolap);
    for (QWidget* w : elolap()) w->show();
    for (QWidget* w : hatlap()) w->hide();
    showPicture(tajolas_);
  }
}

void RcsekkLap::opAllando_Click(int) {
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  const QString nev = trimmed(rcsekk_.RcsekkNev);
  const QString helyseg = trimmed(rcsekk_.RcsekkHelyseg);
  const QString cim = trimmed(rcsekk_.RcsekkCim);
  const QString irsz = asStored(rcsekk_.RcsekkIrszam);
  const std::array<QLineEdit*, 6> felado{RtxNev[0], RtxCim, txtNevHatul, txtHelysHatul, txtCimHatul, txtIrszHatul};
  if (opAllando[0]->isChecked()) {
    for (auto [l, e, t] : {std::tuple{RlbNev, txtNev, nev}, std::tuple{RlbCim, txtCim, cim},
                           std::tuple{RlbHelys, txtHelys, helyseg}, std::tuple{RlbIrsz, txtIrsz, irsz}}) {
      l->setText(t);
      e->setText(t);
    }
    for (QLineEdit* e : felado) e->clear();
  } else {
    RtxNev[0]->setText(nev);
    RtxCim->setText(rcsekkFeladoCim());
    txtNevHatul->setText(nev);
    txtHelysHatul->setText(helyseg);
    txtCimHatul->setText(cim);
    txtIrszHatul->setText(irsz);
    for (QLabel* l : {RlbNev, RlbHelys, RlbCim, RlbIrsz}) l->clear();
    for (QLineEdit* e : {txtNev, txtHelys, txtCim, txtIrsz}) e->clear();
  }
}

QString RcsekkLap::rcsekkFeladoCim() const {
  return rcsekkCimSor(rcsekk_.RcsekkIrszam, 4, rcsekk_.RcsekkHelyseg, rcsekk_.RcsekkCim, kLapElvalaszto);
}

void RcsekkLap::allandoValaszt(int index) {
  if (index < 0 || index > 1) return;
  opAllando[size_t(index)]->setChecked(true);
  opAllando_Click(index);
}

void RcsekkLap::Razaz_rutin() {
  const OsszegSzavak w = OsszegBetuvel(RtxOsszeg->currentText(), 7);
  RtxtSzoveg21->setText(w.ezresek);
  RtxtSzoveg11->setText(w.egyesek);
}

void RcsekkLap::RtxOsszeg_Change() {
  const QString osszeg = RtxOsszeg->currentText();
  Razaz_rutin();
  // Below one thousand (a text of under four characters) the words stand on line 1.
  if (osszeg.size() < 4) {
    RtxtSzoveg21->setText(RtxtSzoveg11->text());
    RtxtSzoveg11->clear();
  }
  if (RtxtSzoveg21->text().isEmpty()) {
    RlbOsszeg->setText(osszeg);
    lbOsszeg2->setText(osszeg);
    return;
  }
  (void)loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);  // unread: the copy read last
  RlbOsszeg->setText(osszeg);
  lbOsszeg2->setText(osszeg);

  // Measured in the money order's text font.
  const SzavakIllesztve f =
      fitWords({RtxtSzoveg21->text(), RtxtSzoveg11->text()}, kSzovegSzelesseg,
               pageMeasure(platform_.printer, rcsekkSzovegBetu(platform_.printer, rcsekk_), double(rcsekk_.RcsekkBetuMeret2)));
  if (f.egySor) {
    RtxtSzoveg21->setText(f.szavak.ezresek + f.szavak.egyesek);
    RtxtSzoveg11->clear();
    RtxtSzoveg12->setText(RtxtSzoveg21->text());
    RtxtSzoveg22->clear();
  } else {
    RtxtSzoveg21->setText(f.szavak.ezresek);
    RtxtSzoveg12->setText(f.szavak.ezresek);
    RtxtSzoveg22->setText(f.szavak.egyesek);
  }
}

void RcsekkLap::RtxOsszeg_Click() { RtxOsszeg_Change(); }

RcsekkAdatok RcsekkLap::adatok() const {
  RcsekkAdatok a;
  a.cmdOldalCsere = cmdOldalCsere->text();
  a.RtxOsszeg = RtxOsszeg->currentText();
  a.RtxtSzoveg21 = RtxtSzoveg21->text();
  a.RtxtSzoveg11 = RtxtSzoveg11->text();
  a.RtxNev = RtxNev[0]->text();
  a.RtxCim = RtxCim->text();
  a.RlbNev = RlbNev->text();
  a.RlbHelys = RlbHelys->text();
  a.RlbCim = RlbCim->text();
  a.RlbIrsz = RlbIrsz->text();
  a.txtNevHatul = txtNevHatul->text();
  a.txtHelysHatul = txtHelysHatul->text();
  a.txtCimHatul = txtCimHatul->text();
  a.txtIrszHatul = txtIrszHatul->text();
  for (size_t i = 0; i < a.RcsekkKozlemenyHatul.size(); ++i) a.RcsekkKozlemenyHatul[i] = RcsekkKozlemenyHatul[i]->text();
  return a;
}

void RcsekkLap::belep() {
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  const QString nev = trimmed(rcsekk_.RcsekkNev);
  const QString cim = trimmed(rcsekk_.RcsekkCim);
  const QString helyseg = trimmed(rcsekk_.RcsekkHelyseg);
  const QString irsz = asStored(rcsekk_.RcsekkIrszam);
  if (opAllando[0]->isChecked()) {
    RlbNev->setText(nev);
    txtNev->setText(nev);
    RlbCim->setText(cim);
    txtCim->setText(cim);
    RlbHelys->setText(helyseg);
    txtHelys->setText(helyseg);
    RlbIrsz->setText(irsz);
    txtIrsz->setText(irsz);
  } else {
    RtxNev[0]->setText(nev);
    RtxCim->setText(rcsekkFeladoCim());
  }
}

void RcsekkLap::setPreview(const QImage& kep) { Picture7->setPreview(kep); }
