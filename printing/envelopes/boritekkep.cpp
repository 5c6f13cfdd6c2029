// The envelope page's picture panel: the size from the scroll bar, dragging the picture over
// the preview, the picture browser and saving the placement into Kepment.dat.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

#include "common/messages.h"
#include "common/mmkep.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/kep_browse.h"
#include "printing/envelopes/kepmeret.h"

namespace {

// Bottom edge of each size, mm: below it the picture hangs off the envelope.
double alsoHatar(int meret) { return meret == 2 ? 162 : 114; }

}  // namespace

void BoritekLap::setKep(const BoritekKep& kep) {
  valtozok_ = kep;
  if (!valtozok_.KepPozX) valtozok_.KepPozX = &sajatPozX_;
  if (!valtozok_.KepPozY) valtozok_.KepPozY = &sajatPozY_;
  kepHely();
}

double BoritekLap::pxPerMm() const { return Picture2->pxPerMm(); }

void BoritekLap::HScroll1_Change() {
  int a = HScroll1->value();
  for (;;) {
    kep_.setSize({a, a});
    if (KivalasztottKep().isEmpty()) {
      // No picture: only the frame follows the bar; the size captions stay.
      kepKep_ = QImage();
      Image3->clear();
      Image3->setFrameShape(QFrame::Box);
      kepHely();
      return;
    }
    // A file that cannot be read leaves the picture empty and its sizes 0. The file is read
    // again only when it is another one or has changed since.
    const QFileInfo fi(KivalasztottKep());
    if (fi.absoluteFilePath() != kepFajl_ || fi.lastModified() != kepIdo_ || kepKep_.isNull()) {
      kepKep_ = kepBetolt(KivalasztottKep());
      kepFajl_ = fi.absoluteFilePath();
      kepIdo_ = fi.lastModified();
    }
    const QSize n = termeszetesMeret(kepKep_);
    // The bar reaches up to the picture's own size, never below its lowest value. A maximum
    // below the value moves the value, and the size is worked out again for it.
    if (!kepKep_.isNull()) {
      const int max = (n.height() > n.width() ? n.height() : n.width()) - 1;
      if (max <= 32767) {
        const QSignalBlocker csend(HScroll1);
        HScroll1->setMaximum(std::max(max, HScroll1->minimum()));
      }
      if (HScroll1->value() != a) {
        a = HScroll1->value();
        continue;
      }
    }
    const KepIllesztes k = kepIllesztes(n.width(), n.height(), a);
    *valtozok_.KepSzeles = k.KepSzeles;
    *valtozok_.KepMagas = k.KepMagas;
    kep_.setSize({int(std::lround(k.szeles)), int(std::lround(k.magas))});
    Image3->setFrameShape(kepKep_.isNull() ? QFrame::Box : QFrame::NoFrame);
    if (kepKep_.isNull()) Image3->clear();
    else Image3->setPixmap(QPixmap::fromImage(kepKep_));
    lbSzeles->setText(cmText(k.KepSzeles));
    lbMagas->setText(cmText(k.KepMagas));
    kepHely();
    return;
  }
}

bool BoritekLap::eventFilter(QObject* o, QEvent* e) {
  if (o == Image3) {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
        Image3_MouseDown(static_cast<QMouseEvent*>(e)->position());
        return true;
      case QEvent::MouseMove:
        Image3_MouseMove(static_cast<QMouseEvent*>(e)->position());
        return true;
      case QEvent::MouseButtonRelease:
        Image3_MouseUp();
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(o, e);
}

void BoritekLap::Image3_MouseDown(QPointF pos) {
  huzas_ = true;
  fogas_ = pos;
  maradek_ = {};
}

void BoritekLap::Image3_MouseMove(QPointF pos) {
  Image3->setCursor(mozgatoKurzor(platform_.folder));
  const double oszto = this->oszto();
  if (huzas_) {
    // Pixels of the preview into twips of the envelope through the preview's own scale, so the
    // position shown (and printed) is where the picture was dropped.
    const double s = pxPerMm();
    if (s > 0) {
      maradek_ += QPointF((pos.x() - fogas_.x()) / s * kOsztoX, (pos.y() - fogas_.y()) / s * oszto);
      const int dx = int(std::trunc(maradek_.x())), dy = int(std::trunc(maradek_.y()));
      maradek_ -= QPointF(dx, dy);
      kep_.moveTo(kep_.left() + dx, kep_.top() + dy);
      kepHely();
    }
  }
  // The warning follows the position shown before this move.
  const int meret = OpB1->isChecked() ? 1 : OpB2->isChecked() ? 2 : OpB3->isChecked() ? 3 : 0;
  if (meret != 0) {
    const double alja = leadingValue(lbYpoz->text()) + 10 * leadingValue(lbMagas->text());
    if (alja <= alsoHatar(meret)) {
      lbFigyelem->hide();
    } else {
      lbFigyelem->setText(QStringLiteral("A kép alja lelóg a borítákról!"));
      lbFigyelem->show();
    }
  }
  kepPozFrissit();
}

void BoritekLap::Image3_MouseUp() { huzas_ = false; }

void BoritekLap::cmdKepek_Click() {
  kep_browse d(platform_, *valtozok_.KivalasztottKep, this);
  if (browseExec) browseExec(d);
  else d.exec();
  kepPozFrissit();
  // What activation does after the dialog: the chosen picture onto the preview.
  HScroll1_Change();
}

void BoritekLap::cmdKepMentese_Click() {
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = platform_.messages ? *platform_.messages : unseen;
  const QString& utvonal = KivalasztottKep();
  if (!tarolhato(utvonal, 255)) {
    msg.info(QStringLiteral("A kép elérési útja nem menthető: legfeljebb 255 karakter lehet, és csak a közép-európai "
                            "(1250-es) kódlap betűit tartalmazhatja.\r\n") + utvonal,
             QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
    return;
  }
  KepmentRekord r = *valtozok_.Kepment;
  r.KepX = int16_t(kep_.left());
  r.KepY = int16_t(kep_.top());
  r.KepUtvonal = utvonal.normalized(QString::NormalizationForm_C);
  r.KepMagassag = Fixed::fromDouble(kep_.height());
  r.KepSzelesseg = Fixed::fromDouble(kep_.width());

  // Record 1 changes in place under its journal, as every settings save: all or nothing.
  // Something else than a regular file at the name is neither read nor replaced.
  const QString path = dataPath(platform_.folder, kKepmentFile);
  if (const Valasz<QString> fajta = nemFajlFajta(path); !fajta || !fajta->isEmpty()) {
    msg.info(fajta ? QStringLiteral("A kép helye nem menthető (Kepment.dat):\r\nA helyén nem közönséges fájl áll (%1).").arg(*fajta)
                   : QStringLiteral("A kép helye nem menthető (Kepment.dat):\r\n%1").arg(fajta.hiba().nemOlvashato(kKepmentFile)),
             QStringLiteral("! H I B A ! "), MsgIcon::Exclamation);
    return;
  }
  const MentesEredmeny e = saveSettings(platform_.folder, kKepmentFile, r);
  if (!e) {
    msg.info(mentesUzenet(e, QStringLiteral("A kép helye nem menthető (Kepment.dat)."), QStringLiteral("a kép adatai")),
             QStringLiteral("! H I B A ! "), MsgIcon::Exclamation);
    if (!e.ujLemezen()) return;
  }
  *valtozok_.Kepment = r;
}
