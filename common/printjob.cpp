#include "common/printjob.h"

#include <exception>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/setrekord.h"

namespace {
// Runs `fn`, turning whatever it throws into a PrinterError; true when it threw.
template <class Fn>
bool failed(Fn&& fn, PrinterError& error) {
  try {
    fn();
    return false;
  } catch (const PrinterError& e) {
    error = e;
  } catch (const OverflowError& e) {
    error = {6, QString::fromUtf8(e.what())};
  } catch (const std::exception& e) {
    error = {5, QString::fromUtf8(e.what())};
  }
  return true;
}
}  // namespace

PrintJob::PrintJob(Printer& printer, ErrorClass errorClass, MessageBoxes& messages)
    : p_(printer), class_(errorClass), msg_(messages) {}

PrintJob::PrintJob(Printer& printer, ErrorClass errorClass, MessageBoxes* messages)
    : p_(printer),
      class_(errorClass),
      unseen_(messages ? nullptr : std::make_unique<RecordedMessageBoxes>()),
      msg_(messages ? *messages : *unseen_) {}

std::unique_ptr<PrintJob> printJob(Platform& platform, ErrorClass errorClass) {
  if (!platform.printer) return nullptr;
  return std::make_unique<PrintJob>(*platform.printer, errorClass, platform.messages);
}

bool PrintJob::run(const std::function<void(PrintJob&)>& body) {
  try {
    PrinterError e;
    if (failed([&] { body(*this); }, e)) handle(e, false);  // always leaves
    return true;
  } catch (const Abort&) {
    return false;
  }
}

void PrintJob::step(const std::function<void()>& fn) {
  PrinterError e;
  // An Abort of a nested step passes through untouched.
  if (failed(fn, e)) handle(e, true);
}

void PrintJob::handle(const PrinterError& e, bool canGoOn) {
  errors_.push_back(e);
  const QString number = QString::number(e.number);
  switch (class_) {
    case ErrorClass::SilentCancel:
      break;
    case ErrorClass::FontFallback:
      if (e.number == printer_errors::kInvalidValue && canGoOn) {
        if (onFontFallback) onFontFallback();
        return;
      }
      msg_.show(e.description + QStringLiteral("\r\nHibakód száma : ") + number, QStringLiteral("!  H I B A  ! "),
                MsgButtons::Ok, MsgIcon::None);
      break;
    case ErrorClass::CancelWithMessage:
      p_.killDoc();
      msg_.show(QStringLiteral("Hiba kódszáma: ") + number + QStringLiteral("\r\n") + e.description +
                    QStringLiteral("\r\n"),
                QStringLiteral("! HIBA !"), MsgButtons::Ok, MsgIcon::Exclamation);
      throw Abort{};
    case ErrorClass::Ignore:
      if (canGoOn) return;
      break;
    case ErrorClass::None:
      break;
  }
  p_.killDoc();
  throw Abort{};
}

void PrintJob::choosePrinter(const SetRekord& set, PrinterChoice choice) {
  const bool follow = choice == PrinterChoice::FollowDefault;
  if (set.AlapNyomtato == 0) {
    step([&] { p_.select(set.NyomtatoIndex); });
    if (follow) step([&] { p_.setFollowDefault(false); });
  } else if (follow) {
    step([&] { p_.setFollowDefault(true); });
  }
}

void PrintJob::start(const QString& folder, SetRekord& set, PrinterChoice choice) {
  loadSet(folder, set);
  choosePrinter(set, choice);
}

namespace {
bool guard(MessageBoxes* msg, const QString& txNev) {
  if (!txNev.trimmed().isEmpty()) return true;
  if (msg) msg->info(QStringLiteral(" Nincs kijelölve ügyfél a listáról..."), QStringLiteral("!  H I B A  ! "));
  return false;
}
}  // namespace

bool PrintJob::payerChosen(const QString& txNev) { return guard(&msg_, txNev); }

bool payerChosen(Platform& platform, const QString& txNev) { return guard(platform.messages, txNev); }

void PrintJob::pageHeightTwips(double twips) {
  step([&] { p_.setHeightTwips(twips); });
}
void PrintJob::pageWidthTwips(double twips) {
  step([&] { p_.setWidthTwips(twips); });
}
void PrintJob::scaleMillimetres() {
  step([&] { p_.setScaleMillimetres(); });
}
void PrintJob::orientation(int code) {
  step([&] { p_.setOrientation(code); });
}
void PrintJob::paperSize(int code) {
  step([&] { p_.setPaperSize(code); });
}

void PrintJob::font(const QString& name, double size, bool bold) {
  step([&] { p_.setFontName(name.trimmed()); });
  step([&] { p_.setFontSize(size); });
  step([&] { p_.setBold(bold); });
}

void PrintJob::fontNameSize(const QString& name, double size) {
  step([&] { p_.setFontName(name.trimmed()); });
  step([&] { p_.setFontSize(size); });
}
void PrintJob::fontName(const QString& name) {
  step([&] { p_.setFontName(name); });
}
void PrintJob::fontSize(double size) {
  step([&] { p_.setFontSize(size); });
}
void PrintJob::bold(bool on) {
  step([&] { p_.setBold(on); });
}
void PrintJob::currentX(double x) {
  step([&] { p_.setCurrentX(x); });
}
void PrintJob::currentY(double y) {
  step([&] { p_.setCurrentY(y); });
}
void PrintJob::print(const QString& text, bool endLine) {
  step([&] { p_.print(text, endLine); });
}
void PrintJob::picture(const QImage& image, double x, double y, double w, double h) {
  step([&] { p_.paintPicture(image, x, y, w, h); });
}

void PrintJob::blankLine(double y) {
  step([&] {
    p_.setCurrentY(y);
    p_.print(QStringLiteral(" "));
  });
}

void PrintJob::text(double x, double y, const QString& text, bool endLine) {
  step([&] { p_.setCurrentX(x); });
  step([&] { p_.setCurrentY(y); });
  step([&] { p_.print(text, endLine); });
}

void PrintJob::textAtX(double x, const QString& text, bool endLine) {
  step([&] { p_.setCurrentX(x); });
  step([&] { p_.print(text, endLine); });
}

void PrintJob::amount(double x, double y, const QString& amountText) {
  step([&] { p_.setCurrentY(y); });
  amountAtX(x, amountText);
}

void PrintJob::amountAtX(double x, const QString& amountText) {
  step([&] { p_.setCurrentX(x); });
  step([&] { p_.print(QStringLiteral("***"), false); });
  step([&] { p_.print(amountText, false); });
  step([&] { p_.print(QStringLiteral("***"), false); });
}

void PrintJob::block(double x, double y, const QStringList& lines) {
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].isEmpty() ? QStringLiteral(" ") : lines[i];
    if (i == 0)
      text(x, y, line);
    else
      textAtX(x, line);
  }
}

double PrintJob::textWidth(const QString& text) {
  double w = 0;
  step([&] { w = p_.textWidth(text); });
  return w;
}

void PrintJob::newPage() {
  step([&] { p_.newPage(); });
}
void PrintJob::endDoc() {
  step([&] { p_.endDoc(); });
}
void PrintJob::killDoc() {
  step([&] { p_.killDoc(); });
}
