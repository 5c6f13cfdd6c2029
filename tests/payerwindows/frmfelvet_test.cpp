// The payer dialog: add and modify write both payer files under the same record number,
// modify keeps what the dialog has no boxes for, the checks and questions, damaged files.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPointer>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "payerstore/parok.h"
#include "payerwindows/cimkereso.h"
#include "payerwindows/frmfelvet.h"
#include "support/tempfolder.h"

namespace {

class FelvetTest : public ::testing::Test {
 protected:
  FelvetTest() {
    platform.folder = folder.path();
    platform.messages = &msg;
    ablak.Beolvas = [this] { ++beolvasva; };
    ablak.setOsszegLista = [this](const QStringList& l) { osszegek = l; };
    ablak.txNev = [] { return QStringLiteral("Új Név"); };
    ablak.txNev_2 = [] { return QStringLiteral("Új második"); };
    ablak.txCim1 = [] { return QStringLiteral("Pécs"); };
    ablak.txCim2 = [] { return QStringLiteral("Ady tér 2."); };
    ablak.txIrszam = [] { return QStringLiteral("7621  "); };
    ablak.txBefizAzonosito = [] { return QStringLiteral("ÚJAZ"); };
    d = new frmFelvet(platform, {nevek, kozl, aktualis, mod}, ablak);
  }
  ~FelvetTest() override { delete d.data(); }
  void kitolt(const QString& nev, const QString& helyseg, const QString& cim) {
    d->txBefizetoNeve->setText(nev);
    d->txBefizetoCim1->setText(helyseg);
    d->txBefizetoCim2->setText(cim);
  }
  static void torolt() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  TempFolder folder;
  RecordedMessageBoxes msg;
  Platform platform;
  FoAblak ablak;
  NevekRekord nevek;
  Kozl3sorRekord kozl;
  int32_t aktualis = 0;
  int16_t mod = 0;
  int beolvasva = 0;
  QStringList osszegek;
  QPointer<frmFelvet> d;
};

}  // namespace

TEST_F(FelvetTest, AddAppendsOnePayerAndOneNoticeWithTheSameNumber) {
  folder.put(kNevekFile, parNevek(2));
  folder.put(kKozl3sorFile, parKozlemenyek(2));
  // The notice buffer still holds another payer's document data: a new payer starts blank.
  kozl = parKozlemeny(7);
  d->ujFelvetel();
  EXPECT_EQ(mod, 1);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Új címzett felvétele"));
  EXPECT_EQ(d->cmdRogzites->text(), QStringLiteral("&Felvétel"));
  EXPECT_EQ(d->chkTobbFelvetel->text(), QStringLiteral("Több felvétel egymásután"));
  kitolt(QStringLiteral("Kiss Anna"), QStringLiteral("Szeged"), QStringLiteral("Tisza Lajos krt. 5."));
  d->txEtkezo->setText(QStringLiteral("2. emelet"));
  d->txBefizetoIrsz->setText(QStringLiteral(" 6720 "));
  d->txBefizAnonosito->setText(QStringLiteral("B-17"));
  d->txtKozlem3sor->setText(QStringLiteral("Befizetés 2026. dec. hó"));  // 23 characters
  d->cmdRogzites_Click();

  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].title, QStringLiteral("Feladó felvétele"));
  EXPECT_EQ(msg.shown[0].text, QStringLiteral("Biztos mehet \r\nKISS ANNA\r\n\r\nfelvétele?"));
  EXPECT_EQ(msg.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(msg.shown[0].icon, MsgIcon::Question);

  const QByteArray n = folder.bytes(kNevekFile), k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(n.size(), 3 * 271);
  ASSERT_EQ(k.size(), 3 * 135);
  EXPECT_EQ(n.left(2 * 271), parNevek(2));
  const auto r = rekord<NevekRekord>(n, 3);
  EXPECT_EQ(r.Nev, QStringLiteral("Kiss Anna").leftJustified(36));
  EXPECT_EQ(r.Nev2, QStringLiteral("2. emelet").leftJustified(36));
  EXPECT_EQ(r.Irsz, QStringLiteral("6720  "));
  EXPECT_EQ(r.BefizAzonosito, QStringLiteral("B-17").leftJustified(30));
  EXPECT_EQ(r.FizHatIdo, QString(28, ' '));
  EXPECT_EQ(r.Osszegek, (std::array<int32_t, 12>{}));
  EXPECT_EQ(r.KulfCim, 0);
  // Notice: its first 20 characters; everything else blank.
  EXPECT_EQ(hex(k, 2 * 135, 135), hex(encodeRecord(Kozl3sorRekord{QStringLiteral("Befizetés 2026. dec."), {}, {}, {}, {}, {}})));
  EXPECT_EQ(beolvasva, 1);
  torolt();
  EXPECT_TRUE(d.isNull());  // a single save closes the dialog
}

TEST_F(FelvetTest, ChecksInAddMode) {
  d->ujFelvetel();
  struct Eset {
    QString nev, helyseg, cim, uzenet;
    QLineEdit* frmFelvet::*fokusz;
  } esetek[] = {
      {"   ", "Pécs", "Ady tér", "Nincs megadva a befizető neve", &frmFelvet::txBefizetoNeve},
      {"Kiss", " ", "Ady tér", "Nincs megadva helységnév", &frmFelvet::txBefizetoCim1},
      {"Kiss", "Pécs", "", "Nincs megadva a befizető címe", &frmFelvet::txBefizetoCim2},
  };
  d->show();
  QApplication::setActiveWindow(d);
  for (const Eset& e : esetek) {
    msg.shown.clear();
    kitolt(e.nev, e.helyseg, e.cim);
    d->cmdRogzites_Click();
    ASSERT_EQ(msg.shown.size(), 1u) << e.uzenet.toStdString();
    EXPECT_EQ(msg.shown[0].text, e.uzenet);
    EXPECT_EQ(msg.shown[0].title, QStringLiteral("Hiba"));
    EXPECT_EQ(msg.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(msg.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE((d->*e.fokusz)->hasFocus()) << e.uzenet.toStdString();
  }
  // Answering No to the question: nothing written, the dialog stays.
  kitolt("Kiss", "Pécs", "Ady tér");
  msg.answers = {MsgAnswer::No};
  d->cmdRogzites_Click();
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 0);
  torolt();
  ASSERT_FALSE(d.isNull());
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(beolvasva, 0);
}

TEST_F(FelvetTest, ForeignAddressAndSeveralAddsInARow) {
  folder.put(kNevekFile, QByteArray());
  d->ujFelvetel();
  d->chkKulfCim->setChecked(true);
  EXPECT_EQ(d->Label1[1]->text(), QStringLiteral("Cím:"));
  EXPECT_EQ(d->Label1[2]->text(), QStringLiteral("Irszám. város:"));
  EXPECT_EQ(d->Label1[3]->text(), QStringLiteral("Ország:"));
  EXPECT_EQ(d->txBefizetoIrsz->text(), QStringLiteral(" "));
  EXPECT_FALSE(d->txBefizetoIrsz->isEnabled());
  d->chkTobbFelvetel->setChecked(true);
  kitolt("John Smith", "SW1A 1AA London", "Egyesült Királyság");
  d->txEtkezo->setText("10 Downing Street");
  d->txtKozlem3sor->setText("Levél");
  d->cmdRogzites_Click();
  const auto r = rekord<NevekRekord>(folder.bytes(kNevekFile), 1);
  EXPECT_EQ(r.Irsz, QString(6, ' '));
  EXPECT_EQ(r.KulfCim, -1);
  EXPECT_EQ(folder.bytes(kKozl3sorFile).size(), 135);
  // The dialog stays for the next payer: settlement and foreign-address box kept.
  torolt();
  ASSERT_FALSE(d.isNull());
  for (QLineEdit* t : {d->txBefizetoNeve, d->txEtkezo, d->txBefizetoCim2, d->txBefizetoIrsz, d->txBefizAnonosito, d->txtKozlem3sor})
    EXPECT_TRUE(t->text().isEmpty());
  EXPECT_EQ(d->txBefizetoCim1->text(), QStringLiteral("SW1A 1AA London"));
  EXPECT_TRUE(d->chkKulfCim->isChecked());
  EXPECT_EQ(beolvasva, 1);
  d->chkKulfCim->setChecked(false);
  EXPECT_EQ(d->Label1[1]->text(), QStringLiteral("Név (2. sora):"));
  EXPECT_EQ(d->Label1[2]->text(), QStringLiteral("Helység:"));
  EXPECT_EQ(d->Label1[3]->text(), QStringLiteral("Befizető címe:"));
  EXPECT_TRUE(d->txBefizetoIrsz->isEnabled());
}

TEST_F(FelvetTest, AddIntoDamagedFilesKeepsThePairAligned) {
  // A payer file with a trailing partial record and a notice file one record short: the new
  // payer is record 3 (whole records + 1, the partial bytes overwritten), and the notice file
  // is padded with a blank notice so the new notice is record 3 as well.
  folder.put(kNevekFile, parNevek(2) + QByteArray(100, 'z'));
  folder.put(kKozl3sorFile, parKozlemenyek(1));
  d->ujFelvetel();
  kitolt("Harmadik", "Pécs", "Ady tér");
  d->txtKozlem3sor->setText("Harmadik közlemény");
  d->cmdRogzites_Click();
  const QByteArray n = folder.bytes(kNevekFile), k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(n.size(), 3 * 271);
  EXPECT_EQ(n.left(2 * 271), parNevek(2));
  EXPECT_EQ(trimmed(rekord<NevekRekord>(n, 3).Nev), QStringLiteral("Harmadik"));
  ASSERT_EQ(k.size(), 3 * 135);
  EXPECT_EQ(k.mid(135, 135), QByteArray(135, ' '));
  EXPECT_EQ(trimmed(rekord<Kozl3sorRekord>(k, 3).Kozlemeny), QStringLiteral("Harmadik közlemény"));
}

TEST_F(FelvetTest, ModifyKeepsAmountsDeadlineAndDocumentData) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  aktualis = 2;
  kozl = parKozlemeny(9);  // another payer's notice in the buffer must not be written
  d->kitolt(parFizeto(2), parKozlemeny(2));
  d->modositas();
  EXPECT_EQ(mod, 2);
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Címzett módosítása"));
  EXPECT_EQ(d->cmdRogzites->text(), QStringLiteral("&Módosítás"));
  EXPECT_EQ(d->chkTobbFelvetel->text(), QStringLiteral("Több módosítás egymásután"));
  // The boxes come from the payment-slip page; the notice line from the row click.
  EXPECT_EQ(d->txBefizetoNeve->text(), QStringLiteral("Új Név"));
  EXPECT_EQ(d->txtKozlem3sor->text(), QStringLiteral("Közlemény 2"));
  d->txtKozlem3sor->setText("Módosított");
  d->cmdRogzites_Click();
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].title, QStringLiteral("Feladó módosítása"));
  EXPECT_EQ(msg.shown[0].text, QStringLiteral("Biztos mehet \r\nÚJ NÉV\r\n\r\nmódosítása?"));

  const QByteArray n = folder.bytes(kNevekFile), k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(n.size(), 3 * 271);
  EXPECT_EQ(n.left(271), parNevek(1));
  EXPECT_EQ(n.mid(2 * 271), parNevek(3).mid(2 * 271));
  const auto r = rekord<NevekRekord>(n, 2);
  EXPECT_EQ(trimmed(r.Nev), QStringLiteral("Új Név"));
  EXPECT_EQ(trimmed(r.Nev2), QStringLiteral("Új második"));
  EXPECT_EQ(r.Irsz, QStringLiteral("7621  "));
  EXPECT_EQ(r.Osszegek, parFizeto(2).Osszegek);
  EXPECT_EQ(trimmed(r.FizHatIdo), QStringLiteral("2026.12.12"));
  const auto kk = rekord<Kozl3sorRekord>(k, 2);
  EXPECT_EQ(trimmed(kk.Kozlemeny), QStringLiteral("Módosított"));
  Kozl3sorRekord elvart = parKozlemeny(2);
  elvart.Kozlemeny = QStringLiteral("Módosított");
  EXPECT_EQ(hex(k, 135, 135), hex(encodeRecord(elvart)));
  EXPECT_EQ(k.left(135), parKozlemenyek(1));
  // The main window's amount list: the valid amounts in slot order.
  EXPECT_EQ(osszegek, (QStringList{"2000", "52"}));
  EXPECT_EQ(beolvasva, 1);
}

TEST_F(FelvetTest, ModifyWithNoCurrentPayerWritesNothing) {
  folder.put(kNevekFile, parNevek(2) + QByteArray(100, 'z'));
  folder.put(kKozl3sorFile, parKozlemenyek(2));
  for (int32_t n : {0, 3, 40000}) {
    aktualis = n;
    msg.shown.clear();
    d->modositas();
    d->cmdRogzites_Click();
    ASSERT_EQ(msg.shown.size(), 1u);
    EXPECT_EQ(msg.shown[0].title, QStringLiteral("Hiba"));
    EXPECT_EQ(msg.shown[0].buttons, MsgButtons::Ok);
  }
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(2) + QByteArray(100, 'z'));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2));
  torolt();
  ASSERT_FALSE(d.isNull());
  EXPECT_EQ(beolvasva, 0);
}

TEST_F(FelvetTest, ModifyOfAPayerWithoutNoticePadsTheNoticeFile) {
  folder.put(kNevekFile, parNevek(4));
  folder.put(kKozl3sorFile, parKozlemenyek(1));
  aktualis = 4;
  d->modositas();
  d->chkTobbFelvetel->setChecked(true);
  d->cmdRogzites_Click();
  const QByteArray k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(k.size(), 4 * 135);
  EXPECT_EQ(k.mid(135, 2 * 135), QByteArray(2 * 135, ' '));
  // Several modifies in a row: the dialog stays with its boxes.
  torolt();
  ASSERT_FALSE(d.isNull());
  EXPECT_EQ(d->txBefizetoNeve->text(), QStringLiteral("Új Név"));
}

TEST_F(FelvetTest, ModifyAnsweredNoClosesWithoutWriting) {
  folder.put(kNevekFile, parNevek(1));
  aktualis = 1;
  d->modositas();
  msg.answers = {MsgAnswer::No};
  d->cmdRogzites_Click();
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(1));
  torolt();
  EXPECT_TRUE(d.isNull());
}

TEST_F(FelvetTest, UnwritablePayerFileIsReportedAndTheDialogStays) {
  // A folder in the payer file's place: it can be neither opened nor written.
  ASSERT_TRUE(QDir(folder.path()).mkdir(kNevekFile));
  d->ujFelvetel();
  kitolt("Kiss", "Pécs", "Ady tér");
  d->cmdRogzites_Click();
  ASSERT_EQ(msg.shown.size(), 2u);
  EXPECT_EQ(msg.shown[1].title, QStringLiteral("Hiba"));
  EXPECT_TRUE(msg.shown[1].text.startsWith(QStringLiteral("Az új címzett nem menthető.")));
  EXPECT_EQ(beolvasva, 0);
  torolt();
  ASSERT_FALSE(d.isNull());
  EXPECT_EQ(d->txBefizetoNeve->text(), QStringLiteral("Kiss"));
}

TEST_F(FelvetTest, RowClickFillsTheBoxesAndEnterRunsTheLookupNotTheSave) {
  NevekRekord r = parFizeto(1);
  r.KulfCim = -1;
  r.Irsz = QStringLiteral("12");
  decodeRecord(encodeRecord(r), r);  // as read from the file
  d->kitolt(r, parKozlemeny(1));
  EXPECT_TRUE(d->chkKulfCim->isChecked());
  EXPECT_EQ(d->txBefizetoIrsz->text(), QStringLiteral("12    "));  // as stored
  EXPECT_EQ(d->txBefizetoNeve->text(), QStringLiteral("Ügyfél 1"));
  EXPECT_EQ(d->txtKozlem3sor->text(), QStringLiteral("Közlemény 1"));

  d->ujFelvetel();
  kitolt("Kiss", "Nincs ilyen", "Ady tér");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(d->txBefizetoCim1, &enter);
  EXPECT_TRUE(d->txBefizetoCim1->text().isEmpty());  // no such settlement: the box is emptied
  EXPECT_TRUE(msg.shown.empty());                    // and nothing was saved
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 0);
}

TEST_F(FelvetTest, KeepOnTopFollowsItsBox) {
  EXPECT_TRUE(d->Legfelül->isChecked());
  d->ujFelvetel();
  EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
  d->Legfelül->click();
  EXPECT_FALSE(d->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->txBefizetoNeve->maxLength(), 36);
  EXPECT_EQ(d->txBefizetoCim1->maxLength(), 40);
  EXPECT_EQ(d->txBefizetoCim2->maxLength(), 45);
  EXPECT_EQ(d->txBefizetoIrsz->maxLength(), 6);
  EXPECT_EQ(d->txBefizAnonosito->maxLength(), 30);
  EXPECT_EQ(d->txtKozlem3sor->maxLength(), 25);
}

TEST_F(FelvetTest, TitleBarCloseUnloadsTheDialog) {
  d->ujFelvetel();
  d->chkTobbFelvetel->setChecked(true);
  d->Legfelül->setChecked(false);
  d->close();  // the title bar's close button
  torolt();
  EXPECT_TRUE(d.isNull());
  EXPECT_EQ(beolvasva, 0);
  // The next use starts from the initial states.
  d = new frmFelvet(platform, {nevek, kozl, aktualis, mod}, ablak);
  EXPECT_FALSE(d->chkTobbFelvetel->isChecked());
  EXPECT_TRUE(d->Legfelül->isChecked());
}

TEST_F(FelvetTest, TextsTheCodePageCannotHoldAreRefusedByName) {
  folder.put(kNevekFile, parNevek(1));
  folder.put(kKozl3sorFile, parKozlemenyek(1));
  d->ujFelvetel();
  d->show();
  QApplication::setActiveWindow(d);
  kitolt(QStringLiteral("ПЕТРОВ"), QStringLiteral("Pécs"), QStringLiteral("Ady tér"));
  d->txtKozlem3sor->setText(QStringLiteral("Díj ✓"));
  d->cmdRogzites_Click();
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].text, QStringLiteral("A szöveg olyan karaktert tartalmaz, amelyet a program nem tud tárolni: "
                                              "П Е Т Р О В ✓\r\nKérem, írja át vagy törölje ezeket a karaktereket!"));
  EXPECT_EQ(msg.shown[0].title, QStringLiteral("Hiba"));
  EXPECT_TRUE(d->txBefizetoNeve->hasFocus());
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(1));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(1));

  // Decomposed letters are stored composed; typographic characters of the code page stay.
  msg.shown.clear();
  kitolt(QStringLiteral("Go\u0308rgo\u030Bs O\u030Bsz"), QStringLiteral("Pécs"), QStringLiteral("€ „idéző” – ‰"));
  d->txtKozlem3sor->clear();
  d->cmdRogzites_Click();
  ASSERT_EQ(msg.shown.size(), 1u);  // the question only
  const QByteArray n = folder.bytes(kNevekFile);
  ASSERT_EQ(n.size(), 2 * 271);
  EXPECT_EQ(hex(n, 271, 11), "47 f6 72 67 f5 73 20 d5 73 7a 20");
  EXPECT_EQ(hex(n, 271 + NevekRekord::CimAt, 14), "80 20 84 69 64 e9 7a f5 94 20 96 20 89 20");
}

TEST_F(FelvetTest, NoWritesInARunWhoseStartCouldNotReadThePayerFile) {
  folder.put(kNevekFile, parNevek(2));
  folder.put(kKozl3sorFile, parKozlemenyek(2));
  const QString ok = QStringLiteral("A címzettek fájlja nem olvasható.");
  delete d.data();
  d = new frmFelvet(platform, {nevek, kozl, aktualis, mod, &ok}, ablak);
  d->ujFelvetel();
  kitolt("Kiss", "Pécs", "Ady tér");
  d->cmdRogzites_Click();
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].text, ok);
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(2));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2));
}

// A failure between the notice and the payer record: both files as before and "nem menthető".
// Where the undo fails too (the notice file replaced by a folder), the message says the save is
// half done, its journal stays and the next save is refused until it is undone.
TEST_F(FelvetTest, ASaveFailingBetweenItsTwoWritesSavesNothing) {
  for (const bool visszaSem : {false, true})
    for (const bool uj : {true, false}) {
      SCOPED_TRACE(testing::Message() << visszaSem << uj);
      QDir(folder.path()).removeRecursively();  // a fresh folder
      QDir().mkpath(folder.path());
      folder.put(kNevekFile, parNevek(3));
      folder.put(kKozl3sorFile, parKozlemenyek(3));
      msg.shown.clear();
      d->mentesHorog = [&](MentesLepes l) {
        if (l == MentesLepes::Nevek && visszaSem) {  // the notice file's place is taken by a folder
          QFile::remove(folder.file(kKozl3sorFile));
          QDir(folder.path()).mkdir(kKozl3sorFile);
        }
        return l != MentesLepes::Nevek;
      };
      aktualis = 2;
      uj ? d->ujFelvetel() : d->modositas();
      kitolt("Negyedik", "Pécs", "Ady tér");
      d->txtKozlem3sor->setText("Új közlemény");
      d->cmdRogzites_Click();
      ASSERT_EQ(msg.shown.size(), 2u);
      const QString mi = uj ? QStringLiteral("Az új címzett") : QStringLiteral("A címzett módosítása");
      EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
      if (visszaSem) {
        EXPECT_TRUE(msg.shown[1].text.startsWith(mi + (uj ? " felvétele félbemaradt." : " félbemaradt."))) << msg.shown[1].text.toStdString();
        EXPECT_TRUE(folder.exists(kMentesNaploFile));
        d->cmdRogzites_Click();
        ASSERT_EQ(msg.shown.size(), 3u);
        EXPECT_TRUE(msg.shown[2].text.startsWith(QStringLiteral("Egy címzett félbemaradt mentése nem vonható vissza.")));
      } else {
        EXPECT_EQ(msg.shown[1].text, mi + QStringLiteral(" nem menthető.\r\nHiba a(z) nevek1.dat fájl írásakor."));
        EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3));
        EXPECT_EQ(folder.entries(), QStringList({kKozl3sorFile, kNevekFile}));
      }
      EXPECT_EQ(beolvasva, 0);
    }
}
