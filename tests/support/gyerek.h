#pragma once
// Child processes for the kill tests: a helper program started with arguments, killed with
// SIGKILL a given time after it reported its start (one byte on its standard output).
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>

#include <functional>
#include <optional>
#include <random>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// The kill runs write a lot: in memory where the machine offers it (the page cache outlives a
// killed process either way, so the outcome is the same as on a disk).
inline QString killMappa() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// Runs `program` with `args`; once it reports its start, kills it after `kesleltetes`
// microseconds (none: it runs to the end). Returns its wait status (-1 when it could not
// start); `tartam` gets the microseconds from its start report to its end.
inline int gyerekFuttatas(const char* program, const QStringList& args, std::optional<int> kesleltetes,
                          qint64* tartam = nullptr) {
  int cso[2];
  if (::pipe2(cso, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, cso[1], 1);
  posix_spawn_file_actions_addclose(&fa, cso[0]);
  std::vector<QByteArray> b;
  for (const QString& a : args) b.push_back(a.toLocal8Bit());
  std::vector<char*> argv{const_cast<char*>(program)};
  for (QByteArray& a : b) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, program, &fa, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&fa);
  ::close(cso[1]);
  if (rc != 0) {
    ::close(cso[0]);
    return -1;
  }
  char c = 0;
  const bool indult = ::read(cso[0], &c, 1) == 1;
  QElapsedTimer t;
  t.start();
  if (indult && kesleltetes) {
    ::usleep(useconds_t(*kesleltetes));
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (tartam) *tartam = t.nsecsElapsed() / 1000;
  ::close(cso[0]);
  return status;
}

// Runs rounds 0 .. futasok - 1, `szalak` at a time (round i on thread i % szalak, which can
// keep a folder of its own), each with a kill time drawn from 0 to 2.5 times `tartam`
// microseconds: several children at once run slower than one undisturbed calibration run.
inline void parhuzamosKorok(int futasok, int szalak, qint64 tartam,
                            const std::function<void(int szal, int kor, int kesleltetes)>& kor) {
  std::vector<std::thread> t;
  for (int w = 0; w < szalak; ++w)
    t.emplace_back([&, w] {
      std::mt19937 rng(12345 + w);
      std::uniform_int_distribution<int> ido(0, int(tartam * 5 / 2) + 1);
      for (int i = w; i < futasok; i += szalak) kor(w, i, ido(rng));
    });
  for (std::thread& x : t) x.join();
}
