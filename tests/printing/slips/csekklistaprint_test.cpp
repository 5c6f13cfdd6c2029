// Payment slips for rows of the payer list on the recording printer: texts, fonts and
// positions in mm, the rows taken, the words fitting, the print switches and the errors.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklistaprint.h"
#include "slipexpect.h"
#include "support/tempfolder.h"

namespace {

using namespace slip;

// The factory layout with the payment deadline taken from the payer record.
SetRekord listLayout() {
  SetRekord s = factoryLayout();
  s.FizHat = QStringLiteral("Fiz. hat.:");
  s.FizHatBeolvas = -1;
  return s;
}

NevekRekord payer(const QString& nev, int32_t osszeg) {
  NevekRekord n;
  n.Nev = nev;
  n.Helyseg = QStringLiteral("budapest");
  n.Cim = QStringLiteral("Fő utca 1. ");
  n.Irsz = QStringLiteral("1011");
  n.Osszegek[0] = osszeg;
  n.BefizAzonosito = QStringLiteral(" AZ-123");
  n.FizHatIdo = QStringLiteral("2026.12.19");
  return n;
}

// Factory layout, amount 12345, standing feed. Figures 12 pt (2.4 mm a character), texts
// 10 pt (2 mm a character, 4 mm a line). The words measure 66 mm: two lines.
std::vector<Expected> standing() {
  return {
      {"***", 25, 7, A, 12}, {"12345", 32.2, 7, A, 12}, {"***", 44.2, 7, A, 12},
      {"***", 90, 7, A, 12}, {"12345", 97.2, 7, A, 12}, {"***", 109.2, 7, A, 12},
      {"Első sor", 160, 7, B, 10}, {"Saját közlemény", 160, 11, B, 10}, {"Harmadik", 160, 15, B, 10},
      {"*Tizenkettőezer-", 10, 17, B, 10}, {"háromszáznegyvenöt*", 10, 23, B, 10},
      {"*Tizenkettőezer-", 75, 17, B, 10}, {"háromszáznegyvenöt*", 75, 23, B, 10},
      {"AZ-123", 87, 40, A, 12},
      {"Tagdíj", 32, 33, B, 10}, {"Saját közlemény", 32, 37, B, 10}, {"2026. év", 32, 41, B, 10},
      {"Fiz. hat.: 2026.12.19", 32, 45, B, 10},
      {"Kovács Éva", 10, 54, B, 10}, {"BUDAPEST", 10, 58, B, 10}, {"Fő utca 1.", 10, 62, B, 10},
      {"1011  ", 10, 68, B, 10},
      {"Kovács Éva", 145, 54, B, 10}, {"BUDAPEST", 145, 58, B, 10}, {"Fő utca 1.", 145, 62, B, 10},
      {"1011  ", 145, 68, B, 10},
  };
}

// Lying feed: the stored positions, the name lines 3 mm below the block's Y.
std::vector<Expected> lying() {
  return {
      {"***", 15, 6, A, 12}, {"12345", 22.2, 6, A, 12}, {"***", 34.2, 6, A, 12},
      {"***", 80, 6, A, 12}, {"12345", 87.2, 6, A, 12}, {"***", 99.2, 6, A, 12},
      {"Első sor", 150, 5, B, 10}, {"Saját közlemény", 150, 9, B, 10}, {"Harmadik", 150, 13, B, 10},
      {"*Tizenkettőezer-", 2, 15, B, 10}, {"háromszáznegyvenöt*", 2, 22, B, 10},
      {"*Tizenkettőezer-", 68, 15, B, 10}, {"háromszáznegyvenöt*", 68, 22, B, 10},
      {"AZ-123", 80, 40, A, 12},
      {"Tagdíj", 25, 33, B, 10}, {"Saját közlemény", 25, 37, B, 10}, {"2026. év", 25, 41, B, 10},
      {"Fiz. hat.: 2026.12.19", 25, 45, B, 10},
      {"Kovács Éva", 5, 53, B, 10}, {"BUDAPEST", 5, 57, B, 10}, {"Fő utca 1.", 5, 61, B, 10},
      {"1011  ", 5, 68, B, 10},
      {"Kovács Éva", 140, 53, B, 10}, {"BUDAPEST", 140, 57, B, 10}, {"Fő utca 1.", 140, 61, B, 10},
      {"1011  ", 140, 68, B, 10},
  };
}

using printed::textAt;

class SlipList : public testing::Test {
 protected:
  void SetUp() override {
    save(listLayout());
    RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
    RecordFile kozl(folder.path(), kKozl3sorFile, Kozl3sorRekord::Length);
    const NevekRekord rows[] = {payer(QStringLiteral(" Kovács Éva "), 12345), payer(QStringLiteral("Nagy Ödön"), 500),
                                payer(QStringLiteral("Szabó Pál"), 0)};
    for (const NevekRekord& n : rows) {
      nevek.append(n);
      Kozl3sorRekord k;
      k.Kozlemeny = QStringLiteral("Saját közlemény");
      kozl.append(k);
    }
    lap.Kozlemeny1 = QStringLiteral("Első sor");
    lap.Kozlemeny2 = QStringLiteral("Harmadik");
    lap.txtJogcim1 = QStringLiteral("Tagdíj");
    lap.txtJogcim2 = QStringLiteral("2026. év");
    platform.printDialog = &dialogs;
  }
  void save(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  void change(const std::function<void(SetRekord&)>& f) {
    SetRekord s = listLayout();
    f(s);
    save(s);
  }
  PrintResult allo(const std::vector<CsoportSor>& s) { return PrintCsAlloCsekk(s, lap, platform, set); }
  PrintResult fekvo(const std::vector<CsoportSor>& s) { return PrintCsFekvoCsekk(s, lap, platform, set); }
  const PrintedDocument& doc() {
    EXPECT_EQ(printer.documents().size(), 1u);
    return printed::doc(printer);
  }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  RecordedPrintDialogs dialogs;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  CsekkLapSzovegek lap;
  // Displayed order 3, 1, 2; rows 3 and 1 selected.
  const std::vector<CsoportSor> list{{3, false}, {1, true}, {2, false}};
  const std::vector<CsoportSor> list2{{3, true}, {1, true}, {2, false}};
};

TEST_F(SlipList, StandingFactoryLayout) {
  const PrintResult r = allo(list);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 1);
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& page = printed::at(doc().pages, 0);
  expectTexts(printed::filled(page.texts), standing());
  EXPECT_EQ(page.orientation, kLandscape);
  EXPECT_EQ(page.paper, kPaperDL);
  EXPECT_NEAR(page.widthMm, 220, 1e-6);
  EXPECT_NEAR(page.heightMm, 110, 1e-6);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].names, RecordingPrinter::defaultPrinters());
  // What the print leaves for the shared copies.
  ASSERT_TRUE(r.utolso);
  EXPECT_EQ(r.utolso->Nevek.Nev.trimmed(), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(r.utolso->Kozl3sor.Kozlemeny.trimmed(), QStringLiteral("Saját közlemény"));
  EXPECT_EQ(r.utolso->AzazOsszeg, 12345);
  ASSERT_TRUE(r.utolso->Azaz);
  EXPECT_EQ(r.utolso->Azaz->ezresek, QStringLiteral("Tizenkettőezer-"));
  EXPECT_FALSE(r.utolso->lbOsszeg);
  EXPECT_EQ(set.Osszeg_x1, mm(15));
}

TEST_F(SlipList, LyingFactoryLayout) {
  const PrintResult r = fekvo(list);
  EXPECT_TRUE(r.printed);
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& page = printed::at(doc().pages, 0);
  expectTexts(printed::filled(page.texts), lying());
  EXPECT_EQ(page.orientation, kPortrait);
  EXPECT_NEAR(page.widthMm, 210, 1e-6);
  EXPECT_NEAR(page.heightMm, 105, 1e-6);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(r.utolso && r.utolso->lbOsszeg);
  EXPECT_EQ(*r.utolso->lbOsszeg, QStringLiteral("12345"));
}

TEST_F(SlipList, RowsInDisplayedOrderOnePerPage) {
  // Standing: the selected rows, then every row with automatic printing on.
  allo(list2);
  ASSERT_EQ(doc().pages.size(), 2u);
  EXPECT_EQ(textAt(printed::at(doc().pages, 0), 10, 54), QStringLiteral("Szabó Pál"));
  EXPECT_EQ(textAt(printed::at(doc().pages, 1), 10, 54), QStringLiteral("Kovács Éva"));
  printer.clearLog();
  change([](SetRekord& s) { s.AutoPrint = 1; });
  const PrintResult r = allo(list);
  EXPECT_EQ(r.lapok, 3);
  ASSERT_EQ(doc().pages.size(), 3u);
  EXPECT_EQ(textAt(printed::at(doc().pages, 2), 10, 54), QStringLiteral("Nagy Ödön"));
  EXPECT_EQ(r.utolso->Nevek.Nev.trimmed(), QStringLiteral("Nagy Ödön"));
  EXPECT_EQ(printer.events().filter(QStringLiteral("endDoc")).size(), 1);
  // Lying: automatic printing changes nothing.
  printer.clearLog();
  EXPECT_EQ(fekvo(list).lapok, 1);
}

// A text font the printer does not have: every slip in the factory text font (the words
// measured in it), said once for the whole list; no step fails.
TEST_F(SlipList, AMissingTextFontIsSaidOnceForTheList) {
  change([](SetRekord& s) { s.BetuTipus2 = QStringLiteral("Garamond CE"); });
  const PrintResult r = allo(list2);
  ASSERT_EQ(doc().pages.size(), 2u);
  for (const PrintedPage& p : doc().pages)
    for (const PrintedText& t : p.texts) EXPECT_TRUE(t.font == printed::A || t.font == printed::B) << t.font.toStdString();
  EXPECT_TRUE(r.hibatlan);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A szövegek betűtípusa („Garamond CE”)")));
  EXPECT_FALSE(messages.shown[0].text.contains(QStringLiteral("\r\n")));  // one line for both slips
}

TEST_F(SlipList, NoRowSelected) {
  const std::vector<CsoportSor> none{{1, false}, {2, false}};
  const PrintResult r = allo(none);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(r.utolso);
  EXPECT_TRUE(fekvo(none).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SlipList, RowsWithoutPayerRecordAreSkipped) {
  const PrintResult r = allo({{0, true}, {2, true}, {99, true}, {-4, true}});
  EXPECT_EQ(r.lapok, 1);
  ASSERT_EQ(doc().pages.size(), 1u);
  EXPECT_EQ(textAt(printed::at(doc().pages, 0), 10, 54), QStringLiteral("Nagy Ödön"));
}

TEST_F(SlipList, RecordNumbersBeyondSixteenBits) {
  // 16-bit record numbers would stop here: record 40000 prints like any other.
  TempFolder big;
  ASSERT_TRUE(saveSettings(big.path(), kSetFile, listLayout()));
  big.put(kNevekFile, QByteArray(39999 * NevekRekord::Length, '\0'));
  RecordFile(big.path(), kNevekFile, NevekRekord::Length).append(payer(QStringLiteral("Utolsó Ede"), 7));
  platform.folder = big.path();
  EXPECT_EQ(allo({{40000, true}}).lapok, 1);
  EXPECT_EQ(textAt(printed::at(doc().pages, 0), 10, 54), QStringLiteral("Utolsó Ede"));
}

TEST_F(SlipList, WordsFitting) {
  // 500: "ötszáz" fits the 45 mm: one line between two marks, nothing capitalised, an empty
  // second line still placed.
  allo({{2, true}});
  const PrintedPage& p = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(p, 10, 17), QStringLiteral("*ötszáz*"));
  EXPECT_EQ(textAt(p, 10, 23), QString());
  EXPECT_EQ(textAt(p, 75, 17), QStringLiteral("*ötszáz*"));
  EXPECT_EQ(textAt(p, 32.2, 7), QStringLiteral("500"));
}

TEST_F(SlipList, AmountZero) {
  // Standing: no amount copies, empty words lines, the rest as usual; no words written.
  const PrintResult r = allo({{3, true}});
  const PrintedPage& p = printed::at(doc().pages, 0);
  for (const PrintedText& t : p.texts) EXPECT_NE(t.text, QStringLiteral("***"));
  EXPECT_EQ(textAt(p, 10, 17), QString());
  EXPECT_EQ(textAt(p, 160, 7), QStringLiteral("Első sor"));
  EXPECT_EQ(printed::filled(p.texts).size(), standing().size() - 10);
  EXPECT_FALSE(r.utolso->Azaz);
  // Lying: "***0***" and two bare marks.
  printer.clearLog();
  const PrintResult f = fekvo({{3, true}});
  const PrintedPage& q = printed::at(doc().pages, 0);
  EXPECT_EQ(textAt(q, 15, 6), QStringLiteral("***"));
  EXPECT_EQ(textAt(q, 22.2, 6), QStringLiteral("0"));
  EXPECT_EQ(textAt(q, 2, 15), QStringLiteral("**"));
  EXPECT_EQ(textAt(q, 68, 15), QStringLiteral("**"));
  EXPECT_EQ(*f.utolso->lbOsszeg, QStringLiteral("0"));
}

TEST_F(SlipList, LegalTitleLines) {
  lap.chkBefAzonMasolasa = true;
  change([](SetRekord& s) { s.FizHatBeolvas = 0; });
  allo(list2);
  for (const PrintedPage& p : doc().pages) {
    EXPECT_EQ(textAt(p, 32, 41), QStringLiteral("AZ-123"));
    EXPECT_EQ(textAt(p, 32, 45), QStringLiteral(" "));
  }
}

TEST_F(SlipList, SwitchesAndCorrection) {
  // Amount and words off: only those items go.
  change([](SetRekord& s) { s.Nyomtatando[0] = 0, s.Nyomtatando[1] = 0; });
  allo(list);
  std::vector<Expected> want = standing();
  want.erase(want.begin() + 9, want.begin() + 13);
  want.erase(want.begin(), want.begin() + 6);
  expectTexts(printed::filled(printed::at(doc().pages, 0).texts), want);

  // No name: the name's line stays empty and the address keeps its place below it.
  printer.clearLog();
  change([](SetRekord& s) { s.Nyomtatando.fill(0), s.Nyomtatando[3] = -1; });
  allo(list);
  const std::vector<PrintedText> t = printed::filled(printed::at(doc().pages, 0).texts);
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0].text, " ");
  EXPECT_NEAR(t[0].y, 54, 1e-4);
  EXPECT_EQ(t[1].text, "BUDAPEST");
  EXPECT_NEAR(t[1].x, 10, 1e-4);
  EXPECT_NEAR(t[1].y, 58, 1e-4);
  EXPECT_NEAR(t[3].y, 68, 1e-4);
  EXPECT_EQ(t[5].text, "BUDAPEST");
  EXPECT_NEAR(t[5].x, 145, 1e-4);
  EXPECT_NEAR(t[5].y, 58, 1e-4);

  // The correction moves every standing X, never a lying one.
  printer.clearLog();
  change([](SetRekord& s) { s.Vkorrekcio = -3; });
  allo(list);
  expectTexts(printed::filled(printed::at(doc().pages, 0).texts), standing(), {.dx = -3});
  printer.clearLog();
  fekvo(list);
  expectTexts(printed::filled(printed::at(doc().pages, 0).texts), lying());
}

TEST_F(SlipList, PrinterChoiceAndDialog) {
  // The saved printer is current when the dialog opens; the one picked there prints.
  change([](SetRekord& s) { s.AlapNyomtato = 0, s.NyomtatoIndex = 1; });
  dialogs.answers.push_back(0);
  allo(list);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].current, 1);
  EXPECT_EQ(doc().printer, QStringLiteral("Nyomtató A"));
  // Lying: the saved printer, no dialog.
  printer.clearLog();
  fekvo(list);
  EXPECT_EQ(doc().printer, QStringLiteral("Nyomtató B"));
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SlipList, StandingErrorsCancelWithMessage) {
  // Cancel in the dialog: nothing printed, the message.
  dialogs.answers.push_back(std::nullopt);
  EXPECT_FALSE(allo(list).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("Hiba kódszáma: 32755\r\nA nyomtatást a Mégse gombbal megszakította.\r\n"));
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("! HIBA !"));
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);

  // A saved printer that is not installed: the message before any dialog.
  messages.shown.clear();
  dialogs.shown.clear();
  change([](SetRekord& s) { s.AlapNyomtato = 0, s.NyomtatoIndex = 2; });
  EXPECT_FALSE(allo(list).printed);
  EXPECT_TRUE(dialogs.shown.empty());
  printed::missingPrinterSaid(messages);

  // A failure on the second slip throws the first one away too.
  messages.shown.clear();
  change([](SetRekord&) {});
  printer.failOnText.insert(QStringLiteral("Kovács Éva"), PrinterError{482, QStringLiteral("Nyomtatóhiba")});
  EXPECT_FALSE(allo(list2).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("Hiba kódszáma: 482\r\nNyomtatóhiba\r\n"));
}

TEST_F(SlipList, LyingErrorsCancelSilently) {
  change([](SetRekord& s) { s.AlapNyomtato = 0, s.NyomtatoIndex = 2; });
  EXPECT_FALSE(fekvo(list).printed);
  printed::missingPrinterSaid(messages);
  change([](SetRekord&) {});
  printer.failOnText.insert(QStringLiteral("Kovács Éva"), PrinterError{482, QStringLiteral("Nyomtatóhiba")});
  EXPECT_FALSE(fekvo(list2).printed);
  change([](SetRekord& s) { s.BetuMeret2 = 0; });
  printer.failOnText.clear();
  EXPECT_FALSE(fekvo(list).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SlipList, MissingFilesPrintNothing) {
  TempFolder empty;
  platform.folder = empty.path();
  const PrintResult r = allo(list);
  // A missing Set.dat selects printer 0 and blank fonts; the empty payer file holds no row.
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 0);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(empty.exists(kNevekFile));
}

}  // namespace
