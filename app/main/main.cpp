// The program: the main window over the program folder (the folder of the executable), where
// every record file lives whatever the current folder is. One program runs per folder. SIGTERM
// and SIGINT close the main window normally, so its unload saves as the close box would, during
// start-up too, and with a dialog open.
#include <QApplication>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "app/allapot.h"
#include "app/frmlavindor.h"
#include "app/leallitas.h"
#include "app/peldanyzar.h"
#include "common/fajlmuvelet.h"
#include "common/filedialogs.h"
#include "common/forditas.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/qtprinter.h"
#include "common/shell.h"

namespace {

// The write end of the self-pipe: the one thing a signal handler may touch.
int jelzoIras = -1;

void jelzes(int) {
  const char b = 1;
  [[maybe_unused]] const ssize_t n = ::write(jelzoIras, &b, 1);
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit is an error of the write that meets it, never the end of the program.
  fajlMeretKorlatHibakent();
  // The signal handler comes first, so that SIGTERM or SIGINT during start-up also ends the
  // program through the window's unload (and its exit save) instead of killing it.
  int fds[2];
  const bool jelzoCso = ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) == 0;
  if (jelzoCso) {
    jelzoIras = fds[0];
    struct sigaction sa {};
    sa.sa_handler = jelzes;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
  }

  QApplication app(argc, argv);
  // Qt's own dialogs and menus speak Hungarian, as the rest of the program does, and show their
  // dates and sizes in Hungarian too.
  QTranslator qtForditas;
  qtForditasBetoltese(qtForditas);
  magyarTerulet();

  // A signal that arrives while start-up shows a message box closes the box and is kept until
  // the window is built; one that arrives later closes the window (and any open dialog).
  frmLavindor* ablakMutato = nullptr;
  bool befejezes = false;
  std::unique_ptr<QSocketNotifier> figyelo;
  if (jelzoCso) {
    figyelo = std::make_unique<QSocketNotifier>(fds[1], QSocketNotifier::Read);
    QObject::connect(figyelo.get(), &QSocketNotifier::activated, &app, [&] {
      char b;
      [[maybe_unused]] const ssize_t n = ::read(fds[1], &b, 1);
      befejezes = true;
      jelzesreLeallas(ablakMutato);
    });
  }

  Platform platform;
  platform.folder = QCoreApplication::applicationDirPath();
  QtMessageBoxes uzenetek;
  platform.messages = &uzenetek;

  // One program per folder, settled before any file of the folder is opened: a second one says
  // so and ends without touching anything, and so does one whose lock cannot be taken.
  const PeldanyZar zar(platform.folder);
  if (zar.tilos()) {
    std::fprintf(stderr, "%s\n", zar.uzenet().toLocal8Bit().constData());
    if (!befejezes) uzenetek.info(zar.uzenet(), QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
    return 1;
  }

  QtPrinter nyomtato(platform.folder);
  platform.printer = &nyomtato;
  QtShell shell;
  platform.shell = &shell;
  QtPrintDialogs nyomtatasDialogus;
  platform.printDialog = &nyomtatasDialogus;
  QtFileDialogs fajlDialogusok;
  platform.fileDialogs = &fajlDialogusok;

  Allapot allapot;
  frmLavindor ablak(platform, allapot);
  if (befejezes) {
    ablak.close();
    return 0;
  }
  ablakMutato = &ablak;

  ablak.show();
  return app.exec();
}
