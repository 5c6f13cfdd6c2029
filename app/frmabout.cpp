#include "app/frmabout.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>

#include "common/messages.h"
#include "common/shell.h"
#include "version.h"

namespace {
const QString kProgramTitle = QStringLiteral("Lavindor Program");

QLabel* captionLabel(const QString& text, QWidget* parent) { return new QLabel(text, parent); }
}  // namespace

frmAbout::frmAbout(const Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setObjectName("frmAbout");
  setModal(true);
  setMouseTracking(true);
  lblTitle = new QLabel(this);
  lblVersion = new QLabel(this);
  lblDescription = new QLabel(this);
  Label5 = new QLabel(this);
  Label5->setWordWrap(true);
  Label1 = new QLabel(maker::kMail, this);
  Label2 = new QLabel(maker::kWeb, this);
  Label4 = new QLabel(maker::kMail2, this);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  QFont big = lblTitle->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  lblTitle->setFont(big);

  auto* g = new QGridLayout(this);
  g->addWidget(lblTitle, 0, 0, 1, 2);
  g->addWidget(lblVersion, 1, 0, 1, 2);
  g->addWidget(lblDescription, 2, 0, 1, 2);
  g->addWidget(Label5, 3, 0, 1, 2);
  g->addWidget(captionLabel(QStringLiteral("E-mail:"), this), 4, 0);
  g->addWidget(Label1, 4, 1);
  g->addWidget(captionLabel(QStringLiteral("Honlap:"), this), 5, 0);
  g->addWidget(Label2, 5, 1);
  g->addWidget(captionLabel(QStringLiteral("E-mail:"), this), 6, 0);
  g->addWidget(Label4, 6, 1);
  g->addWidget(cmdOK, 7, 0);
  g->addWidget(cmdSysInfo, 7, 1);

  for (QLabel* l : {Label1, Label2, Label4}) {
    l->setCursor(Qt::PointingHandCursor);
    l->setMouseTracking(true);
    l->installEventFilter(this);
  }
  highlight(nullptr);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
  Form_Load();
}

void frmAbout::Form_Load() {
  setWindowTitle(kProgramTitle + QStringLiteral(" Névjegy"));
  lblVersion->setText(QStringLiteral("Verzió: %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  lblTitle->setText(QStringLiteral("Lavindor program "));
  lblDescription->setText(QStringLiteral(" A program készítője:  ") + maker::kName);
  Label5->setText(QStringLiteral(
      "A program a Magyar Posta előnyomott nyomtatványait tölti ki: csekkeket, tértivevényeket, "
      "feladóvevényeket, borítékokat, etikettcímkéket, rózsaszín csekkeket és utánvételi lapokat."));
}

void frmAbout::highlight(QLabel* link) {
  for (QLabel* l : {Label1, Label2, Label4})
    l->setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(l == link ? hoverColour() : normalColour()));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && (label == Label1 || label == Label2 || label == Label4)) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) highlight(label);
    if (event->type() == QEvent::MouseButtonRelease) {
      if (label == Label1) Label1_Click();
      else if (label == Label2) Label2_Click();
      else Label4_Click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
  highlight(nullptr);
  QDialog::mouseMoveEvent(event);
}

void frmAbout::Label1_Click() { OpenMail(QStringLiteral("mailto:") + maker::kMail); }
void frmAbout::Label4_Click() { OpenMail(QStringLiteral("mailto:") + maker::kMail2); }
void frmAbout::Label2_Click() { OpenBrowser(maker::kWeb); }

void frmAbout::OpenBrowser(const QString& url) {
  const QString target = url.left(4).compare(QStringLiteral("http"), Qt::CaseInsensitive) == 0
                             ? url
                             : QStringLiteral("http://") + url;
  if (platform_.shell) platform_.shell->open(target);  // the result is not examined
}

void frmAbout::OpenMail(const QString& address) {
  if (platform_.shell) platform_.shell->open(address);
}

void frmAbout::StartSysInfo() {
  const QString program = platform_.shell ? platform_.shell->findProgram(kSysInfoPrograms) : QString();
  if (!program.isEmpty() && platform_.shell->start(program, {})) return;
  if (platform_.messages)
    platform_.messages->info(QStringLiteral("System Information Is Unavailable At This Time"), kProgramTitle);
}
