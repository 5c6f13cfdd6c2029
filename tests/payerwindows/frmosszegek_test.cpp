// The amounts dialog: listing, add, replace, clear, the twelve-slot limit, the amounts it
// refuses, and acting only on a stored current payer.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "payerstore/parok.h"
#include "payerwindows/frmosszegek.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {

NevekRekord osszegesFizeto(std::array<int32_t, 12> o) {
  NevekRekord r = parFizeto(1);
  r.Osszegek = o;
  return r;
}

class OsszegekTest : public ::testing::Test {
 protected:
  OsszegekTest() {
    platform.folder = folder.path();
    platform.messages = &msg;
    ablak.setOsszegLista = [this](const QStringList& l) { fo = l; };
  }
  void fajl(const NevekRekord& r) { folder.put(kNevekFile, parNevek(1) + encodeRecord(r) + parNevek(3).mid(2 * 271)); }
  std::array<int32_t, 12> tarolt() const { return rekord<NevekRekord>(folder.bytes(kNevekFile), 2).Osszegek; }
  std::unique_ptr<frmOsszegek> nyit() {
    return std::make_unique<frmOsszegek>(platform, FizetoAllapot{nevek, kozl, aktualis, mod}, ablak);
  }
  QStringList oszlop(const frmOsszegek& d, int c) const {
    QStringList s;
    for (int i = 0; i < d.ListView1->topLevelItemCount(); ++i) s << d.ListView1->topLevelItem(i)->text(c);
    return s;
  }

  TempFolder folder;
  RecordedMessageBoxes msg;
  Platform platform;
  FoAblak ablak;
  NevekRekord nevek;
  Kozl3sorRekord kozl;
  int32_t aktualis = 2;
  int16_t mod = 0;
  QStringList fo{"régi"};
};

}  // namespace

TEST_F(OsszegekTest, ListsTheValidAmountsWithTheirSlots) {
  fajl(osszegesFizeto({1500, 2500, 0, 0, 9999998, 9999999, -5, 0, 0, 0, 0, 12}));
  auto d = nyit();
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Összegek felvitele"));
  EXPECT_EQ(oszlop(*d, 0), (QStringList{" 1", " 2", " 5", "12"}));
  EXPECT_EQ(oszlop(*d, 1), (QStringList{"1500", "2500", "9999998", "12"}));
  EXPECT_EQ(fo, (QStringList{"1500", "2500", "9999998", "12"}));
  EXPECT_EQ(d->lbNev->text(), QStringLiteral("Ügyfél 1").leftJustified(36));
  EXPECT_EQ(d->lbCim->text(), QStringLiteral("9021   Győr, ") + QStringLiteral("Fő út 1.").leftJustified(45));
  EXPECT_FALSE(d->cmdRogzit->isEnabled());
  EXPECT_FALSE(d->cmdModosit->isEnabled());
  EXPECT_FALSE(d->cmdTorol->isEnabled());
  EXPECT_TRUE(msg.shown.empty());
}

TEST_F(OsszegekTest, AddFillsTheLowestEmptySlot) {
  fajl(osszegesFizeto({100, 200, 0, 0, 500, 0, 0, 0, 0, 0, 0, 0}));
  auto d = nyit();
  d->Text1->setText("0");
  EXPECT_FALSE(d->cmdRogzit->isEnabled());
  d->Text1->setText("12x");
  EXPECT_TRUE(d->cmdRogzit->isEnabled());
  d->cmdRogzit_Click();
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{100, 200, 12, 0, 500}));
  EXPECT_EQ(oszlop(*d, 0), (QStringList{" 1", " 2", " 3", " 5"}));
  EXPECT_EQ(fo, (QStringList{"100", "200", "12", "500"}));
  EXPECT_EQ(d->Text1->text(), QStringLiteral("12x"));
  // Half to even.
  d->Text1->setText("2.5");
  d->cmdRogzit_Click();
  EXPECT_EQ(tarolt()[3], 2);
  // The other payers' records are untouched.
  EXPECT_EQ(folder.bytes(kNevekFile).left(271), parNevek(1));
  EXPECT_EQ(folder.bytes(kNevekFile).mid(2 * 271), parNevek(3).mid(2 * 271));
}

TEST_F(OsszegekTest, AFailedReadOrFlushLeavesTheRecordAndSaysSo) {
  fajl(osszegesFizeto({100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  const QByteArray elotte = folder.bytes(kNevekFile);
  auto d = nyit();
  d->Text1->setText("700");
  {
    FajlHibak hibak({{FajlHivas::Szinkron, EIO, -1, kNevekFile}});
    d->cmdRogzit_Click();
  }
  EXPECT_EQ(folder.bytes(kNevekFile), elotte);
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].text,
            QStringLiteral("Az összeg nem menthető a(z) nevek1.dat fájlba.\r\nA hiba oka: Bemeneti/kimeneti hiba."));
  // The payer's record cannot be read: nothing is written back in its place.
  {
    const RosszBlokk blokk(kNevekFile, NevekRekord::Length);
    d->cmdRogzit_Click();
  }
  EXPECT_EQ(folder.bytes(kNevekFile), elotte);
  ASSERT_EQ(msg.shown.size(), 2u);
  EXPECT_EQ(msg.shown[1].text,
            QStringLiteral("Az összeg nem menthető.\r\nA(z) nevek1.dat fájl nem olvasható: Bemeneti/kimeneti hiba."));
}

// A save that reached the file is shown as saved though the payer cannot be read back then:
// the amount is listed, the box keeps its text, and nothing says the save failed.
TEST_F(OsszegekTest, ASaveWhoseReadingBackFailsIsShownAsSaved) {
  fajl(osszegesFizeto({50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  auto d = nyit();
  d->Text1->setText("1234");
  {
    const RekordOlvasasIrasUtan hiba(kNevekFile, NevekRekord::Length);
    d->cmdRogzit_Click();
  }
  EXPECT_TRUE(msg.shown.empty()) << msg.shown[0].text.toStdString();
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{50, 1234}));
  EXPECT_EQ(oszlop(*d, 1), (QStringList{"50", "1234"}));
  EXPECT_EQ(fo, (QStringList{"50", "1234"}));
  EXPECT_EQ(d->lbNev->text().trimmed(), QStringLiteral("Ügyfél 1"));
  EXPECT_EQ(d->Text1->text(), QStringLiteral("1234"));
}

TEST_F(OsszegekTest, TwelveSlotsUsedRefusesWithAMessage) {
  // Every slot taken, one of them by a value that is never listed.
  fajl(osszegesFizeto({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 9999999}));
  auto d = nyit();
  d->Text1->setText("500");
  d->cmdRogzit_Click();
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].title, QStringLiteral(" FIGYELEM "));
  EXPECT_TRUE(msg.shown[0].text.contains(QStringLiteral("12 összeg")));
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 9999999}));
}

TEST_F(OsszegekTest, RefusesAmountsThePayerRecordDoesNotTreatAsValid) {
  fajl(osszegesFizeto({}));
  auto d = nyit();
  for (const QString& t : {QStringLiteral("9999999"), QStringLiteral("1e12"), QStringLiteral("0.4"),
                           QStringLiteral("99999999999999999999")}) {
    msg.shown.clear();
    d->Text1->setText(t);
    d->cmdRogzit_Click();
    ASSERT_EQ(msg.shown.size(), 1u) << t.toStdString();
    EXPECT_EQ(msg.shown[0].text, QStringLiteral("Az összeg 1 és 9999998 forint között lehet!"));
  }
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{}));
  EXPECT_EQ(ujOsszeg("9999998"), 9999998);
  EXPECT_EQ(ujOsszeg(" 1 500"), 1500);
  EXPECT_EQ(ujOsszeg("-3"), std::nullopt);
}

TEST_F(OsszegekTest, ReplaceAndClear) {
  fajl(osszegesFizeto({100, 200, 300}));
  auto d = nyit();
  d->ListView1_ItemClick(d->ListView1->topLevelItem(1));
  EXPECT_EQ(d->kijeloltHely(), 2);
  EXPECT_TRUE(d->cmdModosit->isEnabled());
  EXPECT_TRUE(d->cmdTorol->isEnabled());
  d->Text1->setText("250");
  d->cmdModosit_Click();
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{100, 250, 300}));
  EXPECT_FALSE(d->cmdModosit->isEnabled());
  EXPECT_FALSE(d->cmdTorol->isEnabled());
  EXPECT_TRUE(msg.shown.empty());

  // Replacing with nothing asks; No keeps the amount.
  d->ListView1_ItemClick(d->ListView1->topLevelItem(0));
  d->Text1->clear();
  msg.answers = {MsgAnswer::No};
  d->cmdModosit_Click();
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].title, QStringLiteral(" FIGYELEM "));
  EXPECT_EQ(msg.shown[0].text,
            QStringLiteral("Nem írtál be új összeget, így a\r\nmeglévő összeg törölve lesz!\r\nMehet a törlés?"));
  EXPECT_EQ(msg.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(tarolt()[0], 100);
  // Yes clears the slot and leaves a gap.
  d->cmdModosit_Click();
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{0, 250, 300}));
  EXPECT_EQ(oszlop(*d, 0), (QStringList{" 2", " 3"}));

  // Clear, without asking.
  d->ListView1_ItemClick(d->ListView1->topLevelItem(1));
  msg.shown.clear();
  d->cmdTorol_Click();
  EXPECT_TRUE(msg.shown.empty());
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{0, 250, 0}));
  EXPECT_EQ(fo, (QStringList{"250"}));
  // The next add fills the lowest gap.
  d->Text1->setText("7");
  d->cmdRogzit_Click();
  EXPECT_EQ(tarolt(), (std::array<int32_t, 12>{7, 250, 0}));
}

TEST_F(OsszegekTest, ActsOnlyOnAStoredCurrentPayer) {
  folder.put(kNevekFile, parNevek(3) + QByteArray(100, 'z'));
  for (int32_t n : {0, 4, 100000}) {
    aktualis = n;
    msg.shown.clear();
    auto d = nyit();
    EXPECT_EQ(d->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(d->lbNev->text().isEmpty());
    d->Text1->setText("100");
    EXPECT_TRUE(d->cmdRogzit->isEnabled());
    d->cmdRogzit_Click();
    ASSERT_EQ(msg.shown.size(), 1u);
    EXPECT_TRUE(msg.shown[0].text.startsWith(QStringLiteral("Nincs kiválasztott ügyfél!")));
  }
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3) + QByteArray(100, 'z'));
}
