#include <gtest/gtest.h>

#include <QDir>

#include "app/betuvalaszto.h"
#include "app/nyomtatovalaszto.h"
#include "common/messages.h"
#include "common/recordingprinter.h"
#include "support/tempfolder.h"

namespace {
struct PanelFixture : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer{{"Első", "Második", "Harmadik"}, 1};
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;
  PanelFixture() {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &messages;
  }
  QByteArray setImage() {
    QByteArray b(548, '\0');
    for (int i = 0; i < 548; ++i) b[i] = char((i * 13 + 5) & 0xFF);
    return b;
  }
};
}  // namespace

TEST_F(PanelFixture, FillListsEveryPrinterAndEndsOnTheLast) {
  NyomtatoValaszto p(platform, set);
  p.fill();
  ASSERT_EQ(p.Combo2->count(), 3);
  EXPECT_EQ(p.Combo2->currentText(), "Harmadik");
  EXPECT_FALSE(p.opPrinter[0]->isChecked());
  EXPECT_FALSE(p.opPrinter[1]->isChecked());
}

TEST_F(PanelFixture, ChoosingThePrinterStoresOnlyItsIndex) {
  dir.put("Set.dat", setImage());
  NyomtatoValaszto p(platform, set);
  p.fill();
  p.select(2);
  EXPECT_EQ(p.lbPrintNo->text(), "2");
  const QByteArray after = dir.bytes("Set.dat");
  EXPECT_EQ(hex(after, 2, 2), "02 00");
  QByteArray expected = setImage();
  expected[2] = 2;
  expected[3] = 0;
  EXPECT_EQ(after, expected);
}

TEST_F(PanelFixture, AnIndexNoLongerInstalledIsKeptAndShownMissing) {
  NyomtatoValaszto p(platform, set);
  p.fill();
  p.select(1);
  p.select(7);  // not installed now: Set.dat keeps it, the panel says so
  EXPECT_EQ(p.Combo2->currentIndex(), -1);
  EXPECT_EQ(p.lbPrintNo->text(), "7");
  EXPECT_FALSE(p.lbNincsTelepitve->isHidden());
  EXPECT_TRUE(p.lbNincsTelepitve->text().contains(QStringLiteral("(sorszáma: 7) most nincs telepítve")));
  EXPECT_EQ(hex(dir.bytes("Set.dat"), 2, 2), "01 00");
  p.Combo2->setCurrentIndex(0);  // the user picks another: saved, the note goes
  p.Combo2_Click();
  EXPECT_TRUE(p.lbNincsTelepitve->isHidden());
  EXPECT_EQ(hex(dir.bytes("Set.dat"), 2, 2), "00 00");
}

TEST_F(PanelFixture, NoPrinterInstalledLeavesTheListEmpty) {
  RecordingPrinter none{{}, -1};
  platform.printer = &none;
  NyomtatoValaszto p(platform, set);
  p.fill();
  p.select(0);
  EXPECT_EQ(p.Combo2->count(), 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PanelFixture, DefaultPrinterOptionDisablesTheListAndStoresMinusOne) {
  dir.put("Set.dat", setImage());
  NyomtatoValaszto p(platform, set);
  p.fill();
  p.choose(1);
  EXPECT_FALSE(p.Combo2->isEnabled());
  EXPECT_EQ(hex(dir.bytes("Set.dat"), 525, 2), "ff ff");
  p.choose(0);
  EXPECT_TRUE(p.Combo2->isEnabled());
  EXPECT_TRUE(p.opPrinter[0]->isChecked());
  EXPECT_FALSE(p.opPrinter[1]->isChecked());
  const QByteArray after = dir.bytes("Set.dat");
  EXPECT_EQ(hex(after, 525, 2), "00 00");
  EXPECT_EQ(after.left(525), setImage().left(525));
  EXPECT_EQ(after.mid(527), setImage().mid(527));
}

TEST_F(PanelFixture, AnUnwritableSetFileIsReported) {
  QDir(dir.path()).mkdir("Set.dat");  // a folder where the file should be
  NyomtatoValaszto p(platform, set);
  p.fill();
  p.select(0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains("Set.dat"));
}

namespace {
struct FontFixture : PanelFixture {
  BetutipRekord tip;
  BetumeretRekord meret;
};
}  // namespace

TEST_F(FontFixture, NewInstallationShowsNoFontAndSizeZero) {
  BetuValaszto b(platform, tip, meret);
  b.fillFonts();
  EXPECT_EQ(b.load(), QString());
  EXPECT_EQ(b.ComboBetuTipus1[0]->count(), printer.fonts().size());
  EXPECT_EQ(b.ComboBetuTipus1[3]->currentText(), "");
  EXPECT_EQ(b.ComboBetuSize[4]->currentText(), "0");
  EXPECT_EQ(b.ComboBetuSize[0]->count(), 8);
  EXPECT_EQ(b.ComboBetuSize[0]->itemText(7), "24");
}

TEST_F(FontFixture, SaveWritesBothFilesAndConfirms) {
  BetuValaszto b(platform, tip, meret);
  b.fillFonts();
  EXPECT_EQ(b.load(), QString());
  const QString longName = QString(35, 'x');
  const QStringList names = {"Arial CE", "Times New Roman", "Arial", "Courier New", longName};
  const QStringList sizes = {"11", "12,5", "13.5", "24", "10"};
  for (int i = 0; i < 5; ++i) {
    b.ComboBetuTipus1[i]->setEditText(names[i]);
    b.ComboBetuSize[i]->setEditText(sizes[i]);
  }
  b.cmbBetutipusok_Click();
  const QByteArray t = dir.bytes("Betutip.dat");
  ASSERT_EQ(t.size(), 150);
  EXPECT_EQ(t.left(30), QByteArray("Arial CE") + QByteArray(22, ' '));
  EXPECT_EQ(t.mid(120, 30), QByteArray(30, 'x'));  // cut at 30
  // 12.5 and 13.5 round half to even: 12 and 14.
  EXPECT_EQ(hex(dir.bytes("Betumeret.dat")), "0b 00 0c 00 0e 00 18 00 0a 00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, " \r\nA betűtípusok mentése megtörtént...\r\n ");
  EXPECT_EQ(messages.shown[0].title, "! Rendben !");
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
}

TEST_F(FontFixture, ASizeThatIsNotANumberSavesNeitherFile) {
  dir.put("Betutip.dat", QByteArray(150, 'a'));
  dir.put("Betumeret.dat", QByteArray("\x0a\x00\x0a\x00\x0a\x00\x0a\x00\x0a\x00", 10));
  BetuValaszto b(platform, tip, meret);
  b.fillFonts();
  EXPECT_EQ(b.load(), QString());
  b.ComboBetuTipus1[0]->setEditText("Arial");
  b.ComboBetuSize[2]->setEditText("nagy");
  b.cmbBetutipusok_Click();
  EXPECT_EQ(dir.bytes("Betutip.dat"), QByteArray(150, 'a'));
  EXPECT_EQ(hex(dir.bytes("Betumeret.dat")), "0a 00 0a 00 0a 00 0a 00 0a 00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains("3. sor"));
  b.ComboBetuSize[2]->setEditText("40000");  // beyond 16 bits
  b.cmbBetutipusok_Click();
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(dir.bytes("Betutip.dat"), QByteArray(150, 'a'));
}

TEST_F(FontFixture, SampleTakesTheLinesFontAndSize) {
  BetuValaszto b(platform, tip, meret);
  b.fillFonts();
  b.fillSizes();
  b.ComboBetuTipus1[1]->setEditText("  Courier New ");
  b.ComboBetuSize[1]->setEditText("18");
  b.ComboBetuSize_Click(1);
  EXPECT_EQ(b.lbMinta->font().family(), "Courier New");
  EXPECT_EQ(b.lbMinta->font().pointSizeF(), 18);
  EXPECT_FALSE(b.lbMinta->font().bold());
  b.ComboBetuSize[1]->setEditText("abc");  // unusable size: the sample keeps its size
  b.ComboBetuTipus1_Click(1);
  EXPECT_EQ(b.lbMinta->font().pointSizeF(), 18);
  // A font the printer does not have: the sample keeps its font, the size still follows.
  b.ComboBetuTipus1[2]->setEditText("Nincs Ilyen Betű");
  b.ComboBetuSize[2]->setEditText("12");
  b.ComboBetuTipus1_Click(2);
  EXPECT_EQ(b.lbMinta->font().family(), "Courier New");
  EXPECT_EQ(b.lbMinta->font().pointSizeF(), 12);
}
