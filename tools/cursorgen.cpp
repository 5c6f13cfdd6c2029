// Draws the envelope picture's move cursor, a four-way arrow, and writes it as a cursor file
// (H_move.cur): one 32 x 32 image, 32 bits per pixel with an AND mask, hot spot in the middle.
//   cursorgen <output file>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kSide = 32;
constexpr int kHot = 15;

QImage rajz() {
  QImage k(kSide, kSide, QImage::Format_ARGB32);
  k.fill(Qt::transparent);
  QPainter p(&k);
  p.setRenderHint(QPainter::Antialiasing, false);
  // One arrow pointing up; the four are this one turned about the hot spot.
  QPainterPath nyil;
  nyil.moveTo(kHot + 0.5, 1);
  nyil.lineTo(kHot + 5.5, 7);
  nyil.lineTo(kHot + 2, 7);
  nyil.lineTo(kHot + 2, kHot - 1);
  nyil.lineTo(kHot - 1, kHot - 1);
  nyil.lineTo(kHot - 1, 7);
  nyil.lineTo(kHot - 4.5, 7);
  nyil.closeSubpath();
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(kHot + 0.5, kHot + 0.5);
    p.rotate(90 * i);
    p.translate(-(kHot + 0.5), -(kHot + 0.5));
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(nyil);
    p.restore();
  }
  p.fillRect(kHot - 1, kHot - 1, 4, 4, Qt::black);
  return k;
}

void u16(QByteArray& b, int v) {
  b.append(char(v & 0xff));
  b.append(char((v >> 8) & 0xff));
}
void u32(QByteArray& b, quint32 v) {
  u16(b, int(v & 0xffff));
  u16(b, int(v >> 16));
}

QByteArray kurzor(const QImage& k) {
  // The image: bitmap header with the doubled height, the colour rows bottom up, then the AND
  // mask (1 bit a pixel, rows padded to 32 bits), also bottom up.
  QByteArray kep;
  u32(kep, 40);
  u32(kep, kSide);
  u32(kep, kSide * 2);
  u16(kep, 1);
  u16(kep, 32);
  for (int i = 0; i < 6; ++i) u32(kep, 0);
  for (int y = kSide - 1; y >= 0; --y)
    for (int x = 0; x < kSide; ++x) {
      const QRgb c = k.pixel(x, y);
      kep.append(char(qBlue(c)));
      kep.append(char(qGreen(c)));
      kep.append(char(qRed(c)));
      kep.append(char(qAlpha(c)));
    }
  for (int y = kSide - 1; y >= 0; --y) {
    quint32 sor = 0;
    for (int x = 0; x < kSide; ++x)
      if (qAlpha(k.pixel(x, y)) == 0) sor |= 1u << (31 - x);
    kep.append(char(sor >> 24));
    kep.append(char(sor >> 16));
    kep.append(char(sor >> 8));
    kep.append(char(sor));
  }
  QByteArray b;
  u16(b, 0);  // reserved
  u16(b, 2);  // cursor
  u16(b, 1);  // one image
  b.append(char(kSide));
  b.append(char(kSide));
  b.append(char(0));  // colours
  b.append(char(0));
  u16(b, kHot);  // hot spot
  u16(b, kHot);
  u32(b, quint32(kep.size()));
  u32(b, 6 + 16);
  return b + kep;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "használat: cursorgen <kimeneti fájl>\n");
    return 2;
  }
  QFile f(QString::fromLocal8Bit(argv[1]));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(kurzor(rajz())) < 0) {
    std::fprintf(stderr, "cursorgen: %s nem írható\n", argv[1]);
    return 1;
  }
  return 0;
}
