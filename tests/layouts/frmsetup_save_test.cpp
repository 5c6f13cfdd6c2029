// Saving and restoring the tabs of the settings dialog: which bytes each handler writes.
#include <cerrno>

#include "support/fajlhibak.h"
#include "tests/layouts/setupfixture.h"

namespace {
const QStringList kAllFiles = {kSetFile,       kSetTertiFile, kSetFvevenyFile, kSetIrat2File,
                               kSetRcsekkFile, kSetUlapFile,  kBoritekFile};
}

TEST_F(SetupTest, OpeningAndSavingEveryTabUnchangedKeepsAllSevenFiles) {
  putAll();
  std::map<QString, QByteArray> before;
  for (const QString& f : kAllFiles) before[f] = bytes(f);

  auto d = open();
  EXPECT_EQ(d->Textosszeg_x1->text(), "12,5");
  EXPECT_EQ(d->Textcim_x1->text(), "-1,5");
  EXPECT_EQ(d->TextVkorrekcio->text(), "-3");
  EXPECT_EQ(d->txtTertiCimzett_x->text(), "48,5");
  EXPECT_EQ(d->txtTertiUgyfSajatJel_x->text(), "-7,5");
  EXPECT_EQ(d->KTertiKulPri_x->text(), "43,1");
  EXPECT_EQ(d->txtTertiVisszakuldNev->text(), padded("Kovács Árpád Bt.", 40));
  EXPECT_EQ(d->txFeladovevenyUtanvetszoveg1_x->text(), "134,2");
  EXPECT_EQ(d->txRcsekkFeladoHatoldal_x->text(), "61,5");
  EXPECT_EQ(d->cmbRcsekkNumBetuTipus->currentText(), padded("Arial CE", 25));
  EXPECT_EQ(d->ComboBetuTipus1->currentText(), "Arial CE");
  EXPECT_EQ(d->txRcsekkIrszam->text(), "6720");
  EXPECT_EQ(d->UlapTextCsSzoveg_y->text(), "49,75");

  d->Command1_Click();
  d->cmdTertiMentes_Click();
  d->cmdFeladovevenyMentes_Click();
  d->cmdIratTertiMentes_Click();
  d->cmdRCsekkMentes_Click();
  d->cmdRcsekkCimzettMent_Click();
  d->cmdULapMentes_Click();
  d->cmdBoritekMeretSave_Click(0);
  d->OpB2->setChecked(true);
  d->cmdBoritekMeretSave_Click(1);
  d->OpB3->setChecked(true);
  d->cmdBoritekMeretSave_Click(2);
  d->cmdBoritekFeladoSave_Click();

  ASSERT_EQ(msgs.shown.size(), 7u);  // the seven questions, no error
  for (const auto& m : msgs.shown) EXPECT_EQ(m.icon, MsgIcon::Question);
  for (const QString& f : kAllFiles) EXPECT_EQ(hex(bytes(f)), hex(before[f])) << f.toStdString();
}

TEST_F(SetupTest, OpeningReReadsTheSevenRecordsIntoTheSharedCopies) {
  putAll();
  auto d = open();
  EXPECT_EQ(set.AutBeolvasMappa.trimmed(), "C:\\Import");
  EXPECT_EQ(layouts.Terti.TertiCimzett_x.raw, 685000);
  EXPECT_EQ(layouts.Fveveny.FeladovevenyXK6_x.raw, 1680000);
  EXPECT_EQ(layouts.Irat2.VkodMeret, 14);
  EXPECT_EQ(layouts.Rcsekk.ULapCizett, -1);
  EXPECT_EQ(layouts.Ulap.UlapRX_x.raw, 570000);
  EXPECT_EQ(layouts.Boritek.C56Cimzett_x, 130);
}

TEST_F(SetupTest, EachSaveChangesOnlyTheBytesOfItsOwnFields) {
  putAll();
  auto d = open();

  QByteArray set0 = bytes(kSetFile);
  d->Textjogcim_x->setText("30.5");
  d->TextBefizAzon_y->setText("41,25");
  d->chkNyomtatando[1]->setCheckState(Qt::Checked);
  d->chkFizHat->setCheckState(Qt::Unchecked);
  d->Command1_Click();
  patchFixed(set0, 84, 30.5);
  patchFixed(set0, 206, 41.25);
  patchI16(set0, 182, -1);  // Nyomtatando(1)
  patchI16(set0, 523, 0);   // FizHatBeolvas
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
  EXPECT_EQ(set.Jogcim_x.raw, 305000);

  QByteArray terti = bytes(kSetTertiFile);
  d->txtTertiCimzett_x->setText("50");
  d->KTertiKulVisszaSorem->setText("7,25");
  d->cmdTertiMentes_Click();
  patchFixed(terti, 8, 70);
  std::memcpy(terti.data() + 277, "\x00\x00\xe8\x40", 4);  // 7.25f
  EXPECT_EQ(hex(bytes(kSetTertiFile)), hex(terti));

  QByteArray fve = bytes(kSetFvevenyFile);
  d->txFeladovevenyXK_x[0]->setText("118");
  d->txtFeladovevenyFelado_x->setText("");
  d->cmdFeladovevenyMentes_Click();
  patchFixed(fve, 243, 138);
  patchFixed(fve, 8, 20);  // an empty shifted box stores 20
  EXPECT_EQ(hex(bytes(kSetFvevenyFile)), hex(fve));

  // The official-document tab writes its layout and nothing of Set.dat but PrintDel.
  const QByteArray irat = bytes(kSetIrat2File);
  set0 = bytes(kSetFile);
  d->chkPrintDel->setCheckState(Qt::PartiallyChecked);
  d->cmdIratTertiMentes_Click();
  patchI16(set0, 542, 2);
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
  EXPECT_EQ(hex(bytes(kSetIrat2File)), hex(irat));

  QByteArray rc = bytes(kSetRcsekkFile);
  d->txRcsekkFeladoHatoldal_x->setText("90");
  d->cmdRCsekkMentes_Click();
  patchFixed(rc, 120, 90);
  EXPECT_EQ(hex(bytes(kSetRcsekkFile)), hex(rc));

  d->txRcsekkNev->setText("Új Név");
  d->txRcsekkIrszam->setText("67201");
  d->cmdRcsekkCimzettMent_Click();
  patchText(rc, 198, "Új Név", 40);
  patchText(rc, 318, "6720", 4);
  EXPECT_EQ(hex(bytes(kSetRcsekkFile)), hex(rc));

  // The cash-on-delivery save: its thirteen positions, and bytes 322..377 of SetRcsekk.dat.
  QByteArray ulap = bytes(kSetUlapFile);
  d->UlapRX_y->setText("2,5");
  d->opULapCizett[1]->setChecked(true);
  d->txtBankNeve->setText("OTP");
  d->cmdULapMentes_Click();
  patchFixed(ulap, 96, 2.5);
  patchI16(rc, 322, 0);
  patchText(rc, 354, "OTP", 20);
  EXPECT_EQ(hex(bytes(kSetUlapFile)), hex(ulap));
  EXPECT_EQ(hex(bytes(kSetRcsekkFile)), hex(rc));
  EXPECT_EQ(layouts.Rcsekk.ULapCizett, 0);
  EXPECT_TRUE(msgs.shown.size() == 7u);
}

TEST_F(SetupTest, EnvelopeSizeSaveWritesOnlyTheChosenSize) {
  put(kBoritekFile, sampleBoritek());
  auto d = open(3);
  EXPECT_EQ(d->SSTab1->currentIndex(), 3);
  EXPECT_TRUE(d->cmdBoritekMeretSave[0]->isEnabled());
  EXPECT_EQ(d->Text1[0]->text(), "10");
  QByteArray b = bytes(kBoritekFile);
  d->OpB2->setChecked(true);
  EXPECT_FALSE(d->cmdBoritekMeretSave[0]->isEnabled());
  EXPECT_TRUE(d->cmdBoritekMeretSave[1]->isEnabled());
  EXPECT_EQ(d->Label3[3]->text(), "C5 boríték");
  EXPECT_EQ(d->lbBoritekSzeles->text(), "229 mm");
  EXPECT_EQ(d->lbBoritekMagas->text(), "162 mm");
  EXPECT_EQ(d->BoritekMinta->width(), 153);  // 2290 twips, 15 twips a pixel
  EXPECT_EQ(d->BoritekMinta->height(), 108);
  EXPECT_EQ(d->Text1[3]->text(), "120");
  d->Text1[0]->setText("20");
  d->Text1[1]->setText("15");
  d->Text1[2]->setText("50");
  d->Text1[3]->setText("99,5");  // whole millimetres: a half goes to the even one
  d->cmdBoritekMeretSave_Click(1);
  patchI16(b, 8, 20);
  patchI16(b, 10, 15);
  patchI16(b, 12, 50);
  patchI16(b, 14, 100);
  EXPECT_EQ(hex(bytes(kBoritekFile)), hex(b));
  EXPECT_TRUE(msgs.shown.empty());  // the envelope buttons ask nothing

  d->txtBoritekFeladoNev->setText("Nagy Ödön és Társa Korlátolt Felelősségű Társaság");
  d->txtBoritekFeladoIrSzam->setText("90210");
  d->txtBoritekFeladoBetumeret->setText("10.5");
  d->cmdBoritekFeladoSave_Click();
  patchText(b, 24, "Nagy Ödön és Társa Korlátolt Felelősségű Társaság", 40);
  patchText(b, 144, "9021", 4);
  patchI16(b, 193, 10);
  EXPECT_EQ(hex(bytes(kBoritekFile)), hex(b));
}

TEST_F(SetupTest, RestoresWriteTheFactoryValues) {
  auto d = open();
  d->txtTertiVisszakuldNev->setText("Kiss Béla");  // unsaved edit: kept by the restore
  d->cmdTertiAlapbeallitas_Click();
  QByteArray t = bytes(kSetTertiFile);
  ASSERT_EQ(t.size(), 345);
  EXPECT_EQ(mmAt(t, 0), 22);
  EXPECT_EQ(mmAt(t, 8), 68);
  EXPECT_EQ(mmAt(t, 24), 120);
  EXPECT_EQ(mmAt(t, 56), 40);
  EXPECT_EQ(mmAt(t, 72), 80);
  EXPECT_EQ(textAt(t, 80, 25), padded("Times New Roman CE", 25));
  EXPECT_EQ(i16At(t, 105), 10);
  EXPECT_EQ(t.mid(107, 10), QByteArray("Kiss B\xe9la "));
  EXPECT_EQ(mmAt(t, 245), 130);
  EXPECT_EQ(f32At(t, 277), 8.0f);
  EXPECT_EQ(f32At(t, 333), 63.0f);
  EXPECT_EQ(f32At(t, 341), 15.0f);
  EXPECT_EQ(d->txtTertiCimzett_x->text(), "48");
  EXPECT_EQ(d->txtTertiVisszakuldNev->text(), "Kiss Béla");
  EXPECT_EQ(layouts.Terti.TertiCimzett_x.raw, 680000);
  auto again = open(1);
  EXPECT_EQ(again->txtTertiCimzett_x->text(), "48");

  d->txtFeladovevenyFeladoNev->setText("Feladó Kft.");
  d->cmdFeladovevenyAlapbeallitas_Click();
  const QByteArray f = bytes(kSetFvevenyFile);
  ASSERT_EQ(f.size(), 341);
  EXPECT_EQ(mmAt(f, 8), 55);
  EXPECT_EQ(mmAt(f, 195), 41);
  EXPECT_EQ(mmAt(f, 275), 162);
  EXPECT_EQ(mmAt(f, 283), 168);
  EXPECT_EQ(mmAt(f, 307), 154);
  EXPECT_EQ(i16At(f, 339), 8);
  EXPECT_EQ(f.mid(75, 12), QByteArray("Felad\xf3 Kft. "));
  EXPECT_EQ(d->txFeladovevenyXK_x[4]->text(), "142");
  EXPECT_EQ(d->txFeladovevenyXK_x[5]->text(), "148");

  d->cmdUlapAlapertelmezettre_Click();
  const QByteArray u = bytes(kSetUlapFile);
  ASSERT_EQ(u.size(), 104);
  const double ulap[13] = {10, 8, 38, 5, 18, 10, 49, 80, 64, 80, 65, 57, 2};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(mmAt(u, i * 8), ulap[i]) << i;
  EXPECT_FALSE(dir.exists(kSetRcsekkFile) && !bytes(kSetRcsekkFile).isEmpty());
}

TEST_F(SetupTest, RestoresLeaveTheFieldsWithoutFactoryValues) {
  putAll();
  const QByteArray set0 = bytes(kSetFile);
  const QByteArray rc0 = bytes(kSetRcsekkFile);
  auto d = open();
  d->txtFizHat->setText("Határidő:");
  d->chkNyomtatando[0]->setCheckState(Qt::Checked);
  d->Command2_Click();
  QByteArray s = bytes(kSetFile);
  EXPECT_EQ(mmAt(s, 4), 15);
  EXPECT_EQ(mmAt(s, 92), 5);
  EXPECT_EQ(textAt(s, 124, 25), padded("Arial CE", 25));
  EXPECT_EQ(i16At(s, 174), 12);
  EXPECT_EQ(i16At(s, 176), 10);
  EXPECT_EQ(mmAt(s, 198), 80);
  EXPECT_EQ(i16At(s, 527), 0);
  // Print switches, payment-deadline options and every field of other windows: unchanged.
  EXPECT_EQ(hex(s, 0, 4), hex(set0, 0, 4));
  EXPECT_EQ(hex(s, 178, 20), hex(set0, 178, 20));
  EXPECT_EQ(hex(s, 214, 294), hex(set0, 214, 294));
  EXPECT_EQ(hex(s, 508, 19), hex(set0, 508, 19));
  EXPECT_EQ(hex(s, 529, 19), hex(set0, 529, 19));
  EXPECT_EQ(d->txtFizHat->text(), "Határidő:");
  EXPECT_EQ(d->TextVkorrekcio->text(), "0");

  const QByteArray i0 = bytes(kSetIrat2File);
  d->txtVkodMeret->setText("20");
  d->cmdIratTertiAlapbeallitas_Click();
  const QByteArray i = bytes(kSetIrat2File);
  EXPECT_EQ(mmAt(i, 8), 51);
  EXPECT_EQ(mmAt(i, 88), 146);
  EXPECT_EQ(i16At(i, 153), 9);
  // The code font and size stay as saved, in the file and on the tab.
  EXPECT_EQ(hex(i, 155, 27), hex(i0, 155, 27));
  EXPECT_EQ(d->txtVkodMeret->text(), QString::number(i16At(i0, 180)));
  EXPECT_EQ(d->cmbVkodBetutipus->currentText(), textAt(i0, 155, 25).trimmed());
  EXPECT_EQ(hex(bytes(kSetFile)), hex(s));  // Set.dat not touched

  d->txRcsekkNev->setText("Más");
  d->opULapCizett[1]->setChecked(true);
  d->cmdRCsekkAlapertelm_Click();
  const QByteArray r = bytes(kSetRcsekkFile);
  EXPECT_EQ(mmAt(r, 0), 5);
  EXPECT_EQ(mmAt(r, 64), 12);
  EXPECT_EQ(mmAt(r, 120), 82);
  EXPECT_EQ(textAt(r, 169, 25), padded("Times New Roman CE", 25));
  EXPECT_EQ(mmAt(r, 378), 61);
  EXPECT_EQ(mmAt(r, 386), 77);
  EXPECT_EQ(hex(r, 198, 180), hex(rc0, 198, 180));  // fixed party, payee option, bank
  EXPECT_EQ(d->txRcsekkNev->text(), "Más");
  EXPECT_EQ(d->cmbRcsekkNumBetuTipus->currentText(), "Arial CE");
}

// A save whose write fails says what its files hold: none of it (the old bytes are back), or,
// for a button that writes two files, that the first one took the new settings.
TEST_F(SetupTest, AFailedWriteSaysWhatTheFilesHold) {
  putAll();
  auto d = open();
  const QByteArray set0 = bytes(kSetFile);
  d->Textosszeg_x1->setText("20");
  {
    FajlHibak hibak({{FajlHivas::Iras, 0, 100, kSetFile}, {FajlHivas::Iras, ENOSPC, -1, kSetFile}});
    d->Command1_Click();
  }
  ASSERT_EQ(msgs.shown.size(), 2u);
  EXPECT_EQ(msgs.shown[1].text,
            "A(z) Set.dat fájl nem írható, a beállítások nem kerültek mentésre.\r\n"
            "A hiba oka: Nincs több szabad hely az eszközön.");
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
  EXPECT_EQ(set.Osszeg_x1.raw, 125000);

  d->txtIratTertiCimzett_x->setText("33");
  d->chkPrintDel->setCheckState(Qt::Unchecked);
  {
    FajlHibak hibak({{FajlHivas::Szinkron, EIO, -1, kSetFile}});
    d->cmdIratTertiMentes_Click();
  }
  EXPECT_EQ(msgs.shown.back().text,
            "A(z) SetIrat2.dat fájlba a beállítások mentésre kerültek.\r\n"
            "A(z) Set.dat fájl nem írható, a „Nyomtatottak törlése a listából” beállítás nem került mentésre.\r\n"
            "A hiba oka: Bemeneti/kimeneti hiba.");
  SetIrat2Rekord irat;
  decodeRecord(bytes(kSetIrat2File), irat);
  EXPECT_EQ(irat.IratTertiCimzett_x.raw, 330000);
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
  EXPECT_EQ(set.PrintDel, 1);

  // A file that cannot be read is not written back from what the read did not give.
  const size_t n = msgs.shown.size();
  {
    const RosszBlokk blokk(kSetFile, 0);
    d->Command1_Click();
  }
  ASSERT_EQ(msgs.shown.size(), n + 2);  // the question, then why nothing was saved
  EXPECT_EQ(msgs.shown.back().text,
            "A(z) Set.dat fájl nem olvasható, ezért a beállítások nem kerültek bele: a fájl változatlan.\r\n"
            "A hiba oka: Bemeneti/kimeneti hiba.");
  EXPECT_EQ(hex(bytes(kSetFile)), hex(set0));
}

// A layout the dialog could not read when it opened is said once, and no save writes into it
// (its tab shows the copy in memory, not the file), even once the file reads again.
TEST_F(SetupTest, AFileThatCouldNotBeReadOnOpeningIsNeverSavedInto) {
  putAll();
  const QByteArray ulap0 = bytes(kSetUlapFile), rcsekk0 = bytes(kSetRcsekkFile);
  std::unique_ptr<frmSetup> d;
  {
    const RosszBlokk blokk(kSetUlapFile, 0);
    d = open();
  }
  const QString ok = QStringLiteral("A(z) SetUlap.dat fájl nem olvasható: Bemeneti/kimeneti hiba.");
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_TRUE(msgs.shown[0].text.startsWith(ok + "\r\n")) << msgs.shown[0].text.toStdString();
  d->cmdULapMentes_Click();
  d->cmdUlapAlapertelmezettre_Click();
  ASSERT_EQ(msgs.shown.size(), 5u);  // each: the question, then why nothing was saved
  EXPECT_EQ(msgs.shown[2].text, ok + "\r\nA beállítások nem kerültek mentésre.");
  EXPECT_EQ(msgs.shown[4].text, msgs.shown[2].text);
  EXPECT_EQ(hex(bytes(kSetUlapFile)), hex(ulap0));
  EXPECT_EQ(hex(bytes(kSetRcsekkFile)), hex(rcsekk0));
  // The other tabs save as before.
  d->txtTertiCimzett_x->setText("33");
  d->cmdTertiMentes_Click();
  EXPECT_EQ(msgs.shown.size(), 6u);
}
