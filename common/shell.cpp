#include "common/shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

QString ProgramVege::leiras() const {
  if (jelzes == 0) return QStringLiteral("kilépési kódja %1").arg(kilepesiKod);
  const char* nev = sigabbrev_np(jelzes);
  return nev ? QStringLiteral("a SIG%1 (%2) jelzés állította le").arg(QString::fromLatin1(nev)).arg(jelzes)
             : QStringLiteral("a(z) %1. jelzés állította le").arg(jelzes);
}

bool QtShell::open(const QString& target) {
  const QUrl url = QUrl::fromUserInput(target);
  // A local document that does not exist cannot be opened: say so instead of asking the desktop.
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
  return url.isValid() && QDesktopServices::openUrl(url);
}

namespace {

// What the watcher process writes into its pipe: the start ('S'), or why it failed ('F',
// errno), then the end ('E', the wait status). One write each, atomic in a pipe.
struct Hir {
  int32_t fajta = 0;
  int32_t ertek = 0;
};

void ir(int fd, char fajta, int ertek) {
  const Hir h{fajta, ertek};
  while (::write(fd, &h, sizeof h) < 0 && errno == EINTR) {
  }
}

bool olvas(int fd, Hir& h) {
  ssize_t n;
  while ((n = ::read(fd, &h, sizeof h)) < 0 && errno == EINTR) {
  }
  return n == sizeof h;
}

// The watcher, a child of a child that ended at once (so nothing of it is left to this program
// to reap, and it outlives this program): it starts the program, waits for it and writes how
// it went into `ki`. Only calls that are safe after a fork.
[[noreturn]] void figyelo(int ki, char* const argv[]) {
  int exec[2];
  if (::pipe2(exec, O_CLOEXEC) != 0) {
    ir(ki, 'F', errno);
    ::_exit(1);
  }
  const pid_t p = ::fork();
  if (p == 0) {
    ::signal(SIGPIPE, SIG_DFL);
    ::execv(argv[0], argv);
    const int e = errno;
    while (::write(exec[1], &e, sizeof e) < 0 && errno == EINTR) {
    }
    ::_exit(127);
  }
  ::close(exec[1]);
  if (p < 0) {
    ir(ki, 'F', errno);
    ::_exit(1);
  }
  int e = 0;
  ssize_t n;
  while ((n = ::read(exec[0], &e, sizeof e)) < 0 && errno == EINTR) {
  }
  int allapot = 0;
  if (n == sizeof e) {
    while (::waitpid(p, &allapot, 0) < 0 && errno == EINTR) {
    }
    ir(ki, 'F', e);
    ::_exit(1);
  }
  // Nobody may read the end any more: a write into the closed pipe is no reason to die.
  ::signal(SIGPIPE, SIG_IGN);
  ir(ki, 'S', 0);
  while (::waitpid(p, &allapot, 0) < 0 && errno == EINTR) {
  }
  ir(ki, 'E', allapot);
  ::_exit(0);
}

// Reads the watcher's word of the end for a while, then lets it go.
class Figyelo : public QObject {
 public:
  Figyelo(int fd, int ms, KoraiVege koraiVege)
      : QObject(QCoreApplication::instance()), fd_(fd), koraiVege_(std::move(koraiVege)) {
    jelzo_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(jelzo_, &QSocketNotifier::activated, this, [this] { olvasott(); });
    QTimer::singleShot(ms, this, [this] { vege(); });
  }
  ~Figyelo() override {
    if (fd_ >= 0) ::close(fd_);
  }

 private:
  void olvasott() {
    Hir h;
    const bool van = olvas(fd_, h) && h.fajta == 'E';
    // The one told may open a box: this watcher is done with before.
    const KoraiVege koraiVege = koraiVege_;
    vege();
    if (!van) return;
    ProgramVege v;
    if (WIFSIGNALED(h.ertek))
      v.jelzes = WTERMSIG(h.ertek);
    else if (WIFEXITED(h.ertek))
      v.kilepesiKod = WEXITSTATUS(h.ertek);
    if (v.jelzes != 0 || v.kilepesiKod != 0) koraiVege(v);
  }
  void vege() {
    if (fd_ < 0) return;
    jelzo_->setEnabled(false);
    ::close(fd_);
    fd_ = -1;
    deleteLater();
  }

  int fd_;
  KoraiVege koraiVege_;
  QSocketNotifier* jelzo_;
};

// Starts `program` as a process of its own, detached as QProcess::startDetached starts one,
// and watches it for `ms` milliseconds.
bool figyelveIndit(const QString& program, const QStringList& arguments, KoraiVege koraiVege, int ms) {
  const QString ut = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
  if (ut.isEmpty()) return false;
  // Everything the children need is made before the fork.
  std::vector<QByteArray> szavak{QFile::encodeName(ut)};
  for (const QString& a : arguments) szavak.push_back(QFile::encodeName(a));
  std::vector<char*> argv;
  for (QByteArray& s : szavak) argv.push_back(s.data());
  argv.push_back(nullptr);
  int cso[2];
  if (::pipe2(cso, O_CLOEXEC) != 0) return false;
  const pid_t p = ::fork();
  if (p < 0) {
    ::close(cso[0]);
    ::close(cso[1]);
    return false;
  }
  if (p == 0) {
    ::close(cso[0]);
    ::setsid();
    const pid_t f = ::fork();
    if (f != 0) ::_exit(f < 0 ? 1 : 0);
    figyelo(cso[1], argv.data());
  }
  ::close(cso[1]);
  int allapot = 0;
  while (::waitpid(p, &allapot, 0) < 0 && errno == EINTR) {
  }
  Hir h;
  if (!olvas(cso[0], h) || h.fajta != 'S') {
    ::close(cso[0]);
    return false;
  }
  new Figyelo(cso[0], ms, std::move(koraiVege));
  return true;
}

}  // namespace

bool QtShell::start(const QString& program, const QStringList& arguments, KoraiVege koraiVege) {
  if (!koraiVege) return QProcess::startDetached(program, arguments);
  return figyelveIndit(program, arguments, std::move(koraiVege), figyelesMs_);
}

QString QtShell::findProgram(const QStringList& names) const {
  for (const QString& n : names) {
    const QString p = QStandardPaths::findExecutable(n);
    if (!p.isEmpty()) return p;
  }
  return {};
}
