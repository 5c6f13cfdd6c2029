// The payment slip at the edges: a damaged layout record whose position plus an offset leaves
// the range is error 380 under the slip's class (silent cancel), and texts reach the printer
// as typed, whatever the record files could hold.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "printing/slips/csekkprint.h"
#include "slipexpect.h"
#include "support/tempfolder.h"

namespace {

class CsekkHatar : public testing::Test {
 protected:
  void save(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
};

}  // namespace

TEST_F(CsekkHatar, PositionNearTheLimitPlusAnOffsetCancelsSilently) {
  for (const int64_t raw : {INT64_MAX - 5, INT64_MIN + 5, int64_t(200000) * 10000}) {
    SetRekord s = slip::factoryLayout();
    s.Cim_x2 = Fixed::fromRaw(raw);
    save(s);
    CsekkAdatok a;
    a.txNev = QStringLiteral("Kiss Anna");
    EXPECT_EQ(PrintAlloCsekk(a, platform, set), SlipResult::Failed) << raw;
    EXPECT_EQ(PrintFekvoCsekk(a, platform, set), SlipResult::Failed) << raw;
  }
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CsekkHatar, TextsArePrintedAsTyped) {
  save(slip::factoryLayout());
  CsekkAdatok a;
  a.txNev = QStringLiteral("ПЕТРОВ € „idéző” – ‰");
  ASSERT_EQ(PrintAlloCsekk(a, platform, set), SlipResult::Printed);
  int talalat = 0;
  for (const PrintedText& t : printer.documents().front().texts())
    if (t.text == a.txNev) ++talalat;
  EXPECT_EQ(talalat, 2);  // on both halves of the slip
}
