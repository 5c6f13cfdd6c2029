// The settings dialog's behaviour: questions, frame toggles, payee option, print-item boxes,
// refused input and failed writes.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "common/recordingprinter.h"
#include "tests/layouts/setupfixture.h"

TEST_F(SetupTest, AnsweringNoChangesNeitherFilesNorBoxes) {
  putAll();
  auto d = open();
  const QStringList files = dir.entries();
  std::map<QString, QByteArray> before;
  for (const QString& f : files) before[f] = bytes(f);
  d->Textosszeg_x1->setText("99");
  d->txtTertiCimzett_x->setText("1");
  const QString irat = d->txtIratTertiCimzett_x->text();
  msgs.defaultAnswer = MsgAnswer::No;
  using H = void (frmSetup::*)();
  const H handlers[] = {&frmSetup::Command1_Click,
                        &frmSetup::Command2_Click,
                        &frmSetup::cmdTertiMentes_Click,
                        &frmSetup::cmdTertiAlapbeallitas_Click,
                        &frmSetup::cmdFeladovevenyMentes_Click,
                        &frmSetup::cmdFeladovevenyAlapbeallitas_Click,
                        &frmSetup::cmdIratTertiMentes_Click,
                        &frmSetup::cmdIratTertiAlapbeallitas_Click,
                        &frmSetup::cmdRCsekkMentes_Click,
                        &frmSetup::cmdRCsekkAlapertelm_Click,
                        &frmSetup::cmdRcsekkCimzettMent_Click,
                        &frmSetup::cmdULapMentes_Click,
                        &frmSetup::cmdUlapAlapertelmezettre_Click};
  for (H h : handlers) ((*d).*h)();
  ASSERT_EQ(msgs.shown.size(), 13u);
  for (const QString& f : files) EXPECT_EQ(hex(bytes(f)), hex(before[f])) << f.toStdString();
  EXPECT_EQ(dir.entries(), files);
  EXPECT_EQ(d->Textosszeg_x1->text(), "99");
  EXPECT_EQ(d->txtTertiCimzett_x->text(), "1");
  EXPECT_EQ(d->txtIratTertiCimzett_x->text(), irat);
}

TEST_F(SetupTest, QuestionsHaveTheirTextsAndTitles) {
  auto d = open();
  d->Command1_Click();
  d->Command2_Click();
  d->cmdTertiAlapbeallitas_Click();
  d->cmdRCsekkAlapertelm_Click();
  d->cmdUlapAlapertelmezettre_Click();
  d->cmdRcsekkCimzettMent_Click();
  ASSERT_EQ(msgs.shown.size(), 6u);
  EXPECT_EQ(msgs.shown[0].text, "Biztos módosítod a beállításokat?\r\n\r\n");
  EXPECT_EQ(msgs.shown[0].title, " Módosítás ");
  EXPECT_EQ(msgs.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(msgs.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(msgs.shown[1].text, "Biztos módosítod a beállításokat\r\naz alapértelmezett értékekre?\r\n");
  EXPECT_EQ(msgs.shown[2].text, "Biztos mehet a visszaállítás?\r\n\r\n");
  EXPECT_EQ(msgs.shown[2].title, " Visszaállítás alapértékekre. ");
  EXPECT_EQ(msgs.shown[3].text, "Biztos visszaállítod a beállításokat\r\naz alapértelmezett értékekre?\r\n");
  EXPECT_EQ(msgs.shown[4].text, "Biztos visszaállíthatók az alapértékek?\r\n\r\n");
  EXPECT_EQ(msgs.shown[4].title, " Módosítás ");
  EXPECT_EQ(msgs.shown[5].text, "Biztos menthető a címzett adatai?\r\n\r\n");
  EXPECT_EQ(msgs.shown[5].title, " Mentés ");
}

TEST_F(SetupTest, FrameTogglesShowHideAndRecaption) {
  auto d = open();
  EXPECT_TRUE(d->frameKTerti->isHidden());
  EXPECT_TRUE(d->Frame5->isHidden());
  EXPECT_TRUE(d->Frame7->isHidden());
  EXPECT_EQ(d->cmdKeretMegjelenites->text(), "Kipipálandó jelölőnégyzetek pozícióinak MEGJELE&NÍTÉSE");

  d->cmdKTerti_Click();
  EXPECT_FALSE(d->frameKTerti->isHidden());
  EXPECT_EQ(d->cmdKTerti->text(), "Külföldi Tértivevény Beállítások ELREJTÉSE");
  d->cmdKTerti_Click();
  EXPECT_TRUE(d->frameKTerti->isHidden());
  EXPECT_EQ(d->cmdKTerti->text(), "Külföldi Tértivevény Beállítások MEGJELENÍTÉSE");

  d->cmdKeretMegjelenites_Click();
  EXPECT_FALSE(d->Frame5->isHidden());
  EXPECT_EQ(d->cmdKeretMegjelenites->text(), "Kipipálandó jelölőnégyzetek pozícióinak ELREJTÉSE...");
  d->cmdKeretMegjelenites_Click();
  EXPECT_TRUE(d->Frame5->isHidden());
  EXPECT_EQ(d->cmdKeretMegjelenites->text(), "Kipipálandó jelölőnégyzetek pozícióinak MEGJELENÍTÉSE");

  d->Command4_Click();
  EXPECT_FALSE(d->Frame7->isHidden());
  EXPECT_EQ(d->Command4->text(), "Első oldal beállításai");
  d->Command4_Click();
  EXPECT_EQ(d->Command4->text(), "Hátoldal beállításai");
  EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(SetupTest, PayeeOptionShowsAndHidesTheBankFields) {
  SetRcsekkRekord r = sampleRcsekk();
  r.ULapCizett = 0;
  put(kSetRcsekkFile, r);
  auto d = open(6);
  EXPECT_TRUE(d->opULapCizett[1]->isChecked());
  for (QWidget* w : std::initializer_list<QWidget*>{d->txtBankNum, d->txtBankNeve, d->txtBankIrsz, d->lbBankNum,
                                                   d->lbBankNeve})
    EXPECT_FALSE(w->isHidden());
  EXPECT_EQ(d->txtBankNum->text(), "11735005-20000000");
  d->opULapCizett[0]->setChecked(true);
  EXPECT_TRUE(d->txtBankNum->isHidden());
  EXPECT_TRUE(d->lbBankNeve->isHidden());
  d->opULapCizett[1]->setChecked(true);
  EXPECT_FALSE(d->txtBankIrsz->isHidden());

  r.ULapCizett = -1;
  put(kSetRcsekkFile, r);
  auto e = open(6);
  EXPECT_TRUE(e->opULapCizett[0]->isChecked());
  EXPECT_TRUE(e->txtBankNum->isHidden());
  EXPECT_TRUE(e->lbBankNum->isHidden());
}

TEST_F(SetupTest, PrintItemBoxesFollowTheSaveAtExitSwitch) {
  SetRekord s = sampleSet();  // KilepeskorMentes -1, "Összeg betűvel" and "Közlemény" off
  put(kSetFile, s);
  auto d = open();
  const bool saved[8] = {true, false, true, true, false, true, true, true};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(d->chkNyomtatando[i]->checkState() == Qt::Checked, saved[i]) << i;
  EXPECT_EQ(d->chkNyomtatando[6]->text(), "Kilépéskor beállítás mentése");
  EXPECT_EQ(d->chkNyomtatando[6]->toolTip(), "A fenti nyomtatandó beállítások mentése kilépéskor");

  // Saved with box (6) unticked: the next opening shows the other seven ticked, while the file
  // keeps the saved print switches.
  d->chkNyomtatando[6]->setCheckState(Qt::Unchecked);
  d->Command1_Click();
  const QByteArray b = bytes(kSetFile);
  EXPECT_EQ(i16At(b, 196), 0);
  EXPECT_EQ(i16At(b, 192), 0);
  EXPECT_EQ(i16At(b, 182), 0);
  auto e = open();
  EXPECT_EQ(e->chkNyomtatando[6]->checkState(), Qt::Unchecked);
  for (int i : {0, 1, 2, 3, 4, 5, 7}) EXPECT_EQ(e->chkNyomtatando[i]->checkState(), Qt::Checked) << i;

  // A greyed box counts as not ticked.
  e->chkNyomtatando[6]->setCheckState(Qt::Checked);
  e->chkNyomtatando[0]->setCheckState(Qt::PartiallyChecked);
  e->Command1_Click();
  EXPECT_EQ(i16At(bytes(kSetFile), 180), 0);
  EXPECT_EQ(i16At(bytes(kSetFile), 196), -1);
  auto f = open();
  EXPECT_EQ(f->chkNyomtatando[0]->checkState(), Qt::Unchecked);
  EXPECT_EQ(f->chkNyomtatando[1]->checkState(), Qt::Checked);
}

TEST_F(SetupTest, BoxesThatAreNotNumbersRefuseTheSave) {
  putAll();
  auto d = open();
  const QByteArray set0 = bytes(kSetFile), fve0 = bytes(kSetFvevenyFile), env0 = bytes(kBoritekFile);
  d->Textosszeg_x1->setText("20");
  d->TextBefizAzon_x->setText("80 mm");
  d->Command1_Click();
  ASSERT_EQ(msgs.shown.size(), 2u);
  EXPECT_EQ(msgs.shown[1].title, "Hiba");
  EXPECT_EQ(msgs.shown[1].text,
            "A(z) „Befizetőazonosító baloldaltól” mezőben nem szám áll: „80 mm”.\r\n"
            "A beállítások nem kerültek mentésre.");
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
  EXPECT_EQ(set.Osszeg_x1.raw, 125000);  // the shared copy keeps what the file holds

  d->txFeladovevenyXK1_y->setText("");
  d->cmdFeladovevenyMentes_Click();
  EXPECT_TRUE(msgs.shown.back().text.startsWith("A(z) „Különszolgáltatások fentről” mező üres, számot kell megadni."));
  EXPECT_EQ(hex(bytes(kSetFvevenyFile)), hex(fve0));

  d->TextBetuMeret1->setText("40000");
  d->TextBefizAzon_x->setText("80");
  d->Command1_Click();
  EXPECT_TRUE(msgs.shown.back().text.startsWith("A(z) „Numerikus összegek betűmérete” mező értéke nem fér el"));
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));

  const size_t n = msgs.shown.size();
  d->Text1[2]->setText("5O");
  d->cmdBoritekMeretSave_Click(0);
  d->Text1[2]->setText("60");
  d->txtBoritekFeladoBetumeret->setText("99999");
  d->cmdBoritekFeladoSave_Click();
  ASSERT_EQ(msgs.shown.size(), n + 2);
  EXPECT_TRUE(msgs.shown[n].text.contains("„5O”"));
  EXPECT_TRUE(msgs.shown[n + 1].text.startsWith("A(z) „Feladó betűmérete” mező értéke nem fér el a mezőben: „99999”."));
  EXPECT_EQ(hex(bytes(kBoritekFile)), hex(env0));

  // A text the file cannot hold is refused by the box's name, not stored as "?".
  d->txtBoritekFeladoBetumeret->setText("10");
  d->txtBoritekFeladoNev->setText("Иван");
  d->cmdBoritekFeladoSave_Click();
  ASSERT_EQ(msgs.shown.size(), n + 3);
  EXPECT_TRUE(msgs.shown[n + 2].text.contains("olyan karaktert tartalmaz, amelyet a program nem tud tárolni: И в а н"));
  EXPECT_TRUE(msgs.shown[n + 2].text.endsWith("A beállítások nem kerültek mentésre."));
  EXPECT_EQ(hex(bytes(kBoritekFile)), hex(env0));
}

TEST_F(SetupTest, AFailedWriteIsReportedAndNothingCountsAsSaved) {
  putAll();
  auto d = open();
  const SetTertiRekord before = layouts.Terti;
  // A folder in the way of the file: it can be neither written nor replaced.
  QFile::remove(dir.file(kSetTertiFile));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kSetTertiFile));
  d->txtTertiCimzett_x->setText("10");
  d->cmdTertiMentes_Click();
  ASSERT_EQ(msgs.shown.size(), 2u);
  EXPECT_EQ(msgs.shown[1].text, "A(z) SetTerti.dat fájl nem írható, a beállítások nem kerültek mentésre.");
  EXPECT_EQ(msgs.shown[1].icon, MsgIcon::Critical);
  EXPECT_EQ(layouts.Terti.TertiCimzett_x.raw, before.TertiCimzett_x.raw);

  QFile::remove(dir.file(kBoritekFile));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kBoritekFile));
  d->cmdBoritekMeretSave_Click(0);
  EXPECT_EQ(msgs.shown.back().text, "A(z) boritek.dat fájl nem írható, a beállítások nem kerültek mentésre.");
}

TEST_F(SetupTest, NewInstallationShowsZerosAndTheEnvelopeSizeTen) {
  auto d = open();
  EXPECT_EQ(d->Textosszeg_x1->text(), "0");
  EXPECT_EQ(d->txtTertiCimzett_x->text(), "-20");
  EXPECT_EQ(d->txFeladovevenyXK_x[5]->text(), "-20");
  EXPECT_EQ(d->txtTertiPipaPri_x->text(), "0");
  EXPECT_EQ(d->KTertiKulVisszaSorem->text(), "0");
  EXPECT_EQ(d->Text1[0]->text(), "0");
  EXPECT_EQ(d->txtBoritekNevBetumeret->text(), "10");
  EXPECT_EQ(d->txtBoritekFeladoBetumeret->text(), "0");
  EXPECT_EQ(d->chkNyomtatando[6]->checkState(), Qt::Unchecked);
  EXPECT_EQ(d->chkNyomtatando[0]->checkState(), Qt::Checked);
  EXPECT_TRUE(d->opULapCizett[1]->isChecked());  // a zero flag means the bank account
  d->txtBoritekNevBetumeret->setText("");
  EXPECT_EQ(d->txtBoritekNevBetumeret->text(), "10");
  EXPECT_EQ(d->lbMinta->font().pointSizeF(), 10.0);
}

TEST_F(SetupTest, TabsFontsCaptionsAndTips) {
  RecordingPrinter printer;
  printer.setFonts({"Arial", "Arial CE", "Courier New"});
  platform.printer = &printer;
  put(kBoritekFile, sampleBoritek());
  auto d = open(4);
  EXPECT_EQ(d->windowTitle(), "Beállítások");
  EXPECT_EQ(d->SSTab1->currentIndex(), 4);
  const QStringList tabs = {"Csekk", "Tértivevény", "Feladóvevény", "Boríték", "Térti Irathoz", "Rózsaszín csekk",
                            "Utánvételi lap"};
  ASSERT_EQ(d->SSTab1->count(), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(d->SSTab1->tabText(i), tabs[i]);
  for (QComboBox* c : {d->ComboBetuTipus1, d->ComboBetuTipus2, d->cmbTertiBetuTipus, d->cmbBoritekNevBetutipus,
                       d->cmbFeladovevenyBetuTipus, d->cmbIratTertiBetuTipus, d->cmbVkodBetutipus,
                       d->cmbRcsekkNumBetuTipus, d->cmbRcsekkSzovegBetuTipus}) {
    ASSERT_EQ(c->count(), 3);
    EXPECT_EQ(c->itemText(2), "Courier New");
  }
  EXPECT_EQ(d->cmbBoritekNevBetutipus->currentText(), "Arial");
  EXPECT_EQ(d->lbMinta->text(), "Kovács Árpád");
  EXPECT_EQ(d->lbMinta->font().pointSizeF(), 12.0);
  EXPECT_EQ(d->Command1->toolTip(), "A felhasználó által megadott méretek, módosítások mentése.");
  EXPECT_EQ(d->cmdUlapAlapertelmezettre->toolTip(), "Az alapértelmezett méretek visszaállítása.");
  EXPECT_TRUE(d->cmdRcsekkCimzettMent->toolTip().isEmpty());
  EXPECT_EQ(d->Text1[3]->toolTip(), "Címzett szöveg távolsága (mm-ben) a boríték bal szélétől.");
  EXPECT_EQ(d->cmdFeladovevenyAlapbeallitas->text(), "Alapé&rtelmezettre visszaállítás");
  EXPECT_EQ(d->chkPrintDel->text(), "Nyomtatottak törlése a listából");
  EXPECT_EQ(d->Command3->text(), "&Vissza");
}

TEST_F(SetupTest, ListButtonsOpenTheListDialogsModally) {
  auto d = open();
  QString shown;
  // Closes whatever modal dialog the button opened, noting its title.
  auto closeModal = [&shown] {
    QTimer::singleShot(0, [&shown] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        shown = w->windowTitle();
        w->close();
      }
    });
  };
  closeModal();
  d->cmdJogcim_Click();
  EXPECT_EQ(shown, "Jogcím szövegek felvétele");
  closeModal();
  d->cmdKozlemeny_Click();
  EXPECT_EQ(shown, "Közlemény szövegek felvétele");
  EXPECT_TRUE(dir.exists("Jogcimek.dat"));
  EXPECT_TRUE(dir.exists("Jogcimek2.dat"));
  EXPECT_TRUE(dir.exists("Kozlem.dat"));
}
