#include "common/kodlap.h"

#include "common/cp1250.h"

namespace {

// How the message shows one character: a combining mark on a dotted circle, an invisible
// one by its code, any other as itself.
QString megjelenit(const QString& c) {
  const char32_t u = c.toUcs4().value(0);
  switch (QChar::category(u)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
      return QStringLiteral("\u25CC") + c;
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return QStringLiteral("U+") + QString::number(uint(u), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    default:
      return c;
  }
}

}  // namespace

QStringList kodlapIdegen(const QString& text) {
  const QString t = text.normalized(QString::NormalizationForm_C);
  QStringList out;
  for (qsizetype i = 0; i < t.size(); ++i) {
    QString c(t[i]);
    if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) c += t[++i];
    // '?' itself is a character of the code page.
    if (c.size() == 1 && (c[0] == QLatin1Char('?') || cp1250::encodeChar(c[0]) != '?')) continue;
    if (!out.contains(c)) out << c;
  }
  return out;
}

QString kodlapHiba(const QStringList& texts, const QString& mezo) {
  QStringList idegen;
  for (const QString& t : texts)
    for (const QString& c : kodlapIdegen(t))
      if (!idegen.contains(c)) idegen << c;
  if (idegen.isEmpty()) return {};
  QStringList lathato;
  for (const QString& c : idegen) lathato << megjelenit(c);
  const QString eleje = mezo.isEmpty() ? QStringLiteral("A szöveg") : QStringLiteral("A(z) „%1” mező").arg(mezo);
  return eleje + QStringLiteral(" olyan karaktert tartalmaz, amelyet a program nem tud tárolni: ") +
         lathato.join(QStringLiteral(" ")) + QStringLiteral("\r\nKérem, írja át vagy törölje ezeket a karaktereket!");
}
