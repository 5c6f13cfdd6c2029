#pragma once
// Factory values of the layout records: one table per record, applied by the restore
// buttons of the settings dialog. Positions are the stored values (the shifted X positions
// of the receipts included, so 68 for a recipient X shown as 48).
#include <QString>

#include <variant>
#include <vector>

#include "common/setrekord.h"
#include "layouts/layoutrecords.h"

// One field of a record, whatever its kind.
template <class R>
using FieldRef = std::variant<Fixed R::*, float R::*, int16_t R::*, QString R::*>;

template <class R>
struct FactoryValue {
  FactoryValue(FieldRef<R> f, double n, QString t = QString()) : field(f), number(n), text(std::move(t)) {}
  FieldRef<R> field;
  double number = 0;  // positions (mm, as stored), singles and sizes
  QString text;       // font names
};

template <class R>
using FactoryTable = std::vector<FactoryValue<R>>;

// Payment slip (the layout part of SetRekord). The print switches, the save-at-exit switch
// and the payment-deadline options have no factory value.
const FactoryTable<SetRekord>& setFactory();
// Return receipt; the return address has no factory value.
const FactoryTable<SetTertiRekord>& tertiFactory();
// Official-document return receipt; the code (bar-code) font is the text font at 12 points.
// A first start writes it whole; the restore button puts back all but the code font and size,
// which stay as the user saved them.
const FactoryTable<SetIrat2Rekord>& irat2Factory();
const FactoryTable<SetIrat2Rekord>& irat2Restore();
// Posting receipt; the sender has none.
const FactoryTable<SetFvevenyRekord>& fvevenyFactory();
// Money order; the fixed party, the payee option and the bank account have none.
const FactoryTable<SetRcsekkRekord>& rcsekkFactory();
// Cash-on-delivery form: all thirteen positions.
const FactoryTable<SetUlapRekord>& ulapFactory();

template <class R>
void applyFactory(R& r, const FactoryTable<R>& table) {
  for (const auto& v : table) {
    std::visit(
        [&](auto m) {
          using T = std::remove_reference_t<decltype(r.*m)>;
          if constexpr (std::is_same_v<T, Fixed>) r.*m = Fixed::fromDouble(v.number);
          else if constexpr (std::is_same_v<T, float>) r.*m = float(v.number);
          else if constexpr (std::is_same_v<T, int16_t>) r.*m = int16_t(v.number);
          else r.*m = v.text;
        },
        v.field);
  }
}

template <class R>
bool hasFactoryValue(const FactoryTable<R>& table, const FieldRef<R>& field) {
  for (const auto& v : table)
    if (v.field == field) return true;
  return false;
}

// The factory text (a font name) of `field`; empty when the table has none.
template <class R>
QString factoryText(const FactoryTable<R>& table, QString R::*field) {
  for (const auto& v : table)
    if (v.field == FieldRef<R>(field)) return v.text;
  return {};
}
