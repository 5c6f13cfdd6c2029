#include "common/qtprinter.h"

#include <sys/stat.h>

#include <cerrno>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include "common/rendszerhiba.h"

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

QString QtPrinter::nextPdfPath() const {
  const QDir dir(QDir(folder_).filePath(kPdfFolder));
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int n = 1;; ++n) {
    const QString path = dir.filePath(QStringLiteral("nyomtatas-%1-%2.pdf").arg(stamp).arg(n));
    if (!QFile::exists(path)) return path;
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

// The end of a document that did not reach paper or file: that it was not printed, and why.
PrinterError nemNyomtatva(const QString& miert) {
  return printer_errors::printerFailed(QStringLiteral("A dokumentumot nem sikerült kinyomtatni: %1.").arg(miert));
}
}  // namespace

void QtPrinter::send(const PrintedDocument& doc, int index) {
  const QString name = names_.value(index);
  if (name == kPdfName) {
    const QString pdfDir = QDir(folder_).filePath(kPdfFolder);
    if (!QDir(folder_).mkpath(kPdfFolder)) {
      // mkpath keeps the reason to itself; one more mkdir tells it (read-only folder, no room).
      const int e = ::mkdir(QFile::encodeName(pdfDir).constData(), 0777) == 0 ? 0 : errno;
      if (e != 0) {
        const QString hely = QDir::toNativeSeparators(pdfDir);
        throw nemNyomtatva(e == EEXIST || e == ENOTDIR
                               ? QStringLiteral("a(z) %1 mappa helyén egy azonos nevű fájl áll").arg(hely)
                               : QStringLiteral("a(z) %1 mappa nem hozható létre (%2)").arg(hely, rendszerHiba(e)));
      }
    }
    const QString path = nextPdfPath();
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
    if (!ok) {
      // A file already renamed (its folder could not be flushed) goes too: no PDF of a print
      // that failed.
      if (file.hol() == FelkeszFajl::Hol::Mappa) torles(path);
      const QString hely = QDir::toNativeSeparators(path);
      const QString oka = file.hiba().miert();
      throw nemNyomtatva(oka.isEmpty() ? QStringLiteral("a(z) %1 PDF fájl nem írható").arg(hely)
                                       : QStringLiteral("a(z) %1 PDF fájl nem írható (%2)").arg(hely, oka));
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
