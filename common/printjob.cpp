#include "common/printjob.h"

#include <algorithm>
#include <cmath>
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
    const bool hiba = failed([&] { body(*this); }, e);
    collectOffPage();
    if (hiba) handle(e, false);  // always leaves
  } catch (const Abort&) {
    return false;
  } catch (const OlvasasiHiba& o) {
    // Whatever the class: nothing of the document goes out, and the user hears why.
    p_.takeOffPage();
    p_.killDoc();
    errors_.push_back({5, o.uzenet});
    nyomtatasElmaradt(p_, olvasasiHibaUzenet(msg_, o.uzenet));
    return false;
  }
  sayFonts();
  sayOffPage();
  return true;
}

QString olvasasiHibaUzenet(MessageBoxes& msg, const QString& uzenet) {
  const QString szoveg = uzenet + QStringLiteral("\r\nA dokumentum nem lett kinyomtatva.");
  msg.info(szoveg, QStringLiteral("Hiba"), MsgIcon::Critical);
  return szoveg;
}

void nyomtatasElmaradt(Printer& printer, const QString& miert) {
  if (!printer.documentEnded) return;
  const PrinterError e{printer_errors::kPrinterFailed, miert};
  printer.documentEnded(&e);
}


void PrintJob::step(const std::function<void()>& fn) {
  PrinterError e;
  // An Abort of a nested step passes through untouched.
  const bool hiba = failed(fn, e);
  collectOffPage();
  if (hiba) handle(e, true);
}

void PrintJob::collectOffPage() {
  for (OffPageText& t : p_.takeOffPage()) {
    errors_.push_back(printer_errors::offPage());
    offPage_.push_back(std::move(t));
  }
}

namespace {
// Millimetres to one decimal, with a decimal comma and no trailing ",0".
QString mm(double v) {
  QString s = QString::number(std::round(v * 10) / 10, 'f', 1);
  if (s.endsWith(QStringLiteral(".0"))) s.chop(2);
  return s.replace(u'.', u',');
}
}  // namespace

void PrintJob::sayOffPage() {
  // A document that was not written took nothing to paper: that was said instead.
  if (offPage_.empty() || notWrittenSaid_) return;
  constexpr size_t kListed = 10;
  QStringList sorok{QStringLiteral("Nem minden szöveg fér a lapra, ezért ezek nem, vagy csak részben kerültek a "
                                   "papírra:")};
  for (size_t i = 0; i < offPage_.size() && i < kListed; ++i) {
    const OffPageText& t = offPage_[i];
    sorok << QStringLiteral("„%1” – %2. oldal, X = %3 mm, Y = %4 mm, a lap mérete %5 x %6 mm")
                 .arg(t.text.trimmed())
                 .arg(t.page)
                 .arg(mm(t.x), mm(t.y), mm(t.pageWidthMm), mm(t.pageHeightMm));
  }
  if (offPage_.size() > kListed) sorok << QStringLiteral("… és még %1 szöveg.").arg(offPage_.size() - kListed);
  msg_.info(sorok.join(QStringLiteral("\r\n")), QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
}

QString nyomtatottBetu(const Printer* printer, const QString& tarolt, const QString& helyette) {
  const QString nev = trimmed(tarolt);
  return !printer || printer->offersFont(nev) ? nev : trimmed(helyette);
}

QString PrintJob::betu(const QString& mi, const QString& tarolt, const QString& helyette) {
  const QString nev = trimmed(tarolt);
  if (p_.offersFont(nev)) return nev;
  const QString csere = trimmed(helyette);
  const QString hiany = nev.isEmpty() ? QStringLiteral("%1 nincs megadva").arg(mi)
                                      : QStringLiteral("%1 („%2”) nincs telepítve ezen a gépen").arg(mi, nev);
  if (!p_.offersFont(csere)) {
    errors_.push_back(printer_errors::invalidValue());
    p_.killDoc();
    const QString miert =
        QStringLiteral("%1, és helyette „%2” sincs telepítve, ezért a nyomtatás elmaradt.").arg(hiany, csere);
    msg_.info(miert, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
    nyomtatasElmaradt(p_, miert);
    throw Abort{};
  }
  const QString sor = QStringLiteral("%1, ezért helyette „%2” betűtípussal nyomtatódott ki.").arg(hiany, csere);
  if (!betuCserek_.contains(sor)) betuCserek_ << sor;
  return csere;
}

double PrintJob::meret(const QString& mi, double tarolt, double helyette) {
  if (std::isfinite(tarolt) && tarolt > 0) return tarolt;
  const QString sor =
      QStringLiteral("%1 (%2) nem használható, ezért helyette %3 pontos mérettel nyomtatódott ki.").arg(mi).arg(tarolt).arg(helyette);
  if (!betuCserek_.contains(sor)) betuCserek_ << sor;
  return helyette;
}

void PrintJob::sayFonts() {
  // A document that was not written printed in no font: that was said instead.
  if (betuCserek_.empty() || notWrittenSaid_) return;
  msg_.info(betuCserek_.join(QStringLiteral("\r\n")), QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
}

void PrintJob::handle(const PrinterError& e, bool canGoOn) {
  errors_.push_back(e);
  const QString number = QString::number(e.number);
  // A document that could not be sent or written (the end of the document failed) is said
  // once, with why, in the words of the font-fallback class, by the classes that would
  // otherwise say nothing.
  if (ending_) {
    const bool szol = class_ == ErrorClass::SilentCancel || class_ == ErrorClass::Ignore || class_ == ErrorClass::None;
    if (szol && !notWrittenSaid_)
      msg_.show(e.description + QStringLiteral("\r\nHibakód száma : ") + number, QStringLiteral("!  H I B A  ! "),
                MsgButtons::Ok, MsgIcon::None);
    notWrittenSaid_ = true;
  }
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
    // The saved printer is not installed now (switched off, or the print system not up yet):
    // nothing goes to another printer behind the user's back.
    if (set.NyomtatoIndex < 0 || set.NyomtatoIndex >= p_.printerNames().size()) {
      errors_.push_back(printer_errors::outOfRange());
      p_.killDoc();
      const QString miert = QStringLiteral("A kiválasztott nyomtató (sorszáma: %1) most nincs telepítve, ezért a "
                                           "nyomtatás elmaradt.\r\nKapcsolja be a nyomtatót, és indítsa újra a "
                                           "programot, vagy válasszon másik nyomtatót a „Nyomtató” lapon.")
                                .arg(set.NyomtatoIndex);
      msg_.info(miert, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
      nyomtatasElmaradt(p_, miert);
      throw Abort{};
    }
    step([&] { p_.select(set.NyomtatoIndex); });
    if (follow) step([&] { p_.setFollowDefault(false); });
  } else if (follow) {
    step([&] { p_.setFollowDefault(true); });
  }
}

void PrintJob::start(const QString& folder, SetRekord& set, PrinterChoice choice) {
  beolvasva(folder, kSetFile, set);
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
  ending_ = true;
  step([&] { p_.endDoc(); });
  ending_ = false;
}
void PrintJob::killDoc() {
  step([&] { p_.killDoc(); });
}

namespace {
// Prints nowhere: keeps what is placed on one page larger than any form, measuring in the
// fonts of another printer.
class Mero : public Printer {
 public:
  explicit Mero(const Printer& real) : real_(real) { initCurrent(); }
  QStringList printerNames() const override { return {QStringLiteral("mérő")}; }
  int defaultIndex() const override { return 0; }
  QStringList fonts() const override { return real_.fonts(); }

 protected:
  double measureWidthMm(const QString& text, const QString& font, double size, bool bold) const override {
    return real_.measureMm(text, font, size, bold);
  }
  double lineHeightMm(const QString& font, double size, bool bold) const override {
    return real_.lineMm(font, size, bold);
  }
  bool hasFont(const QString& name) const override { return real_.offersFont(name); }
  void send(const PrintedDocument&, int) override {}

 private:
  const Printer& real_;
};
}  // namespace

QSizeF PrintJob::measure(const std::function<void(PrintJob&)>& place) {
  Mero m(p_);
  if (p_.scaleMillimetres()) m.setScaleMillimetres();
  constexpr double kRoom = 2.0 * kMaxPositionMm * kTwipsPerMm;
  m.setWidthTwips(kRoom);
  m.setHeightTwips(kRoom);
  m.setFontName(p_.fontName());
  m.setFontSize(p_.fontSize());
  m.setBold(p_.bold());
  PrintJob j(m, ErrorClass::Ignore, nullptr);
  j.run(place);
  double w = 0, h = 0;
  for (const PrintedPage& page : m.pending().pages)
    for (const PrintedText& t : page.texts) {
      if (t.text.trimmed().isEmpty()) continue;
      w = std::max(w, t.x + m.measureMm(inkText(t.text), t.font, t.size, t.bold));
      h = std::max(h, t.y + m.lineMm(t.font, t.size, t.bold));
    }
  m.killDoc();
  return {w, h};
}
