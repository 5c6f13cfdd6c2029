#include "layouts/binding.h"

#include <QComboBox>
#include <QLineEdit>

#include <charconv>
#include <cmath>
#include <limits>

#include "common/numtext.h"

QString controlText(const QWidget* w) {
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
  return {};
}

void setControlText(QWidget* w, const QString& text) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(text);
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (c->isEditable()) c->setEditText(text);
    else c->setCurrentText(text);
  }
}

QString positionText(Fixed v) { return huNumber(v.value()); }

QString singleText(float v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  QString s = QString::fromLatin1(buf, int(r.ptr - buf));
  s.replace(QChar('.'), QChar(','));
  return s;
}

QString notNumber(const QString& name, const QString& text) {
  if (text.trimmed().isEmpty()) return QStringLiteral("A(z) „%1” mező üres, számot kell megadni.").arg(name);
  return QStringLiteral("A(z) „%1” mezőben nem szám áll: „%2”.").arg(name, text.trimmed());
}
QString tooLarge(const QString& name, const QString& text) {
  return QStringLiteral("A(z) „%1” mező értéke nem fér el a mezőben: „%2”.").arg(name, text.trimmed());
}

namespace {

// The largest position the fixed-point field holds, in millimetres.
constexpr double kMaxPosition = 922337203685477.0;

// Leading numeric value that takes a comma as the decimal separator too.
double leadingEither(QString text) {
  text.replace(QChar(','), QChar('.'));
  return leadingValue(text);
}

std::optional<Fixed> toFixed(double v, const QString& text, const QString& name, QString* error) {
  if (!(std::fabs(v) <= kMaxPosition)) {
    if (error) *error = tooLarge(name, text);
    return std::nullopt;
  }
  return Fixed::fromDouble(v);
}

}  // namespace

std::optional<Fixed> positionValue(const QString& text, const QString& name, QString* error) {
  return toFixed(leadingEither(text), text, name, error);
}

std::optional<Fixed> regionalPositionValue(const QString& text, const QString& name, QString* error) {
  const auto v = parseRegional(text);
  if (!v) {
    if (error) *error = notNumber(name, text);
    return std::nullopt;
  }
  return toFixed(*v, text, name, error);
}

std::optional<float> singleValue(const QString& text, const QString& name, QString* error) {
  const double v = leadingEither(text);
  if (!(std::fabs(v) <= double(std::numeric_limits<float>::max()))) {
    if (error) *error = tooLarge(name, text);
    return std::nullopt;
  }
  return float(v);
}

std::optional<int16_t> sizeValue(const QString& text, const QString& name, QString* error) {
  try {
    return roundToInt16(leadingValue(text));
  } catch (const OverflowError&) {
    if (error) *error = tooLarge(name, text);
    return std::nullopt;
  }
}

QString fieldText(const QString& text, int width) {
  return text.normalized(QString::NormalizationForm_C).left(width).leftJustified(width, QChar(' '));
}
