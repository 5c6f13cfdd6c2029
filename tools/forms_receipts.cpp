// The return receipts, the posting receipt, the envelope and the label sheet.
#include "forms.h"
#include "sheet.h"

namespace forms {

namespace {

const QColor kTertiPaper(0xEA, 0xF5, 0xE0), kTertiInk(0x3A, 0x80, 0x3A);

// The return-receipt page's card box is 9555 twips wide for the 165 mm card.
constexpr double kMmPerTwip = 165.0 / 9555.0;

void signatureLine(Sheet& s, double x, double y, double w, const QString& caption) {
  s.rules(x, y, w, 1, 0);
  s.text(x, y + 0.5, caption, 4.5);
}

// The delivery confirmation in the lower left of the domestic card, 57 mm wide.
void delivery(Sheet& s) {
  s.box(3, 45, 57, 57, QStringLiteral("Átvételi igazolás"));
  s.text(5, 51, QStringLiteral("A küldeményt átvettem:"), 5);
  signatureLine(s, 5, 64, 52, QStringLiteral("kézbesítés napja"));
  signatureLine(s, 5, 76, 52, QStringLiteral("átvevő aláírása"));
  signatureLine(s, 5, 88, 52, QStringLiteral("átvevő neve olvashatóan"));
  s.tick(5, 92.5, QStringLiteral("címzett"), 3);
  s.tick(25, 92.5, QStringLiteral("meghatalmazott"), 3);
  s.tick(5, 97, QStringLiteral("helyettes átvevő"), 3);
}

}  // namespace

QImage tertivevenyBelfoldi() {
  Sheet s(165, 105, kTertiPaper, kTertiInk);
  s.frame();
  s.upward(2, 2, 40, QStringLiteral("TÉRTIVEVÉNY"), 9);
  s.text(18, 1, QStringLiteral("Küldeményazonosító:"), 5);
  s.box(18, 3.5, 72, 7.5);
  s.box(98, 3, 34, 10, QStringLiteral("Ügyfélazonosító:"));
  // The service marks' squares where the page shows its "X" marks (twips 7410, 8010, 8610
  // across and 990 down of the 9555-twip card box), their boxes just below them.
  const char* jelek[] = {"pri.", "sk.", "UV."};
  for (int i = 0; i < 3; ++i) {
    const double x = (7410 + 600 * i) * kMmPerTwip;
    s.tick(x, 990 * kMmPerTwip, {}, 4);
    s.text(x + 4.6, 18.2, QString::fromLatin1(jelek[i]), 4.5);
  }
  s.box(45.5, 20.5, 54, 19.5, QStringLiteral("Címzett neve, címe:"));
  s.text(18, 31.5, QStringLiteral("Felvétel kelte:"), 5);
  s.box(18, 34, 26, 6);
  s.box(101, 34.5, 61, 6, QStringLiteral("Ügyfél saját jelzése:"));
  delivery(s);
  // The return address under the page's three lines (twips 3690 across, 3480, 3810 and 4140
  // down, 4845 wide): a rule under each line's text.
  s.box(61.5, 54.5, 89, 24, QStringLiteral("Visszaküldési cím:"));
  for (int top : {3480, 3810, 4140}) s.rules(63.5, top * kMmPerTwip + 4.2, 85.5, 1, 0);
  s.circle(120, 92, 9, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage tertivevenyKulfoldi() {
  Sheet s(165, 105, QColor(0xF0, 0xF4, 0xE2), QColor(0x4A, 0x72, 0x30));
  s.frame();
  s.centre(0, 1.5, 165, QStringLiteral("TÉRTIVEVÉNY – AVIS DE RÉCEPTION"), 10);
  s.text(13, 9.8, QStringLiteral("Küldeményazonosító / N° de l'envoi:"), 5);
  s.box(13, 12.5, 70, 7);
  s.box(13, 20.3, 70, 20.7, QStringLiteral("Címzett / Destinataire:"));
  // The squares under the page's "X" marks (twips of the card box), each box left of its mark.
  auto jel = [&](int left, int top, const char* felirat) {
    s.tick(left * kMmPerTwip, top * kMmPerTwip, QString::fromUtf8(felirat));
  };
  jel(840, 2430, "Levél / Lettre");
  jel(2400, 2430, "Elsőbbségi");
  jel(3630, 2430, "Csomag / Colis");
  jel(840, 2760, "Ajánlott / Recommandé");
  jel(870, 3060, "Saját kézbe / En main propre");
  s.box(88, 10, 73, 34, QStringLiteral("Átvételi igazolás / Attestation de réception"));
  signatureLine(s, 90, 28, 68, QStringLiteral("kelt / date"));
  signatureLine(s, 90, 39, 68, QStringLiteral("aláírás / signature"));
  // The return address: a rule under each of the page's four lines (twips 2900, 3420, 3900
  // and 4380 down).
  s.box(83, 45, 78, 40, QStringLiteral("Visszaküldési cím / Renvoyer à:"));
  for (int top : {2900, 3420, 3900, 4380}) s.rules(85, top * kMmPerTwip + 4.2, 74, 1, 0);
  s.circle(40, 85, 11, QStringLiteral("bélyegző / timbre"));
  return s.finish();
}

QImage tertiIrathoz() {
  Sheet s(165, 105, QColor(0xFD, 0xEC, 0xDA), QColor(0xB0, 0x55, 0x20));
  s.frame();
  s.upward(2, 2, 60, QStringLiteral("HIVATALOS IRAT"), 9);
  s.centre(14, 1.5, 150, QStringLiteral("TÉRTIVEVÉNY hivatalos irathoz"), 9);
  s.box(14, 7, 72, 20, QStringLiteral("Feladó:"));
  s.box(90, 7, 72, 20, QStringLiteral("Címzett neve, címe:"));
  s.box(14, 30, 48, 7, QStringLiteral("Irat fajtája:"));
  s.box(64, 30, 48, 7, QStringLiteral("Irat száma:"));
  s.box(114, 30, 48, 7, QStringLiteral("Melléklet:"));
  s.box(14, 39, 72, 7, QStringLiteral("Küldeményazonosító:"));
  s.box(90, 39, 72, 7, QStringLiteral("Ügyfél saját jelzése:"));
  s.box(14, 49, 72, 53, QStringLiteral("Átvételi igazolás"));
  signatureLine(s, 16, 66, 66, QStringLiteral("kézbesítés napja"));
  signatureLine(s, 16, 80, 66, QStringLiteral("átvevő aláírása"));
  s.tick(16, 88, QStringLiteral("címzett"), 3);
  s.tick(36, 88, QStringLiteral("meghatalmazott"), 3);
  s.tick(16, 94, QStringLiteral("átvételt megtagadta"), 3);
  s.tick(50, 94, QStringLiteral("nem kereste"), 3);
  s.box(90, 49, 72, 30, QStringLiteral("Visszaküldési cím:"));
  s.rules(92, 57, 68, 3, 6);
  s.circle(126, 91, 9, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage feladoveveny() {
  Sheet s(165, 120, QColor(0xF2, 0xEF, 0xFA), QColor(0x5A, 0x48, 0x9A));
  s.frame();
  s.centre(0, 1.5, 165, QStringLiteral("FELADÓVEVÉNY"), 11);
  s.text(33, 9, QStringLiteral("Ragszám / küldeményazonosító:"), 5);
  s.box(33, 12, 70, 6.5);
  s.tick(116, 24, QStringLiteral(""), 4);
  s.tick(122, 24, QStringLiteral(""), 4);
  s.tick(128, 24, QStringLiteral(""), 4);
  s.tick(134, 24, QStringLiteral(""), 4);
  s.tick(140, 24, QStringLiteral(""), 4);
  s.tick(146, 24, QStringLiteral(""), 4);
  const char* marks[] = {"sk", "PRI", "PL", "e-ért", "LNK", "2X"};
  for (int i = 0; i < 6; ++i) s.text(115.6 + 6 * i, 28.5, QString::fromUtf8(marks[i]), 4.2);
  s.text(116, 20, QStringLiteral("Különszolgáltatások:"), 5);
  s.box(31, 23, 80, 14, QStringLiteral("Feladó:"));
  s.tick(34, 39.5, QStringLiteral("Ajánlott"));
  s.tick(69, 39.5, QStringLiteral("Tértivevény"));
  s.tick(107, 39.5, QStringLiteral("Értéknyilvántartás"));
  s.tick(34, 45, QStringLiteral("Hivatalos irat"));
  s.tick(69, 45, QStringLiteral("Csomag"));
  s.box(116, 32.5, 45, 6.5, QStringLiteral("Értéknyilvánítás (Ft):"));
  s.box(31, 51, 80, 22, QStringLiteral("Címzett:"));
  s.box(116, 47, 45, 8, QStringLiteral("Utánvét (Ft):"));
  s.rules(116, 60, 45, 2, 4.5);
  s.box(3, 78, 66, 12, QStringLiteral("Díj:"));
  s.box(73, 78, 88, 12, QStringLiteral("Felvevő posta:"));
  s.circle(130, 104, 11, QStringLiteral("bélyegző"));
  return s.finish();
}

namespace {

// An envelope of the given size: outline, size caption and the stamp's corner. The sender and
// recipient blocks stand where the layout puts them, so the envelope has no lines for them.
QImage boritek(double w, double h, const QString& meret) {
  Sheet s(w, h, QColor(0xFB, 0xFA, 0xF4), QColor(0x77, 0x77, 0x77));
  s.frame();
  s.centre(0, 1.5, w, QStringLiteral("BORÍTÉK – ") + meret, 6, false);
  s.box(w - 30, 6, 24, 28);
  s.centre(w - 30, 18, 24, QStringLiteral("bélyeg"), 6, false);
  return s.finish();
}

}  // namespace

QImage boritekC6() { return boritek(162, 114, QStringLiteral("C6 (162 × 114 mm)")); }
QImage boritekC5() { return boritek(229, 162, QStringLiteral("C5 (229 × 162 mm)")); }
QImage boritekC56() { return boritek(229, 114, QStringLiteral("C5/6 (229 × 114 mm)")); }

// The blank sheet: the label page draws the labels of its set-up over it.
QImage etikettIv() {
  Sheet s(210, 297, QColor(0xFC, 0xFC, 0xFA), QColor(0x80, 0x80, 0x88));
  s.frame();
  return s.finish();
}

}  // namespace forms
