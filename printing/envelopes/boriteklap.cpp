#include "printing/envelopes/boriteklap.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

#include "common/mmkep.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "printing/common/nyomatkep.h"
#include "printing/envelopes/boritekprint.h"
#include "printing/envelopes/kepmeret.h"

namespace {

constexpr int kTwipsPerPixel = 15;

int px(int twips) { return int(std::lround(double(twips) / kTwipsPerPixel)); }

struct Meret {
  const char* tipus;  // caption of Label3(4)
  int szelesTwips, magasTwips;  // outline, 10 twips per millimetre
  const char* szeles;
  const char* magas;
  double szelesMm, magasMm;
  // Twips of the stored placement (Kepment.dat) per millimetre down the envelope; across it is
  // 44 for every size.
  double oszto;
  const char* allo;   // the envelope's picture, standing
  const char* fekvo;  // and lying
};

const Meret kMeretek[3] = {
    {"C6 Normál boríték", 1620, 1140, "162 mm", "114 mm", 162, 114, 44, "Boritekkepallo.jpg", "Boritekkepfekvo.jpg"},
    {"C5 boríték", 2290, 1620, "229 mm", "162 mm", 229, 162, 31, "BoritekkepC5allo.jpg", "BoritekkepC5fekvo.jpg"},
    {"C5/6 csekk boríték", 2290, 1140, "229 mm", "114 mm", 229, 114, 44, "BoritekkepC56allo.jpg",
     "BoritekkepC56fekvo.jpg"},
};

}  // namespace

BoritekLap::BoritekLap(const Platform& platform, BoritekRekord& boritek, BoritekHely& hely,
                       QWidget* parent)
    : QWidget(parent), platform_(platform), boritek_(boritek), hely_(hely) {
  valtozok_ = {&sajatKivalasztott_, &sajatSzeles_, &sajatMagas_, &sajatKepment_, &sajatPozX_, &sajatPozY_};
  auto nev = [](QObject* o, const char* n) { o->setObjectName(QString::fromLatin1(n)); };
  auto mezo = [&](QWidget* p, const char* n) {
    auto* e = new QLineEdit(p);
    nev(e, n);
    return e;
  };
  auto doboz = [&](QWidget* p, const char* n, const QString& felirat = {}) {
    auto* c = new TriCheckBox(felirat, p);
    nev(c, n);
    return c;
  };
  auto cimke = [&](QWidget* p, const char* n, const QString& felirat = {}) {
    auto* l = new QLabel(felirat, p);
    nev(l, n);
    return l;
  };

  // Recipient: each line with its bold switch.
  frameCimzett = new QGroupBox(QStringLiteral("Címzett"), this);
  nev(frameCimzett, "frameCimzett");
  txtBoritekCimzettNev = mezo(frameCimzett, "txtBoritekCimzettNev");
  txtBoritekCimzettNev2 = mezo(frameCimzett, "txtBoritekCimzettNev2");
  txtBoritekCimzettCim1 = mezo(frameCimzett, "txtBoritekCimzettCim1");
  txtBoritekCimzettCim2 = mezo(frameCimzett, "txtBoritekCimzettCim2");
  txtBoritekCimzettIrSzam = mezo(frameCimzett, "txtBoritekCimzettIrSzam");
  chkFKCNev = doboz(frameCimzett, "chkFKCNev");
  chkFKCNev2 = doboz(frameCimzett, "chkFKCNev2");
  chkFKCCim1 = doboz(frameCimzett, "chkFKCCim1");
  chkFKCCim2 = doboz(frameCimzett, "chkFKCCim2");
  chkFKCIrsz = doboz(frameCimzett, "chkFKCIrsz");
  auto* cg = new QGridLayout(frameCimzett);
  const std::array<QLineEdit*, 5> cSorok{txtBoritekCimzettNev, txtBoritekCimzettNev2, txtBoritekCimzettCim1,
                                         txtBoritekCimzettCim2, txtBoritekCimzettIrSzam};
  const std::array<TriCheckBox*, 5> cFk{chkFKCNev, chkFKCNev2, chkFKCCim1, chkFKCCim2, chkFKCIrsz};
  for (int i = 0; i < 5; ++i) {
    cg->addWidget(cSorok[size_t(i)], i, 0);
    cg->addWidget(cFk[size_t(i)], i, 1);
  }

  // Sender: four stored lines with bold switches and the free fifth line.
  frameFelado = new QGroupBox(QStringLiteral("Feladó"), this);
  nev(frameFelado, "frameFelado");
  txtBoritekFeladoNev = mezo(frameFelado, "txtBoritekFeladoNev");
  txtBoritekFeladoCim1 = mezo(frameFelado, "txtBoritekFeladoCim1");
  txtBoritekFeladoCim2 = mezo(frameFelado, "txtBoritekFeladoCim2");
  txtBoritekFeladoIrSzam = mezo(frameFelado, "txtBoritekFeladoIrSzam");
  txtFelado5mezo = mezo(frameFelado, "txtFelado5mezo");
  chkFKFNev = doboz(frameFelado, "chkFKFNev");
  chkFKFCim1 = doboz(frameFelado, "chkFKFCim1");
  chkFKFCim2 = doboz(frameFelado, "chkFKFCim2");
  chkFKFIrsz = doboz(frameFelado, "chkFKFIrsz");
  auto* fg = new QGridLayout(frameFelado);
  const std::array<QLineEdit*, 4> fSorok{txtBoritekFeladoNev, txtBoritekFeladoCim1, txtBoritekFeladoCim2,
                                         txtBoritekFeladoIrSzam};
  const std::array<TriCheckBox*, 4> fFk{chkFKFNev, chkFKFCim1, chkFKFCim2, chkFKFIrsz};
  for (int i = 0; i < 4; ++i) {
    fg->addWidget(fSorok[size_t(i)], i, 0);
    fg->addWidget(fFk[size_t(i)], i, 1);
  }
  fg->addWidget(txtFelado5mezo, 4, 0);

  chkCimzett = doboz(this, "chkCimzett", QStringLiteral("Címzett nyomtatása"));
  chkFelado = doboz(this, "chkFelado", QStringLiteral("Feladó nyomtatása"));
  chkKepPrint = doboz(this, "chkKepPrint", QStringLiteral("Kép nyomtatása"));

  // Sizes and the sample outline.
  auto* meretek = new QGroupBox(this);
  OpB1 = new QRadioButton(QStringLiteral("C6 normál boríték (162 x 114 mm)"), meretek);
  OpB2 = new QRadioButton(QStringLiteral("C5 boríték (229 x 162 mm)"), meretek);
  OpB3 = new QRadioButton(QStringLiteral("C5/6 csekk boríték (229 x 114 mm)"), meretek);
  nev(OpB1, "OpB1");
  nev(OpB2, "OpB2");
  nev(OpB3, "OpB3");
  auto* mg = new QVBoxLayout(meretek);
  mg->addWidget(OpB1);
  mg->addWidget(OpB2);
  mg->addWidget(OpB3);

  auto* mintaKeret = new QGroupBox(QStringLiteral("Boríték minta"), this);
  Label3[4] = cimke(mintaKeret, "Label3_4");
  BoritekMinta = new QFrame(mintaKeret);
  nev(BoritekMinta, "BoritekMinta");
  BoritekMinta->setFrameShape(QFrame::Box);
  lbBoritekSzeles = cimke(mintaKeret, "lbBoritekSzeles");
  lbBoritekMagas = cimke(mintaKeret, "lbBoritekMagas");
  auto* mk = new QGridLayout(mintaKeret);
  mk->addWidget(Label3[4], 0, 0, 1, 2);
  mk->addWidget(BoritekMinta, 1, 0);
  mk->addWidget(lbBoritekMagas, 1, 1);
  mk->addWidget(lbBoritekSzeles, 2, 0);

  // Picture panel.
  Frame5 = new QGroupBox(this);
  nev(Frame5, "Frame5");
  HScroll1 = new QScrollBar(Qt::Horizontal, Frame5);
  nev(HScroll1, "HScroll1");
  HScroll1->setRange(1900, 8000);
  HScroll1->setSingleStep(10);
  HScroll1->setPageStep(50);
  HScroll1->setValue(1900);
  lbXpoz = cimke(Frame5, "lbXpoz");
  lbXpoz->setToolTip(QStringLiteral("A kép helyzete a bal margótól"));
  lbYpoz = cimke(Frame5, "lbYpoz");
  lbYpoz->setToolTip(QStringLiteral("A kép helyzete a felső margótól."));
  lbSzeles = cimke(Frame5, "lbSzeles");
  lbMagas = cimke(Frame5, "lbMagas");
  lbFigyelem = cimke(Frame5, "lbFigyelem");
  lbFigyelem->hide();
  cmdKepek = new QPushButton(QStringLiteral("Kép keresés"), Frame5);
  nev(cmdKepek, "cmdKepek");
  cmdKepek->setToolTip(QStringLiteral("Kép keresése saját gépen..."));
  cmdKepMentese = new QPushButton(QStringLiteral("Kép mentése"), Frame5);
  nev(cmdKepMentese, "cmdKepMentese");
  auto* kg = new QGridLayout(Frame5);
  kg->addWidget(cmdKepek, 0, 0);
  kg->addWidget(cmdKepMentese, 0, 1);
  kg->addWidget(HScroll1, 1, 0, 1, 2);
  kg->addWidget(lbXpoz, 2, 0);
  kg->addWidget(lbYpoz, 2, 1);
  kg->addWidget(lbSzeles, 3, 0);
  kg->addWidget(lbMagas, 3, 1);
  kg->addWidget(lbFigyelem, 4, 0, 1, 2);

  // Preview of the chosen envelope (C6 until a size is chosen) with the recipient and sender
  // as they print and the picture placed by its position in twips of the preview. A lying
  // picture is turned back upright, so everything stays on its place.
  Picture2 = new MmKep(162, 114, this, MmKep::Fekvo::TurnBack);
  nev(Picture2, "Picture2");
  Picture2->setKeepAspect(true);
  Picture2->setMinimumSize(px(3435), px(3435) * 114 / 162);
  blokkok_ = std::make_unique<NyomatReteg>(Picture2, QStringLiteral("boritekSor"));
  Image3 = cimke(Picture2, "Image3");
  Image3->setScaledContents(true);
  Image3->setMouseTracking(true);
  Image3->installEventFilter(this);
  setImage3Twips(QRect(0, 0, 1905, 1905));

  auto* bal = new QVBoxLayout;
  bal->addWidget(frameCimzett);
  bal->addWidget(frameFelado);
  bal->addWidget(chkCimzett);
  bal->addWidget(chkFelado);
  bal->addWidget(chkKepPrint);
  bal->addStretch(1);
  auto* jobb = new QVBoxLayout;
  jobb->addWidget(meretek);
  jobb->addWidget(mintaKeret);
  jobb->addWidget(Frame5);
  jobb->addStretch(1);
  auto* l = new QGridLayout(this);
  l->addLayout(bal, 0, 0);
  l->addWidget(Picture2, 0, 1);
  l->addLayout(jobb, 0, 2);
  l->setColumnStretch(1, 1);

  connect(OpB1, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB1_Click(); });
  connect(OpB2, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB2_Click(); });
  connect(OpB3, &QRadioButton::toggled, this, [this](bool on) { if (on) OpB3_Click(); });
  connect(chkCimzett, &QCheckBox::stateChanged, this, [this] { chkCimzett_Click(); });
  connect(chkFelado, &QCheckBox::stateChanged, this, [this] { chkFelado_Click(); });
  connect(chkKepPrint, &QCheckBox::stateChanged, this, [this] { chkKepPrint_Click(); });
  connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  connect(cmdKepek, &QPushButton::clicked, this, [this] { cmdKepek_Click(); });
  connect(cmdKepMentese, &QPushButton::clicked, this, [this] { cmdKepMentese_Click(); });
  // The blocks on the preview follow their boxes and switches.
  for (QLineEdit* e : {txtBoritekCimzettNev, txtBoritekCimzettNev2, txtBoritekCimzettCim1, txtBoritekCimzettCim2,
                       txtBoritekCimzettIrSzam, txtBoritekFeladoNev, txtBoritekFeladoCim1, txtBoritekFeladoCim2,
                       txtBoritekFeladoIrSzam, txtFelado5mezo})
    connect(e, &QLineEdit::textChanged, this, [this] { nyomatFrissit(); });
  for (TriCheckBox* c : {chkFKCNev, chkFKCNev2, chkFKCCim1, chkFKCCim2, chkFKCIrsz, chkFKFNev, chkFKFCim1, chkFKFCim2,
                         chkFKFIrsz, chkCimzett, chkFelado})
    connect(c, &QCheckBox::stateChanged, this, [this] { nyomatFrissit(); });
  // The design's states: recipient and sender printed, the picture as start-up restores it.
  chkCimzett->setValue(1);
  chkFelado->setValue(1);
  chkCimzett_Click();
  chkFelado_Click();
  chkKepPrint_Click();
}

void BoritekLap::chkCimzett_Click() { frameCimzett->setVisible(chkCimzett->value() == 1); }

void BoritekLap::chkFelado_Click() {
  const bool be = chkFelado->value() == 1;
  for (QWidget* w : std::initializer_list<QWidget*>{chkFKFNev, chkFKFCim1, chkFKFCim2, chkFKFIrsz, txtBoritekFeladoNev,
                                                    txtBoritekFeladoCim1, txtBoritekFeladoCim2, txtBoritekFeladoIrSzam})
    w->setVisible(be);
}

void BoritekLap::chkKepPrint_Click() {
  const bool be = chkKepPrint->value() == 1;
  Image3->setVisible(be);
  Frame5->setVisible(be);
}

void BoritekLap::belep() {
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kBoritekFile, boritek_);
  txtBoritekFeladoNev->setText(trimmed(boritek_.BoritekFeladoNev));
  txtBoritekFeladoCim1->setText(trimmed(boritek_.BoritekFeladoCim1));
  txtBoritekFeladoCim2->setText(trimmed(boritek_.BoritekFeladoCim2));
  txtBoritekFeladoIrSzam->setText(trimmed(boritek_.BoritekFeladoIrSzam));
}

void BoritekLap::OpB1_Click() { meret(0); }
void BoritekLap::OpB2_Click() { meret(1); }
void BoritekLap::OpB3_Click() { meret(2); }

void BoritekLap::meret(int index) {
  const Meret& m = kMeretek[index];
  Label3[4]->setText(QString::fromUtf8(m.tipus));
  minta_ = QSize(m.szelesTwips, m.magasTwips);
  BoritekMinta->setFixedSize(px(m.szelesTwips), px(m.magasTwips));
  lbBoritekSzeles->setText(QString::fromUtf8(m.szeles));
  lbBoritekMagas->setText(QString::fromUtf8(m.magas));
  if (index == 0 && enableFekvo) enableFekvo();

  (void)loadSettings(platform_.folder, kBoritekFile, boritek_);  // unread: the copy read last
  const auto g = boritek_.group(index);
  hely_.BoritekFeladoX = *g[0];
  hely_.BoritekFeladoY = *g[1];
  hely_.BoritekCimzettY = *g[2];
  hely_.BoritekCimzettX = *g[3];
  hely_.BoritekMeret = int16_t(index + 1);

  Picture2->setForm(m.szelesMm, m.magasMm);
  showPicture(tajolas_);
  kepPozFrissit();
  kepHely();
  nyomatFrissit();
}

int BoritekLap::meretIndex() const { return OpB2->isChecked() ? 1 : OpB3->isChecked() ? 2 : 0; }

double BoritekLap::oszto() const { return kMeretek[meretIndex()].oszto; }

QPointF BoritekLap::kepMm() const { return {kep_.left() / kOsztoX, kep_.top() / oszto()}; }

void BoritekLap::nyomatFrissit() {
  const BoritekLapAllapot lap = lapAllapot();
  const BoritekCimzett c = cimzett();
  const BoritekFelado f = felado();
  // As the lying feed prints it, which adds nothing to the positions: millimetres of the
  // envelope. The size's positions and fonts come from boritek.dat, as for the printer.
  const PrintedPage nyomat = nyomatFelvetel([&](PrintJob& j) {
    BoritekRekord b;
    BoritekHely h;
    const BoritekMeretezes m = boritekMeret(j, platform_.folder, lap.meret, false, b, h);
    placeBoritek(j, c, f, lap, h, m, false, false);
  });
  blokkok_->mutat(nyomat.texts);
  Image3->raise();
}

void BoritekLap::setImage3Twips(const QRect& twips) {
  kep_ = twips;
  kepHely();
}

void BoritekLap::kepHely() {
  // The preview's scale, as kepPozFrissit reads it. The picture is shown as large as it
  // prints: 10 x its size in the captions' unit; with no picture loaded, the frame in that unit.
  const double w = kepKep_.isNull() ? kep_.width() / kTwipsPerKepCm : KepSzeles();
  const double h = kepKep_.isNull() ? kep_.height() / kTwipsPerKepCm : KepMagas();
  const QPointF mm = kepMm();
  Picture2->place(Image3, {mm.x(), mm.y(), 10 * w, 10 * h});
}

void BoritekLap::kepPozFrissit() {
  const QPointF mm = kepMm();
  lbXpoz->setText(mmText(mm.x()));
  lbYpoz->setText(mmText(mm.y()));
}

void BoritekLap::setPreview(const QImage& kep) { Picture2->setPreview(kep); }

bool BoritekLap::showPicture(Tajolas t) {
  tajolas_ = t;
  const Meret& m = kMeretek[meretIndex()];
  return showFormPicture(*Picture2, platform_.folder, t, QString::fromLatin1(m.allo), QString::fromLatin1(m.fekvo));
}
