#include "printing/orders/ulaplap.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/mmkep.h"
#include "common/numtext.h"
#include "common/printer.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "printing/common/nyomatkep.h"
#include "printing/orders/rcsekkprint.h"
#include "printing/slips/osszegbetuvel.h"

#include <cmath>
#include <limits>

UlapLap::UlapLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent)
    : QWidget(parent), platform_(platform), rcsekk_(rcsekk) {
  // The form, 150 x 105 mm. Its fields are the page's inputs, so a lying picture is shown
  // turned back upright and the fields stay on their boxes.
  Picture6 = new MmKep(150, 105, this, MmKep::Fekvo::TurnBack);
  Picture6->setObjectName(QStringLiteral("Picture6"));
  Picture6->setKeepAspect(true);
  Picture6->setMinimumSize(8325 / 15, 8325 * 105 / 150 / 15);

  auto mezo = [this](const QString& n) {
    auto* e = new QLineEdit(Picture6);
    e->setObjectName(n);
    return e;
  };
  auto cimke = [this](const QString& n, const QString& felirat = {}) {
    auto* l = new QLabel(felirat, Picture6);
    l->setObjectName(n);
    return l;
  };
  auto doboz = [this](const QString& n, const QString& felirat) {
    auto* c = new TriCheckBox(felirat, Picture6);
    c->setObjectName(n);
    return c;
  };

  cmdUtanvetOdalCsere = new QPushButton(QStringLiteral("Hátoldala"), this);
  cmdUtanvetOdalCsere->setObjectName(QStringLiteral("cmdUtanvetOdalCsere"));

  txUosszeg = mezo(QStringLiteral("txUosszeg"));
  lbUosszeg = cimke(QStringLiteral("lbUosszeg"));
  lbosszegBetuvel1 = cimke(QStringLiteral("lbosszegBetuvel1"));
  lbosszegBetuvel2 = cimke(QStringLiteral("lbosszegBetuvel2"));
  txUNev = mezo(QStringLiteral("txUNev"));
  txUCim = mezo(QStringLiteral("txUCim"));
  lbUNev = cimke(QStringLiteral("lbUNev"));
  lbUHelyseg = cimke(QStringLiteral("lbUHelyseg"));
  lbUCim = cimke(QStringLiteral("lbUCim"));
  lbUIrszam = cimke(QStringLiteral("lbUIrszam"));
  chkUtanvetR = doboz(QStringLiteral("chkUtanvetR"), QStringLiteral("R"));
  chkUtanvetEL = doboz(QStringLiteral("chkUtanvetEL"), QStringLiteral("ÉL"));
  lbUtXR = cimke(QStringLiteral("lbUtXR"), QStringLiteral("X"));
  lbUtXEL = cimke(QStringLiteral("lbUtXEL"), QStringLiteral("X"));
  chkCimzettCsereUlap = doboz(QStringLiteral("chkCimzettCsereUlap"), QStringLiteral("Címzettek cseréje"));
  lbUNevHatul = cimke(QStringLiteral("lbUNevHatul"));
  lbUHelysegHatul = cimke(QStringLiteral("lbUHelysegHatul"));
  lbUCimHatul = cimke(QStringLiteral("lbUCimHatul"));
  lbUIrszamHatul = cimke(QStringLiteral("lbUIrszamHatul"));

  // Front: amount and words at the top, the "R" and "ÉL" boxes with their marks (the check
  // boxes just right of the form's captions), the parcel addressee on the left, the payee of
  // the amount on the right.
  Picture6->place(txUosszeg, {4.5, 12.5, 27, 6.5});
  Picture6->place(lbUosszeg, {32, 12.5, 26.5, 6.5});
  szavakBetuje();
  Picture6->place(lbUtXR, {4, 24, 4, 4});
  Picture6->place(chkUtanvetR, {11, 24, 8, 4});
  Picture6->place(lbUtXEL, {20, 24, 4, 4});
  Picture6->place(chkUtanvetEL, {29, 24, 10, 4});
  Picture6->place(chkCimzettCsereUlap, {42, 26.5, 32, 4.5});
  Picture6->place(txUNev, {6, 35.5, 64, 4.5});
  Picture6->place(txUCim, {6, 40.5, 64, 4.5});
  Picture6->place(lbUNev, {79, 35.5, 65, 4.5});
  Picture6->place(lbUHelyseg, {79, 40.5, 65, 4.5});
  Picture6->place(lbUCim, {79, 45.5, 65, 4.5});
  Picture6->place(lbUIrszam, {93.5, 60.3, 17.5, 5.5});
  for (QLabel* x : {lbUtXR, lbUtXEL}) x->setAlignment(Qt::AlignCenter);
  // Back, hidden while the front shows: the parcel addressee's block.
  Picture6->place(lbUNevHatul, {6, 12.5, 86, 4.5});
  Picture6->place(lbUHelysegHatul, {6, 17, 86, 4.5});
  Picture6->place(lbUCimHatul, {6, 21.5, 86, 4.5});
  Picture6->place(lbUIrszamHatul, {18.5, 29.8, 17.5, 5.5});
  for (QLabel* l : {lbUtXR, lbUtXEL, lbUNevHatul, lbUHelysegHatul, lbUCimHatul, lbUIrszamHatul}) l->hide();

  auto* l = new QVBoxLayout(this);
  l->addWidget(cmdUtanvetOdalCsere, 0, Qt::AlignLeft);
  l->addWidget(Picture6, 1);

  connect(txUosszeg, &QLineEdit::textChanged, this, [this] { txUosszeg_Change(); });
  connect(cmdUtanvetOdalCsere, &QPushButton::clicked, this, [this] { cmdUtanvetOdalCsere_Click(); });
  connect(chkUtanvetR, &QCheckBox::stateChanged, this, [this] { chkUtanvetR_Click(); });
  connect(chkUtanvetEL, &QCheckBox::stateChanged, this, [this] { chkUtanvetEL_Click(); });
  connect(chkCimzettCsereUlap, &QCheckBox::stateChanged, this, [this] {
    if (cimzettForras) chkCimzettCsereUlap_Click(cimzettForras());
  });
}

void UlapLap::megoszt(SetRekord& beallitasok, int32_t& AzazOsszeg, QString& AzazEzresek, QString& AzazEgyesek) {
  set_ = &beallitasok;
  azazOsszeg_ = &AzazOsszeg;
  azazEzresek_ = &AzazEzresek;
  azazEgyesek_ = &AzazEgyesek;
}

void UlapLap::txUosszeg_Change() {
  const double v = std::nearbyint(leadingValue(txUosszeg->text()));  // half to even
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  *azazOsszeg_ = !(v == v) ? 0 : v > kMax ? int32_t(kMax) : v < kMin ? int32_t(kMin) : int32_t(v);
  lbUosszeg->setText(txUosszeg->text());
  const OsszegSzavak w = azaz1(*azazOsszeg_);
  *azazEzresek_ = w.ezresek;
  *azazEgyesek_ = w.egyesek;

  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSet(platform_.folder, *set_);
  (void)loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  // Measured in the font the form prints the words in, at the list print's width, so the
  // one-or-two-line choice on screen is the one on paper.
  const SzavakIllesztve f =
      fitWords({*azazEzresek_, *azazEgyesek_}, kSzovegSzelesseg,
               pageMeasure(platform_.printer, rcsekkSzovegBetu(platform_.printer, rcsekk_), double(rcsekk_.RcsekkBetuMeret2)));
  *azazEzresek_ = f.szavak.ezresek;
  lbosszegBetuvel1->setText(f.sor1());
  lbosszegBetuvel2->setText(f.sor2());
}

void UlapLap::belep() {
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  allandoKedvezmenyezett();
  szavakBetuje();
}

void UlapLap::szavakBetuje() {
  const SetRcsekkRekord r = nyomatBeallitas<SetRcsekkRekord>(platform_.folder, kSetRcsekkFile, rcsekk_);
  const QString csalad = QtPrinter::family(rcsekkSzovegBetu(platform_.printer, r));
  const double meret = r.RcsekkBetuMeret2 > 0 ? double(r.RcsekkBetuMeret2) : 0;
  for (auto [l, hely] : {std::pair{lbosszegBetuvel1, QRectF(65, 11.5, 80, 5)},
                         std::pair{lbosszegBetuvel2, QRectF(65, 18.5, 80, 5)}}) {
    QFont f = l->font();
    if (!csalad.isEmpty()) f.setFamily(csalad);
    l->setFont(f);
    Picture6->place(l, hely, meret);
  }
}

void UlapLap::allandoKedvezmenyezett() {
  lbUNev->setText(trimmed(rcsekk_.RcsekkNev));
  if (isTrue(rcsekk_.ULapCizett)) {
    lbUCim->setText(trimmed(rcsekk_.RcsekkCim));
    lbUHelyseg->setText(trimmed(rcsekk_.RcsekkHelyseg));
    lbUIrszam->setText(asStored(rcsekk_.RcsekkIrszam));
  } else {
    lbUCim->setText(trimmed(rcsekk_.BankNum));
    lbUHelyseg->setText(trimmed(rcsekk_.BankNeve));
    lbUIrszam->setText(asStored(rcsekk_.BankIrsz));
  }
}

void UlapLap::setPreview(const QImage& kep) { Picture6->setPreview(kep); }

bool UlapLap::showPicture(Tajolas t) {
  tajolas_ = t;
  if (cmdUtanvetOdalCsere->text() != kUlapElolap)
    return Picture6->showFile(dataPath(platform_.folder, QStringLiteral("utanvetelihatulja.jpg")));
  return showFormPicture(*Picture6, platform_.folder, t, QStringLiteral("UtanveteliLapAllo.jpg"),
                         QStringLiteral("UtanveteliLapfekvo.jpg"));
}

void UlapLap::cmdUtanvetOdalCsere_Click() {
  const std::initializer_list<QWidget*> elol{txUosszeg, txUNev, txUCim, lbUosszeg, lbosszegBetuvel1, lbosszegBetuvel2,
                                             lbUNev,    lbUHelyseg, lbUCim, lbUIrszam, chkUtanvetR, chkUtanvetEL,
                                             chkCimzettCsereUlap};
  const std::initializer_list<QWidget*> hatul{lbUNevHatul, lbUHelysegHatul, lbUCimHatul, lbUIrszamHatul};
  if (cmdUtanvetOdalCsere->text() == kUlapElolap) {
    cmdUtanvetOdalCsere->setText(kUlapHatlap);
    showPicture(tajolas_);
    for (QWidget* w : elol) w->hide();
    lbUtXR->hide();
    lbUtXEL->hide();
    for (QWidget* w : hatul) w->show();
  } else {
    cmdUtanvetOdalCsere->setText(kUlapElolap);
    for (QWidget* w : elol) w->show();
    lbUtXR->setVisible(chkUtanvetR->value() == 1);
    lbUtXEL->setVisible(chkUtanvetEL->value() == 1);
    for (QWidget* w : hatul) w->hide();
    showPicture(tajolas_);
  }
}

void UlapLap::chkCimzettCsereUlap_Click(const UlapCimzett& f) {
  const NevekRekord& n = f.Nevek;
  const QString vesszo = QStringLiteral(", ");
  const bool csere = chkCimzettCsereUlap->value() != 0;
  if (!csere) {
    txUNev->setText(asStored(n.Nev));
    txUCim->setText(f.txCim3_1 + vesszo + f.txCim3_2);
  } else {
    txUNev->setText(trimmed(rcsekk_.RcsekkNev));
    txUCim->setText(asStored(rcsekk_.RcsekkIrszam) + vesszo + trimmed(rcsekk_.RcsekkHelyseg) + vesszo +
                    trimmed(rcsekk_.RcsekkCim));
  }
  lbUNevHatul->setText(asStored(n.Nev));
  lbUHelysegHatul->setText(f.txCim3_1);
  lbUCimHatul->setText(f.txCim3_2);
  lbUIrszamHatul->setText(f.txtIratCimzettIrszam);
  if (!csere) {
    allandoKedvezmenyezett();  // what the page showed before the tick, the bank data too
  } else {
    lbUNev->setText(asStored(n.Nev));
    lbUCim->setText(asStored(n.Cim));
    lbUHelyseg->setText(asStored(n.Helyseg));
    lbUIrszam->setText(asStored(n.Irsz));
  }
}

void UlapLap::chkUtanvetR_Click() { lbUtXR->setVisible(chkUtanvetR->value() == 1); }

void UlapLap::chkUtanvetEL_Click() { lbUtXEL->setVisible(chkUtanvetEL->value() == 1); }

UlapAdatok UlapLap::adatok(const QString& txNev) const {
  UlapAdatok a;
  a.txNev = txNev;
  a.cmdUtanvetOdalCsere = cmdUtanvetOdalCsere->text();
  a.txUosszeg = txUosszeg->text();
  a.chkUtanvetR = chkUtanvetR->value();
  a.chkUtanvetEL = chkUtanvetEL->value();
  a.txUNev = txUNev->text();
  a.txUCim = txUCim->text();
  a.lbosszegBetuvel1 = lbosszegBetuvel1->text();
  a.lbosszegBetuvel2 = lbosszegBetuvel2->text();
  a.lbUNev = lbUNev->text();
  a.lbUHelyseg = lbUHelyseg->text();
  a.lbUCim = lbUCim->text();
  a.lbUIrszam = lbUIrszam->text();
  a.lbUNevHatul = lbUNevHatul->text();
  a.lbUHelysegHatul = lbUHelysegHatul->text();
  a.lbUCimHatul = lbUCimHatul->text();
  a.lbUIrszamHatul = lbUIrszamHatul->text();
  return a;
}
