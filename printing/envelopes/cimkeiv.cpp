#include "printing/envelopes/cimkeiv.h"

#include <QPainter>

#include "common/numtext.h"

namespace {

// The boxes' grid's corner, twips of the page; the sheet, mm.
constexpr double kBalTw = 45, kFelsoTw = 135;
constexpr double kLapSzeles = 210, kLapMagas = 297;

}  // namespace

CimkeIv::CimkeIv(QWidget* parent) : QWidget(parent) {}

void CimkeIv::setSetup(const CimkeSetupRekord& setup, QSizeF racsTwips) {
  s_ = setup;
  racs_ = racsTwips.isEmpty() ? QSizeF(3390, 4770) : racsTwips;
  update();
}

void CimkeIv::setPaper(const QImage& kep) {
  papir_ = kep;
  update();
}

QPointF CimkeIv::px(double xMm, double yMm) const {
  return {(kBalTw + xMm * racs_.width() / kLapSzeles) / kTwipsPerPixel,
          (kFelsoTw + yMm * racs_.height() / kLapMagas) / kTwipsPerPixel};
}

QRectF CimkeIv::lapPx() const { return {px(0, 0), px(kLapSzeles, kLapMagas)}; }

int CimkeIv::cimkek() const {
  const int n = s_.Oszlop * s_.Sor;
  return s_.Oszlop >= 1 && s_.Sor >= 1 && n <= 40 ? n : 0;
}

QRectF CimkeIv::cimkePx(int k) const {
  if (k < 1 || k > cimkek()) return {};
  const double w = s_.Szeles.value(), h = s_.Magas.value();
  const int sor = (k - 1) / s_.Oszlop, oszlop = (k - 1) % s_.Oszlop;
  return {px(oszlop * w, sor * h), px((oszlop + 1) * w, (sor + 1) * h)};
}

QPointF CimkeIv::kezdetPx(int k) const {
  if (k < 1 || k > cimkek()) return {};
  const int sor = (k - 1) / s_.Oszlop, oszlop = (k - 1) % s_.Oszlop;
  return px(s_.Left.value() + oszlop * s_.Szeles.value(), s_.Top.value() + sor * s_.Magas.value());
}

QString CimkeIv::felirat() const {
  if (cimkek() == 0) return {};
  return QStringLiteral("A4 etikett ív: %1 × %2 címke, %3 × %4 mm")
      .arg(s_.Oszlop)
      .arg(s_.Sor)
      .arg(huNumber(s_.Szeles.value()), huNumber(s_.Magas.value()));
}

void CimkeIv::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF lap = lapPx();
  if (papir_.isNull())
    p.fillRect(lap, Qt::white);
  else
    p.drawImage(lap, papir_);
  p.setPen(QPen(QColor(0x80, 0x80, 0x88), 1));
  p.drawRect(lap);
  // The labels, a little inside their places so that neighbours stay apart, and the mark of
  // each first line.
  const QColor cimke(0xA0, 0xA8, 0xB8);
  for (int k = 1; k <= cimkek(); ++k) {
    p.setPen(QPen(cimke, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cimkePx(k).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    const QPointF k0 = kezdetPx(k);
    p.setPen(QPen(QColor(0xC0, 0x50, 0x40), 1));
    p.drawLine(k0, k0 + QPointF(6, 0));
    p.drawLine(k0, k0 + QPointF(0, 6));
  }
  // The grid's name in the strip above the sheet, readable at any size of the page.
  QFont f = font();
  f.setPixelSize(std::max(9, int(lap.top()) - 2));
  p.setFont(f);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(QRectF(lap.left(), 0, lap.width(), lap.top()), Qt::AlignLeft | Qt::AlignVCenter, felirat());
}
