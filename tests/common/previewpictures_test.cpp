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
      {"BoritekkepC5allo.jpg", "BoritekkepC5fekvo.jpg"},   {"BoritekkepC56allo.jpg", "BoritekkepC56fekvo.jpg"},
  };
  for (auto [allo, fekvo] : pages) {
    const QSize a = jpegSize(allo), f = jpegSize(fekvo);
    ASSERT_TRUE(a.isValid() && !a.isEmpty()) << allo << " is missing or not a JPEG";
    ASSERT_TRUE(f.isValid() && !f.isEmpty()) << fekvo << " is missing or not a JPEG";
    EXPECT_GT(a.width(), a.height()) << allo;  // the forms are read wide
    EXPECT_EQ(f, a.transposed()) << fekvo;     // the lying picture is the form turned
    EXPECT_LE(a.width(), 1000) << allo;
  }
  // Each envelope is drawn in its own proportions.
  for (auto [nev, arany] : {std::pair{"Boritekkepallo.jpg", 162.0 / 114}, {"BoritekkepC5allo.jpg", 229.0 / 162},
                            {"BoritekkepC56allo.jpg", 229.0 / 114}}) {
    const QSize b = jpegSize(nev);
    EXPECT_NEAR(double(b.width()) / b.height(), arany, 0.01) << nev;
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

namespace {

// Whether the picture of a form `widthMm` wide has ink within half a millimetre of (x, y) mm.
bool tinta(const QImage& k, double widthMm, double x, double y) {
  const double s = k.width() / widthMm;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) {
      const QPoint p(int(x * s) + dx, int(y * s) + dy);
      if (k.rect().contains(p) && qGray(k.pixel(p)) < 190) return true;
    }
  return false;
}

QImage kep(const char* name) { return QImage(kAssets + QString::fromLatin1(name)); }

// Twips of the return-receipt page's card box (9555 twips for 165 mm) in millimetres.
constexpr double kTw = 165.0 / 9555.0;

}  // namespace

// The return-receipt cards have their boxes under the page's places: the mark squares under
// the "X" marks, a rule under each return-address line and nothing across the line itself.
TEST(PreviewPictures, ReceiptCardsHaveTheirBoxesUnderThePagesPlaces) {
  const QImage hazai = kep("Tertikepallo.jpg");
  ASSERT_FALSE(hazai.isNull());
  for (int x : {7410, 8010, 8610}) {
    const double l = x * kTw, t = 990 * kTw;
    EXPECT_TRUE(tinta(hazai, 165, l, t + 2)) << x;
    EXPECT_TRUE(tinta(hazai, 165, l + 4, t + 2)) << x;
    EXPECT_FALSE(tinta(hazai, 165, l + 2, t + 2)) << x;
  }
  for (int top : {3480, 3810, 4140}) {
    EXPECT_TRUE(tinta(hazai, 165, 70, top * kTw + 4.2)) << top;
    EXPECT_FALSE(tinta(hazai, 165, 70, top * kTw + 1.8)) << top;
  }
  const QImage kulfoldi = kep("KTerti.jpg");
  ASSERT_FALSE(kulfoldi.isNull());
  for (auto [x, y] : {std::pair{840, 2430}, {2400, 2430}, {3630, 2430}, {840, 2760}, {870, 3060}}) {
    EXPECT_TRUE(tinta(kulfoldi, 165, x * kTw, y * kTw + 2)) << x << "," << y;
    EXPECT_FALSE(tinta(kulfoldi, 165, x * kTw + 2, y * kTw + 2)) << x << "," << y;
  }
  for (int top : {2900, 3420, 3900, 4380}) EXPECT_FALSE(tinta(kulfoldi, 165, 100, top * kTw + 1.8)) << top;
}

// The slip and the money order have a box for the postcode, which prints as one string,
// where the factory layout prints it (the slip's from 10 and 145 mm at 68 mm, the money
// order's from 9 and 147 mm at 77 mm, standing), with no digit cells across it, and the slip's
// amount and words fields under their printed lines.
TEST(PreviewPictures, SlipAndMoneyOrderBoxesWhereTheFactoryLayoutPrints) {
  struct Irsz {
    const char* kep;
    double x, y;
  };
  for (const Irsz& i : {Irsz{"csekkkepallo.jpg", 10, 68}, Irsz{"csekkkepallo.jpg", 145, 68},
                        Irsz{"RcsekkkepAllo.jpg", 9, 77}, Irsz{"RcsekkkepAllo.jpg", 147, 77}}) {
    SCOPED_TRACE(std::string(i.kep) + " " + std::to_string(i.x));
    const QImage k = kep(i.kep);
    ASSERT_FALSE(k.isNull());
    bool bal = false;  // the box's left edge, less than 8 mm before the first digit
    for (double d = 1; d <= 8; d += 0.5) bal = bal || tinta(k, 210, i.x - d, i.y + 2);
    EXPECT_TRUE(bal);
    EXPECT_TRUE(tinta(k, 210, i.x + 5, i.y - 1.2));  // its top, above the digits
    for (double d : {2.0, 4.5, 7.0, 9.5}) EXPECT_FALSE(tinta(k, 210, i.x + d, i.y + 2)) << d;
  }
  const QImage csekk = kep("csekkkepallo.jpg");
  // The words' rules under the lines printed at 17 and 23 mm, the amount box around 7 mm.
  for (double x : {20.0, 90.0}) {
    EXPECT_TRUE(tinta(csekk, 210, x, 20.6));
    EXPECT_TRUE(tinta(csekk, 210, x, 26.6));
    EXPECT_FALSE(tinta(csekk, 210, x, 18.5));
  }
  EXPECT_TRUE(tinta(csekk, 210, 40, 13));
  EXPECT_FALSE(tinta(csekk, 210, 40, 11.5));
}
