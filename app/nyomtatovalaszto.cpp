#include "app/nyomtatovalaszto.h"

#include <QGridLayout>

#include "common/messages.h"
#include "common/numtext.h"
#include "common/printer.h"

NyomtatoValaszto::NyomtatoValaszto(const Platform& platform, SetRekord& set, QWidget* parent)
    : QWidget(parent), platform_(platform), set_(set) {
  Combo2 = new QComboBox(this);
  Combo2->setObjectName("Combo2");
  lbPrintNo = new QLabel(this);
  lbPrintNo->setObjectName("lbPrintNo");
  lbNincsTelepitve = new QLabel(this);
  lbNincsTelepitve->setObjectName("lbNincsTelepitve");
  lbNincsTelepitve->setWordWrap(true);
  lbNincsTelepitve->hide();
  Combo2->setPlaceholderText(QStringLiteral("(nincs telepítve)"));
  opPrinter[0] = new QRadioButton(QStringLiteral("Kijelölt nyomtató használata"), this);
  opPrinter[1] = new QRadioButton(QStringLiteral("Windows alapértelmezett nyomtató használata"), this);
  // A brand-new installation has neither option chosen.
  for (auto* o : opPrinter) o->setAutoExclusive(false);

  auto* g = new QGridLayout(this);
  g->addWidget(Combo2, 0, 0);
  g->addWidget(lbPrintNo, 0, 1);
  g->addWidget(opPrinter[0], 1, 0, 1, 2);
  g->addWidget(opPrinter[1], 2, 0, 1, 2);
  g->addWidget(lbNincsTelepitve, 3, 0, 1, 2);

  connect(Combo2, &QComboBox::activated, this, [this](int) { Combo2_Click(); });
  for (int i = 0; i < 2; ++i)
    connect(opPrinter[i], &QRadioButton::clicked, this, [this, i] { choose(i); });
}

void NyomtatoValaszto::fill() {
  Combo2->clear();
  if (!platform_.printer) return;
  for (const QString& name : platform_.printer->printerNames()) {
    Combo2->addItem(name);
    Combo2->setCurrentIndex(Combo2->count() - 1);
  }
}

void NyomtatoValaszto::select(int index) {
  if (index < 0 || index >= Combo2->count()) {
    Combo2->setCurrentIndex(-1);
    lbPrintNo->setText(QString::number(index));
    lbNincsTelepitve->setText(QStringLiteral("A mentett nyomtató (sorszáma: %1) most nincs telepítve: a kijelölt "
                                             "nyomtatóra küldött nyomtatás elmarad, amíg nem választ másikat.")
                                  .arg(index));
    lbNincsTelepitve->show();
    return;
  }
  Combo2->setCurrentIndex(index);
  Combo2_Click();
}

void NyomtatoValaszto::choose(int index) {
  opPrinter[index]->setChecked(true);
  opPrinter[1 - index]->setChecked(false);
  opPrinter_Click(index);
}

bool NyomtatoValaszto::save(const std::function<void(SetRekord&)>& change) {
  const MentesEredmeny e = saveSetFields(platform_.folder, set_, change);
  if (e) return true;
  if (platform_.messages && !csendes)
    platform_.messages->info(mentesUzenet(e, QStringLiteral("A nyomtató beállítása nem menthető a Set.dat fájlba."),
                                          QStringLiteral("a nyomtató beállításai")),
                             QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
  return false;
}

void NyomtatoValaszto::Combo2_Click() {
  if (Combo2->currentIndex() < 0) return;
  lbNincsTelepitve->hide();
  lbPrintNo->setText(QString::number(Combo2->currentIndex()));
  const double v = leadingValue(lbPrintNo->text());
  save([v](SetRekord& s) { s.NyomtatoIndex = roundToInt16(v); });
}

void NyomtatoValaszto::opPrinter_Click(int) {
  const bool alap = opPrinter[1]->isChecked();
  Combo2->setEnabled(!alap);
  save([alap](SetRekord& s) { s.AlapNyomtato = flagOf(alap); });
}
