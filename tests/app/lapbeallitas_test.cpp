// Every form printer sets its whole page: each form family's single and list print, standing
// and lying, comes out on its own sheet whatever was printed before it (paper, orientation and
// bold never carry over from the previous document), on the recording printer and in the PDF.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

#include "ablakfixture.h"
#include "common/qtprinter.h"
#include "layouts/elsoinditas.h"
#include "layouts/factory.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/listamodell.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "printing/slips/csekklap.h"
#include "support/pdfwords.h"

namespace {

struct Nyomtatas {
  const char* nev;
  int lap;
  bool csoportos;
  Tajolas tajolas;
  double szeles, magas;  // mm, as oriented
  int tajolas_;          // orientation code
  bool noveli = false;   // the page grows to take the items the factory layout puts beyond the form
};

constexpr Tajolas A = Tajolas::Allo, F = Tajolas::Fekvo;
// The sheet of every print with the factory layouts (the envelope C5, the label sheet A4).
const Nyomtatas kNyomtatasok[] = {
    {"csekk", 0, false, A, 220, 110, kLandscape},         {"csekk fekvo", 0, false, F, 210, 105, kPortrait},
    {"csekk lista", 0, true, A, 220, 110, kLandscape},    {"csekk lista fekvo", 0, true, F, 210, 105, kPortrait},
    {"terti", 1, false, A, 297, 210, kLandscape},         {"terti fekvo", 1, false, F, 170, 105, kPortrait, true},
    {"terti lista", 1, true, A, 297, 210, kLandscape},    {"terti lista fekvo", 1, true, F, 170, 105, kPortrait, true},
    {"felado", 2, false, A, 220, 110, kLandscape},        {"felado fekvo", 2, false, F, 170, 120, kPortrait, true},
    {"felado lista", 2, true, A, 220, 110, kLandscape},   {"felado lista fekvo", 2, true, F, 170, 120, kPortrait, true},
    {"boritek", 3, false, A, 229, 162, kLandscape},       {"boritek fekvo", 3, false, F, 162, 229, kPortrait},
    {"boritek lista", 3, true, A, 229, 162, kLandscape},  {"boritek lista fekvo", 3, true, F, 162, 229, kPortrait},
    {"cimke", 4, false, A, 210, 297, kPortrait},
    {"irat", 5, false, A, 220, 110, kLandscape},          {"irat fekvo", 5, false, F, 220, 110, kLandscape},
    {"irat lista", 5, true, A, 220, 110, kLandscape},     {"irat lista fekvo", 5, true, F, 220, 110, kLandscape},
    {"rcsekk", 6, false, A, 220, 110, kLandscape},        {"rcsekk fekvo", 6, false, F, 210, 297, kPortrait},
    {"rcsekk lista", 6, true, A, 220, 110, kLandscape},   {"rcsekk lista fekvo", 6, true, F, 210, 297, kPortrait},
    {"ulap", 7, false, A, 220, 110, kLandscape},          {"ulap fekvo", 7, false, F, 150, 105, kPortrait},
    {"ulap lista", 7, true, A, 220, 110, kLandscape},     {"ulap lista fekvo", 7, true, F, 150, 105, kPortrait},
};

class LapBeallitasTest : public AblakTest {
 protected:
  // The factory settings on the printer `nyomtato` (index), one payer with an amount, clicked
  // and selected; the envelope page on its first size, one envelope line bold.
  std::unique_ptr<frmLavindor> elokeszit(Printer& p, int nyomtato) {
    platform.printer = &p;
    SetRekord s;
    applyFactory(s, setFactory());
    s.Nyomtatando.fill(-1);
    s.NyomtatoIndex = int16_t(nyomtato);
    s.AlapNyomtato = 0;
    s.BoritekMeret = 1;
    folder.put(kSetFile, encodeRecord(s));
    BoritekRekord b;
    boritekAlapertekek(b);
    b.FKC.fill(-1);
    b.FKF.fill(-1);
    folder.put(kBoritekFile, encodeRecord(b));
    NevekRekord n;
    n.Nev = QStringLiteral("Kovács Péter");
    n.Osszegek[0] = 12500;
    folder.put(kNevekFile, encodeRecord(n));
    auto w = indit();
    w->ListView1_ItemClick(0);
    w->lista->ListView1->selectionModel()->select(w->lista->modell()->index(0, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w->csekkLap->txOsszeg->setEditText(QStringLiteral("12500"));
    w->rcsekkLap->RtxOsszeg->setEditText(QStringLiteral("12500"));
    w->ulapLap->txUosszeg->setText(QStringLiteral("12500"));
    return w;
  }
  // Prints `n` as the buttons do, and the document sent.
  const PrintedDocument* nyomtat(frmLavindor& w, const Nyomtatas& n) {
    w.SSTab1->setCurrentIndex(n.lap);
    (n.tajolas == A ? w.OpOrientacioAllo : w.OpOrientacioFekvo)->setChecked(true);
    nyomtato.clearLog();
    n.csoportos ? w.cmdCsPrint_Click() : w.cmdPrint_Click();
    return nyomtato.documents().size() == 1 ? &nyomtato.documents().back() : nullptr;
  }
};

// Each print's document: its sheet, and which of its texts are bold, in order.
struct Lapok {
  std::vector<std::tuple<double, double, int>> lapok;
  std::vector<bool> felkover;
};
Lapok lapok(const PrintedDocument& d) {
  Lapok l;
  for (const PrintedPage& p : d.pages) {
    l.lapok.emplace_back(std::round(p.widthMm), std::round(p.heightMm), p.orientation);
    for (const PrintedText& t : p.texts) l.felkover.push_back(t.bold);
  }
  return l;
}

TEST_F(LapBeallitasTest, EveryPrintSetsItsWholeSheetWhateverWasPrintedBefore) {
  auto w = elokeszit(nyomtato, 0);
  std::vector<Lapok> elso;
  for (const Nyomtatas& n : kNyomtatasok) {
    SCOPED_TRACE(n.nev);
    const PrintedDocument* d = nyomtat(*w, n);
    ASSERT_TRUE(d);
    elso.push_back(lapok(*d));
    ASSERT_FALSE(elso.back().lapok.empty());
    for (const auto& l : elso.back().lapok) EXPECT_EQ(l, std::make_tuple(n.szeles, n.magas, n.tajolas_));
  }
  // The envelope leaves bold on for the next document.
  ASSERT_STREQ(kNyomtatasok[12].nev, "boritek");
  ASSERT_TRUE(elso[12].felkover.back());
  // After each other print, the same sheets and the same bold texts.
  for (const Nyomtatas& elotte : kNyomtatasok)
    for (size_t i = 0; i < std::size(kNyomtatasok); ++i) {
      const Nyomtatas& n = kNyomtatasok[i];
      if (&n == &elotte) continue;
      SCOPED_TRACE(std::string(n.nev) + " after " + elotte.nev);
      nyomtat(*w, elotte);
      const PrintedDocument* d = nyomtat(*w, n);
      ASSERT_TRUE(d);
      const Lapok l = lapok(*d);
      EXPECT_EQ(l.lapok, elso[i].lapok);
      EXPECT_EQ(l.felkover, elso[i].felkover);
    }
}

// The PDF of each family's lying list (the labels' sheet) after the standing money order, whose
// landscape DL envelope the lying money-order list once took over as a 210 x 296 mm page.
TEST_F(LapBeallitasTest, ThePdfPagesAreTheFormsSheetsAfterAnEnvelopeSizedPrint) {
  if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext is not installed";
  QtPrinter pdf(folder.path());
  auto w = elokeszit(pdf, int(pdf.printerNames().indexOf(QtPrinter::kPdfName)));
  const Nyomtatas& rcsekk = kNyomtatasok[21];
  ASSERT_STREQ(rcsekk.nev, "rcsekk");
  for (const Nyomtatas& n : kNyomtatasok) {
    if (n.lap != 4 && !(n.tajolas == F && n.csoportos)) continue;
    SCOPED_TRACE(n.nev);
    nyomtat(*w, rcsekk);
    const QString elotte = pdf.lastPdf();
    nyomtat(*w, n);
    ASSERT_NE(pdf.lastPdf(), elotte);
    const std::vector<pdf::Page> oldalak = pdf::read(pdf.lastPdf());
    ASSERT_FALSE(oldalak.empty());
    for (const pdf::Page& p : oldalak) {
      // A page that grows does so by the real fonts' widths.
      EXPECT_NEAR(p.widthMm, n.szeles, n.noveli ? 2 : 0.5);
      EXPECT_NEAR(p.heightMm, n.magas, 0.5);
    }
  }
}

}  // namespace
