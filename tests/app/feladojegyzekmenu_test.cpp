// The menu "F&eladójegyzék": the posting list of the selected rows, and the empty sheet whose
// program cannot be found: the message, then the settings dialog.
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeView>

#include "ablakfixture.h"
#include "common/shell.h"
#include "layouts/factory.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/frmfjsetup.h"
#include "printing/slips/csekklap.h"
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

// After a payment slip (a DL envelope, landscape) the list is on its A4 landscape sheet with
// every name: none falls off a page too small for it.
TEST_F(FeladojegyzekMenuTest, AfterASlipFifteenRowsPrintOnA4Landscape) {
  folder.put(kNevekFile, szamozottFizetok(15));
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  s.AlapNyomtato = -1;
  folder.put(kSetFile, encodeRecord(s));
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  ASSERT_EQ(printed::page(nyomtato).paper, kPaperDL);
  w->lista->ListView1->selectAll();
  w->mnuCimzettekNyomtatasa->trigger();
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  const PrintedDocument& d = printed::doc(nyomtato, 1);
  ASSERT_EQ(d.pages.size(), 2u);
  QStringList nevek;
  for (const PrintedPage& p : d.pages) {
    EXPECT_EQ(p.paper, kPaperA4);
    EXPECT_EQ(p.orientation, kLandscape);
    EXPECT_NEAR(p.widthMm, 297, 1e-6);
    EXPECT_NEAR(p.heightMm, 210, 1e-6);
    for (size_t i = 0; i < p.texts.size(); i += 3) nevek << p.texts[i].text;
  }
  QStringList vart;
  for (int i = 1; i <= 15; ++i) vart << QStringLiteral("Fizető %1").arg(i);
  EXPECT_EQ(nevek, vart);
  EXPECT_TRUE(uzenetek.shown.empty());
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

// A program that started but ends at once with an error (the process interface tells it) is
// said, with the program and how it ended; once the window is gone, nothing is said.
TEST_F(FeladojegyzekMenuTest, EmptySheetProgramThatEndsAtOnceIsSaid) {
  RecordedShell shell;
  shell.installed = {QStringLiteral("gnumeric")};
  platform.shell = &shell;
  auto w = indit();
  w->mnuUresFeladojegyzek->trigger();
  ASSERT_EQ(shell.watchers.size(), 1u);
  ASSERT_TRUE(shell.watchers[0]);
  EXPECT_TRUE(uzenetek.shown.empty());
  shell.watchers[0]({1, 0});
  shell.watchers[0]({0, 11});
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  const QString eleje = QStringLiteral("A táblázatkezelő program (/usr/bin/gnumeric) az indítása után néhány "
                                       "másodpercen belül leállt: ");
  const QString vege = QStringLiteral(".\r\nAz üres feladójegyzék nem nyílt meg.");
  EXPECT_EQ(uzenetek.shown[0].text, eleje + QStringLiteral("kilépési kódja 1") + vege);
  EXPECT_EQ(uzenetek.shown[1].text, eleje + QStringLiteral("a SIGSEGV (11) jelzés állította le") + vege);
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("HIBA"));
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::Critical);
  w.reset();
  shell.watchers[0]({2, 0});
  EXPECT_EQ(uzenetek.shown.size(), 2u);
}

}  // namespace
