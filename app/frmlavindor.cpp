#include "app/frmlavindor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/betuvalaszto.h"
#include "app/nyomtatovalaszto.h"
#include "common/mmkep.h"
#include "common/printer.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetopar.h"
#include "payerwindows/cimkereso.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"
#include "version.h"

QString frmLavindor::cim() {
  return QStringLiteral("Lavindor program - %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

namespace {
// A message of several lines on one line: after a line that ends a sentence a blank, after any
// other ": ".
QString egySorban(const QString& szoveg) {
  QString r;
  for (const QString& sor : szoveg.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
    if (!r.isEmpty()) r += QStringView(u".!?:").contains(r.back()) ? QStringLiteral(" ") : QStringLiteral(": ");
    r += sor;
  }
  return r;
}
}  // namespace

QStringList lapFeliratok() {
  return {QStringLiteral("Sárga csekk"),     QStringLiteral("Tértivevény "),  QStringLiteral("Feladóvevény "),
          QStringLiteral("Boríték címző"),   QStringLiteral(" Etikett nyomtató"), QStringLiteral("Térti Irathoz"),
          QStringLiteral("Rózsaszín csekk"), QStringLiteral("Utánvételi lap")};
}

frmLavindor::frmLavindor(Platform& platform, Allapot& allapot, QWidget* parent)
    : QMainWindow(parent), platform_(platform), allapot_(allapot) {
  setObjectName(QStringLiteral("frmLavindor"));
  setWindowTitle(cim());
  epit();
  Form_Load();
  Timer1->start();  // the first tick switches it off when the automatic import is off
}

void frmLavindor::epit() {
  SSTab1 = new QTabWidget;
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  csekkLap = new CsekkLap(platform_, allapot_.Set);
  tertiLap = new TertiLap(platform_, allapot_.Layouts);
  feladoLap = new FeladoLap(platform_, allapot_.Layouts);
  boritekLap = new BoritekLap(platform_, allapot_.Layouts.Boritek, allapot_.Boritek);
  boritekLap->setKep({&allapot_.KivalasztottKep, &allapot_.KepSzeles, &allapot_.KepMagas, &allapot_.Kepment,
                      &allapot_.KepPozX, &allapot_.KepPozY});
  cimkeLap = new CimkeLap(platform_, {allapot_.CimkeSetup, allapot_.CimkeHely, allapot_.Nevek, allapot_.AktualisRekord});
  iratLap = new IratLap(platform_, allapot_.Layouts);
  rcsekkLap = new RcsekkLap(platform_, allapot_.Layouts.Rcsekk);
  ulapLap = new UlapLap(platform_, allapot_.Layouts.Rcsekk);
  ulapLap->megoszt(allapot_.Set, allapot_.AzazOsszeg, allapot_.AzazEzresek, allapot_.AzazEgyesek);
  // The swap of addressee and payee takes the payer and the address lines shown on pages 2 and 5.
  // The payer is the one chosen in the list, read again: after a list print the shared copy
  // holds the last printed row instead.
  ulapLap->cimzettForras = [this] {
    NevekRekord n = allapot_.Nevek;
    if (allapot_.AktualisRekord >= 1) {
      FizetoPar par(platform_.folder);
      // One that cannot be read leaves the copy the window holds.
      const Valasz<int32_t> db = par.count();
      if (db && allapot_.AktualisRekord <= *db && !par.nevek(allapot_.AktualisRekord, n)) n = allapot_.Nevek;
    }
    const CimSorok c = feladoLap->cimSorai();
    return UlapCimzett{n, c.sor1, c.sor2, iratLap->irszam()};
  };
  // The single cash-on-delivery form's sender is the name on the payment-slip page.
  ulapLap->fizetoNev = [this] { return csekkLap->txNev->text(); };
  lapok = {csekkLap, tertiLap, feladoLap, boritekLap, cimkeLap, iratLap, rcsekkLap, ulapLap};
  oldalak_ = {csekkLap, tertiLap, feladoLap, boritekLap, cimkeLap, iratLap, rcsekkLap, ulapLap};
  // The C6 size enables the lying feed.
  boritekLap->enableFekvo = [this] { OpOrientacioFekvo->setEnabled(true); };

  // A window narrower than the tab captions shows the tab bar's scroll arrows; captions stay whole.
  SSTab1->setUsesScrollButtons(true);
  SSTab1->setElideMode(Qt::ElideNone);
  const QStringList feliratok = lapFeliratok();
  // A page larger than the window scrolls instead of widening the window.
  for (int i = 0; i < 8; ++i) {
    auto* gorgo = new QScrollArea;
    gorgo->setObjectName(QStringLiteral("lap%1").arg(i));
    gorgo->setWidget(lapok[size_t(i)]);
    gorgo->setWidgetResizable(true);
    gorgo->setFrameShape(QFrame::NoFrame);
    SSTab1->addTab(gorgo, feliratok[i]);
  }

  lista = new FizetoLista(platform_);
  lista->olvasasiHiba = &allapot_.ListaHiba;
  ListView2 = new CimValaszto(platform_.folder, lista->frameCimKeres);
  ListView2->setObjectName(QStringLiteral("ListView2"));
  if (auto* l = qobject_cast<QVBoxLayout*>(lista->frameCimKeres->layout())) l->insertWidget(0, ListView2, 1);
  nyomtato = new NyomtatoValaszto(platform_, allapot_.Set);
  nyomtato->setObjectName(QStringLiteral("nyomtato"));
  betuk = new BetuValaszto(platform_, allapot_.Betutip, allapot_.Betumeret);
  betuk->setObjectName(QStringLiteral("betuk"));
  // The custom label's preview shows each line in the font chosen for it, saved or not.
  cimkeLap->betuValasztas = [this](int i) {
    return std::pair{betuk->ComboBetuTipus1[size_t(i)]->currentText(), betuk->ComboBetuSize[size_t(i)]->currentText()};
  };
  cimkeLap->listaFokusz = [this] { lista->ListView1->setFocus(); };

  auto* jobb = new QWidget;
  auto* jl = new QVBoxLayout(jobb);
  jl->setContentsMargins(0, 0, 0, 0);
  jl->addWidget(lista, 1);
  jl->addWidget(gombok());

  osztott_ = new QSplitter(Qt::Horizontal);
  osztott_->addWidget(SSTab1);
  osztott_->addWidget(jobb);
  // A window made larger or smaller by the user widens or narrows the page area; the list keeps its width.
  osztott_->setStretchFactor(0, 1);
  osztott_->setStretchFactor(1, 0);
  osztott_->setSizes({840, kListaSzelesseg});
  setCentralWidget(osztott_);

  auto menu = [this](const QString& szoveg, const char* nev) {
    QAction* a = menuBar()->addAction(szoveg);
    a->setObjectName(QString::fromLatin1(nev));
    return a;
  };
  mnuKilep = menu(QStringLiteral("&Kilépés"), "mnuKilep");
  mnuUjcimzett = menu(QStringLiteral("&Új címzett"), "mnuUjcimzett");
  mnuSetup = menu(QStringLiteral("&Beállítások"), "mnuSetup");
  feladojegyzekMenu();
  mnuAbout = menu(QStringLiteral("Névjegy"), "mnuAbout");
  connect(mnuKilep, &QAction::triggered, this, [this] { mnuKilep_Click(); });
  connect(mnuUjcimzett, &QAction::triggered, this, [this] { mnuUjcimzett_Click(); });
  connect(mnuSetup, &QAction::triggered, this, [this] { mnuSetup_Click(); });
  connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
  adatbazisMenu();

  // The status bar says what the last document did: where the "PDF" printer put the file, or
  // that it was not printed (or the print was refused) and why; nothing after a document sent
  // to a printer.
  lbPdfFajl = new QLabel;
  lbPdfFajl->setObjectName(QStringLiteral("lbPdfFajl"));
  lbPdfFajl->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long path never widens the window
  lbPdfFajl->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(lbPdfFajl, 1);
  if (platform_.printer) {
    platform_.printer->fileWritten = [this](const QString& path) { pdfFajl_ = QDir::toNativeSeparators(path); };
    platform_.printer->documentEnded = [this](const PrinterError* hiba) {
      if (hiba)
        nyomtatasAllapot(egySorban(hiba->description));
      else if (!pdfFajl_.isEmpty())
        nyomtatasAllapot(QStringLiteral("A nyomtatás PDF fájlba került: %1").arg(pdfFajl_), pdfFajl_);
      else
        nyomtatasAllapot({});
      pdfFajl_.clear();
    };
  }

  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int) { SSTab1_Click(); });
  connect(csekkLap->txNev, &QLineEdit::textChanged, this, [this] { txNev_Change(); });
  connect(lista->ListView1, &QTreeView::clicked, this, [this](const QModelIndex& i) { ListView1_ItemClick(i.row()); });
  lista->billentyuValasztas = [this](int sor) { ListView1_ItemClick(sor); };

  resize(1440, kAblakMagassag);
}

frmLavindor::~frmLavindor() {
  if (platform_.printer) {
    platform_.printer->fileWritten = nullptr;
    platform_.printer->documentEnded = nullptr;
  }
}

void frmLavindor::nyomtatasAllapot(const QString& szoveg, const QString& tipp) {
  lbPdfFajl->setText(szoveg);
  lbPdfFajl->setToolTip(tipp.isEmpty() ? szoveg : tipp);
}

void frmLavindor::kepernyohozIgazit(const QRect& szabad) {
  // The frame the window manager adds is known once the window is shown; before that a usual
  // title bar and border are assumed.
  const QRect g = geometry(), f = frameGeometry();
  QMargins keret(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
  if (keret.isNull()) keret = QMargins(4, 36, 4, 4);
  const QSize hely = szabad.size().shrunkBy(keret).expandedTo(QSize(1, 1));
  // The tab control's frame and tab bar around a page, as the style draws them.
  QStyleOptionTabWidgetFrame keretOpcio;
  keretOpcio.initFrom(SSTab1);
  keretOpcio.lineWidth = SSTab1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, SSTab1);
  keretOpcio.tabBarSize = SSTab1->tabBar()->sizeHint();
  keretOpcio.rect = QRect(0, 0, 2000, 1000);
  const QSize fulKeret =
      QSize(2000, 1000) - SSTab1->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &keretOpcio, SSTab1).size();
  // Where there is room the pages show whole beside the list: the widest page decides the
  // width, the tallest at that width the height (at least 10665 twips besides the status bar).
  int tervSzel = 0;
  for (QWidget* lap : lapok) tervSzel = std::max(tervSzel, lap->sizeHint().width());
  int lapMag = 0;
  for (QWidget* lap : lapok) {
    const int w = std::max(tervSzel, lap->minimumSizeHint().width());
    lapMag = std::max(lapMag, lap->hasHeightForWidth() ? lap->heightForWidth(w) : lap->sizeHint().height());
  }
  const int tervMag = std::max(kAblakMagassag - fulKeret.height(), lapMag);
  // Every page keeps the size it has there: in a smaller window it scrolls rather than
  // shrinking its boxes.
  for (QWidget* lap : lapok) lap->setMinimumSize(tervSzel, tervMag);
  const int lapSzel = tervSzel + fulKeret.width();
  const int fogo = osztott_->handleWidth();
  const int szel = std::min(std::max(1440, lapSzel + fogo + kListaSzelesseg), hely.width());
  // The list keeps at least what its buttons need; the page area takes the rest, up to the
  // widest page.
  const int ter = szel - fogo;
  const int lapTer = std::clamp(ter - osztott_->widget(1)->minimumSizeHint().width(), 0, lapSzel);
  const int sorok = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
  const QSize meret(szel, std::min(tervMag + fulKeret.height() + sorok, hely.height()));
  // Never larger than the free area: what does not fit scrolls inside the page area.
  setMinimumSize(minimumSizeHint().boundedTo(meret));
  resize(meret);
  move(szabad.x() + (hely.width() - meret.width()) / 2, szabad.y() + (hely.height() - meret.height()) / 2);
  osztott_->setSizes({lapTer, ter - lapTer});
}

QWidget* frmLavindor::gombok() {
  auto* w = new QWidget;
  auto* g = new QVBoxLayout(w);
  g->setContentsMargins(0, 0, 0, 0);

  auto gomb = [](const QString& szoveg, const char* nev) {
    auto* b = new QPushButton(szoveg);
    b->setObjectName(QString::fromLatin1(nev));
    return b;
  };
  cmdRogzit = gomb(QStringLiteral("&Felvétel"), "cmdRogzit");
  cmdModosit = gomb(QStringLiteral("&Módosítás"), "cmdModosit");
  cmdDel = gomb(QStringLiteral("&Törlés"), "cmdDel");
  cmdOsszegek = gomb(QStringLiteral("Csekk Összegek &Rögzítése"), "cmdOsszegek");
  cmdOsszegek->setToolTip(QStringLiteral("Összeg rögzítése a kijelölt ügyfélhez..."));
  // They act on the current payer: disabled until the first row click.
  for (auto* b : {cmdModosit, cmdDel, cmdOsszegek}) b->setEnabled(false);
  auto* ugyfel = new QGridLayout;
  ugyfel->addWidget(cmdRogzit, 0, 0);
  ugyfel->addWidget(cmdModosit, 0, 1);
  ugyfel->addWidget(cmdDel, 1, 0);
  ugyfel->addWidget(cmdOsszegek, 1, 1);

  auto* also = new QHBoxLayout;
  auto* orient = new QGroupBox(QStringLiteral("Nyomtatás iránya"));
  orient->setObjectName(QStringLiteral("frameOrientacio"));
  OpOrientacioAllo = new QRadioButton(QStringLiteral("Álló"));
  OpOrientacioAllo->setObjectName(QStringLiteral("OpOrientacioAllo"));
  OpOrientacioFekvo = new QRadioButton(QStringLiteral("Fekvő"));
  OpOrientacioFekvo->setObjectName(QStringLiteral("OpOrientacioFekvo"));
  OpOrientacioAllo->setChecked(true);  // the design's choice; not kept between runs
  auto* ol = new QVBoxLayout(orient);
  ol->addWidget(OpOrientacioAllo);
  ol->addWidget(OpOrientacioFekvo);
  connect(OpOrientacioAllo, &QRadioButton::toggled, this, [this](bool be) { if (be) OpOrientacioAllo_Click(); });
  connect(OpOrientacioFekvo, &QRadioButton::toggled, this, [this](bool be) { if (be) OpOrientacioFekvo_Click(); });

  cmdPrint = gomb(QStringLiteral("&Nyomtatás"), "cmdPrint");
  cmdCsPrint = gomb(QStringLiteral("&Csoportos Nyomtatás"), "cmdCsPrint");
  cmdCsPrint->setVisible(false);
  for (auto* b : {cmdPrint, cmdCsPrint}) b->setMinimumSize(160, 56);
  connect(cmdRogzit, &QPushButton::clicked, this, [this] { cmdRogzit_Click(); });
  connect(cmdModosit, &QPushButton::clicked, this, [this] { cmdModosit_Click(); });
  connect(cmdDel, &QPushButton::clicked, this, [this] { cmdDel_Click(); });
  connect(cmdOsszegek, &QPushButton::clicked, this, [this] { cmdOsszegek_Click(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
  connect(cmdCsPrint, &QPushButton::clicked, this, [this] { cmdCsPrint_Click(); });

  auto* nyomt = new QVBoxLayout;
  nyomt->addWidget(cmdPrint);
  nyomt->addWidget(cmdCsPrint);
  nyomt->addStretch(1);
  also->addLayout(ugyfel, 1);
  also->addWidget(orient);
  also->addLayout(nyomt);
  g->addLayout(also);

  // The printer and the label-font panels share the space below.
  auto* panelek = new QTabWidget;
  panelek->setObjectName(QStringLiteral("panelek"));
  panelek->addTab(nyomtato, QStringLiteral("Nyomtató"));
  panelek->addTab(betuk, QStringLiteral("Etikett sorok betűtípusa"));
  g->addWidget(panelek);
  return w;
}

void frmLavindor::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmLavindor::changeEvent(QEvent* event) {
  // Activation runs when the window first becomes active and whenever it becomes active again
  // after one of the program's own windows (a dialog) had the focus. Coming back from another
  // program, a message box or a standard file or printer dialog is no activation of the form:
  // the lists keep the choices made in them.
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      if (!aktivalva_ || sajatAblakUtan_) Form_Activate();
      aktivalva_ = true;
      sajatAblakUtan_ = false;
    } else {
      // The window that took the focus: null when it went to another program.
      const QWidget* uj = QApplication::activeWindow();
      sajatAblakUtan_ = uj && !qobject_cast<const QMessageBox*>(uj) && !qobject_cast<const QFileDialog*>(uj) &&
                        !qobject_cast<const QPrintDialog*>(uj);
    }
  }
  QMainWindow::changeEvent(event);
}

void frmLavindor::txNev_Change() {
  const QString nev = csekkLap->txNev->text();
  csekkLap->Text1[1]->setText(nev);
  if (lista->Check1->value() == 1) lista->NevKereses(nev);
}
