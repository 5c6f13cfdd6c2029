// The legal-title and notice lists: appending, deleting through nevx.dat, and the dialogs.
#include <gtest/gtest.h>

#include <QDir>

#include "common/cp1250.h"
#include "common/messages.h"
#include "payerwindows/jogcimek.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {

class ListsTest : public ::testing::Test {
 protected:
  ListsTest() {
    platform.folder = dir.path();
    platform.messages = &msgs;
  }
  // Adds entries through the dialog's box and button, as a user would.
  void add(frmKozlemeny& d, const QStringList& texts) {
    for (const QString& t : texts) {
      d.txtKozlemeny->setText(t);
      d.cmdFelvesz_Click();
    }
  }
  QStringList rows(QTreeWidget* v) const {
    QStringList out;
    for (int i = 0; i < v->topLevelItemCount(); ++i)
      out << v->topLevelItem(i)->text(0) + "|" + v->topLevelItem(i)->text(1);
    return out;
  }
  static QByteArray entry(const QString& s) { return cp1250::encode(s).leftJustified(25, ' ', true); }

  TempFolder dir;
  RecordedMessageBoxes msgs;
  Platform platform;
};

}  // namespace

TEST_F(ListsTest, AppendingKeepsTheOrderAndStoresTheTextAsTyped) {
  frmKozlemeny d(platform);
  EXPECT_EQ(d.windowTitle(), "Közlemény szövegek felvétele");
  EXPECT_EQ(d.ListView1->headerItem()->text(0), "Közlemény szöveg");
  EXPECT_EQ(d.ListView1->headerItem()->text(1), "rec");
  EXPECT_FALSE(d.cmdFelvesz->isEnabled());
  EXPECT_FALSE(d.cmdDel->isEnabled());
  EXPECT_TRUE(dir.exists(kKozlemFile));  // created empty by the first load
  // The box takes 25 characters, the width of an entry.
  add(d, {"Vízdíj", "  Csatornadíj", "Szemétszállítási díj 2026. I. negyedév"});
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("Vízdíj") + entry("  Csatornadíj") + entry("Szemétszállítási díj 2026"));
  EXPECT_EQ(rows(d.ListView1), QStringList({"Vízdíj|1", "Csatornadíj|2", "Szemétszállítási díj 2026|3"}));
  EXPECT_TRUE(d.txtKozlemeny->text().isEmpty());
  EXPECT_FALSE(d.cmdFelvesz->isEnabled());
  EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(ListsTest, BlankTextKeepsTheAddButtonDisabled) {
  frmKozlemeny d(platform);
  d.txtKozlemeny->setText("   ");
  EXPECT_FALSE(d.cmdFelvesz->isEnabled());
  d.txtKozlemeny->setText(" a ");
  EXPECT_TRUE(d.cmdFelvesz->isEnabled());
}

TEST_F(ListsTest, DeletingEntryTwoOfFourLeavesThreeInOrder) {
  // A leftover temporary file of an interrupted run must not reach the result.
  dir.put(kListTempFile, entry("régi maradék") + entry("még egy"));
  frmKozlemeny d(platform);
  add(d, {"egy", "kettő", "három", "négy"});
  d.ListView1_ItemClick(d.ListView1->topLevelItem(1));
  EXPECT_EQ(d.cmdDel->isEnabled(), true);
  d.cmdDel_Click();
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("egy") + entry("három") + entry("négy"));
  EXPECT_EQ(rows(d.ListView1), QStringList({"egy|1", "három|2", "négy|3"}));
  EXPECT_FALSE(d.cmdDel->isEnabled());
  EXPECT_FALSE(dir.exists(kListTempFile));

  d.ListView1_ItemClick(d.ListView1->topLevelItem(0));
  d.cmdDel_Click();
  d.ListView1_ItemClick(d.ListView1->topLevelItem(1));
  d.cmdDel_Click();
  d.ListView1_ItemClick(d.ListView1->topLevelItem(0));
  d.cmdDel_Click();
  EXPECT_EQ(dir.bytes(kKozlemFile).size(), 0);
  EXPECT_TRUE(dir.exists(kKozlemFile));
  EXPECT_EQ(d.ListView1->topLevelItemCount(), 0);
  EXPECT_FALSE(dir.exists(kListTempFile));
}

TEST_F(ListsTest, BlankEntriesAreListedAndDeletable) {
  dir.put(kJogcimekFile, entry("") + entry("Bérleti díj"));
  frmJogcimek d(platform);
  EXPECT_EQ(rows(d.ListView1), QStringList({"|1", "Bérleti díj|2"}));
  d.ListView1_ItemClick(d.ListView1->topLevelItem(0));
  d.cmdDel_Click();
  EXPECT_EQ(dir.bytes(kJogcimekFile), entry("Bérleti díj"));
}

TEST_F(ListsTest, TheTwoLegalTitleListsAreIndependent) {
  dir.put(kJogcimekFile, entry("Adó"));
  dir.put(kJogcimek2File, entry("Fiz. hat.:") + entry("2. sor"));
  frmJogcimek d(platform);
  EXPECT_EQ(d.windowTitle(), "Jogcím szövegek felvétele");
  EXPECT_EQ(d.ListView2->headerItem()->text(0), "Jogcím szöveg 2. sora");
  EXPECT_EQ(d.cmdDel2->text(), "Li&stából Töröl");
  EXPECT_EQ(rows(d.ListView2), QStringList({"Fiz. hat.:|1", "2. sor|2"}));
  d.txtJogcim2->setText("Új második");
  d.cmdFelvesz2_Click();
  d.ListView2_ItemClick(d.ListView2->topLevelItem(0));
  EXPECT_FALSE(d.cmdDel->isEnabled());
  d.cmdDel2_Click();
  EXPECT_EQ(dir.bytes(kJogcimekFile), entry("Adó"));
  EXPECT_EQ(dir.bytes(kJogcimek2File), entry("2. sor") + entry("Új második"));
  EXPECT_EQ(readList(dir.path(), kJogcimek2File).size(), 2);
}

TEST_F(ListsTest, ADamagedFileLosesOnlyItsPartialRecord) {
  dir.put(kKozlemFile, entry("egy") + QByteArray("csonka"));
  frmKozlemeny d(platform);
  EXPECT_EQ(rows(d.ListView1), QStringList({"egy|1"}));
  add(d, {"kettő"});
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("egy") + entry("kettő"));
}

TEST_F(ListsTest, WritesThatFailAreReported) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(kKozlemFile));
  frmKozlemeny d(platform);
  d.txtKozlemeny->setText("nem megy");
  d.cmdFelvesz_Click();
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_EQ(msgs.shown[0].text, "A(z) Kozlem.dat fájl nem írható, a szöveg nem került a listába.");
  EXPECT_EQ(msgs.shown[0].title, "Hiba");
  EXPECT_EQ(d.txtKozlemeny->text(), "nem megy");  // kept for another try
  // A flush that fails takes the appended entry back off the file, as the message says.
  dir.put(kJogcimek2File, entry("a"));
  frmJogcimek j2(platform);
  j2.txtJogcim2->setText("b");
  {
    FajlHibak hibak({{FajlHivas::Szinkron, EIO, -1, kJogcimek2File}});
    j2.cmdFelvesz2_Click();
  }
  EXPECT_EQ(dir.bytes(kJogcimek2File), entry("a"));
  ASSERT_EQ(msgs.shown.size(), 2u);
  EXPECT_EQ(msgs.shown[1].text, "A(z) Jogcimek2.dat fájl nem írható, a szöveg nem került a listába.\r\n"
                                "A hiba oka: Bemeneti/kimeneti hiba.");
  msgs.shown.pop_back();

  dir.put(kJogcimekFile, entry("a") + entry("b"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(kListTempFile));
  frmJogcimek j(platform);
  j.ListView1_ItemClick(j.ListView1->topLevelItem(0));
  j.cmdDel_Click();
  ASSERT_EQ(msgs.shown.size(), 2u);
  EXPECT_TRUE(msgs.shown[1].text.startsWith("A szöveg nem törölhető a listából."));
  EXPECT_EQ(dir.bytes(kJogcimekFile), entry("a") + entry("b"));
}

TEST_F(ListsTest, TextsTheCodePageCannotHoldAreRefused) {
  frmKozlemeny d(platform);
  add(d, {"Díj", "Плата"});
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("Díj"));
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_TRUE(msgs.shown[0].text.startsWith("A szöveg olyan karaktert tartalmaz, amelyet a program nem tud tárolni: П л а т"));
  EXPECT_EQ(d.txtKozlemeny->text(), "Плата");
}

// The list's length is a question about the file: when it fails, neither an addition nor a
// deletion writes anything, and the message names the file.
TEST_F(ListsTest, AFailedLengthQueryChangesNothing) {
  const QByteArray lista = entry("a") + entry("b") + entry("c") + entry("d") + entry("e");
  for (const bool torles : {false, true}) {
    dir.put(kKozlemFile, lista);
    frmKozlemeny d(platform);
    msgs.shown.clear();
    // Every opening asks once after its open; the question after that is the length's.
    int kerdesek = -1;
    FajlHorogProba hiba([&](FajlHivas h, const QString& f, qint64&, qint64) {
      if (f != kKozlemFile) return 0;
      if (h == FajlHivas::Nyitas) kerdesek = 0;
      return h == FajlHivas::Lekerdezes && kerdesek >= 0 && ++kerdesek == 2 ? EIO : 0;
    });
    if (torles) {
      d.ListView1_ItemClick(d.ListView1->topLevelItem(2));
      d.cmdDel_Click();
    } else {
      add(d, {"új"});
    }
    EXPECT_EQ(dir.bytes(kKozlemFile), lista) << torles;
    ASSERT_EQ(msgs.shown.size(), 1u) << torles;
    EXPECT_TRUE(msgs.shown[0].text.contains("A(z) Kozlem.dat fájl nem olvasható")) << msgs.shown[0].text.toStdString();
    EXPECT_FALSE(dir.exists(kListTempFile));
  }
}

// A list saved but not read back (the disk fails right after the flush) is said: the view would
// show other entries than the file holds, and their numbers would pick others for a deletion.
TEST_F(ListsTest, AListNotReadBackAfterAChangeIsSaid) {
  dir.put(kKozlemFile, entry("egy") + entry("kettő") + entry("három"));
  frmKozlemeny d(platform);
  bool irva = false;
  FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
    if (nev != kKozlemFile) return 0;
    if (h == FajlHivas::Szinkron || h == FajlHivas::Atnevezes) irva = true;
    return irva && h == FajlHivas::Olvasas ? EIO : 0;
  });
  add(d, {"négy"});
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("egy") + entry("kettő") + entry("három") + entry("négy"));
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_EQ(msgs.shown[0].text, "A lista nem olvasható vissza.\r\nA(z) Kozlem.dat fájl nem olvasható: Bemeneti/kimeneti hiba.");
  irva = false;
  d.Beolvas();
  d.ListView1_ItemClick(d.ListView1->topLevelItem(0));
  msgs.shown.clear();
  // Deleted through nevx.dat, renamed over the list: the read after it fails.
  d.cmdDel_Click();
  EXPECT_EQ(dir.bytes(kKozlemFile), entry("kettő") + entry("három") + entry("négy"));
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_EQ(msgs.shown[0].text, "A lista nem olvasható vissza.\r\nA(z) Kozlem.dat fájl nem olvasható: Bemeneti/kimeneti hiba.");
}
