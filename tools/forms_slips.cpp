// The payment slip, the money order and the cash-on-delivery form.
#include "forms.h"
#include "sheet.h"

namespace forms {

namespace {

// A name and address block with its postcode cells (the backs of the pink and cash-on-
// delivery forms).
void cellBlock(Sheet& s, double x, double y, double w, const QString& caption, double irszY) {
  s.box(x, y, w, irszY - y + 7, caption);
  s.rules(x + 2, y + 7, w - 4, 3, 4.5);
  s.text(x + 1, irszY + 0.5, QStringLiteral("Irányítószám:"), 5);
  s.cells(x + 14, irszY - 0.2, 4);
}

// A name and address block: its caption above it, a rule under each of the three lines at
// `sor` and `lepes`, and a box for the postcode, which prints as one string, from `irszX` at
// `irszY` (the layout's first character less 1 mm), its caption right of it.
void addressBlock(Sheet& s, double x, double y, double w, double h, const QString& caption, double sor, double lepes,
                  double irszX, double irszY) {
  s.text(x, y - 1.8, caption, 5);
  s.box(x, y, w, h);
  s.rules(x + 2, sor, w - 4, 3, lepes);
  s.box(irszX, irszY, 22, 6);
  s.text(irszX + 23, irszY + 1.5, QStringLiteral("Irányítószám"), 5);
}

void amountBox(Sheet& s, double x, double y, double w, double h = 7.5) {
  s.text(x, y - 3.2, QStringLiteral("Összeg (Ft):"), 5);
  s.box(x, y, w, h);
}

void wordsLines(Sheet& s, double x, double y, double w) {
  s.text(x, y - 3.2, QStringLiteral("Összeg betűvel:"), 5);
  s.rules(x, y + 4.5, w, 2, 7);
}

}  // namespace

// The slip's boxes sit where its factory layout prints, fed standing (the lying feed prints
// a few millimetres further up and left, still in the same boxes): the amounts at 25 and
// 90 mm, the words lines from 10 and 75 mm at 17 and 23 mm, the notice block from 160 mm,
// the payer identifier from 87 mm at 40 mm, the legal title from 32 mm at 33 mm, the payer
// blocks from 10 and 145 mm at 54 mm with the postcode at 68 mm.
QImage sargaCsekk() {
  Sheet s(210, 105, QColor(0xFF, 0xF3, 0xB5), QColor(0xB8, 0x6A, 0x12));
  s.frame();
  s.line(66, 1, 66, 104, true);
  auto szavak = [&](double x, double w) {
    s.text(x, 12.6, QStringLiteral("Összeg betűvel:"), 5);
    s.rules(x, 20.6, w, 2, 6);
  };
  // Left part: the payer's receipt.
  amountBox(s, 12, 4.5, 50, 8.5);
  szavak(2, 62);
  s.text(2, 33, QStringLiteral("Jogcím:"), 5);
  s.box(22, 31.5, 42, 18.5);
  addressBlock(s, 2, 51, 62, 24, QStringLiteral("Befizető neve, címe:"), 57.4, 4, 4, 66.8);
  s.box(3, 80, 26, 8, QStringLiteral("Díj:"));
  s.circle(49, 86, 9, QStringLiteral("bélyegző"));
  s.centre(0, 97.5, 66, QStringLiteral("FELADÓVEVÉNY"), 8);
  // Right part: the order itself.
  amountBox(s, 77, 4.5, 55, 8.5);
  szavak(68, 76);
  s.box(147, 3, 60, 17.5);
  s.text(147, 20.8, QStringLiteral("Közlemény"), 5);
  s.text(147, 23, QStringLiteral("Számlaszám:"), 5);
  s.cells(147, 25.5, 8, 2.5, 4.5);
  s.cells(168, 25.5, 8, 2.5, 4.5);
  s.cells(189, 25.5, 7, 2.5, 4.5);
  s.box(147, 31.5, 60, 12, QStringLiteral("Számlatulajdonos (jogosult) neve:"));
  s.text(77, 35.3, QStringLiteral("Befizető azonosító:"), 5);
  s.box(77, 38.5, 58, 7);
  addressBlock(s, 137, 51, 70, 24, QStringLiteral("Befizető neve, címe:"), 57.4, 4, 139, 66.8);
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
  // The recipient where the factory layout prints it standing: from 9 and 147 mm, the name at
  // 61 mm, the postcode at 77 mm (lying: from 5 and 140 mm, 3 mm higher).
  addressBlock(s, 2, 57.5, 62, 27.5, QStringLiteral("Címzett neve, címe:"), 64.4, 4, 4, 76.3);
  s.box(3, 89, 26, 8, QStringLiteral("Díj:"));
  // Right part: the order.
  amountBox(s, 68, 4, 60);
  s.box(68, 14, 70, 14, QStringLiteral("Feladó neve, címe:"));
  s.text(68, 30, QStringLiteral("Összeg számmal:"), 5);
  s.box(68, 33, 60, 7.5);
  wordsLines(s, 68, 45, 70);
  s.box(140, 3, 67, 26, QStringLiteral("Postai feljegyzések:"));
  s.centre(140, 35, 67, QStringLiteral("POSTAUTALVÁNY"), 12);
  addressBlock(s, 137, 57.5, 70, 27.5, QStringLiteral("Címzett neve, címe:"), 64.4, 4, 139, 76.3);
  s.rules(68, 72, 66, 1, 0);
  s.text(68, 73, QStringLiteral("A feladó aláírása"), 5);
  s.circle(190, 96.5, 7, QStringLiteral("bélyegző"));
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
  cellBlock(s, 79, 62, 100, QStringLiteral("Feladó neve, címe:"), 81);
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
  cellBlock(s, 4, 10, 90, QStringLiteral("A küldemény címzettje:"), 30);
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
