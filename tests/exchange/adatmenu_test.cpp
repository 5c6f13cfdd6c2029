// The commands of the "Adatbázis" menu with scripted dialogs and message boxes, and the
// automatic-import settings dialog.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QTreeView>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "common/filedialogs.h"
#include "common/messages.h"
#include "common/setrekord.h"
#include "exchange/adatmenu.h"
#include "exchange/csvexport.h"
#include "exchange/frmautbeolvas.h"
#include "exchange/konvertalas.h"
#include "common/tricheckbox.h"
#include "common/fajlmuvelet.h"
#include "tests/exchange/csere.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  Menu() {
    p.folder = prog.path();
    p.messages = &uzenetek;
    p.fileDialogs = &dialogus;
    a.frissites = [this] { ++frissitve; };
    a.OpenBrowser = [this](const QString& x) {
      megnyitva << x;
      return true;
    };
  }
  TempFolder prog;
  RecordedMessageBoxes uzenetek;
  RecordedFileDialogs dialogus;
  Platform p;
  AdatcsereAblak a;
  SetRekord set;
  int frissitve = 0;
  QStringList megnyitva;
};

TEST_F(Menu, ImportCancelAndReplaceQuestion) {
  parIr(prog, 2);
  mnuAdatCsvbol(p, set, a);  // cancelled dialog
  ASSERT_EQ(dialogus.calls.size(), 1u);
  EXPECT_EQ(dialogus.calls[0].kind, "open");
  EXPECT_TRUE(uzenetek.shown.empty());
  saveSetFields(prog.path(), set, [](SetRekord& s) { s.AutBeolvasFelulir = -1; });
  prog.put("be.csv", "Uj;;;;;;1\n");
  dialogus.answers = {prog.file("be.csv"), prog.file("be.csv")};
  uzenetek.answers = {MsgAnswer::No};
  mnuAdatCsvbol(p, set, a);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(fizetokSzama(prog), 2);
  EXPECT_EQ(frissitve, 0);
  mnuAdatCsvbol(p, set, a);  // Yes
  EXPECT_EQ(fizetokSzama(prog), 1);
  EXPECT_EQ(frissitve, 1);
  ASSERT_EQ(uzenetek.shown.size(), 3u);
  EXPECT_EQ(uzenetek.shown[2].title, QString::fromUtf8("Adatbázis importálása"));
  EXPECT_EQ(uzenetek.shown[2].icon, MsgIcon::Information);
}

TEST_F(Menu, ImportOfAnUnreadableFileShowsAnErrorNotSuccess) {
  dialogus.answers = {prog.file("nincs.csv")};
  mnuAdatCsvbol(p, set, a);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::Critical);
  EXPECT_FALSE(uzenetek.shown[0].text.contains(QString::fromUtf8("befejeződött")));
  EXPECT_EQ(frissitve, 0);
}

TEST_F(Menu, DeletionAsksThenEmptiesBothFiles) {
  parIr(prog, 3);
  uzenetek.answers = {MsgAnswer::No};
  mnuAdatbazisTorles(p, a);
  EXPECT_EQ(fizetokSzama(prog), 3);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, QString::fromUtf8("Adatbázis törlése"));
  EXPECT_EQ(uzenetek.shown[0].text,
            QString::fromUtf8("Biztos benne hogy TÖRLI \r\na teljes adatbázist?\r\n\r\nMehet a TÖRLÉS?"));
  mnuAdatbazisTorles(p, a);
  EXPECT_EQ(fizetokSzama(prog), 0);
  EXPECT_EQ(prog.bytes(kKozl3sorFile).size(), 0);
  EXPECT_EQ(frissitve, 1);
  EXPECT_EQ(uzenetek.shown.size(), 2u);  // no further message
  // The next import numbers from 1 even when appending.
  prog.put("be.csv", "Uj;;;;;;1\n");
  dialogus.answers = {prog.file("be.csv")};
  mnuAdatCsvbol(p, set, a);
  EXPECT_EQ(fizetokSzama(prog), 1);
}

TEST_F(Menu, ConversionAnsweredNoOrNothingToConvert) {
  uzenetek.answers = {MsgAnswer::No};
  mnuKonertal(p, a);
  EXPECT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, " FIGYELEM ");
  EXPECT_TRUE(uzenetek.shown[0].text.endsWith("\r\n \r\nMehet a konvertálás?"));
  mnuKonertal(p, a);
  ASSERT_EQ(uzenetek.shown.size(), 3u);
  EXPECT_EQ(uzenetek.shown[2].text, QString::fromUtf8("Nincsen elérhető konvertálandó fájl!\r\n"));
  EXPECT_EQ(uzenetek.shown[2].title, "FIGYELEM!");
  EXPECT_EQ(uzenetek.shown[2].icon, MsgIcon::Exclamation);
  EXPECT_EQ(prog.entries(), QStringList());
  EXPECT_EQ(frissitve, 0);
}

TEST_F(Menu, ExportWithoutAnExtensionAddsCsv) {
  parIr(prog, 2);
  TempFolder cel;
  dialogus.answers = {cel.file("export"), cel.file("lista.txt"), cel.file("masik."), cel.file("export"),
                      cel.file("export")};
  for (int i = 0; i < 3; ++i) mnuMentCSVbe(p, a);
  EXPECT_EQ(cel.entries(), QStringList({"export.csv", "lista.txt", "masik.csv"}));
  EXPECT_EQ(cel.bytes("export.csv").size(), 2 * 331);
  EXPECT_EQ(uzenetek.shown.size(), 3u);  // only the three final messages
  // The dialog confirmed "export", not "export.csv": replacing that one is asked first.
  cel.put("export.csv", "regi");
  uzenetek.answers = {MsgAnswer::No};
  mnuMentCSVbe(p, a);
  EXPECT_EQ(cel.bytes("export.csv"), QByteArray("regi"));
  ASSERT_EQ(uzenetek.shown.size(), 4u);
  EXPECT_EQ(uzenetek.shown[3].text, QString::fromUtf8("A(z) export.csv fájl már létezik.\r\nFelülírja?"));
  mnuMentCSVbe(p, a);  // Yes
  EXPECT_EQ(cel.bytes("export.csv").size(), 2 * 331);
}

// What the export's message says matches the disk: a failed question about a payer file leaves
// the older export as it was and says the export failed; a failed flush of the folder after the
// rename leaves the new export in place and says so, with what a power loss could leave instead.
TEST_F(Menu, ExportMessagesSayWhatTheDiskHolds) {
  parIr(prog, 20);
  TempFolder cel;
  QByteArray friss;
  {
    TempFolder t;
    parIr(t, 20);
    friss = (csvExport(t.path(), t.file("ki.csv")), t.bytes("ki.csv"));
  }
  const QByteArray regi = QByteArray(331, 'r').repeated(30);
  const struct {
    const char* mi;
    FajlHivas hivas;
    QString fajl;  // empty: any
    bool volt;     // an older export stands at the name
    QString eleje;  // the message's first line
    QString vege;   // its last line
  } esetek[] = {
      {"nevek1.dat", FajlHivas::Lekerdezes, kNevekFile, true, QString::fromUtf8("Az exportálás nem sikerült."),
       QString::fromUtf8("A(z) nevek1.dat fájl nem olvasható: Bemeneti/kimeneti hiba.")},
      {"kozl3sor.dat", FajlHivas::Lekerdezes, kKozl3sorFile, true,
       QString::fromUtf8("Az exportálás nem sikerült."),
       QString::fromUtf8("A(z) kozl3sor.dat fájl nem olvasható: Bemeneti/kimeneti hiba.")},
      {"folder flush over an older export", FajlHivas::MappaSzinkron, {}, true,
       QString::fromUtf8("Az adatbázis exportálása megtörtént, a(z) ki.csv fájl a helyén áll (kiírt ügyfelek száma: 20), "
                         "de a lemez hibát jelzett."),
       QString::fromUtf8("Egy áramszünet után a(z) ki.csv korábbi tartalma állhat vissza.")},
      {"folder flush of a new export", FajlHivas::MappaSzinkron, {}, false,
       QString::fromUtf8("Az adatbázis exportálása megtörtént, a(z) ki.csv fájl a helyén áll (kiírt ügyfelek száma: 20), "
                         "de a lemez hibát jelzett."),
       QString::fromUtf8("Egy áramszünet után a(z) ki.csv fájl eltűnhet.")},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    QFile::remove(cel.file("ki.csv"));
    if (e.volt) cel.put("ki.csv", regi);
    uzenetek.shown.clear();
    dialogus.answers = {cel.file("ki.csv")};
    const bool uj = e.hivas == FajlHivas::MappaSzinkron;
    int n = 0;
    {
      // A payer file's questions fail from the first on; the folder's first flush (after the rename).
      FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
        return h == e.hivas && (e.fajl.isEmpty() || nev == e.fajl) && (!uj || n++ == 0) ? EIO : 0;
      });
      mnuMentCSVbe(p, a);
    }
    EXPECT_EQ(cel.entries(), QStringList{"ki.csv"});
    EXPECT_EQ(cel.bytes("ki.csv"), uj ? friss : regi);
    ASSERT_EQ(uzenetek.shown.size(), 1u);
    const QStringList sorok = uzenetek.shown[0].text.split("\r\n");
    EXPECT_EQ(sorok.first(), e.eleje);
    EXPECT_EQ(sorok.last(), e.vege);
    EXPECT_EQ(uzenetek.shown[0].icon, uj ? MsgIcon::Exclamation : MsgIcon::Critical);
  }
}

TEST_F(Menu, HelpPageByAbsolutePath) {
  mnuImportHelp(p, a);  // not there: a message, nothing opened
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QString::fromUtf8("A súgó nem található:\r\n") + prog.file(kSugoFile));
  EXPECT_TRUE(megnyitva.isEmpty());
  prog.put(kSugoFile, "<html></html>");
  mnuImportHelp(p, a);
  ASSERT_EQ(megnyitva.size(), 1);
  EXPECT_TRUE(QFileInfo(megnyitva[0]).isAbsolute());
  EXPECT_EQ(QFileInfo(megnyitva[0]).fileName(), "Csekk_adat_Import.htm");
  a.OpenBrowser = [](const QString&) { return false; };
  mnuImportHelp(p, a);
  // No browser: where the page is, to open by hand.
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_TRUE(uzenetek.shown[1].text.startsWith(QString::fromUtf8("A súgó nem nyitható meg, mert nem indítható böngésző.")));
  EXPECT_TRUE(uzenetek.shown[1].text.endsWith("\r\n" + prog.file(kSugoFile)));
}

TEST_F(Menu, SettingsDialog) {
  std::vector<bool> idozito;
  auto kapcsol = [&](bool be) { idozito.push_back(be); };
  saveSetFields(prog.path(), set, [&](SetRekord& s) {
    s.AutBeolvas = 1;
    s.AutBeolvasFelulir = -1;
    s.AutoPrint = 1;
    s.AutBeolvasMappa = prog.path();
  });
  {
    frmAutBeolvas d(p, set, kapcsol);
    EXPECT_EQ(idozito, std::vector<bool>{false});  // off while open
    EXPECT_EQ(d.chkAutBeolvas->value(), 1);
    EXPECT_TRUE(d.opHozzafüzes[1]->isChecked());
    EXPECT_TRUE(d.chkAutoPrint->isEnabled());
    EXPECT_EQ(d.txtAutBeolvas->text(), prog.path());
    d.opHozzafüzes[0]->setChecked(true);  // appending: no automatic printing
    EXPECT_FALSE(d.chkAutoPrint->isEnabled());
    EXPECT_EQ(d.chkAutoPrint->value(), 0);
    // A folder that code page 1250 cannot hold, or longer than 255 bytes: a message, nothing saved.
    const QByteArray elotte = prog.bytes(kSetFile);
    for (const QString& rossz : {QString::fromUtf8("/tmp/日本"), "/" + QString(300, 'a')}) {
      d.txtAutBeolvas->setText(rossz);
      d.cmdMent_Click();
    }
    EXPECT_EQ(uzenetek.shown.size(), 2u);
    EXPECT_EQ(prog.bytes(kSetFile), elotte);
    EXPECT_FALSE(d.isHidden() && d.result() == QDialog::Accepted);
    d.txtAutBeolvas->setText(QString::fromUtf8("/srv/Átvétel"));
    d.cmdMent_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
  }
  // Saved: on, appending, no printing; the timer on after the save, and on again at unload.
  SetRekord s;
  EXPECT_TRUE(loadSet(prog.path(), s));
  EXPECT_EQ(s.AutBeolvas, 1);
  EXPECT_EQ(s.AutBeolvasFelulir, 0);
  EXPECT_EQ(s.AutoPrint, 0);
  EXPECT_EQ(trimmed(s.AutBeolvasMappa), QString::fromUtf8("/srv/Átvétel"));
  EXPECT_EQ(idozito, (std::vector<bool>{false, true, true}));
  // Cancelled with the import off: the timer is switched on anyway (the next tick stops it).
  saveSetFields(prog.path(), set, [](SetRekord& x) { x.AutBeolvas = 0; });
  idozito.clear();
  frmAutBeolvas d2(p, set, kapcsol);
  d2.Command1_Click();
  EXPECT_EQ(idozito, (std::vector<bool>{false, true}));
}

// The tree opens at the stored folder: every folder above it open, the folder itself chosen and
// in view once the listings (loaded in the background) are in, with 40 folders sorted above it.
// Leaves a picture of the dialog: <build>/screenshots/frmautbeolvas.png.
TEST_F(Menu, SettingsDialogShowsTheStoredFolder) {
  for (int i = 0; i < 40; ++i)
    ASSERT_TRUE(QDir(prog.path()).mkpath(QStringLiteral("a%1").arg(i, 2, 10, QLatin1Char('0'))));
  const QString mappa = prog.file(QString::fromUtf8("Átvétel/bejövő"));
  ASSERT_TRUE(QDir().mkpath(mappa + "/2026"));
  saveSetFields(prog.path(), set, [&](SetRekord& s) {
    s.AutBeolvas = 1;
    s.AutBeolvasFelulir = -1;
    s.AutoPrint = 1;
    s.AutBeolvasMappa = mappa;
  });
  frmAutBeolvas d(p, set, {});
  d.show();
  const auto* modell = static_cast<const QFileSystemModel*>(d.Dir1->model());
  const QModelIndex i = d.Dir1->currentIndex();
  ASSERT_EQ(modell->filePath(i), mappa);
  // The listings load in the background, other folders of the volume may change meanwhile.
  auto lathato = [&] { return d.Dir1->viewport()->rect().contains(d.Dir1->visualRect(i)); };
  QElapsedTimer ido;
  ido.start();
  while (ido.elapsed() < 5000 && (modell->rowCount(modell->index(prog.path())) < 41 || !lathato()))
    QCoreApplication::processEvents();
  ASSERT_EQ(modell->rowCount(modell->index(prog.path())), 41);
  EXPECT_EQ(d.Dir1->currentIndex(), i);
  EXPECT_TRUE(d.Dir1->selectionModel()->isSelected(i));
  for (QModelIndex f = i; f.isValid(); f = f.parent())
    EXPECT_TRUE(d.Dir1->isExpanded(f)) << modell->filePath(f).toStdString();
  EXPECT_TRUE(lathato()) << d.Dir1->visualRect(i).y();
  EXPECT_EQ(d.txtAutBeolvas->text(), mappa);
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));
  EXPECT_TRUE(d.grab().save(cel + QStringLiteral("/frmautbeolvas.png")));
}

}  // namespace
