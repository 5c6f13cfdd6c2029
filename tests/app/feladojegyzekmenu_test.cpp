// The menu "F&eladójegyzék": the posting list of the selected rows, and the empty sheet whose
// program cannot be found: the message, then the settings dialog.
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeView>

#include "ablakfixture.h"
#include "common/shell.h"
#include "printing/envelopes/frmfjsetup.h"
#include "records/fizetok.h"
#include "records/fizetolista.h"
#include "support/printexpect.h"

namespace {

using FeladojegyzekMenuTest = AblakTest;

TEST_F(FeladojegyzekMenuTest, PrintsTheSelectedRowsInListOrder) {
  folder.put(kNevekFile, szamozottFizetok(3));
  auto w = indit();
  EXPECT_EQ(w->mnuCimzettekNyomtatasa->text(), QStringLiteral("&Címzettek nyomtatása"));
  EXPECT_EQ(qobject_cast<QMenu*>(w->mnuUresFeladojegyzek->parent())->title(), QStringLiteral("F&eladójegyzék"));
  QItemSelectionModel* s = w->lista->ListView1->selectionModel();
  for (int sor : {2, 0}) s->select(w->lista->modell()->index(sor, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  w->mnuCimzettekNyomtatasa->trigger();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::at(printed::doc(nyomtato).texts(), 3).text.trimmed(), QStringLiteral("Fizető 3"));
  EXPECT_EQ(trimmed(allapot.Nevek.Nev), QStringLiteral("Fizető 3"));
}

TEST_F(FeladojegyzekMenuTest, EmptySheetWithoutAProgramShowsTheMessageThenTheSettings) {
  RecordedShell shell;
  platform.shell = &shell;
  auto w = indit();
  bool beallitasok = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmFjSetup*>(QApplication::activeModalWidget())) {
      beallitasok = true;
      d->Command1_Click();
    }
  });
  w->mnuUresFeladojegyzek->trigger();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  // Nothing stored and nothing found: also which programs were looked for, and where to choose one.
  EXPECT_EQ(uzenetek.shown[0].text,
            QStringLiteral("Hibás az Excel útvonala...\r\nEllenőrízze a Beállításban!\r\n\r\n"
                           "Nincs megadva táblázatkezelő program, és a keresettek (localc, libreoffice, soffice, "
                           "gnumeric) közül egyik sem található.\r\nA Beállításokban (\"Excel útvonal:\") "
                           "megadható egy táblázatkezelő program."));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("HIBA"));
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::Critical);
  EXPECT_TRUE(beallitasok);

  shell.installed = {QStringLiteral("gnumeric")};
  w->mnuUresFeladojegyzek->trigger();
  ASSERT_EQ(shell.started.size(), 1u);
  EXPECT_EQ(shell.started[0], QStringLiteral("/usr/bin/gnumeric ") + folder.file(QStringLiteral("Feladójegyzéküres.xlsx")));
  EXPECT_EQ(uzenetek.shown.size(), 1u);

  // A stored program, or one found, that does not start gets the plain message.
  FjSetRekord fj;
  fj.ExcelUtvonal = QStringLiteral("/opt/nincs/calc");
  shell.startResult = false;
  for (const bool tarolt : {true, false}) {
    folder.put(kFjSetFile, encodeRecord(tarolt ? fj : FjSetRekord{}));
    shell.installed = tarolt ? QStringList() : QStringList{QStringLiteral("localc")};
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<frmFjSetup*>(QApplication::activeModalWidget())) d->Command1_Click();
    });
    w->mnuUresFeladojegyzek->trigger();
    EXPECT_EQ(uzenetek.shown.back().text, QStringLiteral("Hibás az Excel útvonala...\r\nEllenőrízze a Beállításban!"));
  }
  EXPECT_EQ(uzenetek.shown.size(), 3u);
}

}  // namespace
