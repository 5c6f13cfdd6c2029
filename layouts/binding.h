#pragma once
// Ties a control of the settings dialog to one field of a layout record: how the field is
// shown in the control and how the control's text is stored back. Loading and saving a tab
// are then loops over its list of bindings, so a tab opened and saved without edits writes
// back the very bytes it read.
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

#include "common/kodlap.h"
#include "layouts/factory.h"

enum class FieldKind {
  Pos,          // fixed-point mm; "," or "." as the decimal separator
  Pos20,        // the same, shown 20 mm smaller than stored
  PosRegional,  // fixed-point mm; the whole text must be a number
  Single,       // single float mm; "," or "." as the decimal separator
  Size,         // 16-bit whole number, leading numeric value rounded half to even
  Text,         // text shown without its padding blanks
  TextRaw,      // text shown as stored, padding blanks included
};

template <class R>
struct Binding {
  QWidget* control;  // QLineEdit or QComboBox (its edit text)
  FieldRef<R> field;
  FieldKind kind;
  int width = 0;  // text fields: the field's width
  QString name;   // how error messages name the box
};

template <class R>
using Bindings = std::vector<Binding<R>>;

QString controlText(const QWidget* w);
void setControlText(QWidget* w, const QString& text);

// Shown forms of the values.
QString positionText(Fixed v);  // Hungarian number format: "12,5"
QString singleText(float v);    // shortest form that reads back as the same float
// Parsed values; nothing (and `error` set, in Hungarian) when the text cannot be stored.
std::optional<Fixed> positionValue(const QString& text, const QString& name, QString* error);
std::optional<Fixed> regionalPositionValue(const QString& text, const QString& name, QString* error);
std::optional<float> singleValue(const QString& text, const QString& name, QString* error);
std::optional<int16_t> sizeValue(const QString& text, const QString& name, QString* error);
// Messages for a box named `name` whose text is not a number, or does not fit its field.
QString notNumber(const QString& name, const QString& text);
QString tooLarge(const QString& name, const QString& text);
// A text in composed form, cut to its field's width and padded with blanks, as the file will
// hold it.
QString fieldText(const QString& text, int width);

inline constexpr int64_t kShift20 = 200000;  // 20 mm as stored

template <class R>
void showField(const R& r, const Binding<R>& b) {
  QString t;
  std::visit(
      [&](auto m) {
        const auto& v = r.*m;
        using T = std::remove_cvref_t<decltype(v)>;
        if constexpr (std::is_same_v<T, Fixed>) {
          t = positionText(b.kind == FieldKind::Pos20 ? v + Fixed::fromRaw(-kShift20) : v);
        } else if constexpr (std::is_same_v<T, float>) {
          t = singleText(v);
        } else if constexpr (std::is_same_v<T, int16_t>) {
          t = QString::number(v);
        } else {
          t = b.kind == FieldKind::TextRaw ? asStored(v) : trimmed(v);
        }
      },
      b.field);
  setControlText(b.control, t);
}

// Stores one control into `r`; false (and `error` set) when its text does not fit the field
// or holds characters the record file cannot store.
template <class R>
bool storeField(R& r, const Binding<R>& b, QString* error) {
  const QString t = controlText(b.control);
  bool ok = true;
  std::visit(
      [&](auto m) {
        auto& v = r.*m;
        using T = std::remove_cvref_t<decltype(v)>;
        if constexpr (std::is_same_v<T, Fixed>) {
          auto p = b.kind == FieldKind::PosRegional ? regionalPositionValue(t, b.name, error)
                                                    : positionValue(t, b.name, error);
          if (p && b.kind == FieldKind::Pos20) {
            p = p->plus(kShift20);
            if (!p && error) *error = tooLarge(b.name, t);
          }
          if (p) v = *p;
          ok = p.has_value();
        } else if constexpr (std::is_same_v<T, float>) {
          const auto p = singleValue(t, b.name, error);
          if (p) v = *p;
          ok = p.has_value();
        } else if constexpr (std::is_same_v<T, int16_t>) {
          const auto p = sizeValue(t, b.name, error);
          if (p) v = *p;
          ok = p.has_value();
        } else {
          const QString hiba = kodlapHiba({t}, b.name);
          if (hiba.isEmpty()) v = fieldText(t, b.width);
          else if (error) *error = hiba;
          ok = hiba.isEmpty();
        }
      },
      b.field);
  return ok;
}

template <class R>
void showFields(const R& r, const Bindings<R>& list) {
  for (const auto& b : list) showField(r, b);
}

// Stores every binding that `pick` accepts; stops at the first that does not fit.
template <class R, class Pick>
bool storeFields(R& r, const Bindings<R>& list, QString* error, Pick pick) {
  for (const auto& b : list)
    if (pick(b) && !storeField(r, b, error)) return false;
  return true;
}
template <class R>
bool storeFields(R& r, const Bindings<R>& list, QString* error) {
  return storeFields(r, list, error, [](const Binding<R>&) { return true; });
}
