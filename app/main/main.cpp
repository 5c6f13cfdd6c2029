// The program: the main window over the program folder (the folder of the executable), where
// every record file lives whatever the current folder is. SIGTERM and SIGINT close the main
// window normally, so its unload saves as the close box would, during start-up too.
#include <QApplication>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

#include "app/allapot.h"
#include "app/frmlavindor.h"
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
  // Qt's own dialogs and menus speak Hungarian, as the rest of the program does.
  QTranslator qtForditas;
  qtForditasBetoltese(qtForditas);

  Platform platform;
  platform.folder = QCoreApplication::applicationDirPath();
  QtMessageBoxes uzenetek;
  platform.messages = &uzenetek;
  QtPrinter nyomtato(platform.folder);
  platform.printer = &nyomtato;
  QtShell shell;
  platform.shell = &shell;
  QtPrintDialogs nyomtatasDialogus;
  platform.printDialog = &nyomtatasDialogus;
  QtFileDialogs fajlDialogusok;
  platform.fileDialogs = &fajlDialogusok;

  // A signal that arrives while start-up shows a message box is kept until the window is
  // built; one that arrives later closes the window.
  frmLavindor* ablakMutato = nullptr;
  bool befejezes = false;
  std::unique_ptr<QSocketNotifier> figyelo;
  if (jelzoCso) {
    figyelo = std::make_unique<QSocketNotifier>(fds[1], QSocketNotifier::Read);
    QObject::connect(figyelo.get(), &QSocketNotifier::activated, &app, [&] {
      char b;
      [[maybe_unused]] const ssize_t n = ::read(fds[1], &b, 1);
      if (ablakMutato) ablakMutato->close();
      else befejezes = true;
    });
  }

  Allapot allapot;
  frmLavindor ablak(platform, allapot);
  ablakMutato = &ablak;
  if (befejezes) {
    ablak.close();
    return 0;
  }

  ablak.show();
  return app.exec();
}
