// Interrupts on POSIX: a signal handler that sets a flag and writes to a self-pipe.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <mutex>

#include "base/interrupt.h"

namespace q700 {
namespace {

std::atomic<bool> interrupted{false};
int pipe_fds[2] = {-1, -1};

void OnSignal(int) {
  interrupted.store(true);
  const char byte = 1;
  // Nothing to do when the pipe is full: it is readable already.
  [[maybe_unused]] const ssize_t n = write(pipe_fds[1], &byte, 1);
}

}  // namespace

void InstallInterruptHandlers() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (pipe(pipe_fds) != 0) return;
    for (const int fd : pipe_fds) {
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
      fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
  });
}

bool Interrupted() { return interrupted.load(); }

int InterruptFd() { return pipe_fds[0]; }

void* InterruptEvent() { return nullptr; }

void ResetInterruptForTest() {
  interrupted.store(false);
  char buffer[64];
  if (pipe_fds[0] >= 0) {
    while (read(pipe_fds[0], buffer, sizeof buffer) > 0) {
    }
  }
}

}  // namespace q700
