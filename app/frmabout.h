#pragma once
// The about box: title, version, purpose, the maker's links and the system information button.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "common/platform.h"

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  frmAbout(const Platform& platform, QWidget* parent = nullptr);

  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  QLabel* Label5;
  QLabel* Label1;  // e-mail
  QLabel* Label2;  // web page
  QLabel* Label4;  // second e-mail
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;

  void Form_Load();
  void cmdOK_Click() { accept(); }
  void cmdSysInfo_Click() { StartSysInfo(); }
  void Label1_Click();
  void Label2_Click();
  void Label4_Click();
  void StartSysInfo();
  // Opens a web address; "http://" is put in front unless it begins with "http".
  void OpenBrowser(const QString& url);
  void OpenMail(const QString& address);

  static QString normalColour() { return QStringLiteral("#0000c0"); }
  static QString hoverColour() { return QStringLiteral("#ff0000"); }
  // Link under the mouse: that label red, the others blue (nullptr: all blue).
  void highlight(QLabel* link);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const Platform& platform_;
};

// The maker's data shown in the about box.
namespace maker {
inline const QString kName = QStringLiteral("a Lavindor fejlesztői");
inline const QString kMail = QStringLiteral("info@lavindor.example");
inline const QString kMail2 = QStringLiteral("tamogatas@lavindor.example");
inline const QString kWeb = QStringLiteral("www.lavindor.example");
}  // namespace maker

// System information programs looked for, in order.
inline const QStringList kSysInfoPrograms = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                             QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor")};
