// Tests of the stop request: a signal is seen by the flag and wakes a poll on the self-pipe.
#include "base/interrupt.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <poll.h>
#include <signal.h>

namespace q700 {
namespace {

bool Readable(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, 0) == 1 && (entry.revents & POLLIN) != 0;
}

TEST(InterruptTest, EachSignalIsSeenByTheFlagAndThePipeUntilReset) {
  InstallInterruptHandlers();
  InstallInterruptHandlers();  // a second call must not make a second pipe
  ASSERT_GE(InterruptFd(), 0);
  for (int signal_number : {SIGINT, SIGTERM}) {
    ResetInterruptForTest();
    EXPECT_FALSE(Interrupted());
    EXPECT_FALSE(Readable(InterruptFd()));
    raise(signal_number);
    EXPECT_TRUE(Interrupted()) << signal_number;
    EXPECT_TRUE(Readable(InterruptFd())) << signal_number;
  }
  ResetInterruptForTest();
  EXPECT_FALSE(Interrupted());
  EXPECT_FALSE(Readable(InterruptFd()));
}

}  // namespace
}  // namespace q700
#endif
