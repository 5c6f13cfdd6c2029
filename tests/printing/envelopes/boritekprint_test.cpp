// Envelope printing on the recording printer: block positions by size and feed, the line
// order, the bold switches, the picture, the three switches, the error class and the list.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/boritekprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::A;

struct BoritekPrintTest : ::testing::Test {
  TempFolder dir;
  RecordingPrinter nyomtato;
  RecordedMessageBoxes uzenetek;
  Platform platform;
  SetRekord set;
  BoritekRekord boritek;
  BoritekHely hely;
  BoritekAdatok a;

  void SetUp() override {
    platform.folder = dir.path();
    platform.printer = &nyomtato;
    platform.messages = &uzenetek;
    SetRekord s;
    s.AlapNyomtato = -1;
    ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
    BoritekRekord b;
    b.C6Felado_x = 10, b.C6Felado_y = 11, b.C6Cimzett_y = 50, b.C6Cimzett_x = 80;
    b.C5Felado_x = 20, b.C5Felado_y = 21, b.C5Cimzett_y = 90, b.C5Cimzett_x = 120;
    b.C56Felado_x = 30, b.C56Felado_y = 31, b.C56Cimzett_y = 60, b.C56Cimzett_x = 130;
    b.BoritekFeladoNev = QStringLiteral("  Lavindor Egyesület");
    b.BoritekFeladoCim1 = QStringLiteral("Győr");
    b.BoritekFeladoCim2 = QStringLiteral("Árpád út 1.");
    b.BoritekFeladoIrSzam = QStringLiteral("9021");
    b.BoritekNevBetutipus = QStringLiteral(" Arial CE ");
    b.BoritekNevBetumeret = 12;
    b.BoritekFeladoBetumeret = 10;
    ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, b));

    a.lap.meret = 1;
    a.lap.chkCimzett = 1;
    a.lap.chkFelado = 1;
    a.lap.txtFelado5mezo = QStringLiteral("Ügyintéző: Kiss Éva ");
    a.cimzett = {QStringLiteral(" Kovács Péter "), QString(), QStringLiteral("Győr"), QStringLiteral("Fő út 1."),
                 QStringLiteral("9021")};
    a.felado = {QStringLiteral("Őrség Kft."), QStringLiteral("Pécs"), QStringLiteral("Fő tér 2."), QStringLiteral("7621")};
  }
  const PrintedPage& lap(size_t doc = 0, size_t page = 0) { return printed::page(nyomtato, doc, page); }
  static QImage kek() {
    QImage k(70, 40, QImage::Format_RGB32);
    k.fill(Qt::blue);
    return k;
  }
};

TEST_F(BoritekPrintTest, StandingC6StartsAtTheOffsetPositionsInLineOrder) {
  a.lap.chkFKC = {1, 0, 2, 0, 1};
  a.lap.chkFKF = {0, 1, 0, 1};
  nyomtato.setBold(true);  // left over from an earlier document
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  const PrintedPage& p = lap();
  EXPECT_EQ(p.paper, kPaperC5);
  EXPECT_EQ(p.orientation, kLandscape);
  EXPECT_DOUBLE_EQ(p.widthMm, 229);
  // Recipient at 80 + 66, 50 + 20; 12 pt lines are 4.8 mm apart; the postcode in 14 pt.
  // Sender at 10 + 66, 11 + 20 in 10 pt.
  printed::expectTexts(p.texts, {
                                    {"Kovács Péter", 146, 70, A, 12},
                                    {"", 146, 74.8, A, 12},
                                    {"Győr", 146, 79.6, A, 12},
                                    {"Fő út 1.", 146, 84.4, A, 12},
                                    {"", 146, 89.2, A, 12},
                                    {"9021", 146, 94.0, A, 14},
                                    {"", 146, 99.6, A, 12},
                                    {"Őrség Kft.", 76, 31, A, 10},
                                    {"Pécs", 76, 35, A, 10},
                                    {"Fő tér 2.", 76, 39, A, 10},
                                    {"7621", 76, 43, A, 10},
                                    {"Ügyintéző: Kiss Éva", 76, 47, A, 10},
                                });
  // Bold only where the switch is 1; the fifth sender line keeps the postcode line's weight.
  const std::vector<bool> felkover{true, false, false, false, false, true, true, false, true, false, true, true};
  for (size_t i = 0; i < felkover.size(); ++i) EXPECT_EQ(printed::at(p.texts, i).bold, felkover[i]) << i;
  EXPECT_TRUE(p.pictures.empty());
  EXPECT_EQ(hely.BoritekMeret, 1);
  EXPECT_EQ(hely.BoritekCimzettX, 80);
  EXPECT_TRUE(uzenetek.shown.empty());
}

TEST_F(BoritekPrintTest, SecondNameTakesTheBlankLinesPlace) {
  a.cimzett.Nev2 = QStringLiteral("ifj.");
  ASSERT_EQ(PrintFekvoBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  const PrintedPage& p = lap();
  // Lying: the stored positions, portrait, the C5 sheet for C6; the last blank line in 8 pt.
  EXPECT_EQ(p.orientation, kPortrait);
  EXPECT_EQ(p.paper, kPaperC5);
  // The second name, an empty line, then the settlement; the last empty line in 8 pt.
  printed::expectTexts(printed::slice(p.texts, 1, 3),
                       {{"ifj.", 80, 54.8, A, 12}, {"", 80, 59.6, A, 12}, {"Győr", 80, 64.4, A, 12}});
  EXPECT_EQ(printed::at(p.texts, 7).size, 8);
  EXPECT_EQ(printed::at(p.texts, 8).text, QStringLiteral("Őrség Kft."));
  EXPECT_NEAR(printed::at(p.texts, 8).x, 10, 1e-9);
  EXPECT_NEAR(printed::at(p.texts, 8).y, 11, 1e-9);
}

TEST_F(BoritekPrintTest, EachSizeAndFeedSetsItsOwnPaper) {
  struct Eset {
    int meret;
    bool allo;
    double x, y, w, h;  // recipient's first line; page as oriented
  };
  const Eset esetek[] = {{2, true, 120, 90, 229, 162}, {3, true, 145, 85, 229, 162},
                         {2, false, 120, 90, 162, 229}, {3, false, 130, 60, 229, 114}};
  for (const Eset& e : esetek) {
    SCOPED_TRACE(testing::Message() << e.meret << (e.allo ? " standing" : " lying"));
    nyomtato.clearLog();
    // A custom page left by an earlier document does not carry over.
    nyomtato.setWidthTwips(100 * kTwipsPerMm);
    a.lap.meret = e.meret;
    ASSERT_EQ((e.allo ? PrintAlloBoritek : PrintFekvoBoritek)(a, platform, set, boritek, hely), PrintResult::Printed);
    const PrintedPage& p = lap();
    EXPECT_NEAR(printed::at(p.texts, 0).x, e.x, 1e-9);
    EXPECT_NEAR(printed::at(p.texts, 0).y, e.y, 1e-9);
    EXPECT_NEAR(p.widthMm, e.w, 1e-6);
    EXPECT_NEAR(p.heightMm, e.h, 1e-6);
    EXPECT_EQ(hely.BoritekMeret, e.meret);
  }
  // No size chosen yet (a new installation): the C5 sheet all the same.
  nyomtato.clearLog();
  nyomtato.setWidthTwips(100 * kTwipsPerMm);
  a.lap.meret = 0;
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  EXPECT_NEAR(lap().widthMm, 229, 1e-6);
  EXPECT_NEAR(lap().heightMm, 162, 1e-6);
}

TEST_F(BoritekPrintTest, PictureAtItsPositionPlusTheOffset) {
  a.lap.meret = 3;
  a.lap.chkKepPrint = 1;
  a.lap.KepPozX = 10;
  a.lap.KepPozY = 5;
  a.lap.KepSzeles = 3.5;
  a.lap.KepMagas = 2;
  a.lap.kep = kek();
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  ASSERT_EQ(lap().pictures.size(), 1u);
  const PrintedPicture& k = printed::at(lap().pictures, 0);
  EXPECT_NEAR(k.x, 25, 1e-9);
  EXPECT_NEAR(k.y, 30, 1e-9);
  EXPECT_NEAR(k.width, 35, 1e-9);
  EXPECT_NEAR(k.height, 20, 1e-9);
  // Switched on but nothing loaded: the envelope goes without it and the user is told.
  a.lap.kep = QImage();
  a.lap.KivalasztottKep = QStringLiteral("/máshol/cimer.jpg");
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  EXPECT_TRUE(lap(1).pictures.empty());
  EXPECT_EQ(lap(1).texts.size(), 12u);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.endsWith(QStringLiteral("/máshol/cimer.jpg")));
}

TEST_F(BoritekPrintTest, SwitchesDecideTheBlocks) {
  // Greyed recipient switch: no guard, the block prints, bold 2 is normal weight.
  a.cimzett.Nev.clear();
  a.lap.chkCimzett = 2;
  a.lap.chkFKC = {2, 2, 2, 2, 2};
  a.lap.chkFelado = 0;
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  const auto& t = lap().texts;
  ASSERT_EQ(t.size(), 11u);  // seven recipient lines, four empty ones for the sender
  EXPECT_EQ(t[2].text, QStringLiteral("Győr"));
  for (const PrintedText& x : t) EXPECT_FALSE(x.bold);
  for (size_t i = 7; i < 11; ++i) EXPECT_TRUE(t[i].text.isEmpty());

  // Recipient and sender off: the picture still prints; the sender's four empty lines are not
  // bold whatever the printer had before.
  a.lap.chkCimzett = 0;
  a.lap.chkKepPrint = 1;
  a.lap.kep = kek();
  a.lap.KepSzeles = a.lap.KepMagas = 1;
  nyomtato.setBold(true);
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  EXPECT_EQ(lap(1).pictures.size(), 1u);
  ASSERT_EQ(lap(1).texts.size(), 4u);
  for (const PrintedText& x : lap(1).texts) EXPECT_FALSE(x.bold);

  // Recipient ticked with a blank name: told, nothing printed.
  a.lap.chkCimzett = 1;
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::NoPayer);
  EXPECT_EQ(nyomtato.documents().size(), 2u);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("Nincs címzett..."));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("! H I B A ! "));
}

TEST_F(BoritekPrintTest, RefusedFontIsSkippedOtherErrorsDiscardWithAMessage) {
  BoritekRekord b;
  EXPECT_TRUE(loadSettings(dir.path(), kBoritekFile, b));
  b.BoritekNevBetutipus = QStringLiteral("Nincs Ilyen Betű");
  ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, b));
  nyomtato.setFontName(QStringLiteral("Courier New"));
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  // A font not installed: the first start's font, said once.
  EXPECT_EQ(printed::at(lap().texts, 0).font, QStringLiteral("Times New Roman CE"));
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(QStringLiteral("A boríték betűtípusa („Nincs Ilyen Betű”)")));
  uzenetek.shown.clear();
  // A size the printer refuses is skipped: the printer keeps its size, no message.
  b.BoritekNevBetumeret = 0;
  ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, b));
  nyomtato.clearLog();
  nyomtato.setFontSize(11);
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);
  EXPECT_EQ(printed::at(lap().texts, 0).size, 11);
  EXPECT_EQ(uzenetek.shown.size(), 1u);  // the font only
  uzenetek.shown.clear();

  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 7;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  ASSERT_EQ(PrintFekvoBoritek(a, platform, set, boritek, hely), PrintResult::Failed);
  EXPECT_EQ(nyomtato.documents().size(), 1u);
  printed::missingPrinterSaid(uzenetek);

}

TEST_F(BoritekPrintTest, ListPrintsTheSelectedRowsInDisplayedOrder) {
  QByteArray f = szamozottFizetok(12);
  NevekRekord n;
  decodeRecord(f.mid(2 * NevekRekord::Length, NevekRekord::Length), n);
  n.Nev2 = QStringLiteral("II. emelet");
  f.replace(2 * NevekRekord::Length, NevekRekord::Length, encodeRecord(n));
  dir.put(kNevekFile, f);
  a.lap.chkKepPrint = 1;  // nothing loaded: told once for the whole list
  const std::vector<CsoportSor> sorok{{12, true}, {5, false}, {3, true}, {99, true}, {7, true}};
  const PrintResult r = PrintCsAlloBoritek(sorok, a.lap, platform, set, boritek, hely);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 3);
  ASSERT_TRUE(r.utolso);
  EXPECT_EQ(trimmed(r.utolso->Nevek.Nev), QStringLiteral("Fizető 7"));
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const auto& lapok = printed::doc(nyomtato).pages;
  ASSERT_EQ(lapok.size(), 3u);
  const char* nevek[] = {"Fizető 12", "Fizető 3", "Fizető 7"};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const PrintedPage& p = lapok[i];
    EXPECT_EQ(p.orientation, kLandscape);
    EXPECT_EQ(p.paper, kPaperC5);
    EXPECT_EQ(printed::at(p.texts, 0).text, QString::fromUtf8(nevek[i]));
    EXPECT_NEAR(printed::at(p.texts, 0).x, 146, 1e-9);
    EXPECT_NEAR(printed::at(p.texts, 0).y, 70, 1e-9);
    // The sender from boritek.dat, trimmed, and the page's fifth line.
    const size_t s = p.texts.size() - 5;
    EXPECT_EQ(printed::at(p.texts, s).text, QStringLiteral("Lavindor Egyesület"));
    EXPECT_NEAR(printed::at(p.texts, s).y, 31, 1e-9);
    EXPECT_EQ(printed::last(p.texts).text, QStringLiteral("Ügyintéző: Kiss Éva"));
  }
  // Record 3 has a second name: its settlement moves down one line.
  EXPECT_EQ(printed::at(lapok[1].texts, 1).text, QStringLiteral("II. emelet"));
  EXPECT_EQ(printed::at(lapok[1].texts, 3).text, QStringLiteral("Pécs"));
  EXPECT_EQ(printed::at(lapok[0].texts, 2).text, QStringLiteral("Pécs"));
  EXPECT_EQ(uzenetek.shown.size(), 1u);

  // Record numbers beyond 16 bits.
  QByteArray nagy(40000 * NevekRekord::Length, '\0');
  NevekRekord utolso;
  utolso.Nev = QStringLiteral("Negyvenezredik");
  nagy.replace(39999 * NevekRekord::Length, NevekRekord::Length, encodeRecord(utolso));
  dir.put(kNevekFile, nagy);
  nyomtato.clearLog();
  EXPECT_EQ(PrintCsAlloBoritek({{40000, true}}, a.lap, platform, set, boritek, hely).lapok, 1);
  EXPECT_EQ(printed::at(printed::page(nyomtato).texts, 0).text, QStringLiteral("Negyvenezredik"));

  // No row selected: nothing printed.
  nyomtato.clearLog();
  EXPECT_EQ(PrintCsAlloBoritek({{3, false}}, a.lap, platform, set, boritek, hely).lapok, 0);
  EXPECT_TRUE(nyomtato.documents().empty());
}

}  // namespace
