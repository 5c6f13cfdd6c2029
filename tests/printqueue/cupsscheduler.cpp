#include "printqueue/cupsscheduler.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const QString kServerBin = QStringLiteral("/usr/lib/cups");
const QString kDataDir = QStringLiteral("/usr/share/cups");
const QString kCupsPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");
constexpr int kCommandMs = 30000;
constexpr int kPollMs = 200;

QString findProgram(const QString& name) {
  QString p = QStandardPaths::findExecutable(name);
  if (p.isEmpty()) p = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
  return p;
}

// The PPD that the cups-pdf package installs.
QString findPpd() {
  for (const QString& root : {QStringLiteral("/usr/share/ppd"), QStringLiteral("/usr/share/cups/model")}) {
    QDirIterator it(root, {QStringLiteral("CUPS-PDF_opt.ppd")}, QDir::Files, QDirIterator::Subdirectories);
    if (it.hasNext()) return it.next();
  }
  return {};
}

bool writeFile(const QString& path, const QString& text) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}
}  // namespace

bool CupsScheduler::start() {
  auto fail = [this](const QString& why) {
    reason_ = why;
    stop();
    return false;
  };
  if (geteuid() != 0) return fail(QStringLiteral("not root: cupsd has to start as root to run its queue as user lp"));
  const QString cupsd = findProgram(QStringLiteral("cupsd"));
  if (cupsd.isEmpty()) return fail(QStringLiteral("cupsd is not installed (package cups)"));
  for (const char* p : {"lpadmin", "lpstat", "cupsenable", "cupsdisable", "pdftoppm", "pdftotext"})
    if (findProgram(QString::fromLatin1(p)).isEmpty()) return fail(QStringLiteral("%1 is not installed").arg(p));
  if (!QFileInfo::exists(kServerBin + QStringLiteral("/backend/cups-pdf")))
    return fail(QStringLiteral("the cups-pdf backend is not installed (package printer-driver-cups-pdf)"));
  const QString ppd = findPpd();
  if (ppd.isEmpty()) return fail(QStringLiteral("CUPS-PDF_opt.ppd is not installed (package printer-driver-cups-pdf)"));
  if (!getpwnam("lp")) return fail(QStringLiteral("there is no user lp"));

  // The socket path must fit a Unix socket address (108 bytes).
  const QString tmp = QDir::tempPath().size() > 60 ? QStringLiteral("/tmp") : QDir::tempPath();
  dir_ = std::make_unique<QTemporaryDir>(tmp + QStringLiteral("/lavindor-cups-XXXXXX"));
  if (!dir_->isValid()) return fail(QStringLiteral("no temporary folder"));
  const QString d = dir_->path();
  // The filters run as lp and have to reach the spool below.
  QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
  for (const char* sub : {"spool/tmp", "cache", "state", "log"}) QDir(d).mkpath(QString::fromLatin1(sub));
  const QString socket = d + QStringLiteral("/cups.sock");
  const bool written =
      writeFile(d + QStringLiteral("/cups-files.conf"),
                QStringLiteral("User lp\nGroup lp\nSystemGroup root\nServerRoot %1\nRequestRoot %1/spool\n"
                               "TempDir %1/spool/tmp\nCacheDir %1/cache\nStateDir %1/state\nServerBin %2\n"
                               "DataDir %3\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                               "PageLog %1/log/page_log\nPrintcap %1/printcap\nFileDevice No\n")
                    .arg(d, kServerBin, kDataDir)) &&
      writeFile(d + QStringLiteral("/cupsd.conf"),
                QStringLiteral("Listen %1\nLogLevel info\nBrowsing No\nWebInterface No\nDefaultShared No\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                    .arg(socket));
  if (!written) return fail(QStringLiteral("cannot write the scheduler's configuration into %1").arg(d));

  cupsd_ = std::make_unique<QProcess>();
  cupsd_->setWorkingDirectory(d);
  cupsd_->setProcessChannelMode(QProcess::MergedChannels);
  cupsd_->setStandardOutputFile(d + QStringLiteral("/log/stdout"));
  // The scheduler ends with the test process, even when that crashes.
  cupsd_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  cupsd_->start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/cupsd.conf"),
                        QStringLiteral("-s"), d + QStringLiteral("/cups-files.conf")});
  if (!cupsd_->waitForStarted(10000)) return fail(QStringLiteral("cupsd does not start: ") + cupsd_->errorString());
  running_ = true;
  QElapsedTimer t;
  t.start();
  while (!QFileInfo(socket).exists()) {
    if (cupsd_->state() != QProcess::Running || t.elapsed() > 10000)
      return fail(QStringLiteral("cupsd did not open its socket:\n") + log());
    QThread::msleep(50);
  }

  // Only this scheduler from now on: no client.conf or lpoptions of the machine, no
  // destination from the environment.
  qputenv("CUPS_SERVER", socket.toLocal8Bit());
  qputenv("CUPS_SERVERROOT", d.toLocal8Bit());
  qunsetenv("LPDEST");
  qunsetenv("PRINTER");
  QString out;
  if (!command(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), kQueue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                ppd, QStringLiteral("-E")},
               &out) ||
      !command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue}, &out))
    return fail(QStringLiteral("lpadmin failed: ") + out + QStringLiteral("\n") + log());
  return true;
}

void CupsScheduler::stop() {
  if (cupsd_ && cupsd_->state() != QProcess::NotRunning) {
    cupsd_->terminate();
    if (!cupsd_->waitForFinished(10000)) {
      cupsd_->kill();
      cupsd_->waitForFinished(5000);
    }
  }
  cupsd_.reset();
  running_ = false;
}

bool CupsScheduler::command(const QString& program, const QStringList& args, QString* output) const {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(findProgram(program), args);
  const bool ok = p.waitForFinished(kCommandMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (output) *output = QString::fromLocal8Bit(p.readAll());
  return ok;
}

bool CupsScheduler::setEnabled(bool enabled) const {
  return command(enabled ? QStringLiteral("cupsenable") : QStringLiteral("cupsdisable"), {kQueue});
}

QStringList CupsScheduler::jobs(const QString& which) const {
  QString out;
  command(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), kQueue}, &out);
  QStringList ids;
  static const QRegularExpression id(QStringLiteral("^(%1-\\d+)\\s").arg(QRegularExpression::escape(kQueue)),
                                     QRegularExpression::MultilineOption);
  for (auto it = id.globalMatch(out); it.hasNext();) ids << it.next().captured(1);
  return ids;
}

bool CupsScheduler::waitIdle(int timeoutMs) const {
  QElapsedTimer t;
  t.start();
  while (!jobs(QStringLiteral("not-completed")).isEmpty()) {
    if (t.elapsed() > timeoutMs) return false;
    QThread::msleep(kPollMs);
  }
  return true;
}

QString CupsScheduler::outputFolder() {
  // "Out" of the configuration; cups-pdf's own default when it names none.
  QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
  QFile f(kCupsPdfConf);
  if (f.open(QIODevice::ReadOnly)) {
    static const QRegularExpression line(QStringLiteral("^\\s*Out\\s+(.+?)\\s*$"));
    for (const QString& l : QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'))) {
      const auto m = line.match(l);
      if (m.hasMatch()) out = m.captured(1);
    }
  }
  // The job's user is the user of this process; cups-pdf takes home and name from passwd.
  if (const passwd* pw = getpwuid(geteuid())) {
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw->pw_dir));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(pw->pw_name));
  }
  return out;
}

QString CupsScheduler::newPdf(const QDateTime& since, int timeoutMs) {
  QElapsedTimer t;
  t.start();
  qint64 lastSize = -1;
  QString last;
  while (t.elapsed() <= timeoutMs) {
    QFileInfo newest;
    for (const QFileInfo& fi : QDir(outputFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
      if (fi.lastModified() >= since && (!newest.exists() || fi.lastModified() > newest.lastModified())) newest = fi;
    if (newest.exists() && newest.size() > 0) {
      // Written completely once two looks agree.
      if (newest.filePath() == last && newest.size() == lastSize) return last;
      last = newest.filePath();
      lastSize = newest.size();
    }
    QThread::msleep(kPollMs);
  }
  return {};
}

QString CupsScheduler::log() const {
  if (!dir_) return {};
  QFile f(dir_->path() + QStringLiteral("/log/error_log"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QStringList lines = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'));
  return lines.mid(std::max<qsizetype>(0, lines.size() - 20)).join(QLatin1Char('\n'));
}
