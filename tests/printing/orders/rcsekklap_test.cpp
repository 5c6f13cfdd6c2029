#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "support/tempfolder.h"

namespace {

struct RcsekkFixture : ::testing::Test {
  TempFolder dir;
  Platform platform;
  SetRcsekkRekord rcsekk;

  void SetUp() override { platform.folder = dir.path(); }
  void saveRecord(int16_t uLapCimzett) {
    SetRcsekkRekord r;
    r.RcsekkNev = QStringLiteral(" Pénzügyi Iroda ");
    r.RcsekkHelyseg = QStringLiteral("Székesfehérvár");
    r.RcsekkCim = QStringLiteral("Fő utca 12.");
    r.RcsekkIrszam = QStringLiteral("800");  // three digits: stored "800 "
    r.ULapCizett = uLapCimzett;
    r.BankNum = QStringLiteral("11773016-00000000");
    r.BankNeve = QStringLiteral("Őrségi Bank");
    r.BankIrsz = QStringLiteral("12");
    ASSERT_TRUE(saveSettings(dir.path(), kSetRcsekkFile, r));
  }
};

TEST_F(RcsekkFixture, FixedRecipientFillsLabelsAndBoxes) {
  saveRecord(-1);
  RcsekkLap lap(platform, rcsekk);
  lap.RtxNev[0]->setText(QStringLiteral("Kiss Éva"));
  lap.RtxCim->setText(QStringLiteral("1011 Budapest, Fő utca 1"));
  lap.opAllando[0]->setChecked(true);
  lap.belep();
  EXPECT_EQ(lap.RlbNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.txtNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.RlbHelys->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.txtHelys->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.RlbCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.txtCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.RlbIrsz->text(), QStringLiteral("800 "));  // as stored
  EXPECT_EQ(lap.txtIrsz->text(), QStringLiteral("800 "));
  // The other party keeps what it showed.
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Kiss Éva"));
  EXPECT_EQ(lap.RtxCim->text(), QStringLiteral("1011 Budapest, Fő utca 1"));
  EXPECT_EQ(trimmed(rcsekk.RcsekkNev), QStringLiteral("Pénzügyi Iroda"));
}

TEST_F(RcsekkFixture, FixedSenderMakesOneAddressLine) {
  saveRecord(-1);
  RcsekkLap lap(platform, rcsekk);
  lap.RlbNev->setText(QStringLiteral("Kiss Éva"));
  lap.opAllando[1]->setChecked(true);
  lap.belep();
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.RtxCim->text(), QStringLiteral("800  Székesfehérvár, Fő utca 12."));
  EXPECT_EQ(lap.RlbNev->text(), QStringLiteral("Kiss Éva"));
  EXPECT_TRUE(lap.txtNev->text().isEmpty());
}

TEST_F(RcsekkFixture, NoOptionChosenCountsAsFixedSender) {
  saveRecord(-1);
  RcsekkLap lap(platform, rcsekk);
  EXPECT_FALSE(lap.opAllando[0]->isChecked());
  EXPECT_FALSE(lap.opAllando[1]->isChecked());
  lap.belep();
  EXPECT_EQ(lap.RtxNev[0]->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_TRUE(lap.RlbNev->text().isEmpty());
}

TEST_F(RcsekkFixture, MissingFileGivesEmptyFields) {
  RcsekkLap lap(platform, rcsekk);
  lap.RtxNev[0]->setText(QStringLiteral("régi"));
  lap.RtxCim->setText(QStringLiteral("régi"));
  lap.belep();
  EXPECT_TRUE(lap.RtxNev[0]->text().isEmpty());
  EXPECT_TRUE(lap.RtxCim->text().isEmpty());  // no lone ", "
  lap.opAllando[0]->setChecked(true);
  lap.belep();
  EXPECT_TRUE(lap.RlbNev->text().isEmpty());
  EXPECT_TRUE(lap.RlbIrsz->text().isEmpty());
  EXPECT_TRUE(lap.txtIrsz->text().isEmpty());
}

TEST_F(RcsekkFixture, MoneyOrderControls) {
  RcsekkLap lap(platform, rcsekk);
  EXPECT_EQ(lap.cmdOldalCsere->text(), QStringLiteral("Csekk Hátoldala"));
  EXPECT_EQ(lap.opAllando[0]->text(), QStringLiteral("Állandó"));
  EXPECT_EQ(lap.opAllando[1]->toolTip(),
            QStringLiteral("Kijelölve a feladó állandó és a címzett a listában kijelölt tétel lesz!"));
  EXPECT_EQ(lap.RtxNev[0]->toolTip(), QStringLiteral("Feladó neve"));
  EXPECT_TRUE(lap.RtxOsszeg->isEditable());
  // The back is hidden while the front shows.
  EXPECT_TRUE(lap.txtNevHatul->isHidden());
  for (QLineEdit* e : lap.RcsekkKozlemenyHatul) EXPECT_TRUE(e->isHidden());
  EXPECT_FALSE(lap.RtxCim->isHidden());
  lap.setPreview(QImage(dir.file(QStringLiteral("RcsekkkepAllo.jpg"))));  // missing: page stays usable
  EXPECT_TRUE(lap.RtxCim->isEnabled());
}

TEST_F(RcsekkFixture, CashOnDeliveryPayeeByAddress) {
  saveRecord(-1);
  UlapLap lap(platform, rcsekk);
  lap.belep();
  EXPECT_EQ(lap.lbUNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("Fő utca 12."));
  EXPECT_EQ(lap.lbUHelyseg->text(), QStringLiteral("Székesfehérvár"));
  EXPECT_EQ(lap.lbUIrszam->text(), QStringLiteral("800 "));
}

TEST_F(RcsekkFixture, CashOnDeliveryPayeeByAccount) {
  saveRecord(0);
  UlapLap lap(platform, rcsekk);
  lap.belep();
  EXPECT_EQ(lap.lbUNev->text(), QStringLiteral("Pénzügyi Iroda"));
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("11773016-00000000"));
  EXPECT_EQ(lap.lbUHelyseg->text(), QStringLiteral("Őrségi Bank"));
  EXPECT_EQ(lap.lbUIrszam->text(), QStringLiteral("12  "));  // as stored
  // Any value but -1 means the bank data.
  saveRecord(1);
  lap.belep();
  EXPECT_EQ(lap.lbUCim->text(), QStringLiteral("11773016-00000000"));
}

TEST_F(RcsekkFixture, CashOnDeliveryMissingFileAndControls) {
  UlapLap lap(platform, rcsekk);
  lap.lbUNev->setText(QStringLiteral("régi"));
  lap.belep();
  EXPECT_TRUE(lap.lbUNev->text().isEmpty());
  EXPECT_TRUE(lap.lbUCim->text().isEmpty());
  EXPECT_TRUE(lap.lbUIrszam->text().isEmpty());
  EXPECT_EQ(lap.cmdUtanvetOdalCsere->text(), QStringLiteral("Hátoldala"));
  EXPECT_EQ(lap.chkCimzettCsereUlap->text(), QStringLiteral("Címzettek cseréje"));
  EXPECT_EQ(lap.lbUtXR->text(), QStringLiteral("X"));
  EXPECT_TRUE(lap.lbUtXR->isHidden());
  EXPECT_TRUE(lap.lbUNevHatul->isHidden());
  EXPECT_EQ(lap.chkUtanvetR->value(), 0);
}

}  // namespace
