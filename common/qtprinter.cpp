#include "common/qtprinter.h"

#include <cerrno>

#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/felkesz.h"

namespace {
constexpr int kMeasureDpi = 1200;
constexpr double kMmPerInch = 25.4;

// A tiny image at 1200 dpi to measure on, so metrics are not rounded to screen pixels.
const QImage& measureDevice() {
  static const QImage image = [] {
    QImage i(1, 1, QImage::Format_ARGB32);
    const int dpm = qRound(kMeasureDpi / kMmPerInch * 1000.0);
    i.setDotsPerMeterX(dpm);
    i.setDotsPerMeterY(dpm);
    return i;
  }();
  return image;
}

QString findFamily(const QStringList& families, const QString& name) {
  for (const QString& f : families)
    if (f.compare(name, Qt::CaseInsensitive) == 0) return f;
  return {};
}

struct WindowsFont {
  const char* windows;
  const char* liberation;
};
constexpr WindowsFont kWindowsFonts[] = {
    {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};

QPageLayout layoutOf(const PrintedPage& page) {
  // The paper as the page set-up describes it, turned by the page's own orientation: a
  // portrait page wider than high (the lying slip) is a wide sheet, not a turned narrow one.
  const bool landscape = page.orientation == kLandscape;
  const QSizeF paper = landscape ? QSizeF(page.heightMm, page.widthMm) : QSizeF(page.widthMm, page.heightMm);
  return QPageLayout(QPageSize(paper, QPageSize::Millimeter),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                     QPageLayout::Millimeter);
}
}  // namespace

QtPrinter::QtPrinter(const QString& programFolder) : folder_(programFolder) {
  names_ = QPrinterInfo::availablePrinterNames();
  names_.removeAll(kPdfName);  // our own PDF printer takes that name
  systemDefault_ = names_.indexOf(QPrinterInfo::defaultPrinterName());
  names_ << kPdfName;
  initCurrent();
}

int QtPrinter::defaultIndex() const { return systemDefault_ >= 0 ? systemDefault_ : int(names_.size()) - 1; }

QStringList QtPrinter::fonts() const {
  QStringList all = QFontDatabase::families();
  for (const WindowsFont& w : kWindowsFonts) {
    const QString name = QString::fromLatin1(w.windows);
    if (!all.contains(name, Qt::CaseInsensitive) && !family(name).isEmpty()) all << name;
  }
  all.sort(Qt::CaseInsensitive);
  return all;
}

QString QtPrinter::family(const QString& name) {
  QString n = name.trimmed();
  if (n.endsWith(QStringLiteral(" CE"), Qt::CaseInsensitive)) n.chop(3);
  n = n.trimmed();
  if (n.isEmpty()) return {};
  const QStringList families = QFontDatabase::families();
  QString found = findFamily(families, n);
  if (!found.isEmpty()) return found;
  for (const WindowsFont& w : kWindowsFonts)
    if (n.compare(QString::fromLatin1(w.windows), Qt::CaseInsensitive) == 0)
      return findFamily(families, QString::fromLatin1(w.liberation));
  return {};
}

QFont QtPrinter::qfont(const QString& name, double size, bool bold) {
  QFont f;
  f.setFamilies({family(name)});
  f.setPointSizeF(size);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

double QtPrinter::measureWidthMm(const QString& text, const QString& font, double size, bool bold) const {
  const QFontMetricsF fm(qfont(font, size, bold), &measureDevice());
  return fm.horizontalAdvance(text) * kMmPerInch / kMeasureDpi;
}

double QtPrinter::lineHeightMm(const QString& font, double size, bool bold) const {
  const QFontMetricsF fm(qfont(font, size, bold), &measureDevice());
  return fm.lineSpacing() * kMmPerInch / kMeasureDpi;
}

bool renderDocument(const PrintedDocument& doc, QPagedPaintDevice& device) {
  if (doc.pages.empty()) return true;
  device.setPageLayout(layoutOf(doc.pages.front()));
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double pxPerMm = device.logicalDpiX() / kMmPerInch;
  const double pyPerMm = device.logicalDpiY() / kMmPerInch;
  bool first = true;
  for (const PrintedPage& page : doc.pages) {
    if (!first) {
      device.setPageLayout(layoutOf(page));
      device.newPage();
    }
    first = false;
    for (const PrintedPicture& pic : page.pictures)
      painter.drawImage(QRectF(pic.x * pxPerMm, pic.y * pyPerMm, pic.width * pxPerMm, pic.height * pyPerMm), pic.image);
    painter.setPen(Qt::black);
    for (const PrintedText& t : page.texts) {
      const QFont f = QtPrinter::qfont(t.font, t.size, t.bold);
      painter.setFont(f);
      // (x, y) is the top-left corner of the line box; text is drawn at its baseline.
      const QFontMetricsF fm(f, &device);
      painter.drawText(QPointF(t.x * pxPerMm, t.y * pyPerMm + fm.ascent()), t.text);
    }
  }
  return painter.end();
}

Valasz<QString> QtPrinter::nextPdfPath() const {
  const QDir dir(QDir(folder_).filePath(kPdfFolder));
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int n = 1;; ++n) {
    const QString path = dir.filePath(QStringLiteral("nyomtatas-%1-%2.pdf").arg(stamp).arg(n));
    const Valasz<bool> van = vanNeven(path);
    if (!van) return van.hiba();
    if (!*van) return path;
  }
}

namespace {
// The PDF writer's output: buffered, written through the program's own file operations, so
// that a write that fails keeps the system's reason.
class PdfKimenet : public QIODevice {
 public:
  explicit PdfKimenet(FelkeszFajl& f) : f_(f) { open(QIODevice::WriteOnly); }
  bool isSequential() const override { return true; }
  // Writes what the buffer holds; false once a write failed.
  bool kiurit() {
    const bool ok = f_.ir(puffer_.constData(), puffer_.size());
    puffer_.clear();
    return ok;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* p, qint64 n) override {
    if (!f_.ok()) return -1;
    puffer_.append(p, n);
    if (puffer_.size() >= kPuffer && !kiurit()) return -1;
    return n;
  }

 private:
  static constexpr qsizetype kPuffer = 1 << 16;
  FelkeszFajl& f_;
  QByteArray puffer_;
};

// The end of a document that did not reach paper or file: that it was not printed, and why;
// then what else the disk holds, if anything.
PrinterError nemNyomtatva(const QString& miert, const QString& lemezen = {}) {
  QString s = QStringLiteral("A dokumentumot nem sikerült kinyomtatni: %1.").arg(miert);
  if (!lemezen.isEmpty()) s += QLatin1Char(' ') + lemezen;
  return printer_errors::printerFailed(s);
}

// A PDF of a failed print that could not be removed: what the disk holds.
QString megmaradt(const QString& pdf, const FajlEredmeny& torles) {
  return QStringLiteral("A(z) %1 PDF fájl nem törölhető (%2): a lemezen maradt, de nem biztos, hogy megmarad.")
      .arg(pdf, torles.miert());
}

// Makes the PDF folder stand where nothing stands at its name; true when it was made now.
bool pdfMappa(const QString& pdfDir) {
  const QString hely = QDir::toNativeSeparators(pdfDir);
  const QString utban = QStringLiteral("a(z) %1 mappa helyén egy azonos nevű fájl áll").arg(hely);
  const Valasz<FajlAdat> mappa = fajlAdat(pdfDir);
  if (!mappa) throw nemNyomtatva(QStringLiteral("a(z) %1 mappa nem érhető el (%2)").arg(hely, mappa.hiba().miert()));
  if (mappa->van) {
    if (!mappa->mappa()) throw nemNyomtatva(utban);
    return false;
  }
  const FajlEredmeny e = mappaLetrehozas(pdfDir);
  if (!e)
    throw nemNyomtatva(e.errnum == EEXIST || e.errnum == ENOTDIR
                           ? utban
                           : QStringLiteral("a(z) %1 mappa nem hozható létre (%2)").arg(hely, e.miert()));
  return true;
}
}  // namespace

void QtPrinter::send(const PrintedDocument& doc, int index) {
  const QString name = names_.value(index);
  if (name == kPdfName) {
    const QString pdfDir = QDir(folder_).filePath(kPdfFolder);
    const QString hely = QDir::toNativeSeparators(pdfDir);
    if (pdfMappa(pdfDir)) programMappaKiirva_ = false;  // its name in the program folder is new
    const Valasz<QString> ut = nextPdfPath();
    if (!ut) throw nemNyomtatva(QStringLiteral("a(z) %1 mappa nem olvasható (%2)").arg(hely, ut.hiba().miert()));
    const QString path = *ut;
    FelkeszFajl file(path);
    bool ok = file.ok();
    if (ok) {
      PdfKimenet kimenet(file);
      {
        QPdfWriter writer(&kimenet);
        writer.setResolution(kMeasureDpi);
        writer.setCreator(QStringLiteral("Lavindor"));
        writer.setTitle(QStringLiteral("Nyomtatás"));
        ok = renderDocument(doc, writer);
      }
      ok = kimenet.kiurit() && ok && file.irva() > 0 && file.kesz();
    }
    const QString pdf = QDir::toNativeSeparators(path);
    if (!ok) {
      // A file already renamed (its folder could not be flushed) goes too: no PDF of a print
      // that failed.
      FajlEredmeny torolve;
      if (file.hol() == FelkeszFajl::Hol::Mappa) torolve = torles(path);
      file.elvet();
      const QString oka = file.hiba().miert();
      throw nemNyomtatva(oka.isEmpty() ? QStringLiteral("a(z) %1 PDF fájl nem írható").arg(pdf)
                                       : QStringLiteral("a(z) %1 PDF fájl nem írható (%2)").arg(pdf, oka),
                         torolve ? file.maradvany() : megmaradt(pdf, torolve));
    }
    // The folder itself lasts only once the program folder is on the disk with its name: once
    // a run, and again after the folder was made anew.
    if (!programMappaKiirva_) {
      if (const FajlEredmeny e = mappaSzinkron(folder_); !e) {
        const FajlEredmeny torolve = torles(path);
        throw nemNyomtatva(
            QStringLiteral("a lemez hibát jelzett a program mappájának kiírásakor, ezért a(z) %1 mappa nem "
                           "biztos, hogy megmarad (%2)")
                .arg(hely, e.miert()),
            torolve ? QString() : megmaradt(pdf, torolve));
      }
      programMappaKiirva_ = true;
    }
    lastPdf_ = path;
    if (fileWritten) fileWritten(path);
    return;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (info.isNull()) throw nemNyomtatva(QStringLiteral("a(z) %1 nyomtató nem érhető el").arg(name));
  // A stopped queue (stopped by hand, or by CUPS after a failing job) would take the job and
  // hold it without a word; the print fails now instead, under the form's error class.
  if (info.state() == QPrinter::Error) throw nemNyomtatva(QStringLiteral("a(z) %1 nyomtató le van állítva").arg(name));
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(QStringLiteral("Lavindor"));
  if (!renderDocument(doc, printer) || printer.printerState() == QPrinter::Error)
    throw nemNyomtatva(QStringLiteral("a(z) %1 nyomtató nem fogadta a dokumentumot").arg(name));
}
