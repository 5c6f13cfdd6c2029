// Cash-on-delivery forms for the payer list on the recording printer: texts, fonts and
// positions in mm of both sides in both feeds, the rows taken, the words per row, the marks,
// the page set-up and the errors.
#include <gtest/gtest.h>

#include <QFile>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/ulaplista.h"
#include "printing/orders/ulapprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::A;
using printed::B;
using printed::Expected;

// Never bold. (An object, so that the shared overload is not found as well.)
const auto expectTexts = [](const std::vector<PrintedText>& got, const std::vector<Expected>& want) {
  printed::expectTexts(got, want, {.plain = true});
};

NevekRekord payer(const QString& nev, const QString& irsz, int32_t osszeg) {
  NevekRekord n;
  n.Nev = nev;
  n.Helyseg = QStringLiteral(" Győr");
  n.Cim = QStringLiteral("Baross út 2.");
  n.Irsz = irsz;
  n.Osszegek[0] = osszeg;
  n.Nev2 = QStringLiteral("nem nyomtatott");
  return n;
}

// Texts of the payer record come back padded to their field widths.
QString pad(const char* s, int n) { return QString::fromUtf8(s).leftJustified(n); }
const QString kNev = pad("Kovács Éva", 36);
const QString kCimSor = QStringLiteral("9021   Győr, ") + pad("Baross út 2.", 45);

// Row 1 (12500, words on one line), factory layouts, standing feed, both marks ticked.
// Figures 12 pt (2.4 mm a character), texts 10 pt (2 mm a character, 4 mm a line).
std::vector<Expected> standingFront() {
  return {
      {"***", 75, 8, A, 12}, {"12500", 82.2, 8, A, 12}, {"***", 94.2, 8, A, 12},
      {"***", 75, 38, A, 12}, {"12500", 82.2, 38, A, 12}, {"***", 94.2, 38, A, 12},
      {"X", 119, 1, A, 24}, {"X", 119, 11, A, 24},
      {kNev, 72, 16, B, 10}, {kCimSor, 72, 20, B, 10},
      {"*Tizenkettőezer-ötszáz*", 73, 47, B, 10}, {"", 73, 51, B, 10},
      {"Pénzügyi Iroda", 144, 63, B, 10}, {"Székesfehérvár", 144, 67, B, 10}, {" Fő utca 12.", 144, 71, B, 10},
      {"8000", 144, 75, B, 10},
  };
}

std::vector<Expected> lyingFront() {
  return {
      {"***", 36, 5, A, 12}, {"12500", 43.2, 5, A, 12}, {"***", 55.2, 5, A, 12},
      {"***", 36, 35, A, 12}, {"12500", 43.2, 35, A, 12}, {"***", 55.2, 35, A, 12},
      {"X", 81, 1, A, 24}, {"X", 81, 9, A, 24},
      {kNev, 31, 14, B, 10}, {kCimSor, 31, 18, B, 10},
      {"*Tizenkettőezer-ötszáz*", 36, 45, B, 10}, {"", 36, 49, B, 10},
      {"Pénzügyi Iroda", 105, 61, B, 10}, {"Székesfehérvár", 105, 65, B, 10}, {" Fő utca 12.", 105, 69, B, 10},
      {"8000", 105, 73, B, 10},
  };
}

std::vector<Expected> back(double x, double y) {
  return {{kNev, x, y, B, 10}, {pad(" Győr", 40), x, y + 4, B, 10}, {pad("Baross út 2.", 45), x, y + 8, B, 10},
          {pad("9021", 6), x, y + 12, B, 10}};
}

class UlapLista : public testing::Test {
 protected:
  void SetUp() override {
    SetRekord s;
    applyFactory(s, setFactory());
    s.AlapNyomtato = -1;
    saveSet(s);
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    SetUlapRekord u;
    applyFactory(u, ulapFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetUlapFile, u));
    RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
    nevek.append(payer(QStringLiteral("Kovács Éva"), QStringLiteral("9021"), 12500));
    nevek.append(payer(QStringLiteral("Nagy Ödön"), QString(), 700));
    nevek.append(payer(QStringLiteral("Szabó Pál"), QStringLiteral("1011"), 0));
    nevek.append(payer(QStringLiteral("Tóth Ilona"), QStringLiteral("1011"), 12345));

    lap.cmdUtanvetOdalCsere = kUlapElolap;
    lap.chkUtanvetR = 1;
    lap.chkUtanvetEL = 1;
    lap.lbUNev = QStringLiteral("Pénzügyi Iroda");
    lap.lbUHelyseg = QStringLiteral("Székesfehérvár");
    lap.lbUCim = QStringLiteral(" Fő utca 12.");
    lap.lbUIrszam = QStringLiteral("8000");
  }
  void saveSet(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  PrintResult allo(const std::vector<CsoportSor>& s) {
    return PrintCsAlloUlap(s, lap, platform, set, rcsekk, ulap);
  }
  PrintResult fekvo(const std::vector<CsoportSor>& s) {
    return PrintCsFekvoUlap(s, lap, platform, set, rcsekk, ulap);
  }
  const PrintedDocument& doc() {
    EXPECT_EQ(printer.documents().size(), 1u);
    return printed::doc(printer);
  }
  const PrintedText& at(size_t page, size_t i) { return printed::at(printed::at(doc().pages, page).texts, i); }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  SetUlapRekord ulap;
  UlapLapAllapot lap;
  const std::vector<CsoportSor> first{{2, false}, {1, true}};
};

TEST_F(UlapLista, StandingFrontOnADlLandscapeSheet) {
  const PrintResult r = allo(first);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 1);
  ASSERT_EQ(doc().pages.size(), 1u);  // the new page after the last form adds none
  const PrintedPage& page = printed::at(doc().pages, 0);
  expectTexts(page.texts, standingFront());
  EXPECT_EQ(page.orientation, kLandscape);
  EXPECT_EQ(page.paper, kPaperDL);
  EXPECT_NEAR(page.widthMm, 220, 1e-6);
  EXPECT_NEAR(page.heightMm, 110, 1e-6);
  EXPECT_TRUE(messages.shown.empty());
  // What the print leaves for the shared copies.
  ASSERT_TRUE(r.utolso);
  EXPECT_EQ(r.utolso->Nevek.Nev, kNev);
  EXPECT_EQ(r.utolso->AzazOsszeg, 12500);
  ASSERT_TRUE(r.utolso->Azaz);
  EXPECT_EQ(r.utolso->Azaz->ezresek, QStringLiteral("Tizenkettőezer-"));
  EXPECT_EQ(r.utolso->Azaz->egyesek, QStringLiteral("ötszáz"));
  EXPECT_EQ(ulap.UlapCim_x, Fixed::fromDouble(80));
  EXPECT_EQ(rcsekk.RcsekkBetuMeret1, 12);
  EXPECT_EQ(set.BetuMeret2, 10);
}

TEST_F(UlapLista, LyingFrontOnAFormSizedPage) {
  EXPECT_TRUE(fekvo(first).printed);
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& page = printed::at(doc().pages, 0);
  expectTexts(page.texts, lyingFront());  // the marks 8 mm apart
  EXPECT_NEAR(page.widthMm, 150, 1e-6);
  EXPECT_NEAR(page.heightMm, 105, 1e-6);
}

TEST_F(UlapLista, BackInBothFeeds) {
  lap.cmdUtanvetOdalCsere = kUlapHatlap;
  const PrintResult r = allo(first);
  expectTexts(printed::at(doc().pages, 0).texts, back(144, 64));
  // The words are worked out all the same.
  ASSERT_TRUE(r.utolso && r.utolso->Azaz);
  printer.clearLog();
  lap.cmdUtanvetOdalCsere = QStringLiteral("hátoldala");  // only the exact caption is the front
  fekvo(first);
  expectTexts(printed::at(doc().pages, 0).texts, back(106, 62));
}

TEST_F(UlapLista, RowsInDisplayedOrderOnePerPage) {
  const std::vector<CsoportSor> sorok{{4, true}, {2, true}, {3, false}, {1, true}, {9, true}, {0, true}};
  const PrintResult r = allo(sorok);
  EXPECT_EQ(r.lapok, 3);  // 9 and 0 name no record
  ASSERT_EQ(doc().pages.size(), 3u);
  EXPECT_EQ(at(0, 8).text.trimmed(), QStringLiteral("Tóth Ilona"));
  EXPECT_EQ(at(1, 8).text.trimmed(), QStringLiteral("Nagy Ödön"));
  EXPECT_EQ(at(2, 8).text.trimmed(), QStringLiteral("Kovács Éva"));
  EXPECT_EQ(printer.events().filter(QStringLiteral("endDoc")).size(), 1);
  // Every page carries the same payee and marks.
  for (size_t p = 0; p < 3; ++p) {
    EXPECT_EQ(at(p, 6).text, QStringLiteral("X"));
    EXPECT_EQ(at(p, 12).text, QStringLiteral("Pénzügyi Iroda"));
  }
  EXPECT_EQ(r.utolso->Nevek.Nev.trimmed(), QStringLiteral("Kovács Éva"));
}

TEST_F(UlapLista, WordsPerRow) {
  // 12345: 33 characters, 66 mm: two lines, the marks at their outer ends.
  allo({{4, true}});
  EXPECT_EQ(at(0, 10).text, QStringLiteral("*Tizenkettőezer-"));
  EXPECT_EQ(at(0, 11).text, QStringLiteral("háromszáznegyvenöt*"));
  EXPECT_NEAR(at(0, 11).y, 51, 1e-4);

  // 700: no thousands, lower case only; a blank postcode gives seven leading blanks.
  printer.clearLog();
  const PrintResult r = allo({{2, true}});
  EXPECT_EQ(at(0, 1).text, QStringLiteral("700"));
  EXPECT_EQ(at(0, 9).text, QStringLiteral("       Győr, ") + pad("Baross út 2.", 45));
  EXPECT_EQ(at(0, 10).text, QStringLiteral("*hétszáz*"));
  EXPECT_EQ(r.utolso->Azaz->ezresek, QString());

  // Measured in the font they are printed in: the slip's text size does not matter, the
  // form's does (at 40 pt even "hétszáz" is too wide and "*" stands alone).
  SetRekord s;
  applyFactory(s, setFactory());
  s.AlapNyomtato = -1;
  s.BetuMeret2 = 40;
  saveSet(s);
  printer.clearLog();
  allo({{2, true}});
  EXPECT_EQ(at(0, 10).text, QStringLiteral("*hétszáz*"));
  SetRcsekkRekord rc;
  applyFactory(rc, rcsekkFactory());
  rc.RcsekkBetuMeret2 = 40;
  ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, rc));
  printer.clearLog();
  allo({{2, true}});
  EXPECT_EQ(at(0, 10).text, QStringLiteral("*"));
  EXPECT_EQ(at(0, 11).text, QStringLiteral("hétszáz*"));
  EXPECT_EQ(at(0, 11).size, 40);
}

TEST_F(UlapLista, ZeroAmountPrintsEmptyAmountAndWords) {
  const PrintResult r = allo({{3, true}});
  const std::vector<PrintedText>& t = printed::at(doc().pages, 0).texts;
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(t[0].text, QString());
  EXPECT_NEAR(t[0].x, 75, 1e-4);
  EXPECT_NEAR(t[0].y, 8, 1e-4);
  EXPECT_EQ(t[1].text, QString());
  EXPECT_NEAR(t[1].y, 38, 1e-4);
  EXPECT_EQ(t[4].text.trimmed(), QStringLiteral("Szabó Pál"));
  EXPECT_EQ(t[6].text, QString());
  EXPECT_NEAR(t[6].y, 47, 1e-4);
  EXPECT_EQ(t[7].text, QString());
  EXPECT_NEAR(t[7].y, 51, 1e-4);
  EXPECT_EQ(t[8].text, QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(r.utolso->AzazOsszeg, 0);
  EXPECT_FALSE(r.utolso->Azaz);
}

TEST_F(UlapLista, MarksOnlyForTickedOptions) {
  lap.chkUtanvetR = 2;  // grey
  lap.chkUtanvetEL = 0;
  allo(first);
  std::vector<Expected> want = standingFront();
  want.erase(want.begin() + 6, want.begin() + 8);
  expectTexts(printed::at(doc().pages, 0).texts, want);
}

TEST_F(UlapLista, NoRowSelectedEndsAnEmptyDocument) {
  const PrintResult r = allo({{1, false}, {2, false}});
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 0);
  EXPECT_FALSE(r.utolso);
  EXPECT_TRUE(printer.documents().empty());  // ended with nothing in it
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(fekvo({}).printed);
  EXPECT_TRUE(printer.documents().empty());
}

TEST_F(UlapLista, ErrorsCancelTheWholeDocumentSilently) {
  printer.failOnText.insert(QStringLiteral("*hétszáz*"), printer_errors::printerFailed());
  const PrintResult r = fekvo({{1, true}, {2, true}});
  EXPECT_FALSE(r.printed);
  EXPECT_TRUE(printer.documents().empty());  // the first form is not printed either
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());

  printer.failOnText.clear();
  SetRekord s;
  applyFactory(s, setFactory());
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 5;  // not installed
  saveSet(s);
  EXPECT_FALSE(allo(first).printed);
  EXPECT_TRUE(printer.documents().empty());
  printed::missingPrinterSaid(messages);

  s.NyomtatoIndex = 1;
  saveSet(s);
  EXPECT_TRUE(allo(first).printed);
  EXPECT_EQ(doc().printer, QStringLiteral("Nyomtató B"));

  platform.printer = nullptr;
  EXPECT_FALSE(allo(first).printed);
}

TEST_F(UlapLista, MissingFilesReadAsBlanks) {
  ASSERT_TRUE(QFile::remove(folder.file(kNevekFile)));
  const PrintResult r = allo(first);
  EXPECT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 0);
}

}  // namespace
