// Money orders for rows of the payer list on the recording printer: texts, fonts and positions
// in mm of both sides in both feeds, the fixed party, the words lines, the print switches, the
// rows taken and the errors.
#include <gtest/gtest.h>

#include <tuple>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "payerstore/nevekrekord.h"
#include "printing/orders/rcsekklista.h"
#include "printing/orders/rcsekkprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using namespace printed;

NevekRekord payer(const QString& nev, int32_t osszeg) {
  NevekRekord n;
  n.Nev = nev;
  n.Helyseg = QStringLiteral("Budapest ");
  n.Cim = QStringLiteral(" Fő utca 1.");
  n.Irsz = QStringLiteral("1011");
  n.Osszegek[0] = osszeg;
  return n;
}

// Factory layout, amount 12345 (the words measure 66 mm: two lines). Figures 12 pt, 2.4 mm a
// character; texts 10 pt, 2 mm a character, 4 mm a line.
std::vector<Expected> standingFront() {
  return {
      {"***", 15, 7, A, 12}, {"12345", 22.2, 7, A, 12}, {"***", 34.2, 7, A, 12},
      {"***", 80, 7, A, 12}, {"12345", 87.2, 7, A, 12}, {"***", 99.2, 7, A, 12},
      {"***", 80, 36, A, 12}, {"12345", 87.2, 36, A, 12}, {"***", 99.2, 36, A, 12},
      {"*Tizenkettőezer-", 11, 17, B, 10}, {"háromszáznegyvenöt*", 11, 23, B, 10},
      {"*Tizenkettőezer-", 75, 46, B, 10}, {"háromszáznegyvenöt*", 75, 52, B, 10},
      // The postcode keeps its two padding blanks, the comma has none after it.
      {"Kovács Éva", 75, 15, B, 10}, {"1011   Budapest,Fő utca 1.", 75, 19, B, 10},
      // The recipient blocks at the text size, as the single print and the lying list.
      {"Nagy Pál", 9, 61, B, 10}, {"Győr", 9, 65, B, 10}, {"Baross út 2.", 9, 69, B, 10},
      {"9021", 9, 77, B, 10},
      {"Nagy Pál", 147, 61, B, 10}, {"Győr", 147, 65, B, 10}, {"Baross út 2.", 147, 69, B, 10},
      {"9021", 147, 77, B, 10},
  };
}

// Lying: the stored positions with the lying offsets, the recipient at the text size.
std::vector<Expected> lyingFront() {
  return {
      {"***", 5, 4, A, 12}, {"12345", 12.2, 4, A, 12}, {"***", 24.2, 4, A, 12},
      {"***", 70, 4, A, 12}, {"12345", 77.2, 4, A, 12}, {"***", 89.2, 4, A, 12},
      {"***", 70, 33, A, 12}, {"12345", 77.2, 33, A, 12}, {"***", 89.2, 33, A, 12},
      {"*Tizenkettőezer-", 3, 15, B, 10}, {"háromszáznegyvenöt*", 3, 22, B, 10},
      {"*Tizenkettőezer-", 68, 44, B, 10}, {"háromszáznegyvenöt*", 68, 51, B, 10},
      {"Kovács Éva", 70, 13, B, 10}, {"1011   Budapest,Fő utca 1.", 75, 17, B, 10},
      {"Nagy Pál", 5, 58, B, 10}, {"Győr", 5, 62, B, 10}, {"Baross út 2.", 5, 66, B, 10}, {"9021", 5, 74, B, 10},
      {"Nagy Pál", 140, 58, B, 10}, {"Győr", 140, 62, B, 10}, {"Baross út 2.", 140, 66, B, 10},
      {"9021", 140, 74, B, 10},
  };
}

// The back: the sender block, an empty line, the postcode at the block's X, the notices.
std::vector<Expected> standingBack(const QString& nev = QStringLiteral("Kovács Éva")) {
  return {
      {nev, 86, 61, B, 10},      {"Budapest", 86, 65, B, 10}, {"Fő utca 1.", 86, 69, B, 10}, {"", 0, 73, B, 10},
      {"1011", 86, 77, B, 10},   {"Első", 79, 5, B, 10},      {"Második", 79, 9, B, 10},     {"", 79, 13, B, 10},
      {"Negyedik", 79, 17, B, 10},
  };
}

using printed::textAt;

class OrderList : public testing::Test {
 protected:
  void SetUp() override {
    flags({});
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    r.RcsekkNev = QStringLiteral("Egyesület ");
    r.RcsekkHelyseg = QStringLiteral("Pécs");
    r.RcsekkCim = QStringLiteral("Fő tér 1. ");
    r.RcsekkIrszam = QStringLiteral("7621");
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
    RecordFile kozl(folder.path(), kKozl3sorFile, Kozl3sorRekord::Length);
    for (const NevekRekord& n : {payer(QStringLiteral(" Kovács Éva "), 12345), payer(QStringLiteral("Szabó Pál"), 500),
                                 payer(QStringLiteral("Tóth Ede"), 2000), payer(QStringLiteral("Kis Ida"), 0)}) {
      nevek.append(n);
      Kozl3sorRekord k;
      k.Kozlemeny = QStringLiteral("Saját");
      kozl.append(k);
    }
    lap.cmdOldalCsere = kRcsekkElolap;
    lap.RlbNev = QStringLiteral("Nagy Pál ");
    lap.RlbHelys = QStringLiteral("Győr");
    lap.RlbCim = QStringLiteral(" Baross út 2.");
    lap.RlbIrsz = QStringLiteral("9021");
    lap.RcsekkKozlemenyHatul = {QStringLiteral(" Első"), QStringLiteral("Második"), QString(), QStringLiteral("Negyedik")};
    platform.printDialog = &dialogs;
  }
  void flags(std::initializer_list<int> off) {
    SetRekord s;
    s.Nyomtatando.fill(-1);
    s.AlapNyomtato = -1;
    for (int i : off) s.Nyomtatando[size_t(i)] = 0;
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  }
  PrintResult allo(const std::vector<CsoportSor>& s) { return PrintCsAlloRcsekk(s, lap, platform, set, rcsekk); }
  PrintResult fekvo(const std::vector<CsoportSor>& s) {
    return PrintCsFekvoRcsekk(s, lap, platform, set, rcsekk);
  }
  const PrintedDocument& doc() {
    EXPECT_EQ(printer.documents().size(), 1u);
    return printed::doc(printer);
  }
  // The words lines of the first copy of a one-row print.
  std::pair<QString, QString> words(int32_t row) {
    printer.clearLog();
    allo({{row, true}});
    const PrintedPage& p = printed::at(doc().pages, 0);
    return {textAt(p, 11, 17), textAt(p, 11, 23)};
  }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  RecordedPrintDialogs dialogs;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  RcsekkListaLap lap;
  // Displayed order 3, 1, 2; row 1 selected.
  const std::vector<CsoportSor> list{{3, false}, {1, true}, {2, false}};
};

TEST_F(OrderList, StandingFront) {
  const PrintResult r = allo(list);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 1);
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& page = printed::at(doc().pages, 0);
  expectTexts(page.texts, standingFront());
  EXPECT_EQ(page.orientation, kLandscape);
  EXPECT_EQ(page.paper, kPaperDL);
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(dialogs.shown.size(), 1u);
  // What the print leaves for the shared copies.
  ASSERT_TRUE(r.utolso);
  EXPECT_EQ(r.utolso->Nevek.Nev.trimmed(), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(r.utolso->Kozl3sor.Kozlemeny.trimmed(), QStringLiteral("Saját"));
  EXPECT_EQ(r.utolso->AzazOsszeg, 12345);
  ASSERT_TRUE(r.utolso->Azaz);
  EXPECT_EQ(r.utolso->Azaz->ezresek, QStringLiteral("Tizenkettőezer-"));
  EXPECT_EQ(rcsekk.RcsekkNev.trimmed(), QStringLiteral("Egyesület"));
  EXPECT_EQ(set.AlapNyomtato, -1);
}

TEST_F(OrderList, LyingPrintsTheFrontWhateverTheSide) {
  lap.cmdOldalCsere = kRcsekkHatlap;
  const PrintResult r = fekvo(list);
  EXPECT_TRUE(r.printed);
  ASSERT_EQ(doc().pages.size(), 1u);
  expectTexts(printed::at(doc().pages, 0).texts, lyingFront());
  EXPECT_EQ(printed::at(doc().pages, 0).orientation, kPortrait);  // no page set-up of its own
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(OrderList, StandingBackForEverySelectedRow) {
  lap.cmdOldalCsere = kRcsekkHatlap;
  flags({0, 1, 2, 3});  // the back has no switches
  const PrintResult r = allo({{1, true}, {2, true}});
  EXPECT_EQ(r.lapok, 2);
  ASSERT_EQ(doc().pages.size(), 2u);
  expectTexts(printed::at(doc().pages, 0).texts, standingBack());
  expectTexts(printed::at(doc().pages, 1).texts, standingBack(QStringLiteral("Szabó Pál")));
  // No words were made for a back.
  ASSERT_TRUE(r.utolso);
  EXPECT_FALSE(r.utolso->Azaz);
}

TEST_F(OrderList, FixedSenderAndThePayerAsRecipient) {
  lap.opAllando0 = false;
  fekvo(list);
  const PrintedPage& p = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(p, 70, 13), QStringLiteral("Egyesület"));
  EXPECT_EQ(textAt(p, 75, 17), QStringLiteral("7621 Pécs,Fő tér 1."));
  for (const double x : {5.0, 140.0}) {
    EXPECT_EQ(textAt(p, x, 58), QStringLiteral("Kovács Éva"));
    EXPECT_EQ(textAt(p, x, 62), QStringLiteral("Budapest"));
    EXPECT_EQ(textAt(p, x, 66), QStringLiteral("Fő utca 1."));
    EXPECT_EQ(textAt(p, x, 74), QStringLiteral("1011"));
  }
  // The back shows the fixed party as sender.
  printer.clearLog();
  lap.cmdOldalCsere = kRcsekkHatlap;
  allo(list);
  const PrintedPage& b = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(b, 86, 61), QStringLiteral("Egyesület"));
  EXPECT_EQ(textAt(b, 86, 65), QStringLiteral("Pécs"));
  EXPECT_EQ(textAt(b, 86, 69), QStringLiteral("Fő tér 1."));
  EXPECT_EQ(textAt(b, 86, 77), QStringLiteral("7621"));

  // A fixed party with a three-digit postcode keeps its padding blank; one with no address
  // gives an empty line, not a lone comma.
  for (const auto& [irsz, helyseg, cim, sor] :
       {std::tuple{"800 ", "Eger", "Dobó tér 1.", "800  Eger,Dobó tér 1."}, std::tuple{"", "", "", ""}}) {
    SetRcsekkRekord r = rcsekk;
    r.RcsekkIrszam = QString::fromUtf8(irsz);
    r.RcsekkHelyseg = QString::fromUtf8(helyseg);
    r.RcsekkCim = QString::fromUtf8(cim);
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    printer.clearLog();
    fekvo(list);
    EXPECT_EQ(textAt(printed::at(doc().pages, 0), 75, 17), QString::fromUtf8(sor));
  }
}

TEST_F(OrderList, WordsLines) {
  // Two lines when wider than 45 mm, the thousands capitalised.
  EXPECT_EQ(words(1), std::make_pair(QStringLiteral("*Tizenkettőezer-"), QStringLiteral("háromszáznegyvenöt*")));
  // Below one thousand: lower case, one line; the second line is still placed, empty.
  EXPECT_EQ(words(2), std::make_pair(QStringLiteral("*ötszáz*"), QString()));
  // Thousands that fit: one line with a capital.
  EXPECT_EQ(words(3), std::make_pair(QStringLiteral("*Kettőezer-*"), QString()));
  // No words for 0: the two marks alone; the amount copies still print.
  EXPECT_EQ(words(4), std::make_pair(QStringLiteral("**"), QString()));
  EXPECT_EQ(textAt(printed::at(doc().pages, 0), 22.2, 7), QStringLiteral("0"));
}

TEST_F(OrderList, PrintSwitches) {
  // Amounts off: none of the three, the words still.
  flags({0});
  allo(list);
  const PrintedPage& p = printed::at(doc().pages, 0);
  for (const PrintedText& t : p.texts) EXPECT_NE(t.font, A) << t.text.toStdString();
  EXPECT_EQ(textAt(p, 11, 17), QStringLiteral("*Tizenkettőezer-"));
  EXPECT_EQ(textAt(p, 75, 15), QStringLiteral("Kovács Éva"));

  // Name off: a blank on the name's own line, the address in its place below it.
  printer.clearLog();
  flags({2});
  allo(list);
  const PrintedPage& q = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(q, 75, 15), QStringLiteral("<none>"));
  EXPECT_EQ(textAt(q, 0, 15), QStringLiteral(" "));
  EXPECT_EQ(textAt(q, 75, 19), QStringLiteral("1011   Budapest,Fő utca 1."));

  // Words off, address off: the recipient blocks stay.
  printer.clearLog();
  flags({1, 3});
  allo(list);
  const PrintedPage& w = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(w, 11, 17), QStringLiteral("<none>"));
  EXPECT_EQ(textAt(w, 75, 19), QStringLiteral("<none>"));
  EXPECT_EQ(textAt(w, 9, 61), QStringLiteral("Nagy Pál"));
  EXPECT_EQ(textAt(w, 147, 77), QStringLiteral("9021"));
}

TEST_F(OrderList, RowsInDisplayedOrderOnePerPage) {
  // Rows 3 and 1 selected, row 2 between them is not, row 9 names no record.
  const PrintResult r = allo({{3, true}, {2, false}, {9, true}, {1, true}});
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 2);
  ASSERT_EQ(doc().pages.size(), 2u);
  EXPECT_EQ(textAt(printed::at(doc().pages, 0), 75, 15), QStringLiteral("Tóth Ede"));
  EXPECT_EQ(textAt(printed::at(doc().pages, 1), 75, 15), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(printer.events().filter(QStringLiteral("endDoc")).size(), 1);
}

TEST_F(OrderList, NoRowSelected) {
  const PrintResult r = allo({{1, false}, {2, false}});
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 0);
  EXPECT_FALSE(r.utolso);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  for (const PrintedDocument& d : printer.documents())
    for (const PrintedPage& p : d.pages) EXPECT_TRUE(p.texts.empty());
  EXPECT_FALSE(printer.documentOpen());
}

TEST_F(OrderList, ErrorsCancelWithMessage) {
  // Cancel in the dialog: nothing printed, the message.
  dialogs.answers.push_back(std::nullopt);
  EXPECT_FALSE(fekvo(list).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("Hiba kódszáma: 32755\r\nA nyomtatást a Mégse gombbal megszakította.\r\n"));
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("! HIBA !"));
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);

  // A failure on the second form throws the first one away too.
  messages.shown.clear();
  printer.failOnText.insert(QStringLiteral("Kovács Éva"), PrinterError{482, QStringLiteral("Nyomtatóhiba")});
  EXPECT_FALSE(allo({{3, true}, {1, true}}).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("Hiba kódszáma: 482\r\nNyomtatóhiba\r\n"));
}

// End to end: two standing fronts printed by the program's printer into a PDF file.
TEST(OrderListPdf, StandingFrontsOnePerPage) {
  if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord s;
  s.Nyomtatando.fill(-1);
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
  ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
  RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
  nevek.append(payer(QStringLiteral("Kovács Éva"), 12345));
  nevek.append(payer(QStringLiteral("Szabó Pál"), 500));
  nevek.close();
  RcsekkListaLap lap;
  lap.cmdOldalCsere = kRcsekkElolap;
  lap.RlbNev = QStringLiteral("Nagy Pál");
  lap.RlbIrsz = QStringLiteral("9021");
  SetRekord set;
  SetRcsekkRekord rcsekk;
  ASSERT_TRUE(PrintCsAlloRcsekk({{2, true}, {1, true}}, lap, platform, set, rcsekk).printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  for (const pdf::Page& p : pages) {
    EXPECT_NEAR(p.widthMm, 220, 0.5);
    EXPECT_NEAR(p.heightMm, 110, 0.5);
    pdf::expectWord(p, "Nagy", 9, 61);
    pdf::expectWord(p, "9021", 147, 77);
  }
  pdf::expectWord(printed::at(pages, 0), "***500***", 15, 7);
  pdf::expectWord(printed::at(pages, 0), "*ötszáz*", 11, 17);
  pdf::expectWord(printed::at(pages, 0), "Szabó", 75, 15);
  pdf::expectWord(printed::at(pages, 1), "***12345***", 80, 36);
  pdf::expectWord(printed::at(pages, 1), "háromszáznegyvenöt*", 75, 52);
  pdf::expectWord(printed::at(pages, 1), "Kovács", 75, 15);
}

}  // namespace
