#pragma once
// The program's printer: the system's printers (QPrinterInfo, in the system's order) and then
// one printer "PDF", which writes each document as a PDF file into the folder "Nyomtatas" of
// the program folder. Windows font names map onto the metric-compatible Liberation fonts.
// Measures come from the font's metrics at 1200 dpi without hinting; a document is kept page
// by page until its end and only then rendered, each page with its own size and orientation
// and no margins. The printer list and the default are read once, at construction.
#include <QString>
#include <QStringList>

#include "common/fajlmuvelet.h"
#include "common/printer.h"

class QFont;
class QPagedPaintDevice;

class QtPrinter : public Printer {
 public:
  static inline const QString kPdfName = QStringLiteral("PDF");
  static inline const QString kPdfFolder = QStringLiteral("Nyomtatas");

  explicit QtPrinter(const QString& programFolder);

  QStringList printerNames() const override { return names_; }
  int defaultIndex() const override;
  // Installed families, plus the Windows names that map onto an installed family.
  QStringList fonts() const override;

  // The family a font name is drawn with: a trailing " CE" dropped, then "Arial",
  // "Times New Roman" and "Courier New" mapped onto Liberation Sans, Serif and Mono when the
  // name itself is not installed. Empty when no installed family matches.
  static QString family(const QString& name);
  static QFont qfont(const QString& name, double size, bool bold);

  // Path of the PDF file written last (empty before the first).
  QString lastPdf() const { return lastPdf_; }

 protected:
  double measureWidthMm(const QString& text, const QString& font, double size, bool bold) const override;
  double lineHeightMm(const QString& font, double size, bool bold) const override;
  bool hasFont(const QString& name) const override { return !family(name).isEmpty(); }
  // A document that does not reach its printer or PDF file raises 482, saying that it was not
  // printed and why (no room, read-only, a file in the folder's way, no permission, ...).
  void send(const PrintedDocument& doc, int index) override;

 private:
  // A free name for the next PDF file; a failed question is its error.
  Valasz<QString> nextPdfPath() const;
  QString folder_;
  QStringList names_;
  int systemDefault_ = -1;
  QString lastPdf_;
  bool programMappaKiirva_ = false;  // the program folder was flushed with the PDF folder's name
};

// Draws the pages of `doc` on `device` (which has not begun painting yet); false when the
// device cannot be started.
bool renderDocument(const PrintedDocument& doc, QPagedPaintDevice& device);
