#include "printing/common/nyomatkep.h"

#include <QFontDatabase>
#include <QLabel>

#include "common/mmkep.h"
#include "common/printjob.h"
#include "common/qtprinter.h"
#include "common/recordingprinter.h"

PrintedPage nyomatFelvetel(const std::function<void(PrintJob&)>& place) {
  RecordingPrinter p;
  // Every font the real printer could take, so the texts keep theirs.
  p.setFonts(QFontDatabase::families() + RecordingPrinter::defaultFonts());
  PrintJob job(p, ErrorClass::Ignore, nullptr);
  job.run([&](PrintJob& j) {
    j.scaleMillimetres();
    place(j);
  });
  const std::vector<PrintedPage>& lapok = p.pending().pages;
  PrintedPage lap = lapok.empty() ? PrintedPage{} : lapok.front();
  p.killDoc();
  return lap;
}

void nyomatHelyre(MmKep* kep, QWidget* w, const PrintedText& t, double szeles) {
  QFont f = w->font();
  const QString csalad = QtPrinter::family(t.font);
  if (!csalad.isEmpty()) f.setFamily(csalad);
  w->setFont(f);
  kep->place(w, {t.x, t.y, szeles, RecordingPrinter::kLineMmPerPoint * t.size}, t.size);
}

const PrintedText* nyomatSzoveg(const PrintedPage& page, const QString& text, int n) {
  for (const PrintedText& t : page.texts)
    if (t.text == text && n-- == 0) return &t;
  return nullptr;
}

NyomatReteg::NyomatReteg(MmKep* kep, const QString& name) : kep_(kep), name_(name) {}

void NyomatReteg::mutat(const std::vector<PrintedText>& texts, QPointF origo) {
  lathato_ = 0;
  for (const PrintedText& t : texts) {
    if (t.text.trimmed().isEmpty()) continue;
    if (lathato_ == cimkek_.size()) {
      auto* l = new QLabel(kep_);
      l->setObjectName(QStringLiteral("%1_%2").arg(name_).arg(lathato_));
      l->setAttribute(Qt::WA_TransparentForMouseEvents);
      cimkek_.push_back(l);
    }
    QLabel* l = cimkek_[lathato_++];
    QFont f = l->font();
    f.setBold(t.bold);
    l->setFont(f);
    l->setText(t.text);
    PrintedText hely = t;
    hely.x -= origo.x();
    hely.y -= origo.y();
    nyomatHelyre(kep_, l, hely, 0);
    l->show();
  }
  for (size_t i = lathato_; i < cimkek_.size(); ++i) cimkek_[i]->hide();
}

std::vector<QLabel*> NyomatReteg::cimkek() const { return {cimkek_.begin(), cimkek_.begin() + long(lathato_)}; }
