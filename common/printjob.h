#pragma once
// One form printer's run on the current printer, under the error-handling class the form
// printer declares. Every printer operation is one step; a failing step is handled by the
// class, so no form printer repeats error handling of its own:
//   silent cancel        cancel the document, leave; no message
//   font fallback        error 380: go on with the next step; any other error: a box with the
//                        description, "\r\n", "Hibakód száma : " and the number, titled
//                        "!  H I B A  ! ", then cancel the document and leave
//   cancel with message  cancel the document, then "Hiba kódszáma: " number "\r\n" description
//                        "\r\n" titled "! HIBA !" with the exclamation icon, leave
//   ignore               skip the failing step and go on; the document ends normally
//   none                 stop at the failing step; the document is cancelled so that nothing
//                        half-printed stays open and merges into the next document
// A step's error is a PrinterError; an OverflowError counts as error 6 "Túlcsordulás", any
// other exception as error 5 with its text. An exception that escapes the body outside a step
// is handled like a failing step that cannot be skipped (ignore and font fallback cancel).
// Whatever the class, the user hears, once a print:
//   - that the document was not written and why (the end of the document failed: the printer
//     or the PDF file could not take it), where the class itself would say nothing;
//   - that the saved printer is not installed: the print is cancelled before anything is placed;
//   - after a print that went to its end, every text placed wholly or partly outside its page
//     (which text, where, on what page size); each is a failed step, placed all the same;
//   - after a print that went to its end, every font of the settings or the layout that the
//     printer does not have and the one printed instead (betu(), meret()); before anything is
//     placed, why nothing prints when the printer has neither;
//   - that a record the print needs could not be read (an OlvasasiHiba): the document is
//     cancelled at once, so nothing is printed with blanks in the place of unread data.
#include <QString>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "common/fields.h"
#include "common/messages.h"
#include "common/printer.h"
#include "common/recordfile.h"

struct Platform;
struct SetRekord;

// What PrintJob::betu() names most often: a form's figures font and its text font.
inline const QString kSzamokBetuje = QStringLiteral("A számok betűtípusa");
inline const QString kSzovegekBetuje = QStringLiteral("A szövegek betűtípusa");

enum class ErrorClass { SilentCancel, FontFallback, CancelWithMessage, Ignore, None };

// A record a print needs could not be read; `uzenet` says which file and why (Hungarian).
struct OlvasasiHiba {
  QString uzenet;
};
// Throws OlvasasiHiba with the reader's reason (its hiba(), asked after the read) unless `olvasva`.
template <class Olvaso>
void olvasva(bool olvasva, const Olvaso& olvaso) {
  if (!olvasva) throw OlvasasiHiba{olvaso.hiba()};
}
// The answer of a reader's question (a count), or OlvasasiHiba as for a read.
template <class T, class Olvaso>
T olvasva(const Valasz<T>& v, const Olvaso& olvaso) {
  olvasva(v.ok(), olvaso);
  return *v;
}
// How a print that stopped at such a read says it: the reason, and that nothing was printed
// (the text shown).
QString olvasasiHibaUzenet(MessageBoxes& msg, const QString& uzenet);
// A print refused before anything went out (a record it needs unread, no printer, no font):
// the printer's documentEnded is told why, as for a document that was not sent.
void nyomtatasElmaradt(Printer& printer, const QString& miert);
// Record 1 of a settings or layout file, read afresh for a print into `r`; a file that cannot
// be read throws OlvasasiHiba naming it, so no text is placed from a record that was not read.
template <class R>
void beolvasva(const QString& folder, const QString& name, R& r) {
  QString hiba;
  if (!loadSettings(folder, name, r, &hiba)) throw OlvasasiHiba{hiba};
}

// The two ways a form printer chooses its printer from the general settings.
enum class PrinterChoice {
  FollowDefault,  // default printer: follow it; saved printer: select it, stop following
  KeepCurrent,    // default printer: leave the current printer; saved printer: select it
};

class PrintJob {
 public:
  PrintJob(Printer& printer, ErrorClass errorClass, MessageBoxes& messages);
  // Without message boxes the class's messages go unseen.
  PrintJob(Printer& printer, ErrorClass errorClass, MessageBoxes* messages);

  // Runs the form printer's body. Returns true when the body ran to its end, false when an
  // error ended it (the class's handling has been done by then).
  bool run(const std::function<void(PrintJob&)>& body);

  // Runs one step under the error class.
  void step(const std::function<void()>& fn);

  // The extent (right and bottom edge, mm) of what `place` puts on a page: its texts, each its
  // own width wide and one line of its font high, measured in this printer's fonts from its
  // current font, without printing anything.
  QSizeF measure(const std::function<void(PrintJob&)>& place);

  // Called, on the window, when the font-fallback class goes on after error 380.
  std::function<void()> onFontFallback;

  Printer& printer() { return p_; }
  // Every error met so far (skipped ones included), in order.
  const std::vector<PrinterError>& errors() const { return errors_; }

  // Printer choice from the general settings record (already read by the caller).
  void choosePrinter(const SetRekord& set, PrinterChoice choice);
  // The common start: record 1 of Set.dat from `folder` into `set` (one that cannot be read
  // ends the print: OlvasasiHiba), then the printer choice.
  void start(const QString& folder, SetRekord& set, PrinterChoice choice);
  // The guard of the single forms: with no payer name, " Nincs kijelölve ügyfél a listáról..."
  // is shown and false returned.
  bool payerChosen(const QString& txNev);

  // Page set-up steps.
  void pageHeightTwips(double twips);
  void pageWidthTwips(double twips);
  void scaleMillimetres();
  void orientation(int code);
  void paperSize(int code);

  // Font: name trimmed, size in points, bold. Three steps.
  void font(const QString& name, double size, bool bold = false);
  // Name (trimmed) and size only: the bold state stays as the printer has it. Two steps.
  void fontNameSize(const QString& name, double size);
  // One step each. The name is given to the printer as it stands.
  void fontName(const QString& name);
  void fontSize(double size);
  void bold(bool on);
  // Whether the printer has the font `name` (asking fails no step).
  bool hasFont(const QString& name) const { return p_.offersFont(name); }

  // A font that the settings or a layout store, as the form prints it: `tarolt` (trimmed) when
  // the printer has it, else `helyette`, the font the form prints in without it (its factory
  // font); the print then says once, after it, which font is missing and which one printed
  // (`mi` names the font: "A szövegek betűtípusa"). When the printer has neither the form does
  // not print: the document is cancelled and the user told why. Asking fails no step.
  QString betu(const QString& mi, const QString& tarolt, const QString& helyette);
  // A stored size not above 0 gives way to `helyette` in the same way (`mi`: "A vonalkód
  // betűmérete").
  double meret(const QString& mi, double tarolt, double helyette);

  void currentX(double x);
  void currentY(double y);
  // Prints at the current position; ends its line unless `endLine` is false.
  void print(const QString& text, bool endLine = true);
  // An empty line (" ") at `y`, in one step: the lines printed below it keep their places.
  void blankLine(double y);
  // A picture stretched into the rectangle at (x, y), width w, height h, in mm.
  void picture(const QImage& image, double x, double y, double w, double h);

  // A text at (x, y) in mm; ends its line unless `endLine` is false.
  void text(double x, double y, const QString& text, bool endLine = true);
  // X only (the next line of a block, or a second copy on the same line).
  void textAtX(double x, const QString& text, bool endLine = true);
  // "***", the amount, "***", all on one line at (x, y).
  void amount(double x, double y, const QString& amountText);
  void amountAtX(double x, const QString& amountText);
  // Lines at one left edge: X and Y for the first, X only for the others, each ending its line;
  // an empty line is printed as " ".
  void block(double x, double y, const QStringList& lines);

  double textWidth(const QString& text);
  void newPage();
  void endDoc();
  void killDoc();

 private:
  struct Abort {};
  // Handles an error by the class: returns to go on, throws Abort to leave.
  void handle(const PrinterError& e, bool canGoOn);
  // Takes the texts the printer found outside their page: failed steps, said after the print.
  void collectOffPage();
  void sayOffPage();
  void sayFonts();
  QStringList betuCserek_;  // what betu() and meret() said, each once
  std::vector<OffPageText> offPage_;
  bool notWrittenSaid_ = false;
  bool ending_ = false;  // the end of the document is the step under way
  Printer& p_;
  ErrorClass class_;
  std::unique_ptr<MessageBoxes> unseen_;
  MessageBoxes& msg_;
  std::vector<PrinterError> errors_;
};

// The font PrintJob::betu() prints `tarolt` in on `printer`, without a word: the pages measure
// their words in it, so that what they show is what prints. With no printer, `tarolt`.
QString nyomtatottBetu(const Printer* printer, const QString& tarolt, const QString& helyette);

// The platform hands out the job of a form printer: on its printer, with its message boxes.
// None when the platform has no printer.
std::unique_ptr<PrintJob> printJob(Platform& platform, ErrorClass errorClass);
// The guard of the single forms before any job: as PrintJob::payerChosen, on the platform's
// message boxes (none: unseen).
bool payerChosen(Platform& platform, const QString& txNev);

// Positions further than this from the page's corner, in millimetres, lie on no form.
inline constexpr int64_t kMaxPositionMm = 10000;

// A stored position plus a fixed offset in whole millimetres, added in the stored fixed-point
// form and turned into single precision only for the print position. A sum that leaves the
// 64-bit range or the printable range (a damaged layout record) raises error 380, an invalid
// value, which the form's error class handles.
inline double position(Fixed stored, int offsetMm = 0) {
  const std::optional<Fixed> sum = stored.plus(int64_t(offsetMm) * 10000);
  if (!sum || sum->raw > kMaxPositionMm * 10000 || sum->raw < -kMaxPositionMm * 10000)
    throw printer_errors::invalidValue();
  return double(float(double(sum->raw) / 10000.0));
}
