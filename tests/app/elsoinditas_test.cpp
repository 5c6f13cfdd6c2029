// The first start of a new installation creates the layout files with their factory values,
// so the very first print lands where the factory layout puts it; existing files are kept.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "ablakfixture.h"
#include "app/betuvalaszto.h"
#include "common/betutip.h"
#include "common/qtprinter.h"
#include "layouts/elsoinditas.h"
#include "layouts/factory.h"
#include "layouts/fjsetrekord.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetok.h"
#include "payerstore/nevekrekord.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/slips/csekklap.h"
#include "support/fajlhibak.h"
#include "support/printexpect.h"

namespace {

using ElsoInditasTest = AblakTest;

template <class R>
QByteArray gyari(const FactoryTable<R>& t) {
  R r{};
  applyFactory(r, t);
  return encodeRecord(r);
}

// The standing slip for the first payer with amount 1500; its printed texts.
std::vector<PrintedText> alloCsekk(frmLavindor& w, RecordingPrinter& p) {
  w.ListView1_ItemClick(0);
  w.csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w.cmdPrint_Click();
  if (p.documents().size() != 1) return {};
  return printed::doc(p).texts();
}

}  // namespace

TEST_F(ElsoInditasTest, ANewInstallationPrintsTheSlipAtTheFactoryPositions) {
  folder.put(kNevekFile, fizetokFajl({{QStringLiteral("Kovács Péter"), QStringLiteral("Győr"),
                                       QStringLiteral("Fő út 1."), QStringLiteral("9021")}}));
  auto w = indit();
  EXPECT_TRUE(uzenetek.shown.empty());
  EXPECT_EQ(folder.bytes(kSetTertiFile), gyari(tertiFactory()));
  EXPECT_EQ(folder.bytes(kSetIrat2File), gyari(irat2Factory()));
  EXPECT_EQ(folder.bytes(kSetFvevenyFile), gyari(fvevenyFactory()));
  EXPECT_EQ(folder.bytes(kSetRcsekkFile), gyari(rcsekkFactory()));
  EXPECT_EQ(folder.bytes(kSetUlapFile), gyari(ulapFactory()));
  BoritekRekord b;
  decodeRecord(folder.bytes(kBoritekFile), b);
  EXPECT_EQ(b.C6Cimzett_x, 85);
  EXPECT_EQ(trimmed(b.BoritekNevBetutipus), QStringLiteral("Times New Roman CE"));

  const std::vector<PrintedText> t = alloCsekk(*w, nyomtato);
  ASSERT_FALSE(t.empty());
  // Every text stands where the same slip printed with the factory layout saved by hand puts it.
  TempFolder kezi;
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  kezi.put(kSetFile, encodeRecord(s));
  kezi.put(kNevekFile, folder.bytes(kNevekFile));
  RecordingPrinter p2;
  Platform pf2 = platform;
  pf2.folder = kezi.path();
  pf2.printer = &p2;
  Allapot a2;
  frmLavindor w2(pf2, a2);
  const std::vector<PrintedText> vart = alloCsekk(w2, p2);
  ASSERT_EQ(t.size(), vart.size());
  bool nev = false;
  for (size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].text, vart[i].text);
    EXPECT_DOUBLE_EQ(t[i].x, vart[i].x);
    EXPECT_DOUBLE_EQ(t[i].y, vart[i].y);
    EXPECT_EQ(t[i].font, vart[i].font);
    nev = nev || t[i].text.contains(QStringLiteral("Kovács Péter"));
  }
  EXPECT_TRUE(nev);
}

TEST_F(ElsoInditasTest, ExistingFilesAreKeptEvenWhenTheyHoldOnlyZeros) {
  const QByteArray nullak(SetTertiRekord::Length, '\0');
  folder.put(kSetTertiFile, nullak);
  const QByteArray set = setFajl();
  EXPECT_TRUE(gyariFajlokLetrehozasa(folder.path()).isEmpty());
  EXPECT_EQ(folder.bytes(kSetTertiFile), nullak);
  EXPECT_EQ(folder.bytes(kSetFile), set);
  EXPECT_EQ(folder.bytes(kSetIrat2File), gyari(irat2Factory()));
  // A second start changes nothing.
  const QByteArray irat = folder.bytes(kSetIrat2File);
  gyariFajlokLetrehozasa(folder.path());
  EXPECT_EQ(folder.bytes(kSetIrat2File), irat);
}

// A file is created only once its name is on the disk: a failed folder flush is a failure.
TEST_F(ElsoInditasTest, AFolderThatCannotBeFlushedIsAFailure) {
  FajlHibak h({{FajlHivas::MappaSzinkron, EIO}});
  EXPECT_EQ(gyariFajlokLetrehozasa(folder.path()), QStringList({kSetFile}));
  EXPECT_EQ(h.hatra(), 0u);
}

// The posting list and the label fonts, left empty by earlier starts, get values that print.
TEST_F(ElsoInditasTest, APostingListAndLabelFontsThatPrintInsideThePage) {
  folder.put(kFjSetFile, QByteArray());  // an earlier start left it empty
  folder.put(kNevekFile, szamozottFizetok(15));
  auto w = indit();
  FjSetRekord fj;
  decodeRecord(folder.bytes(kFjSetFile), fj);
  EXPECT_EQ(folder.bytes(kFjSetFile).size(), FjSetRekord::Length);
  EXPECT_EQ(fj.Bal, 20);
  EXPECT_EQ(fj.Felso, 30);
  EXPECT_TRUE(trimmed(fj.ExcelUtvonal).isEmpty());
  BetutipRekord tip;
  BetumeretRekord meret;
  decodeRecord(folder.bytes(kBetutipFile), tip);
  decodeRecord(folder.bytes(kBetumeretFile), meret);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(trimmed(tip.nevek[size_t(i)]), QStringLiteral("Times New Roman CE")) << i;  // the envelope's font
    EXPECT_EQ(meret.meretek[size_t(i)], 10) << i;
    EXPECT_EQ(w->betuk->ComboBetuTipus1[size_t(i)]->currentText(), QStringLiteral("Times New Roman CE")) << i;
    EXPECT_EQ(w->betuk->ComboBetuSize[size_t(i)]->currentText(), QStringLiteral("10")) << i;
  }
  // On the program's printer five such lines fit into the smallest label: 297 mm / 10 rows.
  QtPrinter qt(folder.path());
  qt.setScaleMillimetres();
  qt.setFontName(trimmed(tip.nevek[0]));
  qt.setFontSize(meret.meretek[0]);
  EXPECT_LE(5 * qt.textHeight(QStringLiteral("Árvíztűrő")), 29.7);

  // The posting list of all 15: two landscape pages, the first line at the offsets, every
  // line inside the page with a margin a printer can print.
  w->lista->ListView1->selectAll();
  w->mnuCimzettekNyomtatasa_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const PrintedDocument& jegyzek = nyomtato.documents()[0];
  ASSERT_EQ(jegyzek.pages.size(), 2u);
  EXPECT_DOUBLE_EQ(jegyzek.pages[1].texts.at(0).x, 20);
  EXPECT_DOUBLE_EQ(jegyzek.pages[1].texts.at(0).y, 30);
  for (const PrintedPage& p : jegyzek.pages) {
    EXPECT_EQ(p.widthMm, 297);
    for (const PrintedText& t : p.texts) {
      EXPECT_TRUE(t.x >= 5 && t.y >= 5) << t.text.toStdString();
      EXPECT_LE(t.x + t.text.size() * RecordingPrinter::kCharMmPerPoint * t.size, p.widthMm - 5) << t.text.toStdString();
      EXPECT_LE(t.y + RecordingPrinter::kLineMmPerPoint * t.size, p.heightMm - 5) << t.text.toStdString();
    }
  }

  // The labels of the 15 payers on the smallest label (4 x 10): each label's five lines stay
  // inside its 29.7 mm, in the saved fonts.
  w->SSTab1->setCurrentIndex(kLapCimke);
  w->cimkeLap->txtOszlop->setCurrentText(QStringLiteral("4"));
  w->cimkeLap->txtSor->setCurrentText(QStringLiteral("10"));
  w->cimkeLap->cmdCimkeMeretRogzites->click();
  nyomtato.clearLog();
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const std::vector<PrintedText> cimkek = nyomtato.documents()[0].texts();
  ASSERT_EQ(cimkek.size(), 75u);  // 15 labels, five lines each
  for (size_t i = 0; i < cimkek.size(); ++i) {
    const PrintedText& t = cimkek[i];
    const PrintedText& elso = cimkek[i - i % 5];
    EXPECT_EQ(t.font, QStringLiteral("Times New Roman CE"));
    EXPECT_EQ(t.size, 10);
    EXPECT_LE(t.y + RecordingPrinter::kLineMmPerPoint * t.size, elso.y + 29.7) << i;
    EXPECT_LE(t.y + RecordingPrinter::kLineMmPerPoint * t.size, 297) << i;
  }

  // The label-font panel after the first start (<build>/screenshots/cimke-betuk.png).
  auto* panelek = w->findChild<QTabWidget*>(QStringLiteral("panelek"));
  ASSERT_TRUE(panelek);
  w->show();
  panelek->setCurrentWidget(w->betuk);
  QApplication::processEvents();
  ASSERT_TRUE(QDir().mkpath(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots")));
  EXPECT_TRUE(panelek->grab().save(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots/cimke-betuk.png")));
}

TEST_F(ElsoInditasTest, SavedPostingListAndLabelSettingsAreKept) {
  FjSetRekord fj;
  fj.Bal = 7;
  fj.ExcelUtvonal = QStringLiteral("/usr/bin/gnumeric");
  folder.put(kFjSetFile, encodeRecord(fj));
  const QByteArray nullak(BetumeretRekord::Length, '\0');
  folder.put(kBetumeretFile, nullak);
  BoritekRekord b;
  boritekAlapertekek(b);
  b.BoritekNevBetutipus = QStringLiteral("Arial CE");
  folder.put(kBoritekFile, encodeRecord(b));
  EXPECT_TRUE(gyariFajlokLetrehozasa(folder.path()).isEmpty());
  EXPECT_EQ(folder.bytes(kFjSetFile), encodeRecord(fj));
  EXPECT_EQ(folder.bytes(kBetumeretFile), nullak);
  // The missing font names follow the envelope's font as it is saved.
  BetutipRekord tip;
  decodeRecord(folder.bytes(kBetutipFile), tip);
  EXPECT_EQ(trimmed(tip.nevek[4]), QStringLiteral("Arial CE"));
}
