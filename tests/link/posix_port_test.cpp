// The POSIX port over a pseudo-terminal pair made by socat: bytes both ways, time-outs, an idle
// CPU while waiting, exclusive opening, and the link's reply reading on a real device.
#ifndef _WIN32

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <thread>

#include "link/link.h"
#include "link/posix/port_posix.h"

extern char** environ;

namespace q700 {
namespace {

using Ms = std::chrono::milliseconds;
using SteadyClock = std::chrono::steady_clock;

// A socat process joining two pseudo terminals; their paths come from its diagnostics.
class PtyPair {
 public:
  PtyPair() {
    int err_pipe[2];
    if (pipe(err_pipe) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, err_pipe[0]);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const char* argv[] = {"socat", "-d", "-d", "pty,raw,echo=0", "pty,raw,echo=0", nullptr};
    const int rc =
        posix_spawnp(&pid_, "socat", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(err_pipe[1]);
    if (rc != 0) {
      pid_ = -1;
      close(err_pipe[0]);
      return;
    }
    // "... N PTY is /dev/pts/5" twice, then "starting data transfer loop".
    std::string text;
    const std::regex pty_line("PTY is (\\S+)");
    const auto deadline = SteadyClock::now() + Ms(5000);
    while (paths_.size() < 2 && SteadyClock::now() < deadline) {
      pollfd p{err_pipe[0], POLLIN, 0};
      if (poll(&p, 1, 200) <= 0) continue;
      char buffer[512];
      const ssize_t n = read(err_pipe[0], buffer, sizeof buffer);
      if (n <= 0) break;
      text.append(buffer, static_cast<size_t>(n));
      paths_.clear();
      for (std::sregex_iterator it(text.begin(), text.end(), pty_line), end; it != end; ++it) {
        paths_.push_back((*it)[1]);
      }
    }
    err_fd_ = err_pipe[0];  // kept open so socat's later diagnostics never block it
  }

  ~PtyPair() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (err_fd_ >= 0) close(err_fd_);
  }

  bool ready() const { return pid_ > 0 && paths_.size() == 2; }
  bool started() const { return pid_ > 0; }
  const std::string& path(int i) const { return paths_[i]; }

 private:
  pid_t pid_ = -1;
  int err_fd_ = -1;
  std::vector<std::string> paths_;
};

ConstBytes AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Reads until `count` bytes came or a second passed without any.
std::string ReadSome(SerialPort& port, size_t count) {
  std::string got;
  uint8_t buffer[256];
  while (got.size() < count) {
    const IoResult r = port.Read(Bytes(buffer, sizeof buffer), 1000);
    if (r.status != IoStatus::kDone) break;
    got.append(reinterpret_cast<char*>(buffer), r.count);
  }
  return got;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
         usage.ru_stime.tv_usec / 1e6;
}

class PosixPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pair_ = std::make_unique<PtyPair>();
    if (!pair_->started()) GTEST_SKIP() << "socat is not installed";
    ASSERT_TRUE(pair_->ready()) << "socat gave no pseudo-terminal paths";
    LineSettings line;
    line.baud_rate = 115200;
    line.byte_size = 8;
    line.rts = RtsControl::kEnable;
    line.dtr = DtrControl::kEnable;
    a_ = OpenPosixPort(pair_->path(0));
    b_ = OpenPosixPort(pair_->path(1));
    ASSERT_NE(a_, nullptr);
    ASSERT_NE(b_, nullptr);
    // A pseudo terminal has no modem lines; the settings still apply.
    ASSERT_TRUE(a_->ApplySettings(line));
    ASSERT_TRUE(b_->ApplySettings(line));
  }

  std::unique_ptr<PtyPair> pair_;
  std::unique_ptr<SerialPort> a_, b_;
};

TEST_F(PosixPortTest, BytesGoBothWaysRawAndWhole) {
  std::string block;
  for (int i = 0; i < 2060; ++i) block.push_back(static_cast<char>(i % 256));
  ASSERT_EQ(a_->Write(AsBytes(block), 1000).status, IoStatus::kDone);
  EXPECT_EQ(ReadSome(*b_, block.size()), block);  // CR, NUL, XON/XOFF and 0xFF unchanged
  ASSERT_EQ(b_->Write(AsBytes("ACK\r"), 1000).status, IoStatus::kDone);
  EXPECT_EQ(ReadSome(*a_, 4), "ACK\r");

  // Purging drops what waits.
  ASSERT_EQ(a_->Write(AsBytes("stale"), 1000).status, IoStatus::kDone);
  std::this_thread::sleep_for(Ms(50));
  EXPECT_TRUE(b_->Purge(Queues::kBoth));
  uint8_t byte;
  EXPECT_EQ(b_->Read(Bytes(&byte, 1), 100).status, IoStatus::kTimedOut);

  LineSettings back;
  LineSettings slow;
  slow.baud_rate = 9600;
  slow.byte_size = 8;
  ASSERT_TRUE(a_->ApplySettings(slow));
  ASSERT_TRUE(a_->ReadSettings(&back));
  EXPECT_EQ(back.baud_rate, 9600u);
  EXPECT_EQ(back.byte_size, 8);
  EXPECT_EQ(back.parity, Parity::kNone);
  EXPECT_FALSE(back.cts_output_flow);
  slow.baud_rate = 0;
  EXPECT_FALSE(a_->ApplySettings(slow));
}

TEST_F(PosixPortTest, ReadsWaitTheirTimeWithAnIdleProcessor) {
  uint8_t byte;
  auto start = SteadyClock::now();
  EXPECT_EQ(a_->Read(Bytes(&byte, 1), 300).status, IoStatus::kTimedOut);
  const auto waited = SteadyClock::now() - start;
  EXPECT_GE(waited, Ms(300));
  EXPECT_LT(waited, Ms(600));

  // A byte that comes during the wait ends it at once.
  std::thread sender([this] {
    std::this_thread::sleep_for(Ms(150));
    b_->Write(AsBytes("Z"), 1000);
  });
  start = SteadyClock::now();
  const IoResult r = a_->Read(Bytes(&byte, 1), 2000);
  const auto early = SteadyClock::now() - start;
  sender.join();
  EXPECT_EQ(r.status, IoStatus::kDone);
  EXPECT_EQ(byte, 'Z');
  EXPECT_LT(early, Ms(1000));

  // The link's reply wait on a silent line: 2 s by the clock, and almost no processor time.
  a_.reset();
  PosixPortSystem ports;
  LinkSettings prefs;
  prefs.download_via = kViaSerialSpp;
  Link link(ports, SystemClock(), prefs);
  link.port_override = pair_->path(0);
  ASSERT_TRUE(OpenLinkPort(link, Connection::kDownload, LinkRoute::kDirect));
  const double cpu_start = CpuSeconds();
  start = SteadyClock::now();
  ReadReply(link);
  const auto wall = std::chrono::duration<double>(SteadyClock::now() - start).count();
  const double cpu = CpuSeconds() - cpu_start;
  EXPECT_EQ(link.ReplyText(), "");
  EXPECT_GE(wall, 2.0);
  EXPECT_LT(wall, 2.5);
  EXPECT_LT(cpu, 0.05 * wall) << "cpu " << cpu << " s in " << wall << " s";

  b_->Write(AsBytes("Q700RU004\r"), 1000);
  SendCommand(link, "ZENTAK\r");
  EXPECT_EQ(link.ReplyText(), "Q700RU004");
  EXPECT_EQ(ReadSome(*b_, 7), "ZENTAK\r");
  CloseLinkPort(link, UnreadInput::kDiscard);
}

TEST_F(PosixPortTest, OpensExclusivelyAndOnlyTerminals) {
  EXPECT_EQ(OpenPosixPort(pair_->path(0)), nullptr);
  a_.reset();
  a_ = OpenPosixPort(pair_->path(0));
  EXPECT_NE(a_, nullptr);
  EXPECT_EQ(OpenPosixPort("/dev/null"), nullptr);
  EXPECT_EQ(OpenPosixPort("/nonexistent/tty"), nullptr);
}

}  // namespace
}  // namespace q700

#endif  // _WIN32
