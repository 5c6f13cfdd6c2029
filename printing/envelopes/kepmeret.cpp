#include "printing/envelopes/kepmeret.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <cmath>

#include "common/cp1250.h"
#include "common/fields.h"
#include "common/recordfile.h"

namespace {

double cur(double v) { return Fixed::fromDouble(v).value(); }
double sgl(double v) { return double(float(v)); }

}  // namespace

KepIllesztes kepIllesztes(int W, int H, double A) {
  KepIllesztes k;
  k.KepMagas = cur(H / kTwipsPerKepCm);
  k.KepSzeles = cur(W / kTwipsPerKepCm);
  k.szeles = k.magas = sgl(A);
  if (H > A) {
    k.nyujtott = true;
    k.magas = sgl(A);
    k.KepMagas = cur(A / kTwipsPerKepCm);
    k.szeles = sgl((A / (H / 100.0)) * (W / 100.0));
    k.KepSzeles = cur(k.szeles / kTwipsPerKepCm);
    if (k.szeles > A) {
      const double elozo = k.szeles;
      k.szeles = sgl(A);
      k.KepSzeles = cur(A / kTwipsPerKepCm);
      k.magas = sgl((A / (elozo / 100.0)) * (k.magas / 100.0));
      k.KepMagas = cur(k.magas / kTwipsPerKepCm);
    }
  }
  if (W > A) {
    k.nyujtott = true;
    k.szeles = sgl(A);
    k.KepSzeles = cur(A / kTwipsPerKepCm);
    k.magas = sgl((A / (W / 100.0)) * (H / 100.0));
    k.KepMagas = cur(k.magas / kTwipsPerKepCm);
    if (k.magas > A) {
      const double elozo = k.magas;
      k.magas = sgl(A);
      k.KepMagas = cur(A / kTwipsPerKepCm);
      k.szeles = sgl((A / (elozo / 100.0)) * (A / 100.0));
      k.KepSzeles = cur(k.szeles / kTwipsPerKepCm);
    }
  }
  return k;
}

QSize termeszetesMeret(const QImage& kep) {
  if (kep.isNull()) return {0, 0};
  auto hmm = [](int px, int dpm) { return int(std::lround(px * 100000.0 / (dpm > 0 ? dpm : 3780))); };
  return {hmm(kep.width(), kep.dotsPerMeterX()), hmm(kep.height(), kep.dotsPerMeterY())};
}

QImage kepBetolt(const QString& utvonal) {
  if (utvonal.isEmpty()) return {};
  QImageReader r(utvonal);
  r.setDecideFormatFromContent(true);
  return r.read();
}

QString cmText(double v) {
  const double t = std::round(std::abs(v) * 10) / 10;
  QString s = QString::number(t, 'f', 1);
  if (s.startsWith(QLatin1String("0."))) s.remove(0, 1);
  if (v < 0 && t != 0) s.prepend(QLatin1Char('-'));
  return s + QStringLiteral(" cm");
}

QString mmText(double mm) {
  const long v = std::lround(mm);
  return v == 0 ? QString() : QString::number(v);
}

QCursor mozgatoKurzor(const QString& folder) {
  // A cursor file is an icon file whose directory entry holds the hot spot instead of the
  // colour count and planes.
  QFile f(dataPath(folder, QStringLiteral("H_move.cur")));
  if (f.open(QIODevice::ReadOnly)) {
    const QByteArray b = f.readAll();
    auto u16 = [&b](int at) { return int(uchar(b[at])) | int(uchar(b[at + 1])) << 8; };
    if (b.size() > 22 && u16(0) == 0 && u16(2) == 2 && u16(4) >= 1) {
      QImage kep;
      if (kep.loadFromData(b, "CUR") || kep.loadFromData(b, "ICO"))
        return QCursor(QPixmap::fromImage(kep), u16(10), u16(12));
    }
  }
  return QCursor(Qt::SizeAllCursor);
}

bool tarolhato(const QString& text, int width) {
  const QString t = text.normalized(QString::NormalizationForm_C);
  if (t.size() > width) return false;
  for (const QChar c : t)
    if (c != QLatin1Char('?') && cp1250::encodeChar(c) == '?') return false;
  return true;
}
