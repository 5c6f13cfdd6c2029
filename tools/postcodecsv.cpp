#include "postcodecsv.h"

#include <QFile>
#include <QSaveFile>

#include <functional>

#include "common/cp1250.h"

namespace postcode {

bool splitLine(const QString& line, QStringList& fields, QString* error) {
  fields.clear();
  QString cur;
  bool quoted = false;   // inside a quoted field
  bool wasQuoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < line.size() && line[i + 1] == '"') {
          cur += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        cur += c;
      }
    } else if (c == ';') {
      fields << cur;
      cur.clear();
      wasQuoted = false;
    } else if (c == '"' && cur.trimmed().isEmpty() && !wasQuoted) {
      quoted = wasQuoted = true;
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (quoted) {
    if (error) *error = QStringLiteral("lezáratlan idézőjel");
    return false;
  }
  fields << cur;
  return true;
}

namespace {

// One data line: its number in the file and its fields, trimmed.
struct Line {
  int number = 0;
  QStringList fields;
};

// Splits the source into data lines after checking the header. Error texts name the line.
bool dataLines(const QByteArray& csv, const QString& name, const QStringList& columns,
               QList<Line>& out, QString* error) {
  QString text = QString::fromUtf8(csv);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  if (text.contains(QChar::ReplacementCharacter)) {
    *error = name + QStringLiteral(": a fájl nem érvényes UTF-8 szöveg");
    return false;
  }
  const QStringList lines = text.split('\n');
  bool header = false;
  for (int i = 0; i < lines.size(); ++i) {
    QString l = lines[i];
    if (l.endsWith('\r')) l.chop(1);
    if (l.trimmed().isEmpty() || l.trimmed().startsWith('#')) continue;
    const QString where = QStringLiteral("%1:%2: ").arg(name).arg(i + 1);
    Line line{i + 1, {}};
    QString why;
    if (!splitLine(l, line.fields, &why)) {
      *error = where + why;
      return false;
    }
    for (QString& f : line.fields) f = f.trimmed();
    if (!header) {
      if (line.fields != columns) {
        *error = where + QStringLiteral("a fejléc nem \"%1\"").arg(columns.join(';'));
        return false;
      }
      header = true;
      continue;
    }
    if (line.fields.size() != columns.size()) {
      *error = where + QStringLiteral("%1 mező helyett %2").arg(columns.size()).arg(line.fields.size());
      return false;
    }
    out << line;
  }
  if (!header) {
    *error = name + QStringLiteral(": hiányzik a fejléc (\"%1\")").arg(columns.join(';'));
    return false;
  }
  if (out.isEmpty()) {
    *error = name + QStringLiteral(": nincs egyetlen adatsor sem");
    return false;
  }
  return true;
}

// A text value that fits its field: every character in code page 1250, at most `width` bytes.
bool fitText(const QString& v, int width, const QString& column, bool required, QString* why) {
  if (required && v.isEmpty()) {
    *why = QStringLiteral("a(z) %1 mező üres").arg(column);
    return false;
  }
  for (QChar c : v) {
    if (c != '?' && cp1250::encodeChar(c) == '?') {
      *why = QStringLiteral("a(z) %1 mező \"%2\" karaktere nem írható az 1250-es kódlapon").arg(column, QString(c));
      return false;
    }
  }
  if (cp1250::encode(v).size() > width) {
    *why = QStringLiteral("a(z) %1 mező hosszabb %2 karakternél: \"%3\"").arg(column).arg(width).arg(v);
    return false;
  }
  return true;
}

// A four-digit postcode 1000..9999.
bool postcodeOf(const QString& v, int16_t& irsz, QString* why) {
  bool digits = v.size() == 4;
  for (QChar c : v) digits = digits && c >= '0' && c <= '9';
  if (!digits || v[0] == '0') {
    *why = QStringLiteral("az irányítószám nem négyjegyű szám: \"%1\"").arg(v);
    return false;
  }
  irsz = int16_t(v.toInt());
  return true;
}

// A house number 1..32767 written in digits.
bool houseNumber(const QString& v, int16_t& n) {
  bool ok = !v.isEmpty();
  for (QChar c : v) ok = ok && c >= '0' && c <= '9';
  const int value = ok && v.size() <= 5 ? v.toInt() : 0;
  if (value < 1 || value > 32767) return false;
  n = int16_t(value);
  return true;
}

const QStringList kKeruletek{"I.", "II.", "III.", "IV.", "V.", "VI.", "VII.", "VIII.",
                             "IX.", "X.", "XI.", "XII.", "XIII.", "XIV.", "XV.", "XVI.",
                             "XVII.", "XVIII.", "XIX.", "XX.", "XXI.", "XXII.", "XXIII."};

bool parseLines(const QByteArray& csv, const QString& name, const QStringList& columns,
                const std::function<bool(const QStringList&, QString*)>& take, QString* error) {
  QList<Line> lines;
  if (!dataLines(csv, name, columns, lines, error)) return false;
  for (const Line& l : lines) {
    QString why;
    if (!take(l.fields, &why)) {
      *error = QStringLiteral("%1:%2: %3").arg(name).arg(l.number).arg(why);
      return false;
    }
  }
  return true;
}

}  // namespace

bool parseTelepulesek(const QByteArray& csv, const QString& name, QList<TelepulesRekord>& out,
                      QString* error) {
  return parseLines(csv, name, kTelepulesColumns, [&](const QStringList& f, QString* why) {
    TelepulesRekord r;
    if (!fitText(f[0], 20, "Helyseg", true, why) || !fitText(f[1], 20, "Kiegeszites", false, why) ||
        !postcodeOf(f[2], r.Irsz, why))
      return false;
    r.Helyseg = f[0];
    r.Kiegeszites = f[1];
    out << r;
    return true;
  }, error);
}

bool parseBudapest(const QByteArray& csv, const QString& name, QList<BudapestRekord>& out,
                   QString* error) {
  return parseLines(csv, name, kBudapestColumns, [&](const QStringList& f, QString* why) {
    BudapestRekord r;
    if (!postcodeOf(f[0], r.Irsz, why)) return false;
    if (!fitText(f[1], 25, "Utca", true, why) || !fitText(f[2], 10, "Kozterulet", false, why) ||
        !fitText(f[3], 15, "Varosresz", false, why))
      return false;
    // House numbers: a number or the words of the pick list.
    const QString tol = f[4].toLower(), ig = f[5].toLower();
    if (tol == QStringLiteral("többi")) r.HszTol = kHszTobbi;
    else if (tol == QStringLiteral("páros")) r.HszTol = kHszParos;
    else if (tol == QStringLiteral("páratlan")) r.HszTol = kHszParatlan;
    else if (tol == QStringLiteral("mind")) r.HszTol = kHszMind;
    else if (!houseNumber(f[4], r.HszTol)) {
      *why = QStringLiteral("a HszTol mező nem házszám (1-32767) és nem Többi/Páros/Páratlan/Mind: \"%1\"").arg(f[4]);
      return false;
    }
    if (ig == QStringLiteral("végig")) r.HszIg = kHszVegig;
    else if (!houseNumber(f[5], r.HszIg)) {
      *why = QStringLiteral("a HszIg mező nem házszám (1-32767) és nem Végig: \"%1\"").arg(f[5]);
      return false;
    }
    if (r.HszTol > 0 && r.HszIg > 0 && r.HszIg < r.HszTol) {
      *why = QStringLiteral("a HszIg (%1) kisebb a HszTol-nál (%2)").arg(r.HszIg).arg(r.HszTol);
      return false;
    }
    // Budapest postcodes are 1DDx, DD being the district.
    const int kerulet = int(kKeruletek.indexOf(f[6])) + 1;
    if (kerulet == 0) {
      *why = QStringLiteral("a Kerulet mező nem kerület (I. ... XXIII.): \"%1\"").arg(f[6]);
      return false;
    }
    if (r.Irsz / 1000 != 1 || (r.Irsz / 10) % 100 != kerulet) {
      *why = QStringLiteral("a(z) %1 irányítószám nem a(z) %2 kerületé").arg(f[0], f[6]);
      return false;
    }
    r.Utca = f[1];
    r.Kozterulet = f[2];
    r.Varosresz = f[3];
    r.Kerulet = f[6];
    out << r;
    return true;
  }, error);
}

namespace {

template <class R>
QByteArray image(const QList<R>& records) {
  QByteArray b;
  for (const R& r : records) b += encodeRecord(r);
  return b;
}

}  // namespace

int build(const QString& kind, const QString& csvPath, const QString& datPath, QString* error) {
  QFile in(csvPath);
  if (!in.open(QIODevice::ReadOnly)) {
    *error = csvPath + QStringLiteral(": nem olvasható (") + in.errorString() + ')';
    return -1;
  }
  const QByteArray csv = in.readAll();
  QByteArray bytes;
  int count = 0;
  if (kind == QStringLiteral("telepulesek")) {
    QList<TelepulesRekord> r;
    if (!parseTelepulesek(csv, csvPath, r, error)) return -1;
    bytes = image(r);
    count = int(r.size());
  } else if (kind == QStringLiteral("budapest")) {
    QList<BudapestRekord> r;
    if (!parseBudapest(csv, csvPath, r, error)) return -1;
    bytes = image(r);
    count = int(r.size());
  } else {
    *error = QStringLiteral("ismeretlen táblafajta: ") + kind;
    return -1;
  }
  QSaveFile out(datPath);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    *error = datPath + QStringLiteral(": nem írható (") + out.errorString() + ')';
    return -1;
  }
  return count;
}

}  // namespace postcode
