#include "payerwindows/cimkereso.h"

#include <QHeaderView>

#include "common/fields.h"
#include "common/numtext.h"
#include "common/recordfile.h"

namespace {

const QString kBudapest = QStringLiteral("Budapest");

QString kulcs(const QString& s) { return trimmed(s).toUpper(); }

// Every whole record of a lookup table, in file order, with its record number.
template <class R, class Pred>
std::vector<std::pair<int32_t, R>> olvas(const QString& folder, const QString& file, Pred match) {
  RecordFile f(folder, file, R::Length);
  const Valasz<int32_t> db = f.count();
  const int32_t n = db ? *db : 0;
  // A table that cannot be read finds nothing.
  const QByteArray all = db ? f.readRange(1, n).value_or(QByteArray()) : QByteArray();
  std::vector<std::pair<int32_t, R>> out;
  if (all.size() < qsizetype(n) * R::Length) return out;
  for (int32_t i = 0; i < n; ++i) {
    R r;
    decodeRecord(all.mid(qsizetype(i) * R::Length, R::Length), r);
    if (match(r)) out.emplace_back(i + 1, std::move(r));
  }
  return out;
}

std::vector<TelepulesTalalat> telepulesek(const QString& folder, auto match) {
  std::vector<TelepulesTalalat> out;
  for (auto& [rec, r] : olvas<TelepulesRekord>(folder, kTelepulesekFile, match)) out.push_back({rec, std::move(r)});
  return out;
}
std::vector<UtcaTalalat> utcak(const QString& folder, auto match) {
  std::vector<UtcaTalalat> out;
  for (auto& [rec, r] : olvas<BudapestRekord>(folder, kBudapestFile, match)) out.push_back({rec, std::move(r)});
  return out;
}

void setText(QLineEdit* box, const QString& text) {
  if (box) box->setText(text);
}
void clear(QLineEdit* box) { setText(box, QString()); }
QString text(const QLineEdit* box) { return box ? box->text() : QString(); }

}  // namespace

std::vector<TelepulesTalalat> telepulesekNevre(const QString& folder, const QString& nev) {
  const QString k = kulcs(nev);
  return telepulesek(folder, [&](const TelepulesRekord& r) { return kulcs(r.Helyseg) == k; });
}

std::vector<UtcaTalalat> utcakNevre(const QString& folder, const QString& utca) {
  const QString k = kulcs(utca);
  return utcak(folder, [&](const BudapestRekord& r) { return kulcs(r.Utca) == k; });
}

std::vector<TelepulesTalalat> telepulesekIrszamra(const QString& folder, const QString& irsz) {
  const double v = leadingValue(irsz);
  return telepulesek(folder, [&](const TelepulesRekord& r) { return double(r.Irsz) == v; });
}

std::vector<UtcaTalalat> utcakIrszamra(const QString& folder, const QString& irsz) {
  const double v = leadingValue(irsz);
  return utcak(folder, [&](const BudapestRekord& r) { return double(r.Irsz) == v; });
}

QStringList telepulesSor(const TelepulesTalalat& t) {
  return {QString::number(t.r.Irsz), trimmed(t.r.Helyseg), trimmed(t.r.Kiegeszites), QString(), QString(), QString(),
          QString(), QString::number(t.rec)};
}

QStringList utcaSor(const UtcaTalalat& t) {
  return {QString::number(t.r.Irsz), trimmed(t.r.Utca),         trimmed(t.r.Kozterulet), trimmed(t.r.Varosresz),
          hszTolSzoveg(t.r.HszTol),  hszIgSzoveg(t.r.HszIg),    trimmed(t.r.Kerulet),    QString::number(t.rec)};
}

CimValaszto::CimValaszto(QString folder, QWidget* keret, QWidget* parent)
    : QTreeWidget(parent), folder_(std::move(folder)), keret_(keret) {
  setObjectName(QStringLiteral("ListView2"));
  setRootIsDecorated(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHeaderLabels({QStringLiteral("Ir.szám"), QStringLiteral("Utca"), QStringLiteral("Közterület"),
                   QStringLiteral("Városrész"), QStringLiteral("Hsz-tól"), QStringLiteral("Hsz-ig"),
                   QStringLiteral("Kerület"), QStringLiteral("rec")});
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ListView2_ItemClick(item); });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { ListView2_DblClick(); });
}

void CimValaszto::setMezok(QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz) {
  helyseg_ = helyseg;
  utca_ = utca;
  irsz_ = irsz;
}

void CimValaszto::urit() { clear(); }

void CimValaszto::hozzaad(const QStringList& oszlopok) { addTopLevelItem(new QTreeWidgetItem(oszlopok)); }

// The frame is laid out by its container, so showing it does not move it.
void CimValaszto::mutat(int16_t mod) {
  (keret_ ? keret_ : static_cast<QWidget*>(this))->setVisible(true);
  if (keret_) setVisible(true);
  KeresesModja = mod;
}

void CimValaszto::rejt() { (keret_ ? keret_ : static_cast<QWidget*>(this))->setVisible(false); }

bool CimValaszto::lathato() const { return !(keret_ ? keret_ : static_cast<const QWidget*>(this))->isHidden(); }

int32_t CimValaszto::rekordSzam(const QTreeWidgetItem* item) const {
  if (!item) return 0;
  const double v = leadingValue(item->text(columnCount() - 1));
  return (v >= 1 && v <= 2147483647.0) ? int32_t(v) : 0;
}

void CimValaszto::ListView2_ItemClick(QTreeWidgetItem* item) {
  const int32_t rec = rekordSzam(item);
  // A record that is no longer in its table fills nothing.
  if (KeresesModja == kTelepulesKereses) {
    RecordFile f(folder_, kTelepulesekFile, TelepulesRekord::Length);
    TelepulesRekord r;
    if (const Valasz<int32_t> db = f.count(); rec < 1 || !db || rec > *db || !f.read(rec, r)) return;
    setText(helyseg_, trimmed(r.Helyseg));
    setText(irsz_, QString::number(r.Irsz));
  } else if (KeresesModja == kUtcaKereses || KeresesModja == kIrszamKereses) {
    RecordFile f(folder_, kBudapestFile, BudapestRekord::Length);
    BudapestRekord r;
    if (const Valasz<int32_t> db = f.count(); rec < 1 || !db || rec > *db || !f.read(rec, r)) return;
    setText(utca_, utcaSzoveg(r));
    setText(helyseg_, kBudapest);
    setText(irsz_, QString::number(r.Irsz));
  }
}

void CimValaszto::ListView2_DblClick() { rejt(); }

void helysegKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* irsz, CimValaszto* lista) {
  if (lista) {
    lista->KeresesModja = kNincsKereses;
    lista->urit();
  }
  const auto talalat = telepulesekNevre(folder, text(helyseg));
  if (talalat.size() > 1) {
    if (lista) {
      for (const auto& t : talalat) lista->hozzaad(telepulesSor(t));
      lista->mutat(kTelepulesKereses);
    }
    return;
  }
  if (talalat.size() == 1) {
    setText(helyseg, trimmed(talalat[0].r.Helyseg));
    setText(irsz, QString::number(talalat[0].r.Irsz));
  } else {
    clear(helyseg);
    clear(irsz);
  }
  if (lista) lista->rejt();
}

void utcaKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz, CimValaszto* lista) {
  clear(irsz);
  setText(helyseg, kBudapest);
  if (lista) {
    lista->KeresesModja = kNincsKereses;
    lista->urit();
    lista->rejt();
  }
  const auto talalat = utcakNevre(folder, text(utca));
  if (talalat.size() > 1) {
    if (lista) {
      for (const auto& t : talalat) lista->hozzaad(utcaSor(t));
      lista->mutat(kUtcaKereses);
    }
    return;
  }
  if (talalat.size() == 1) {
    setText(utca, utcaSzoveg(talalat[0].r));
    setText(irsz, QString::number(talalat[0].r.Irsz));
  } else {
    clear(utca);
    clear(irsz);
  }
  if (lista) lista->rejt();
}

void irszamKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz, CimValaszto* lista) {
  if (lista) lista->KeresesModja = kNincsKereses;
  const QString kod = text(irsz);
  if (kod.size() != 4) return;
  if (lista) {
    lista->urit();
    lista->rejt();
  }
  if (kod[0] != QLatin1Char('1')) {
    clear(helyseg);
    const auto talalat = telepulesekIrszamra(folder, kod);
    if (talalat.size() > 1) {
      if (lista) {
        for (const auto& t : talalat) lista->hozzaad(telepulesSor(t));
        lista->mutat(kTelepulesKereses);
      }
    } else if (talalat.size() == 1) {
      setText(helyseg, trimmed(talalat[0].r.Helyseg));
    } else {
      clear(irsz);
    }
    return;
  }
  setText(helyseg, kBudapest);
  const auto talalat = utcakIrszamra(folder, kod);
  if (talalat.size() > 1) {
    if (lista) {
      for (const auto& t : talalat) lista->hozzaad(utcaSor(t));
      lista->mutat(kIrszamKereses);
    }
  } else if (talalat.size() == 1) {
    setText(utca, utcaSzoveg(talalat[0].r));
  } else {
    clear(irsz);
  }
}
