// The menu "F&eladójegyzék": the posting list of the selected payers, its settings dialog and
// the empty posting-list sheet in a spreadsheet program.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "app/frmlavindor.h"
#include "app/menuelem.h"
#include "common/messages.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/feladojegyzek.h"
#include "printing/envelopes/frmfjsetup.h"
#include "printing/envelopes/uresjegyzek.h"

void frmLavindor::feladojegyzekMenu() {
  QMenu* m = menuBar()->addMenu(QStringLiteral("F&eladójegyzék"));
  m->setObjectName(QStringLiteral("mnuFeladojegyzek"));
  auto elem = [m](const QString& szoveg, const char* nev) { return menuElem(m, szoveg, nev); };
  mnuCimzettekNyomtatasa = elem(QStringLiteral("&Címzettek nyomtatása"), "mnuCimzettekNyomtatasa");
  mnuFeladojegyzekSetup = elem(QStringLiteral("&Beállítások"), "mnuFeladojegyzekSetup");
  mnuUresFeladojegyzek = elem(QStringLiteral("Üres nyomtatvány"), "mnuUresFeladojegyzek");
  connect(mnuCimzettekNyomtatasa, &QAction::triggered, this, [this] { mnuCimzettekNyomtatasa_Click(); });
  connect(mnuFeladojegyzekSetup, &QAction::triggered, this, [this] { mnuFeladojegyzekSetup_Click(); });
  connect(mnuUresFeladojegyzek, &QAction::triggered, this, [this] { mnuUresFeladojegyzek_Click(); });
}

void frmLavindor::mnuCimzettekNyomtatasa_Click() {
  if (!listaAParrol()) return;
  std::vector<CsoportSor> sorok;
  for (const int sor : lista->kijeloltSorok()) sorok.push_back({lista->rekordSzam(sor), true});
  nyomtatasAllapot({});  // a list that prints nothing leaves no word of an earlier print
  const PrintResult r = PrintFeladojegyzek(sorok, platform_, allapot_.FjSet);
  if (r.utolso) allapot_.Nevek = r.utolso->Nevek;  // it reads payer records only
}

void frmLavindor::mnuFeladojegyzekSetup_Click() {
  frmFjSetup::open(platform_, allapot_.FjSet, this);
  Form_Activate();
}

void frmLavindor::mnuUresFeladojegyzek_Click() {
  // A program that ends at once with an error is said when it ends, if the window is still there.
  const QPointer<frmLavindor> ablak(this);
  MessageBoxes* uzenetek = platform_.messages;
  const auto hamarLeallt = [ablak, uzenetek](const QString& uzenet) {
    if (ablak && uzenetek) uzenetek->info(uzenet, QStringLiteral("HIBA"), MsgIcon::Critical);
  };
  if (uresJegyzekInditas(platform_, allapot_.FjSet, hamarLeallt)) return;
  platform_.messages->info(hibasUtvonalUzenet(allapot_.FjSet, platform_.shell), QStringLiteral("HIBA"),
                           MsgIcon::Critical);
  mnuFeladojegyzekSetup_Click();
}
