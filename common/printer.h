#pragma once
// The printer layer: the one current printer as every form printer drives it. Positions are
// millimetres from the top-left corner of the printable page once the scale is millimetres;
// page height and width are always twips. A failing operation throws PrinterError, which the
// form printer's error class (printjob.h) handles.
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

struct PrinterError {
  int number = 0;
  QString description;
};

// Error numbers the layer raises.
namespace printer_errors {
// A missing printer is error 9, not 380: the font-fallback class goes on after 380, and a
// missing printer must not pass for a bad font there.
constexpr int kInvalidValue = 380;     // invalid property value: unknown font, size 0, bad code
constexpr int kOutOfRange = 9;         // printer index not in the installed-printers list
constexpr int kCancelled = 32755;      // the printer dialog was cancelled
constexpr int kPrinterFailed = 482;    // the printer (or the PDF file) could not take the document
constexpr int kInvalidPicture = 481;   // a picture that cannot be painted (null image)
constexpr int kOffPage = 483;          // a text placed wholly or partly outside its page
PrinterError invalidValue();
PrinterError outOfRange();
PrinterError cancelled();
PrinterError invalidPicture();
PrinterError offPage();
// `detail` (may be empty) follows the general description on a new line.
PrinterError printerFailed(const QString& detail = {});
}  // namespace printer_errors

constexpr double kTwipsPerMm = 1440.0 / 25.4;
enum PaperCode { kPaperA4 = 9, kPaperDL = 27, kPaperC5 = 28, kPaperCustom = 256 };
enum OrientationCode { kPortrait = 1, kLandscape = 2 };

// What ends up on paper, kept per page until the end of the document.
struct PrintedText {
  QString text;
  double x = 0, y = 0;  // mm, top-left of the text's line box
  QString font;         // as asked for (trimmed)
  double size = 0;      // points
  bool bold = false;
};
struct PrintedPicture {
  QImage image;
  double x = 0, y = 0, width = 0, height = 0;  // mm
};
struct PrintedPage {
  double widthMm = 0, heightMm = 0;  // as oriented
  int orientation = kPortrait;
  int paper = kPaperA4;              // kPaperCustom after a height or width in twips
  bool setUp = false;                // page set-up taken (at the first placement or the page's end)
  std::vector<PrintedText> texts;
  std::vector<PrintedPicture> pictures;
  bool empty() const { return texts.empty() && pictures.empty(); }
};
// `text` without its trailing blanks: what of it puts ink on paper, measured from its start.
QString inkText(const QString& text);

// A text that lies wholly or partly outside its page: it is placed all the same (what lies on
// the page prints), and the print says so afterwards.
struct OffPageText {
  QString text;
  double x = 0, y = 0, width = 0, height = 0;  // mm, the text's line box
  double pageWidthMm = 0, pageHeightMm = 0;
  int page = 1;  // from 1
};
struct PrintedDocument {
  QString printer;
  std::vector<PrintedPage> pages;
  // Every text of every page, in the order placed (handy in tests).
  std::vector<PrintedText> texts() const;
};

// Starts as the system default printer, font "Arial" 10 pt, scale twips, A4 portrait.
class Printer {
 public:
  Printer() = default;
  virtual ~Printer() = default;
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // Installed printers in the system's order (index from 0) and the system's default.
  virtual QStringList printerNames() const = 0;
  virtual int defaultIndex() const = 0;  // -1 when there is none
  QString currentName() const;
  int currentIndex() const { return current_; }
  // Makes printerNames()[index] current; PrinterError 9 when the list has no such entry.
  // The follow-the-default switch stays as it is. Page set-up and font stay with the one
  // printer state (they are not kept per installed printer).
  void select(int index);
  // On: the current printer is the system default and follows it (see defaultChanged()).
  // Off: stays as chosen.
  void setFollowDefault(bool on);
  bool followsDefault() const { return follow_; }

  // Fonts the current printer offers.
  virtual QStringList fonts() const = 0;
  // Whether setFontName would take `name` (trimmed; an empty name never).
  bool offersFont(const QString& name) const;

  // Page set-up, each applied at once (a later value overrides an earlier one).
  // Height and width of the page as it is oriented now; not above 0 raises 380. The paper
  // becomes kPaperCustom.
  void setHeightTwips(double twips);
  void setWidthTwips(double twips);
  void setScaleMillimetres() { mmScale_ = true; }
  void setScaleTwips() { mmScale_ = false; }
  void setOrientation(int code);  // 1 or 2, else 380
  void setPaperSize(int code);    // 9, 27 or 28, else 380
  double pageWidthMm() const;   // as oriented
  double pageHeightMm() const;
  bool scaleMillimetres() const { return mmScale_; }
  int orientation() const { return orientation_; }
  int paperSize() const { return paper_; }

  // Font: the name is trimmed of blanks; an unknown name or a size not above 0 raises 380.
  void setFontName(const QString& name);
  void setFontSize(double points);
  void setBold(bool bold) { bold_ = bold; }
  QString fontName() const { return fontName_; }
  double fontSize() const { return fontSize_; }
  bool bold() const { return bold_; }

  // Print position in the scale unit.
  void setCurrentX(double v) { x_ = v; }
  void setCurrentY(double v) { y_ = v; }
  double currentX() const { return x_; }
  double currentY() const { return y_; }

  // Prints at the current position. A text that ends its line moves X back to 0 and Y down
  // by one line of the current font; one that stays on the line moves X right by its width.
  void print(const QString& text, bool endLine = true);
  double textWidth(const QString& text) const;   // scale unit
  double textHeight(const QString& text) const;  // scale unit: one line of the current font
  // Measures of a font given by name, size and bold, in millimetres, whatever the current font.
  double measureMm(const QString& text, const QString& font, double size, bool bold) const {
    return measureWidthMm(text, font, size, bold);
  }
  double lineMm(const QString& font, double size, bool bold) const { return lineHeightMm(font, size, bold); }
  // The texts placed outside their page since the last call (blank texts are never counted).
  std::vector<OffPageText> takeOffPage() { return std::exchange(offPage_, {}); }
  void paintPicture(const QImage& image, double x, double y, double width, double height);

  // Ends the page and starts the next one of the same document. Each page keeps the page
  // set-up in force at its first placement (an empty page: at its end).
  void newPage();
  // Sends the document to the printer it began on; nothing when nothing was placed, and empty
  // pages at the end are dropped. The document is closed even when sending fails
  // (PrinterError). The print position goes back to 0, 0.
  void endDoc();
  // Throws away everything placed since the document began.
  void killDoc();
  // Told the path of every document written into a file (the "PDF" printer), once written.
  std::function<void(const QString& path)> fileWritten;
  // Told at each end of document how it went: null when the document was sent (or held
  // nothing to send), else why it was not; after fileWritten for a file. A print refused
  // before its end (PrintJob) is told why as well.
  std::function<void(const PrinterError* notSent)> documentEnded;
  bool documentOpen() const { return open_; }
  // The document being built (empty when none is open).
  const PrintedDocument& pending() const { return doc_; }

 protected:
  // Measures in millimetres for a font given by name (as asked for), size and bold.
  virtual double measureWidthMm(const QString& text, const QString& font, double size, bool bold) const = 0;
  virtual double lineHeightMm(const QString& font, double size, bool bold) const = 0;
  virtual bool hasFont(const QString& name) const = 0;
  // Hands a finished document to the printer at `index`.
  virtual void send(const PrintedDocument& doc, int index) = 0;
  // The current printer changed (to `index`, -1 for none).
  virtual void printerChanged(int) {}
  // Called before a text is placed (a derived printer may refuse it by throwing).
  virtual void placing(const QString&) {}
  // Notes an operation for order tests: "select 1", "select 5: 9", "followDefault on",
  // "followDefault off", "newPage", "endDoc", "endDoc: 482", "killDoc".
  virtual void logEvent(const QString&) {}
  // Index the current printer starts at; call from the derived constructor.
  void initCurrent() { current_ = defaultIndex(); }
  // The system default changed: a printer that follows it moves along.
  void defaultChanged();

 private:
  double unitToMm(double v) const { return mmScale_ ? v : v / kTwipsPerMm; }
  double mmToUnit(double v) const { return mmScale_ ? v : v * kTwipsPerMm; }
  PrintedPage& page();
  void takeSetUp(PrintedPage& p) const;

  int current_ = -1;
  int docPrinter_ = -1;
  bool follow_ = true;
  bool mmScale_ = false;
  double portraitW_ = 210, portraitH_ = 297;  // mm, the page as if portrait
  int orientation_ = kPortrait;
  int paper_ = kPaperA4;
  QString fontName_ = QStringLiteral("Arial");
  double fontSize_ = 10;
  bool bold_ = false;
  double x_ = 0, y_ = 0;
  bool open_ = false;
  PrintedDocument doc_;
  std::vector<OffPageText> offPage_;
};
