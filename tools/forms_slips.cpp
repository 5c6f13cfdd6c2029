// The payment slip, the money order and the cash-on-delivery form.
#include "forms.h"
#include "sheet.h"

namespace forms {

namespace {

// The payer's name and address block with its postcode cells, as on both parts of the slips.
void addressBlock(Sheet& s, double x, double y, double w, const QString& caption, double irszY) {
  s.box(x, y, w, irszY - y + 7, caption);
  s.rules(x + 2, y + 7, w - 4, 3, 4.5);
  s.text(x + 1, irszY + 0.5, QStringLiteral("Irányítószám:"), 5);
  s.cells(x + 14, irszY - 0.2, 4);
}

void amountBox(Sheet& s, double x, double y, double w) {
  s.text(x, y - 3.2, QStringLiteral("Összeg (Ft):"), 5);
  s.box(x, y, w, 7.5);
}

void wordsLines(Sheet& s, double x, double y, double w) {
  s.text(x, y - 3.2, QStringLiteral("Összeg betűvel:"), 5);
  s.rules(x, y + 4.5, w, 2, 7);
}

}  // namespace

QImage sargaCsekk() {
  Sheet s(210, 105, QColor(0xFF, 0xF3, 0xB5), QColor(0xB8, 0x6A, 0x12));
  s.frame();
  s.line(66, 1, 66, 104, true);
  // Left part: the payer's receipt.
  amountBox(s, 12, 4.5, 50);
  wordsLines(s, 2, 15, 62);
  s.text(2, 33, QStringLiteral("Jogcím:"), 5);
  s.box(22, 31.5, 42, 15.5);
  addressBlock(s, 2, 48.5, 62, QStringLiteral("Befizető neve, címe:"), 68);
  s.box(3, 80, 26, 8, QStringLiteral("Díj:"));
  s.circle(49, 86, 9, QStringLiteral("bélyegző"));
  s.centre(0, 97.5, 66, QStringLiteral("FELADÓVEVÉNY"), 8);
  // Right part: the order itself.
  amountBox(s, 77, 4.5, 55);
  wordsLines(s, 68, 15, 76);
  s.box(147, 3, 60, 15);
  s.text(147, 18.3, QStringLiteral("Közlemény"), 5);
  s.text(147, 22, QStringLiteral("Számlaszám:"), 5);
  s.cells(147, 25, 8, 2.5, 4.5);
  s.cells(168, 25, 8, 2.5, 4.5);
  s.cells(189, 25, 7, 2.5, 4.5);
  s.box(147, 31.5, 60, 12, QStringLiteral("Számlatulajdonos (jogosult) neve:"));
  s.text(77, 35.3, QStringLiteral("Befizető azonosító:"), 5);
  s.box(77, 38.5, 58, 7);
  addressBlock(s, 137, 48.5, 70, QStringLiteral("Befizető neve, címe:"), 68);
  s.fill(68, 80, 66, 9, QColor(0xFF, 0xFA, 0xDE));
  s.box(68, 80, 66, 9, QStringLiteral("Ellenőrző kód:"));
  s.centre(66, 94, 144, QStringLiteral("KÉSZPÉNZÁTUTALÁSI MEGBÍZÁS"), 11);
  s.circle(190, 86, 9, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage rozsaszinElol() {
  Sheet s(210, 105, QColor(0xFC, 0xE0, 0xEA), QColor(0xB0, 0x3A, 0x66));
  s.frame();
  s.line(66, 1, 66, 104, true);
  // Left part: the sender's receipt.
  amountBox(s, 3, 4, 58);
  wordsLines(s, 2, 14, 62);
  s.centre(0, 33, 66, QStringLiteral("FELADÓVEVÉNY"), 8);
  s.circle(40, 47, 8, QStringLiteral("bélyegző"));
  addressBlock(s, 2, 59, 62, QStringLiteral("Címzett neve, címe:"), 77);
  s.box(3, 89, 26, 8, QStringLiteral("Díj:"));
  // Right part: the order.
  amountBox(s, 68, 4, 60);
  s.box(68, 14, 70, 14, QStringLiteral("Feladó neve, címe:"));
  s.text(68, 30, QStringLiteral("Összeg számmal:"), 5);
  s.box(68, 33, 60, 7.5);
  wordsLines(s, 68, 45, 70);
  s.box(140, 3, 67, 26, QStringLiteral("Postai feljegyzések:"));
  s.centre(140, 35, 67, QStringLiteral("POSTAUTALVÁNY"), 12);
  addressBlock(s, 138, 59, 69, QStringLiteral("Címzett neve, címe:"), 77);
  s.rules(68, 72, 66, 1, 0);
  s.text(68, 73, QStringLiteral("A feladó aláírása"), 5);
  s.circle(190, 95, 7, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage rozsaszinHatul() {
  Sheet s(210, 105, QColor(0xFC, 0xE0, 0xEA), QColor(0xB0, 0x3A, 0x66));
  s.frame();
  s.centre(0, 1.5, 210, QStringLiteral("POSTAUTALVÁNY – HÁTOLDAL"), 8);
  s.box(3, 5, 120, 26, QStringLiteral("Közlemény:"));
  s.rules(5, 12, 116, 4, 4.5);
  s.box(128, 5, 79, 26, QStringLiteral("Postai feljegyzések:"));
  s.box(3, 36, 120, 22, QStringLiteral("Átvételi elismervény"));
  s.text(5, 42, QStringLiteral("Az összeget átvettem:"), 5);
  s.rules(5, 54, 55, 1, 0);
  s.text(5, 54.5, QStringLiteral("kelt"), 4.5);
  s.rules(65, 54, 55, 1, 0);
  s.text(65, 54.5, QStringLiteral("a címzett aláírása"), 4.5);
  addressBlock(s, 79, 62, 100, QStringLiteral("Feladó neve, címe:"), 81);
  s.circle(30, 80, 12, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage utanvetelElol() {
  Sheet s(150, 105, QColor(0xE4, 0xF0, 0xFA), QColor(0x2F, 0x68, 0xA0));
  s.frame();
  s.centre(0, 1.5, 150, QStringLiteral("UTÁNVÉTELI LAP"), 11);
  amountBox(s, 4, 12, 55);
  wordsLines(s, 65, 12, 80);
  s.tick(4, 24, QStringLiteral("R"));
  s.tick(20, 24, QStringLiteral("EL"));
  s.box(4, 32, 68, 30, QStringLiteral("A küldemény címzettje:"));
  s.rules(6, 40, 64, 4, 5);
  s.box(77, 32, 69, 36, QStringLiteral("Az összeg jogosultja (név, cím vagy számlaszám):"));
  s.rules(79, 40, 65, 4, 5);
  s.text(79, 61, QStringLiteral("Irányítószám:"), 5);
  s.cells(93, 60.3, 4);
  s.box(4, 70, 68, 30, QStringLiteral("Postai feljegyzések:"));
  s.circle(112, 86, 11, QStringLiteral("bélyegző"));
  return s.finish();
}

QImage utanvetelHatul() {
  Sheet s(150, 105, QColor(0xE4, 0xF0, 0xFA), QColor(0x2F, 0x68, 0xA0));
  s.frame();
  s.centre(0, 1.5, 150, QStringLiteral("UTÁNVÉTELI LAP – HÁTOLDAL"), 9);
  addressBlock(s, 4, 10, 90, QStringLiteral("A küldemény címzettje:"), 30);
  s.box(98, 10, 48, 27, QStringLiteral("Postai feljegyzések:"));
  s.box(4, 44, 142, 24, QStringLiteral("Átvételi igazolás"));
  s.text(6, 50, QStringLiteral("Az utánvételi összeget befizettem, a küldeményt átvettem."), 5);
  s.rules(6, 64, 60, 1, 0);
  s.text(6, 64.5, QStringLiteral("kelt"), 4.5);
  s.rules(80, 64, 62, 1, 0);
  s.text(80, 64.5, QStringLiteral("aláírás"), 4.5);
  s.circle(122, 88, 11, QStringLiteral("bélyegző"));
  return s.finish();
}

}  // namespace forms
