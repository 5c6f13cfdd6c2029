// The preview pictures drawn at build time: every name the pages load exists, is a JPEG and
// lies the right way.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>

namespace {

const QString kAssets = QStringLiteral(LAVINDOR_BINARY_DIR "/assets/");

QSize jpegSize(const QString& name) {
  QImageReader r(kAssets + name);
  if (r.format() != "jpeg") return {};
  const QImage img = r.read();
  return img.isNull() ? QSize() : img.size();
}

}  // namespace

TEST(PreviewPictures, StandingAndLyingPicturesOfEveryPage) {
  const std::pair<const char*, const char*> pages[] = {
      {"csekkkepallo.jpg", "csekkkepfekvo.jpg"},   {"Tertikepallo.jpg", "Tertikepfekvo.jpg"},
      {"Feladokepallo.jpg", "Feladokepfekvo.jpg"}, {"Boritekkepallo.jpg", "Boritekkepfekvo.jpg"},
      {"Iratkepallo.jpg", "Iratkepfekvo.jpg"},     {"RcsekkkepAllo.jpg", "RcsekkkepFekvo.jpg"},
      {"UtanveteliLapAllo.jpg", "UtanveteliLapfekvo.jpg"},
  };
  for (auto [allo, fekvo] : pages) {
    const QSize a = jpegSize(allo), f = jpegSize(fekvo);
    ASSERT_TRUE(a.isValid() && !a.isEmpty()) << allo << " is missing or not a JPEG";
    ASSERT_TRUE(f.isValid() && !f.isEmpty()) << fekvo << " is missing or not a JPEG";
    EXPECT_GT(a.width(), a.height()) << allo;  // the forms are read wide
    EXPECT_EQ(f, a.transposed()) << fekvo;     // the lying picture is the form turned
    EXPECT_LE(a.width(), 1000) << allo;
  }
  // The label sheet is an A4 sheet, standing only.
  const QSize c = jpegSize("cimkekep.jpg");
  ASSERT_TRUE(c.isValid()) << "cimkekep.jpg";
  EXPECT_GT(c.height(), c.width());
  EXPECT_NEAR(double(c.height()) / c.width(), 297.0 / 210.0, 0.01);
  EXPECT_FALSE(QFile::exists(kAssets + "cimkekepfekvo.jpg"));
}

TEST(PreviewPictures, FrontAndBackPictures) {
  for (const char* name : {"RozsaszinCsekk.jpg", "RCsekkHatul.jpg", "UtanveteliLap.jpg",
                           "utanvetelihatulja.jpg", "Terti.jpg", "KTerti.jpg"}) {
    const QSize s = jpegSize(name);
    ASSERT_TRUE(s.isValid() && !s.isEmpty()) << name << " is missing or not a JPEG";
    EXPECT_GT(s.width(), s.height()) << name;
  }
  // Front and back of one form have the same size.
  EXPECT_EQ(jpegSize("RozsaszinCsekk.jpg"), jpegSize("RCsekkHatul.jpg"));
  EXPECT_EQ(jpegSize("UtanveteliLap.jpg"), jpegSize("utanvetelihatulja.jpg"));
}
