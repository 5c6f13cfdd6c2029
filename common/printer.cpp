#include "common/printer.h"

#include <cmath>

#include "common/fields.h"

namespace printer_errors {
PrinterError invalidValue() { return {kInvalidValue, QStringLiteral("Érvénytelen tulajdonságérték")}; }
PrinterError outOfRange() { return {kOutOfRange, QStringLiteral("Az index kívül esik a tartományon")}; }
PrinterError cancelled() { return {kCancelled, QStringLiteral("A nyomtatást a Mégse gombbal megszakította.")}; }
PrinterError invalidPicture() { return {kInvalidPicture, QStringLiteral("Érvénytelen kép")}; }
PrinterError offPage() { return {kOffPage, QStringLiteral("A szöveg nem fér a lapra")}; }
PrinterError printerFailed(const QString& detail) {
  QString d = QStringLiteral("Nyomtatóhiba");
  if (!detail.isEmpty()) d += QStringLiteral("\r\n") + detail;
  return {kPrinterFailed, d};
}
}  // namespace printer_errors

using namespace printer_errors;

QString inkText(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1].isSpace()) --n;
  return text.left(n);
}

std::vector<PrintedText> PrintedDocument::texts() const {
  std::vector<PrintedText> all;
  for (const PrintedPage& p : pages) all.insert(all.end(), p.texts.begin(), p.texts.end());
  return all;
}

namespace {
bool usable(double v) { return std::isfinite(v) && v > 0; }
}  // namespace

QString Printer::currentName() const { return printerNames().value(current_); }

void Printer::select(int index) {
  if (index < 0 || index >= printerNames().size()) {
    logEvent(QStringLiteral("select %1: %2").arg(index).arg(kOutOfRange));
    throw outOfRange();
  }
  logEvent(QStringLiteral("select %1").arg(index));
  current_ = index;
  printerChanged(index);
}

void Printer::setFollowDefault(bool on) {
  logEvent(on ? QStringLiteral("followDefault on") : QStringLiteral("followDefault off"));
  follow_ = on;
  if (on && current_ != defaultIndex()) {
    current_ = defaultIndex();
    printerChanged(current_);
  }
}

void Printer::defaultChanged() {
  if (follow_ && current_ != defaultIndex()) {
    current_ = defaultIndex();
    printerChanged(current_);
  }
}

void Printer::setHeightTwips(double twips) {
  if (!usable(twips)) throw invalidValue();
  (orientation_ == kLandscape ? portraitW_ : portraitH_) = twips / kTwipsPerMm;
  paper_ = kPaperCustom;
}

void Printer::setWidthTwips(double twips) {
  if (!usable(twips)) throw invalidValue();
  (orientation_ == kLandscape ? portraitH_ : portraitW_) = twips / kTwipsPerMm;
  paper_ = kPaperCustom;
}

void Printer::setOrientation(int code) {
  if (code != kPortrait && code != kLandscape) throw invalidValue();
  orientation_ = code;
}

void Printer::setPaperSize(int code) {
  switch (code) {
    case kPaperA4: portraitW_ = 210, portraitH_ = 297; break;
    case kPaperDL: portraitW_ = 110, portraitH_ = 220; break;
    case kPaperC5: portraitW_ = 162, portraitH_ = 229; break;
    default: throw invalidValue();
  }
  paper_ = code;
}

double Printer::pageWidthMm() const { return orientation_ == kLandscape ? portraitH_ : portraitW_; }
double Printer::pageHeightMm() const { return orientation_ == kLandscape ? portraitW_ : portraitH_; }

bool Printer::offersFont(const QString& name) const {
  const QString t = trimmed(name);
  return !t.isEmpty() && hasFont(t);
}

void Printer::setFontName(const QString& name) {
  const QString t = trimmed(name);
  if (t.isEmpty() || !hasFont(t)) throw invalidValue();
  fontName_ = t;
}

void Printer::setFontSize(double points) {
  if (!usable(points)) throw invalidValue();
  fontSize_ = points;
}

void Printer::takeSetUp(PrintedPage& p) const {
  p.widthMm = pageWidthMm();
  p.heightMm = pageHeightMm();
  p.orientation = orientation_;
  p.paper = paper_;
  p.setUp = true;
}

PrintedPage& Printer::page() {
  if (!open_) {
    if (current_ < 0 || current_ >= printerNames().size())
      throw printerFailed(QStringLiteral("Nincs nyomtató kiválasztva."));
    open_ = true;
    docPrinter_ = current_;
    doc_ = PrintedDocument{currentName(), {}};
  }
  if (doc_.pages.empty()) doc_.pages.emplace_back();
  return doc_.pages.back();
}

void Printer::print(const QString& text, bool endLine) {
  placing(text);
  const double width = textWidth(text);
  const double height = textHeight(text);
  PrintedPage& p = page();
  if (!p.setUp) takeSetUp(p);
  p.texts.push_back({text, unitToMm(x_), unitToMm(y_), fontName_, fontSize_, bold_});
  // Its line box, the text's width (trailing blanks, which print nothing, left out) by one line
  // of its font, must lie on the page (a few hundredths of a millimetre of rounding allowed).
  constexpr double kTolerance = 0.05;
  const PrintedText& t = p.texts.back();
  const double w = measureWidthMm(inkText(text), fontName_, fontSize_, bold_), h = unitToMm(height);
  if (!text.trimmed().isEmpty() && (t.x < -kTolerance || t.y < -kTolerance || t.x + w > p.widthMm + kTolerance ||
                                    t.y + h > p.heightMm + kTolerance))
    offPage_.push_back({text, t.x, t.y, w, h, p.widthMm, p.heightMm, int(doc_.pages.size())});
  if (endLine) {
    x_ = 0;
    y_ += height;
  } else {
    x_ += width;
  }
}

double Printer::textWidth(const QString& text) const {
  return mmToUnit(measureWidthMm(text, fontName_, fontSize_, bold_));
}

double Printer::textHeight(const QString&) const { return mmToUnit(lineHeightMm(fontName_, fontSize_, bold_)); }

void Printer::paintPicture(const QImage& image, double x, double y, double width, double height) {
  if (image.isNull()) throw invalidPicture();
  PrintedPage& p = page();
  if (!p.setUp) takeSetUp(p);
  p.pictures.push_back({image, unitToMm(x), unitToMm(y), unitToMm(width), unitToMm(height)});
}

void Printer::newPage() {
  logEvent(QStringLiteral("newPage"));
  PrintedPage& p = page();
  if (!p.setUp) takeSetUp(p);
  doc_.pages.emplace_back();
  x_ = y_ = 0;
}

void Printer::endDoc() {
  PrintedDocument doc = std::move(doc_);
  const bool open = open_;
  const int index = docPrinter_;
  doc_ = PrintedDocument{};
  open_ = false;
  docPrinter_ = -1;
  x_ = y_ = 0;
  while (!doc.pages.empty() && doc.pages.back().empty()) doc.pages.pop_back();
  if (!open || doc.pages.empty()) {
    logEvent(QStringLiteral("endDoc"));
    if (documentEnded) documentEnded(nullptr);
    return;
  }
  try {
    send(doc, index);
  } catch (const PrinterError& e) {
    logEvent(QStringLiteral("endDoc: %1").arg(e.number));
    if (documentEnded) documentEnded(&e);
    throw;
  }
  logEvent(QStringLiteral("endDoc"));
  if (documentEnded) documentEnded(nullptr);
}

void Printer::killDoc() {
  logEvent(QStringLiteral("killDoc"));
  doc_ = PrintedDocument{};
  open_ = false;
  docPrinter_ = -1;
  x_ = y_ = 0;
}
