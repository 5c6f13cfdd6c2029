#include "app/betuvalaszto.h"

#include <QGridLayout>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/printer.h"
#include "common/recordfile.h"

BetuValaszto::BetuValaszto(const Platform& platform, BetutipRekord& betutip, BetumeretRekord& betumeret,
                           QWidget* parent)
    : QWidget(parent), platform_(platform), betutip_(betutip), betumeret_(betumeret) {
  auto* g = new QGridLayout(this);
  for (int i = 0; i < 5; ++i) {
    ComboBetuTipus1[i] = new QComboBox(this);
    ComboBetuTipus1[i]->setEditable(true);
    ComboBetuTipus1[i]->setObjectName(QStringLiteral("ComboBetuTipus1_%1").arg(i));
    ComboBetuSize[i] = new QComboBox(this);
    ComboBetuSize[i]->setEditable(true);
    ComboBetuSize[i]->setObjectName(QStringLiteral("ComboBetuSize_%1").arg(i));
    g->addWidget(ComboBetuTipus1[i], i, 0);
    g->addWidget(ComboBetuSize[i], i, 1);
    connect(ComboBetuTipus1[i], &QComboBox::activated, this, [this, i](int) { ComboBetuTipus1_Click(i); });
    connect(ComboBetuSize[i], &QComboBox::activated, this, [this, i](int) { ComboBetuSize_Click(i); });
  }
  lbMinta = new QLabel(QStringLiteral("Betű minta 01234"), this);
  lbMinta->setToolTip(QStringLiteral("A kijelölt betűtípus képe..."));
  cmbBetutipusok = new QPushButton(QStringLiteral("&Betűtípus és méret mentése"), this);
  cmbBetutipusok->setToolTip(QStringLiteral("A beállított betűtípusok és méretek mentése."));
  g->addWidget(lbMinta, 5, 0, 1, 2);
  g->addWidget(cmbBetutipusok, 6, 0, 1, 2);
  connect(cmbBetutipusok, &QPushButton::clicked, this, [this] { cmbBetutipusok_Click(); });
}

void BetuValaszto::fillFonts() {
  if (!platform_.printer) return;
  const QStringList fonts = platform_.printer->fonts();
  for (auto* c : ComboBetuTipus1) {
    c->clear();
    c->addItems(fonts);
    c->setCurrentIndex(-1);
    c->setEditText(QString());
  }
}

void BetuValaszto::fillSizes() {
  for (auto* c : ComboBetuSize) {
    c->clear();
    for (int s = 10; s <= 24; s += 2) c->addItem(QString::number(s));
    c->setCurrentIndex(-1);
  }
}

QString BetuValaszto::load() {
  QStringList hibak;
  // A damaged file (something else at its name) is said by start-up on its own.
  auto olvas = [&](const QString& file, auto& r) {
    QString hiba;
    if (loadSettings(platform_.folder, file, r, &hiba)) return true;
    if (const Valasz<QString> f = nemFajlFajta(dataPath(platform_.folder, file)); !f || f->isEmpty()) hibak << hiba;
    return false;
  };
  if (olvas(kBetutipFile, betutip_))
    for (int i = 0; i < 5; ++i) ComboBetuTipus1[i]->setEditText(trimmed(betutip_.nevek[i]));
  fillSizes();
  if (olvas(kBetumeretFile, betumeret_))
    for (int i = 0; i < 5; ++i) ComboBetuSize[i]->setEditText(QString::number(betumeret_.meretek[i]));
  if (!hibak.isEmpty())
    hibak << QStringLiteral("A címkesorok betűtípusai ebben a futásban nem menthetők.");
  olvasasHiba_ = hibak.join(QStringLiteral("\r\n"));
  return olvasasHiba_;
}

void BetuValaszto::sample(int index) {
  QFont f = lbMinta->font();
  // A font the printer does not offer leaves the sample's font as it was.
  const QString name = ComboBetuTipus1[index]->currentText().trimmed();
  if (platform_.printer && platform_.printer->fonts().contains(name, Qt::CaseInsensitive)) f.setFamily(name);
  const double size = leadingValue(ComboBetuSize[index]->currentText());
  if (size > 0 && size < 1000) f.setPointSizeF(size);
  f.setBold(false);
  f.setItalic(false);
  lbMinta->setFont(f);
}

void BetuValaszto::ComboBetuTipus1_Click(int index) { sample(index); }
void BetuValaszto::ComboBetuSize_Click(int index) { sample(index); }

void BetuValaszto::cmbBetutipusok_Click() {
  auto warn = [this](const QString& text) {
    if (platform_.messages) platform_.messages->info(text, QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
  };
  if (!olvasasHiba_.isEmpty()) return warn(olvasasHiba_);
  BetumeretRekord sizes;
  for (int i = 0; i < 5; ++i) {
    const QString text = ComboBetuSize[i]->currentText();
    const auto v = parseRegional(text);
    int16_t size = 0;
    bool ok = v.has_value();
    if (ok) {
      try {
        size = roundToInt16(*v);
      } catch (const OverflowError&) {
        ok = false;
      }
    }
    if (!ok) {
      warn(QStringLiteral("A(z) %1. sor betűmérete (\"%2\") nem szám, vagy túl nagy.\r\nA betűtípusok nem lettek mentve.")
               .arg(i + 1)
               .arg(text));
      return;
    }
    sizes.meretek[i] = size;
  }
  BetutipRekord names = betutip_;
  for (int i = 0; i < 5; ++i) names.nevek[i] = ComboBetuTipus1[i]->currentText();

  // Both files or neither: the old contents are put back when the second write fails.
  RecordFile tipFile(platform_.folder, kBetutipFile, BetutipRekord::Length);
  RecordFile meretFile(platform_.folder, kBetumeretFile, BetumeretRekord::Length);
  // Without the old names they could not be put back: nothing is saved.
  const std::optional<QByteArray> regiTip = tipFile.readBytes(1);
  if (!regiTip) {
    warn(tipFile.olvasasHiba() + QStringLiteral("\r\nA betűtípusok nem lettek mentve."));
    return;
  }
  const QByteArray oldTip = *regiTip;
  const Valasz<int32_t> tipDb = tipFile.count();
  if (!tipDb) {
    warn(tipDb.hiba().nemOlvashato(kBetutipFile) + QStringLiteral("\r\nA betűtípusok nem lettek mentve."));
    return;
  }
  const bool hadTip = *tipDb >= 1;
  const MentesEredmeny tip = tipFile.writeDurable(1, encodeRecord(names));
  if (!tip) {
    warn(mentesUzenet(tip, QStringLiteral("A betűtípusok nem menthetők (a Betutip.dat nem írható)."),
                      QStringLiteral("a betűtípusok nevei")));
    return;
  }
  const MentesEredmeny meret = meretFile.writeDurable(1, encodeRecord(sizes));
  if (!meret) {
    QString s = mentesUzenet(meret, QStringLiteral("A betűtípusok nem menthetők (a Betumeret.dat nem írható)."),
                             QStringLiteral("a betűméretek"));
    // The names go back too, so that the two files keep saying the same.
    if (!hadTip || !tipFile.writeDurable(1, oldTip))
      s += QStringLiteral("\r\nA Betutip.dat fájlba az új betűtípusnevek már beíródtak.");
    warn(s);
    return;
  }
  betutip_ = names;
  betumeret_ = sizes;
  if (platform_.messages)
    platform_.messages->info(QStringLiteral(" \r\nA betűtípusok mentése megtörtént...\r\n "), QStringLiteral("! Rendben !"),
                             MsgIcon::Exclamation);
}
