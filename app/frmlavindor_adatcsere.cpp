// The "Adatbázis" menu and Timer1: the data exchange of the exchange folder, with what it needs
// of the window (list reload, clearing the current payer, the payment-slip list print).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "app/frmlavindor.h"
#include "app/menuelem.h"
#include "exchange/adatmenu.h"
#include "exchange/frmautbeolvas.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/frmfelvet.h"

void frmLavindor::adatbazisMenu() {
  QMenu* m = new QMenu(QStringLiteral("&Adatbázis"), this);
  m->setObjectName(QStringLiteral("mnuAdatbazis"));
  menuBar()->insertMenu(mnuAbout, m);
  auto elem = [m](const QString& szoveg, const char* nev) { return menuElem(m, szoveg, nev); };
  mnuAdatCsvbol = elem(QStringLiteral("&Importálás CSV fájlból..."), "mnuAdatCsvbol");
  mnuMentCSVbe = elem(QStringLiteral("&Exportálás CSV fájlba..."), "mnuMentCSVbe");
  mnuAutoBeolvasas = elem(QStringLiteral("A&utomatikus beolvasás..."), "mnuAutoBeolvasas");
  m->addSeparator();
  mnuKonertal = elem(QStringLiteral("Régi adatbázis &konvertálása"), "mnuKonertal");
  mnuAdatbazisTorles = elem(QStringLiteral("Adatbázis &törlése"), "mnuAdatbazisTorles");
  m->addSeparator();
  mnuImportHelp = elem(QStringLiteral("Importálás &súgó"), "mnuImportHelp");
  connect(mnuAdatCsvbol, &QAction::triggered, this, [this] { mnuAdatCsvbol_Click(); });
  connect(mnuMentCSVbe, &QAction::triggered, this, [this] { mnuMentCSVbe_Click(); });
  connect(mnuAutoBeolvasas, &QAction::triggered, this, [this] { mnuAutoBeolvasas_Click(); });
  connect(mnuKonertal, &QAction::triggered, this, [this] { mnuKonertal_Click(); });
  connect(mnuAdatbazisTorles, &QAction::triggered, this, [this] { mnuAdatbazisTorles_Click(); });
  connect(mnuImportHelp, &QAction::triggered, this, [this] { mnuImportHelp_Click(); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(5000);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

AdatcsereAblak frmLavindor::adatcsere() {
  AdatcsereAblak a;
  a.frissites = [this] { fizetokValtoztak(); };
  a.csekkNyomtatas = [this] {
    nyomtatFut_ = true;
    nyomtatasAllapot({});
    lapNyomtat(kLapCsekk, true, Tajolas::Allo);
    nyomtatFut_ = false;
  };
  a.idozito = [this](bool be) {
    if (be) Timer1->start();
    else Timer1->stop();
  };
  a.OpenBrowser = [this](const QString& p) { return OpenBrowser(p); };
  a.homokora = [](bool be) {
    if (be) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
  };
  a.NevekHiba = &allapot_.NevekHiba;
  a.ListaHiba = &allapot_.ListaHiba;
  return a;
}

void frmLavindor::fizetokValtoztak() {
  allapot_.AktualisRekord = 0;
  allapot_.Nevek = NevekRekord{};
  allapot_.Kozl3sor = Kozl3sorRekord{};
  lista->Beolvas();
  // The pages' payer fields, through the row click's own fill with a blank payer.
  lapokKitolt({allapot_.Nevek, allapot_.Kozl3sor, QString(), false});
  // What stays of the composed address lines is only their separators.
  for (QWidget* lap : lapok)
    for (QLineEdit* e : lap->findChildren<QLineEdit*>()) {
      const QString t = e->text();
      if (!t.isEmpty() && t.trimmed().remove(QLatin1Char(',')).trimmed().isEmpty()) e->clear();
    }
  for (FormPage* p : oldalak_) p->payersChanged();
  for (auto* b : {cmdDel, cmdModosit, cmdOsszegek}) b->setEnabled(false);
  // The reload left no row selected.
  mutatCsPrint(false);
  lista->lbKijelolve->clear();
}

void frmLavindor::mnuAdatCsvbol_Click() { ::mnuAdatCsvbol(platform_, allapot_.Set, adatcsere()); }

void frmLavindor::mnuMentCSVbe_Click() { ::mnuMentCSVbe(platform_, adatcsere()); }

void frmLavindor::mnuKonertal_Click() { ::mnuKonertal(platform_, adatcsere()); }

void frmLavindor::mnuAdatbazisTorles_Click() { ::mnuAdatbazisTorles(platform_, adatcsere()); }

void frmLavindor::mnuImportHelp_Click() { ::mnuImportHelp(platform_, adatcsere()); }

void frmLavindor::mnuAutoBeolvasas_Click() {
  frmAutBeolvas d(platform_, allapot_.Set, adatcsere().idozito, this);
  d.exec();
}

void frmLavindor::Timer1_Timer() {
  if (tickFut_ || nyomtatFut_ || QApplication::activeModalWidget() || (felvet_ && felvet_->isVisible())) return;
  tickFut_ = true;
  ::Timer1_Timer(platform_, allapot_.Set, figyelt_, adatcsere());
  tickFut_ = false;
}
