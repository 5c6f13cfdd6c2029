// Form printer runs under the five error classes, on the recording printer
// (10 pt: 2 mm per character, 4 mm a line).
#include <gtest/gtest.h>

#include "common/numtext.h"
#include "common/printjob.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "support/printexpect.h"

namespace {
SetRekord savedPrinter(int16_t index) {
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = index;
  return s;
}
SetRekord defaultPrinter(int16_t index = 0) {
  SetRekord s;
  s.AlapNyomtato = -1;
  s.NyomtatoIndex = index;
  return s;
}

// A small form printer: choose, set up, one text, end.
bool printForm(RecordingPrinter& p, MessageBoxes& m, ErrorClass c, const SetRekord& set, PrinterChoice choice,
               const QString& text = "Kovács Anna") {
  PrintJob job(p, c, m);
  return job.run([&](PrintJob& j) {
    j.choosePrinter(set, choice);
    j.scaleMillimetres();
    j.paperSize(kPaperA4);
    j.font("Arial CE", 10);
    j.text(20, 30, text);
    j.endDoc();
  });
}

// Records, at each box, the printer events so far (to check that the cancel came first).
struct OrderedBoxes : RecordedMessageBoxes {
  explicit OrderedBoxes(const RecordingPrinter& p) : printer(p) {}
  MsgAnswer show(const QString& text, const QString& title, MsgButtons b, MsgIcon i) override {
    eventsAtBox << printer.events().join(",");
    return RecordedMessageBoxes::show(text, title, b, i);
  }
  const RecordingPrinter& printer;
  QStringList eventsAtBox;
};

const QString kOutOfRangeText = "Az index kívül esik a tartományon";
}  // namespace

TEST(PrinterChoice, SavedPrinterFollowVariantSelectsAndStopsFollowing) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  EXPECT_TRUE(printForm(p, m, ErrorClass::SilentCancel, savedPrinter(1), PrinterChoice::FollowDefault));
  ASSERT_EQ(p.documents().size(), 1u);
  EXPECT_EQ(printed::doc(p).printer, "Nyomtató B");
  EXPECT_FALSE(p.followsDefault());
  EXPECT_EQ(p.events(), QStringList({"select 1", "followDefault off", "endDoc"}));
  p.setDefault(0);  // following is off: the chosen printer stays
  EXPECT_EQ(p.currentIndex(), 1);
}

TEST(PrinterChoice, SavedPrinterKeepVariantOnlySelects) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  EXPECT_TRUE(printForm(p, m, ErrorClass::SilentCancel, savedPrinter(1), PrinterChoice::KeepCurrent));
  EXPECT_EQ(printed::doc(p).printer, "Nyomtató B");
  EXPECT_TRUE(p.followsDefault());
  EXPECT_EQ(p.events(), QStringList({"select 1", "endDoc"}));
}

TEST(PrinterChoice, DefaultPrinterFollowVariantGoesToDefaultWhateverTheIndex) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  p.select(1);
  p.setFollowDefault(false);
  p.clearLog();
  EXPECT_TRUE(printForm(p, m, ErrorClass::SilentCancel, defaultPrinter(1), PrinterChoice::FollowDefault));
  EXPECT_EQ(printed::doc(p).printer, "Nyomtató A");
  EXPECT_EQ(p.events(), QStringList({"followDefault on", "endDoc"}));
  // Any value but 0 means the default printer.
  SetRekord odd = defaultPrinter(1);
  odd.AlapNyomtato = 1;
  p.select(1);
  EXPECT_TRUE(printForm(p, m, ErrorClass::SilentCancel, odd, PrinterChoice::FollowDefault));
  EXPECT_EQ(printed::last(p.documents()).printer, "Nyomtató A");
}

TEST(PrinterChoice, DefaultPrinterKeepVariantStaysOnEarlierChoice) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  printForm(p, m, ErrorClass::SilentCancel, savedPrinter(1), PrinterChoice::FollowDefault);
  p.clearLog();
  EXPECT_TRUE(printForm(p, m, ErrorClass::None, defaultPrinter(), PrinterChoice::KeepCurrent));
  EXPECT_EQ(printed::doc(p).printer, "Nyomtató B");
  EXPECT_EQ(p.events(), QStringList({"endDoc"}));
}

TEST(PrinterChoice, IndexOutOfRangeUnderEachClass) {
  // Index 2 is one past the two installed printers: under every class nothing is printed, on
  // no other printer, and the one box says why.
  for (PrinterChoice choice : {PrinterChoice::FollowDefault, PrinterChoice::KeepCurrent})
    for (ErrorClass c : {ErrorClass::SilentCancel, ErrorClass::FontFallback, ErrorClass::CancelWithMessage,
                         ErrorClass::Ignore, ErrorClass::None}) {
      SCOPED_TRACE(int(c));
      RecordingPrinter p;
      RecordedMessageBoxes m;
      int fallbacks = 0;
      PrintJob job(p, c, m);
      job.onFontFallback = [&] { ++fallbacks; };
      EXPECT_FALSE(job.run([&](PrintJob& j) {
        j.choosePrinter(savedPrinter(2), choice);
        j.text(10, 10, "x");
        j.endDoc();
      }));
      EXPECT_EQ(fallbacks, 0);
      EXPECT_TRUE(p.documents().empty());
      EXPECT_EQ(p.events(), QStringList({"killDoc"}));
      ASSERT_EQ(job.errors().size(), 1u);
      EXPECT_EQ(job.errors()[0].number, 9);
      ASSERT_EQ(m.shown.size(), 1u);
      EXPECT_EQ(m.shown[0].text, QStringLiteral("A kiválasztott nyomtató (sorszáma: 2) most nincs telepítve, ezért a "
                                                "nyomtatás elmaradt.\r\nKapcsolja be a nyomtatót, és indítsa újra a "
                                                "programot, vagy válasszon másik nyomtatót a „Nyomtató” lapon."));
      EXPECT_EQ(m.shown[0].title, "Figyelem!");
      EXPECT_EQ(m.shown[0].icon, MsgIcon::Exclamation);
    }
}

// A print refused before anything went out (a record it needs unread, the saved printer not
// installed, neither font there) tells the printer's listener why, in the words of its box, as
// a document that was not sent.
TEST(PrintJob, ARefusedPrintTellsThePrinterWhy) {
  const std::function<void(PrintJob&)> torzsek[] = {
      [](PrintJob&) {
        throw OlvasasiHiba{QStringLiteral("A(z) SetUlap.dat fájl nem olvasható: Bemeneti/kimeneti hiba.")};
      },
      [](PrintJob& j) { j.choosePrinter(savedPrinter(2), PrinterChoice::KeepCurrent); },
      [](PrintJob& j) { (void)j.betu(kSzovegekBetuje, QStringLiteral("Nincs ilyen"), QStringLiteral("Sincs ilyen")); }};
  for (const auto& torzs : torzsek) {
    RecordingPrinter p;
    RecordedMessageBoxes m;
    std::vector<PrinterError> vegek;
    p.documentEnded = [&](const PrinterError* e) { vegek.push_back(e ? *e : PrinterError{0, {}}); };
    PrintJob job(p, ErrorClass::SilentCancel, m);
    EXPECT_FALSE(job.run([&](PrintJob& j) {
      j.text(10, 10, "x");
      torzs(j);
      j.endDoc();
    }));
    EXPECT_TRUE(p.documents().empty());
    ASSERT_EQ(m.shown.size(), 1u);
    ASSERT_EQ(vegek.size(), 1u) << m.shown[0].text.toStdString();
    EXPECT_EQ(vegek[0].description, m.shown[0].text);
    EXPECT_NE(vegek[0].number, 0);
  }
}

TEST(PrintJob, AmountMarksTwiceOnOneLine) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  PrintJob job(p, ErrorClass::SilentCancel, m);
  ASSERT_TRUE(job.run([](PrintJob& j) {
    j.scaleMillimetres();
    j.font("Arial", 10);
    j.amount(25, 60, "12345");
    j.amountAtX(90, "12345");
    j.endDoc();
  }));
  const auto t = printed::doc(p).texts();
  ASSERT_EQ(t.size(), 6u);
  const QStringList texts = {"***", "12345", "***", "***", "12345", "***"};
  const double xs[] = {25, 31, 41, 90, 96, 106};
  for (size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].text, texts[int(i)]);
    EXPECT_NEAR(t[i].x, xs[i], 1e-9) << i;
    EXPECT_DOUBLE_EQ(t[i].y, 60) << i;
  }
  EXPECT_DOUBLE_EQ(p.currentY(), 0);  // back at the corner after the end of the document
}

TEST(PrintJob, BlockLinesFollowAtLineHeight) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  PrintJob job(p, ErrorClass::SilentCancel, m);
  ASSERT_TRUE(job.run([](PrintJob& j) {
    j.scaleMillimetres();
    j.font("Times New Roman CE   ", 12, true);  // 4.8 mm a line
    j.block(20, 100, {"Kovács Anna", "", "Fő utca 1.", "1234"});
    j.text(70, 50, "külön");  // a line that sets Y starts there
    j.endDoc();
  }));
  const auto t = printed::doc(p).texts();
  ASSERT_EQ(t.size(), 5u);
  const QStringList texts = {"Kovács Anna", " ", "Fő utca 1.", "1234", "külön"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(t[i].text, texts[i]);
    EXPECT_DOUBLE_EQ(t[i].x, 20);
    EXPECT_NEAR(t[i].y, 100 + 4.8 * i, 1e-9);
    EXPECT_EQ(t[i].font, "Times New Roman CE");
    EXPECT_TRUE(t[i].bold);
  }
  EXPECT_DOUBLE_EQ(t[4].y, 50);
}

TEST(PrintJob, FontFallbackGoesOnAfter380) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  PrintJob job(p, ErrorClass::FontFallback, m);
  int fallbacks = 0;
  job.onFontFallback = [&] { ++fallbacks; };
  EXPECT_TRUE(job.run([](PrintJob& j) {
    j.scaleMillimetres();
    j.font("Arial CE" + QString(17, ' '), 10);
    j.text(10, 10, "első");
    j.font("Nincs Ilyen", 14);  // the name fails; size and bold still apply
    j.text(10, 20, "második");
    j.endDoc();
  }));
  EXPECT_EQ(fallbacks, 1);
  EXPECT_TRUE(m.shown.empty());
  const auto t = printed::doc(p).texts();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].font, "Arial CE");
  EXPECT_EQ(t[1].font, "Arial CE");
  EXPECT_EQ(t[1].size, 14);
}

TEST(PrintJob, FontFallbackOtherErrorShowsAndCancels) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  p.sendError = printer_errors::printerFailed();
  PrintJob job(p, ErrorClass::FontFallback, m);
  EXPECT_FALSE(job.run([](PrintJob& j) {
    j.text(10, 10, "x");
    j.endDoc();
    j.text(10, 10, "never");
  }));
  ASSERT_EQ(m.shown.size(), 1u);
  EXPECT_EQ(m.shown[0].text, "Nyomtatóhiba\r\nHibakód száma : 482");
  EXPECT_TRUE(p.documents().empty());
  EXPECT_FALSE(p.documentOpen());
}

TEST(PrintJob, CancelLeavesNoDocumentAndNothingMergesIntoTheNext) {
  for (ErrorClass c : {ErrorClass::SilentCancel, ErrorClass::CancelWithMessage, ErrorClass::None}) {
    RecordingPrinter p;
    RecordedMessageBoxes m;
    p.failOnText.insert("hibás", printer_errors::invalidValue());
    PrintJob job(p, c, m);
    EXPECT_FALSE(job.run([](PrintJob& j) {
      j.text(10, 10, "fél");
      j.newPage();
      j.text(10, 10, "hibás");
      j.text(10, 20, "utána");
      j.endDoc();
    }));
    EXPECT_TRUE(p.documents().empty());
    EXPECT_FALSE(p.documentOpen());
    EXPECT_EQ(p.events().last(), "killDoc");
    EXPECT_EQ(m.shown.size(), c == ErrorClass::CancelWithMessage ? 1u : 0u);
    printForm(p, m, ErrorClass::SilentCancel, defaultPrinter(), PrinterChoice::KeepCurrent, "következő");
    ASSERT_EQ(p.documents().size(), 1u);
    ASSERT_EQ(printed::doc(p).texts().size(), 1u);
    EXPECT_EQ(printed::at(printed::doc(p).texts(), 0).text, "következő");
  }
}

TEST(PrintJob, IgnoreSkipsFailingStepsAndEndsNormally) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  p.failOnText.insert("hibás", printer_errors::invalidValue());
  PrintJob job(p, ErrorClass::Ignore, m);
  EXPECT_TRUE(job.run([](PrintJob& j) {
    j.font("Nincs Ilyen", 0);
    j.text(10, 10, "hibás");
    j.text(10, 20, "jó");
    j.endDoc();
  }));
  ASSERT_EQ(job.errors().size(), 3u);
  const auto t = printed::doc(p).texts();
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "jó");
  EXPECT_EQ(t[0].font, "Arial");
  EXPECT_EQ(t[0].size, 10);
}

TEST(PrintJob, OtherExceptionsCountAsErrors) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  PrintJob job(p, ErrorClass::CancelWithMessage, m);
  EXPECT_FALSE(job.run([](PrintJob& j) {
    j.text(10, 10, "x");
    j.step([] { roundToInt16(40000); });
  }));
  ASSERT_EQ(m.shown.size(), 1u);
  EXPECT_EQ(m.shown[0].text, "Hiba kódszáma: 6\r\nTúlcsordulás\r\n");

  PrintJob other(p, ErrorClass::CancelWithMessage, m);
  other.run([](PrintJob& j) { j.step([] { throw std::runtime_error("valami"); }); });
  EXPECT_EQ(m.shown.back().text, "Hiba kódszáma: 5\r\nvalami\r\n");
  EXPECT_TRUE(p.documents().empty());
}

TEST(PrintJob, ErrorOutsideAStepEndsTheRunEvenWhenIgnoring) {
  RecordingPrinter p;
  RecordedMessageBoxes m;
  PrintJob job(p, ErrorClass::Ignore, m);
  EXPECT_FALSE(job.run([](PrintJob& j) {
    j.text(10, 10, "x");
    roundToInt16(1e9);
    j.endDoc();
  }));
  EXPECT_TRUE(p.documents().empty());
  EXPECT_FALSE(p.documentOpen());
}

TEST(PrintJob, PositionAddsOffsetInStoredForm) {
  EXPECT_EQ(position(Fixed::fromRaw(123456)), double(12.3456f));
  EXPECT_EQ(position(Fixed::fromRaw(123456), 20), double(32.3456f));
  EXPECT_EQ(position(Fixed::fromRaw(-50000), -3), -8.0);
}

TEST(PrintJob, DamagedPositionIsAnInvalidValueUnderTheFormsClass) {
  // A stored position at the edge of the 64-bit range plus an offset, and sums that fit the
  // range but lie on no page: error 380, never a wrapped-around number.
  for (const auto& [raw, offset] : {std::pair<int64_t, int>{INT64_MAX - 5, 20}, {INT64_MIN + 5, -20},
                                    {INT64_MAX, 0}, {100000001, 0}, {-100000000, -1}}) {
    try {
      position(Fixed::fromRaw(raw), offset);
      ADD_FAILURE() << raw << " + " << offset;
    } catch (const PrinterError& e) {
      EXPECT_EQ(e.number, 380);
    }
  }
  EXPECT_EQ(position(Fixed::fromRaw(99990000), 1), 10000.0);
  // Under each class: the document is cancelled; only the message classes say so.
  const struct {
    ErrorClass cls;
    QString title;
  } esetek[] = {{ErrorClass::SilentCancel, {}},
                {ErrorClass::FontFallback, QStringLiteral("!  H I B A  ! ")},
                {ErrorClass::CancelWithMessage, QStringLiteral("! HIBA !")},
                {ErrorClass::Ignore, {}},
                {ErrorClass::None, {}}};
  for (const auto& e : esetek) {
    RecordingPrinter p;
    RecordedMessageBoxes m;
    PrintJob job(p, e.cls, m);
    EXPECT_FALSE(job.run([](PrintJob& j) {
      j.text(10, 10, "x");
      j.text(position(Fixed::fromRaw(INT64_MAX - 1), 20), 10, "y");
      j.endDoc();
    }));
    EXPECT_TRUE(p.documents().empty());
    ASSERT_EQ(job.errors().size(), 1u);
    EXPECT_EQ(job.errors()[0].number, 380);
    EXPECT_EQ(m.shown.size(), e.title.isEmpty() ? 0u : 1u);
    if (!m.shown.empty()) {
      EXPECT_EQ(m.shown[0].title, e.title);
      EXPECT_TRUE(m.shown[0].text.contains("380"));
    }
  }
}

// A text wholly or partly outside its page is a failed step under every class: placed all the
// same (what lies on the page prints), and said once after the print: which text, where, on
// what page size. Blank texts lose nothing and count not.
TEST(PrintJob, TextsOffThePageAreSaidOnceAfterThePrint) {
  const QString lap = QStringLiteral(", a lap mérete 220 x 110 mm");
  for (ErrorClass c : {ErrorClass::SilentCancel, ErrorClass::FontFallback, ErrorClass::CancelWithMessage,
                       ErrorClass::Ignore, ErrorClass::None}) {
    SCOPED_TRACE(int(c));
    RecordingPrinter p;
    RecordedMessageBoxes m;
    PrintJob job(p, c, m);
    EXPECT_TRUE(job.run([&](PrintJob& j) {
      j.scaleMillimetres();
      j.paperSize(kPaperDL);
      j.orientation(kLandscape);
      j.font("Arial", 10);         // 2 mm a character, 4 mm a line
      j.text(200, 20, "Belül   ");  // ends at 210 (its trailing blanks print nothing)
      j.text(215, 20, "Kilóg");     // ends at 225
      j.text(30, 106.5, "Lent");    // its line reaches 110.5
      j.text(300, 20, "   ");
      j.newPage();
      j.text(-1, 5, "X");
      j.endDoc();
    }));
    ASSERT_EQ(p.documents().size(), 1u);
    EXPECT_EQ(printed::doc(p).texts().size(), 5u);
    ASSERT_EQ(job.errors().size(), 3u);
    EXPECT_EQ(job.errors()[0].number, 483);
    ASSERT_EQ(m.shown.size(), 1u);
    EXPECT_EQ(m.shown[0].text, "Nem minden szöveg fér a lapra, ezért ezek nem, vagy csak részben kerültek a papírra:"
                               "\r\n„Kilóg” – 1. oldal, X = 215 mm, Y = 20 mm" + lap +
                                   "\r\n„Lent” – 1. oldal, X = 30 mm, Y = 106,5 mm" + lap +
                                   "\r\n„X” – 2. oldal, X = -1 mm, Y = 5 mm" + lap);
    EXPECT_EQ(m.shown[0].title, "Figyelem!");
  }
  // A document that was not written took nothing to paper: only that is said.
  RecordingPrinter p;
  RecordedMessageBoxes m;
  p.sendError = printer_errors::printerFailed(QStringLiteral("A(z) /x/Nyomtatas mappa nem hozható létre."));
  PrintJob job(p, ErrorClass::Ignore, m);
  job.run([&](PrintJob& j) {
    j.scaleMillimetres();
    j.text(300, 20, "Kilóg");
    j.endDoc();
  });
  EXPECT_TRUE(p.documents().empty());
  ASSERT_EQ(m.shown.size(), 1u);
  EXPECT_EQ(m.shown[0].text, "Nyomtatóhiba\r\nA(z) /x/Nyomtatas mappa nem hozható létre.\r\nHibakód száma : 482");
  EXPECT_EQ(m.shown[0].title, "!  H I B A  ! ");
}
