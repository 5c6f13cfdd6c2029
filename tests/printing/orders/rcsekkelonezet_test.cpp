// The money order's recipient, postcode included, stands on the picture (millimetres of the
// form through the picture's scale) where the recording printer puts it, in both feeds: the
// receipt's printed labels on the first copy, the order's boxes on the second; the postcode
// as one string from its first character.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "common/mmkep.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "payerstore/nevekrekord.h"
#include "printing/orders/rcsekklap.h"
#include "support/tempfolder.h"

namespace {

QPointF mm(const MmKep* k, const QWidget* w) {
  const double s = k->pxPerMm();
  const QPoint p = w->geometry().topLeft() - k->pictureRect().topLeft();
  return {p.x() / s, p.y() / s};
}

TEST(RcsekkElonezet, RecipientAndPostcodeStandWhereBothFeedsPrintThem) {
  TempFolder dir;
  RecordingPrinter nyomtato;
  Platform platform;
  platform.folder = dir.path();
  platform.printer = &nyomtato;
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  r.RcsekkTextcim_x2 = Fixed::fromDouble(142.5);  // a layout of its own for the second copy
  r.RcsekkTextirsz2_y = Fixed::fromDouble(79);
  ASSERT_TRUE(saveSettings(dir.path(), kSetRcsekkFile, r));
  SetRcsekkRekord rcsekk;
  RcsekkLap lap(platform, rcsekk);
  lap.allandoValaszt(1);  // the sender is fixed: the payer is the recipient
  NevekRekord n;
  n.Nev = QStringLiteral("Kovács Péter");
  n.Helyseg = QStringLiteral("Győr");
  n.Cim = QStringLiteral("Fő út 1.");
  n.Irsz = QStringLiteral("9021");
  const Kozl3sorRekord k;
  lap.fill({n, k, QString(), false});
  lap.resize(1000, 700);
  lap.show();

  for (Tajolas t : {Tajolas::Allo, Tajolas::Fekvo}) {
    SCOPED_TRACE(t == Tajolas::Allo ? "allo" : "fekvo");
    lap.showPicture(t);
    SetRekord set;
    set.Nyomtatando.fill(-1);
    ASSERT_TRUE(saveSettings(dir.path(), kSetFile, set));
    const PrintResult p = t == Tajolas::Allo ? PrintAlloRCsekk(lap.adatok(), platform, set, rcsekk)
                                             : PrintFekvoRCsekk(lap.adatok(), platform, set, rcsekk);
    ASSERT_TRUE(p.printed);
    const std::vector<PrintedText> nyomat = nyomtato.documents().back().texts();
    // The recipient's lines close the front, once for each copy.
    ASSERT_GE(nyomat.size(), 8u);
    const std::vector<PrintedText> cimzett(nyomat.end() - 8, nyomat.end());
    const QWidget* mutatott[8] = {lap.RlbNev, lap.RlbHelys, lap.RlbCim, lap.RlbIrsz,
                                  lap.txtNev, lap.txtHelys, lap.txtCim, lap.txtIrsz};
    for (size_t i = 0; i < 8; ++i) {
      SCOPED_TRACE(mutatott[i]->objectName().toStdString());
      const QPointF m = mm(lap.Picture7, mutatott[i]);
      EXPECT_NEAR(m.x(), cimzett[i].x, 0.4);
      EXPECT_NEAR(m.y(), cimzett[i].y, 0.4);
    }
    EXPECT_EQ(cimzett[3].text, QStringLiteral("9021"));
    EXPECT_EQ(lap.RlbIrsz->text().trimmed(), cimzett[3].text);
  }
}

}  // namespace
