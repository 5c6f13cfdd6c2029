// Deleting a payer: both files rewritten through the temporary files, notices kept paired,
// the question naming the stored payer, and the main window's button flow.
#include <QDir>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "payerstore/parok.h"
#include "payerstore/ugyfeltorles.h"
#include "payerwindows/torlesgomb.h"
#include "support/tempfolder.h"

namespace {

class TorlesTest : public ::testing::Test {
 protected:
  TorlesTest() {
    platform.folder = folder.path();
    platform.messages = &msg;
    ablak.Beolvas = [this] { ++beolvasva; };
    ablak.setUgyfelGombok = [this](bool be) { gombok = be; };
  }
  FizetoAllapot allapot() { return {nevek, kozl, aktualis, mod}; }
  QString nev(int n) const { return trimmed(rekord<NevekRekord>(folder.bytes(kNevekFile), n).Nev); }
  QString kozlemeny(int n) const { return trimmed(rekord<Kozl3sorRekord>(folder.bytes(kKozl3sorFile), n).Kozlemeny); }

  TempFolder folder;
  RecordedMessageBoxes msg;
  Platform platform;
  FoAblak ablak;
  NevekRekord nevek;
  Kozl3sorRekord kozl;
  int32_t aktualis = 0;
  int16_t mod = 0;
  int beolvasva = 0;
  std::optional<bool> gombok;
};

}  // namespace

TEST_F(TorlesTest, DeletingPayerThreeOfFiveKeepsPayersAndNoticesPaired) {
  folder.put(kNevekFile, parNevek(5));
  folder.put(kKozl3sorFile, parKozlemenyek(5));
  QString hiba;
  ASSERT_TRUE(UgyfelTorles(folder.path(), 3, &hiba)) << hiba.toStdString();
  const QByteArray n = folder.bytes(kNevekFile), k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(n.size(), 4 * 271);
  ASSERT_EQ(k.size(), 4 * 135);
  // The records move byte for byte.
  EXPECT_EQ(n.mid(2 * 271), parNevek(5).mid(3 * 271));
  EXPECT_EQ(k.mid(2 * 135), parKozlemenyek(5).mid(3 * 135));
  EXPECT_EQ(n.left(2 * 271), parNevek(2));
  EXPECT_EQ(nev(3), QStringLiteral("Ügyfél 4"));
  EXPECT_EQ(kozlemeny(3), QStringLiteral("Közlemény 4"));
  EXPECT_FALSE(folder.exists(kNevekTempFile));
  EXPECT_FALSE(folder.exists(kKozl3sorTempFile));
}

TEST_F(TorlesTest, OnlyAndLastPayer) {
  folder.put(kNevekFile, parNevek(1));
  folder.put(kKozl3sorFile, parKozlemenyek(1));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 1));
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 0);
  EXPECT_EQ(folder.bytes(kKozl3sorFile).size(), 0);

  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 3));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(2));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2));
}

TEST_F(TorlesTest, DamagedFiles) {
  // A notice file shorter than the payer file: missing notices become blank ones, and the
  // later payers keep theirs.
  folder.put(kNevekFile, parNevek(5));
  folder.put(kKozl3sorFile, parKozlemenyek(2) + QByteArray(40, 'x'));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 1));
  const QByteArray k = folder.bytes(kKozl3sorFile);
  ASSERT_EQ(k.size(), 4 * 135);
  EXPECT_EQ(kozlemeny(1), QStringLiteral("Közlemény 2"));
  EXPECT_EQ(k.mid(135), QByteArray(3 * 135, ' '));

  // A notice file longer than the payer file: the notices past the last payer are dropped.
  folder.put(kNevekFile, parNevek(2));
  folder.put(kKozl3sorFile, parKozlemenyek(4));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 1));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(2).mid(135));

  // A trailing partial payer record is dropped with the rewrite.
  folder.put(kNevekFile, parNevek(3) + QByteArray(100, 'y'));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 2));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(1) + parNevek(3).mid(2 * 271));
}

TEST_F(TorlesTest, RecordNumbersPastTheEndChangeNothing) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  for (int32_t n : {0, -1, 4, 70000}) {
    QString hiba;
    EXPECT_FALSE(UgyfelTorles(folder.path(), n, &hiba));
    EXPECT_FALSE(hiba.isEmpty());
    EXPECT_FALSE(torlesKerdes(folder.path(), n).has_value());
  }
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3));
}

TEST_F(TorlesTest, LeftoverTemporaryFilesAreDiscardedAndAFailedWriteKeepsTheFiles) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  folder.put(kNevekTempFile, parNevek(5));
  folder.put(kKozl3sorTempFile, parKozlemenyek(5));
  ASSERT_TRUE(UgyfelTorles(folder.path(), 1));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3).mid(271));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3).mid(135));

  // The temporary files cannot be written (a full disk): nothing is replaced.
  QString hiba;
  EXPECT_FALSE(UgyfelTorles(folder.path(), 1, &hiba, [](CsereLepes l) { return l != CsereLepes::Iras; }));
  EXPECT_TRUE(hiba.contains(QStringLiteral("nevx-")));
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3).mid(271));
  EXPECT_EQ(folder.bytes(kKozl3sorFile), parKozlemenyek(3).mid(135));
  EXPECT_FALSE(folder.exists(kNevekTempFile));
}

TEST_F(TorlesTest, QuestionNamesTheStoredPayer) {
  folder.put(kNevekFile, parNevek(2));
  EXPECT_EQ(torlesKerdes(folder.path(), 2), QStringLiteral("Biztos mehet \r\nÜGYFÉL 2\r\n\r\ntörlése?"));
}

TEST_F(TorlesTest, DeleteButtonFlow) {
  folder.put(kNevekFile, parNevek(3));
  folder.put(kKozl3sorFile, parKozlemenyek(3));
  aktualis = 2;
  // No: nothing changes, the buttons are not touched.
  msg.answers = {MsgAnswer::No};
  EXPECT_FALSE(cmdDel_Click(platform, allapot(), ablak));
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].title, QStringLiteral("Feladó törlése"));
  EXPECT_EQ(msg.shown[0].text, QStringLiteral("Biztos mehet \r\nÜGYFÉL 2\r\n\r\ntörlése?"));
  EXPECT_EQ(msg.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(msg.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
  EXPECT_FALSE(gombok.has_value());
  EXPECT_EQ(aktualis, 2);

  // Yes: deleted, no payer current, the payer buttons disabled, the list reloaded.
  EXPECT_TRUE(cmdDel_Click(platform, allapot(), ablak));
  EXPECT_EQ(aktualis, 0);
  EXPECT_EQ(gombok, false);
  EXPECT_EQ(beolvasva, 1);
  EXPECT_EQ(nev(2), QStringLiteral("Ügyfél 3"));

  // With no payer current a further press deletes nothing and says so.
  msg.shown.clear();
  EXPECT_FALSE(cmdDel_Click(platform, allapot(), ablak));
  ASSERT_EQ(msg.shown.size(), 1u);
  EXPECT_EQ(msg.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 2 * 271);
}

TEST_F(TorlesTest, FailedDeletionIsReportedAndKeepsThePayerCurrent) {
  folder.put(kNevekFile, parNevek(3));
  ASSERT_TRUE(QDir(folder.path()).mkdir(kKozl3sorFile));  // the notices cannot be read
  aktualis = 1;
  EXPECT_FALSE(cmdDel_Click(platform, allapot(), ablak));
  ASSERT_EQ(msg.shown.size(), 2u);
  EXPECT_EQ(msg.shown[1].title, QStringLiteral("Hiba"));
  EXPECT_EQ(msg.shown[1].icon, MsgIcon::Critical);
  EXPECT_EQ(aktualis, 1);
  EXPECT_EQ(gombok, true);
  EXPECT_EQ(beolvasva, 0);
  EXPECT_EQ(folder.bytes(kNevekFile), parNevek(3));
}
