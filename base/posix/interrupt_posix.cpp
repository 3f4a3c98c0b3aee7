// Stop requests on POSIX systems: SIGINT and SIGTERM set a flag and write to a self-pipe, so a
// poll() on a port wakes at once.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

#include "base/interrupt.h"

namespace q700 {
namespace {

std::atomic<bool> interrupted{false};
int pipe_fds[2] = {-1, -1};
std::once_flag install_once;

void OnSignal(int) {
  const int saved = errno;
  interrupted.store(true);
  const char byte = 1;
  // The pipe is non-blocking: once it holds a byte, further writes may fail harmlessly.
  if (pipe_fds[1] >= 0 && write(pipe_fds[1], &byte, 1) < 0) {
  }
  errno = saved;
}

}  // namespace

void InstallInterruptHandlers() {
  std::call_once(install_once, [] {
    if (pipe(pipe_fds) == 0) {
      for (int fd : pipe_fds) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
      }
    } else {
      pipe_fds[0] = pipe_fds[1] = -1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking read or poll returns EINTR and its caller looks at the flag.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
  });
}

bool Interrupted() { return interrupted.load(); }

int InterruptFd() { return pipe_fds[0]; }

void* InterruptEvent() { return nullptr; }

void ResetInterruptForTest() {
  interrupted.store(false);
  if (pipe_fds[0] < 0) return;
  char buffer[64];
  while (read(pipe_fds[0], buffer, sizeof buffer) > 0) {
  }
}

}  // namespace q700
