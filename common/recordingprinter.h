#pragma once
// A printer for tests: a configurable list of installed printers and fonts, measures that do
// not depend on the machine's fonts, every sent document kept, and an event log of the
// operations whose order matters. It can be told to fail.
//
// Measures, proportional to the point size and the same for bold:
//   width of a text  = characters x kCharMmPerPoint x points   (10 pt: 2 mm per character)
//   height of a line = kLineMmPerPoint x points                 (10 pt: 4 mm)
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "common/printer.h"

class RecordingPrinter : public Printer {
 public:
  static constexpr double kCharMmPerPoint = 0.2;
  static constexpr double kLineMmPerPoint = 0.4;

  static QStringList defaultPrinters();  // "Nyomtató A", "Nyomtató B"
  static QStringList defaultFonts();     // Arial, Arial CE, Times New Roman (CE), Courier New

  // `defaultIndex` -1: the system has no default printer.
  explicit RecordingPrinter(QStringList printers = defaultPrinters(), int defaultIndex = 0);

  QStringList printerNames() const override { return printers_; }
  int defaultIndex() const override { return default_; }
  QStringList fonts() const override { return fonts_; }

  void setFonts(const QStringList& fonts) { fonts_ = fonts; }
  // The system default changes; a printer that follows the default moves along.
  void setDefault(int index);

  const std::vector<PrintedDocument>& documents() const { return documents_; }
  const QStringList& events() const { return events_; }
  void clearLog() {
    events_.clear();
    documents_.clear();
  }

  // Failures on demand: sending a document throws `sendError`; placing a text listed in
  // `failOnText` throws its error (the text is not placed).
  std::optional<PrinterError> sendError;
  QMap<QString, PrinterError> failOnText;

 protected:
  double measureWidthMm(const QString& text, const QString& font, double size, bool bold) const override;
  double lineHeightMm(const QString& font, double size, bool bold) const override;
  bool hasFont(const QString& name) const override;
  void send(const PrintedDocument& doc, int index) override;
  void placing(const QString& text) override;
  void logEvent(const QString& what) override { events_ << what; }

 private:
  QStringList printers_;
  int default_;
  QStringList fonts_ = defaultFonts();
  std::vector<PrintedDocument> documents_;
  QStringList events_;
};
