// Fitting the envelope picture, its captions and the move cursor.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>

#include "printing/envelopes/kepmeret.h"
#include "support/tempfolder.h"

namespace {

TEST(KepIllesztes, FitsIntoTheSquareKeepingTheRatio) {
  struct Eset {
    int w, h;
    double a;
    double szeles, magas, kepSzeles, kepMagas;
    bool nyujtott;
  };
  const Eset esetek[] = {
      {2000, 1000, 1900, 1900, 950, 3.4991, 1.7495, true},   // wide: brought down by its width
      {1000, 2000, 1900, 950, 1900, 1.7495, 3.4991, true},   // tall: by its height
      {4000, 3000, 1900, 1900, 1425, 3.4991, 2.6243, true},  // both sides too large
      {1500, 1000, 1900, 1900, 1900, 2.7624, 1.8416, false}, // fits: own size in the captions
      {0, 0, 1900, 1900, 1900, 0, 0, false},                 // no picture
  };
  for (const Eset& e : esetek) {
    SCOPED_TRACE(testing::Message() << e.w << " x " << e.h);
    const KepIllesztes k = kepIllesztes(e.w, e.h, e.a);
    EXPECT_NEAR(k.szeles, e.szeles, 1e-3);
    EXPECT_NEAR(k.magas, e.magas, 1e-3);
    EXPECT_EQ(k.KepSzeles, e.kepSzeles);
    EXPECT_EQ(k.KepMagas, e.kepMagas);
    EXPECT_EQ(k.nyujtott, e.nyujtott);
  }
}

TEST(KepIllesztes, CaptionsAndNaturalSize) {
  EXPECT_EQ(cmText(0.5), QStringLiteral(".5 cm"));
  EXPECT_EQ(cmText(12.04), QStringLiteral("12.0 cm"));
  EXPECT_EQ(mmText(0.4), QString());
  EXPECT_EQ(mmText(79.6), QStringLiteral("80"));
  QImage k(200, 100, QImage::Format_RGB32);
  k.setDotsPerMeterX(10000);
  k.setDotsPerMeterY(5000);
  EXPECT_EQ(termeszetesMeret(k), QSize(2000, 2000));
}

TEST(KepIllesztes, MoveCursorFromTheBuildOrSizeAll) {
  TempFolder dir;
  EXPECT_EQ(mozgatoKurzor(dir.path()).shape(), Qt::SizeAllCursor);
  dir.put(QStringLiteral("H_move.cur"), "sérült");
  EXPECT_EQ(mozgatoKurzor(dir.path()).shape(), Qt::SizeAllCursor);
  // The cursor the build draws and installs.
  ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("H_move.cur"))));
  ASSERT_TRUE(QFile::copy(QStringLiteral(LAVINDOR_BINARY_DIR "/assets/H_move.cur"), dir.file(QStringLiteral("H_move.cur"))));
  const QCursor c = mozgatoKurzor(dir.path());
  EXPECT_EQ(c.shape(), Qt::BitmapCursor);
  EXPECT_EQ(c.hotSpot(), QPoint(15, 15));
  EXPECT_EQ(c.pixmap().size(), QSize(32, 32));
  // GIF pictures come through the reader of the Qt GUI package as well.
  EXPECT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
}

}  // namespace
