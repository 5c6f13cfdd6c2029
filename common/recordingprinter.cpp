#include "common/recordingprinter.h"

QStringList RecordingPrinter::defaultPrinters() {
  return {QStringLiteral("Nyomtató A"), QStringLiteral("Nyomtató B")};
}

QStringList RecordingPrinter::defaultFonts() {
  return {QStringLiteral("Arial"), QStringLiteral("Arial CE"), QStringLiteral("Times New Roman"),
          QStringLiteral("Times New Roman CE"), QStringLiteral("Courier New")};
}

RecordingPrinter::RecordingPrinter(QStringList printers, int defaultIndex)
    : printers_(std::move(printers)), default_(defaultIndex) {
  initCurrent();
}

void RecordingPrinter::setDefault(int index) {
  default_ = index;
  defaultChanged();
}

double RecordingPrinter::measureWidthMm(const QString& text, const QString&, double size, bool) const {
  return text.size() * kCharMmPerPoint * size;
}

double RecordingPrinter::lineHeightMm(const QString&, double size, bool) const { return kLineMmPerPoint * size; }

bool RecordingPrinter::hasFont(const QString& name) const { return fonts_.contains(name, Qt::CaseInsensitive); }

void RecordingPrinter::send(const PrintedDocument& doc, int) {
  if (sendError) throw *sendError;
  documents_.push_back(doc);
}

void RecordingPrinter::placing(const QString& text) {
  const auto it = failOnText.constFind(text);
  if (it != failOnText.constEnd()) throw it.value();
}
