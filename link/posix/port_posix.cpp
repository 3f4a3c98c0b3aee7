// A serial port on a POSIX terminal device: raw 8N1 termios, poll() for every wait, modem lines
// through TIOCMBIS/TIOCMBIC where the device has them.
#include "link/posix/port_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "base/interrupt.h"

namespace q700 {
namespace {

struct Speed {
  uint32_t baud;
  speed_t code;
};

constexpr Speed kSpeeds[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedCode(uint32_t baud, speed_t* code) {
  for (const Speed& s : kSpeeds) {
    if (s.baud == baud) {
      *code = s.code;
      return true;
    }
  }
  return false;
}

uint32_t BaudOf(speed_t code) {
  for (const Speed& s : kSpeeds) {
    if (s.code == code) return s.baud;
  }
  return 0;
}

using SteadyClock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, rounded up so a wait never ends just short of it.
int RemainingMs(SteadyClock::time_point deadline) {
  const auto left = deadline - SteadyClock::now();
  if (left <= SteadyClock::duration::zero()) return 0;
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  return ms > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(ms);
}

constexpr int kWaitInterrupted = -2;

// Waits for `events` on the descriptor, and beside it for a stop request: 1 ready, 0 time-out,
// -1 error or hang-up, kWaitInterrupted.
int WaitFor(int fd, short events, int timeout_ms) {
  pollfd p[2] = {{fd, events, 0}, {InterruptFd(), POLLIN, 0}};
  const nfds_t count = p[1].fd >= 0 ? 2 : 1;
  for (;;) {
    const int n = poll(p, count, timeout_ms);
    if (Interrupted()) return kWaitInterrupted;
    if (n < 0 && errno == EINTR) return 0;  // the caller loops with the time left
    if (n < 0) return -1;
    if (n == 0) return 0;
    if (p[0].revents & events) return 1;
    return -1;  // POLLERR, POLLHUP or POLLNVAL without data: nothing will come
  }
}

// Whether the device reports a hang-up or an error now.
bool HungUp(int fd) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

class PosixPort final : public SerialPort {
 public:
  explicit PosixPort(int fd) : fd_(fd) {}
  ~PosixPort() override {
    ioctl(fd_, TIOCNXCL);
    close(fd_);
  }

  bool SetQueueSizes(uint32_t, uint32_t) override { return true; }

  bool ApplySettings(const LineSettings& settings) override {
    termios t{};
    if (tcgetattr(fd_, &t) != 0) return false;
    speed_t speed;
    if (!SpeedCode(settings.baud_rate, &speed)) return false;
    cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
    t.c_cflag |= CLOCAL | CREAD;
    switch (settings.byte_size) {
      case 5:
        t.c_cflag |= CS5;
        break;
      case 6:
        t.c_cflag |= CS6;
        break;
      case 7:
        t.c_cflag |= CS7;
        break;
      case 8:
        t.c_cflag |= CS8;
        break;
      default:
        return false;
    }
    switch (settings.parity) {
      case Parity::kNone:
        break;
      case Parity::kOdd:
        t.c_cflag |= PARENB | PARODD;
        break;
      case Parity::kEven:
        t.c_cflag |= PARENB;
        break;
      case Parity::kMark:
        t.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
      case Parity::kSpace:
        t.c_cflag |= PARENB | CMSPAR;
        break;
    }
    if (settings.stop_bits != StopBits::kOne) t.c_cflag |= CSTOPB;
    if (settings.cts_output_flow || settings.rts == RtsControl::kHandshake) t.c_cflag |= CRTSCTS;
    if (settings.xon_output_flow) t.c_iflag |= IXON;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    if (tcsetattr(fd_, TCSANOW, &t) != 0) return false;

    // A pseudo terminal has no modem lines: the calls fail there and that is fine.
    const auto line = [this](int bit, bool on) { ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit); };
    if (settings.rts != RtsControl::kHandshake) {
      // Toggle mode raises RTS only while sending; idle it is off.
      line(TIOCM_RTS, settings.rts == RtsControl::kEnable);
    }
    line(TIOCM_DTR, settings.dtr != DtrControl::kDisable);
    applied_ = settings;
    return true;
  }

  bool ReadSettings(LineSettings* settings) override {
    termios t{};
    if (tcgetattr(fd_, &t) != 0) return false;
    LineSettings s = applied_;
    s.baud_rate = BaudOf(cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
      case CS5:
        s.byte_size = 5;
        break;
      case CS6:
        s.byte_size = 6;
        break;
      case CS7:
        s.byte_size = 7;
        break;
      default:
        s.byte_size = 8;
        break;
    }
    if (!(t.c_cflag & PARENB)) {
      s.parity = Parity::kNone;
    } else if (t.c_cflag & CMSPAR) {
      s.parity = (t.c_cflag & PARODD) ? Parity::kMark : Parity::kSpace;
    } else {
      s.parity = (t.c_cflag & PARODD) ? Parity::kOdd : Parity::kEven;
    }
    s.stop_bits = (t.c_cflag & CSTOPB) ? StopBits::kTwo : StopBits::kOne;
    s.cts_output_flow = (t.c_cflag & CRTSCTS) != 0;
    s.xon_output_flow = (t.c_iflag & IXON) != 0;
    int lines = 0;
    if (ioctl(fd_, TIOCMGET, &lines) == 0 && s.rts != RtsControl::kHandshake) {
      s.rts = (lines & TIOCM_RTS) ? RtsControl::kEnable : RtsControl::kDisable;
      s.dtr = (lines & TIOCM_DTR) ? DtrControl::kEnable : DtrControl::kDisable;
    }
    *settings = s;
    return true;
  }

  // The driver has no time-outs of its own; each transfer brings its deadline.
  bool SetTimeouts(const PortTimeouts& timeouts) override {
    timeouts_ = timeouts;
    return true;
  }
  bool GetTimeouts(PortTimeouts* timeouts) override {
    *timeouts = timeouts_;
    return true;
  }

  IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
    if (Interrupted()) return {IoStatus::kInterrupted, 0};
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeout_ms);
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = write(fd_, data.data() + done, data.size() - done);
      if (n > 0) {
        done += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN) return {IoStatus::kFailed, done};
      const int left = RemainingMs(deadline);
      if (left == 0) return {IoStatus::kTimedOut, done};
      const int ready = WaitFor(fd_, POLLOUT, left);
      if (ready == kWaitInterrupted) return {IoStatus::kInterrupted, done};
      if (ready < 0) return {IoStatus::kFailed, done};
    }
    return {IoStatus::kDone, done};
  }

  IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
    if (buffer.empty()) return {IoStatus::kDone, 0};
    if (Interrupted()) return {IoStatus::kInterrupted, 0};
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      const ssize_t n = read(fd_, buffer.data(), buffer.size());
      if (n > 0) return {IoStatus::kDone, static_cast<size_t>(n)};
      // Nothing read from a device that hung up (a USB adapter pulled out, the far end of a
      // pseudo terminal closed): it stays readable, and waiting again would spin.
      if (n == 0 && HungUp(fd_)) return {IoStatus::kFailed, 0};
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN) return {IoStatus::kFailed, 0};
      const int left = RemainingMs(deadline);
      if (left == 0) return {IoStatus::kTimedOut, 0};
      const int ready = WaitFor(fd_, POLLIN, left);
      if (ready == kWaitInterrupted) return {IoStatus::kInterrupted, 0};
      if (ready < 0) return {IoStatus::kFailed, 0};
    }
  }

  bool Purge(Queues queues) override {
    const int which = queues == Queues::kBoth      ? TCIOFLUSH
                      : queues == Queues::kReceive ? TCIFLUSH
                                                   : TCOFLUSH;
    return tcflush(fd_, which) == 0;
  }

 private:
  int fd_;
  LineSettings applied_;
  PortTimeouts timeouts_;
};

}  // namespace

std::unique_ptr<SerialPort> OpenPosixPort(const std::string& device_path) {
  const int fd = open(device_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  termios t{};
  // Only terminals are ports; a lock keeps a second user of this program off the port, and
  // TIOCEXCL keeps other programs off it too.
  if (tcgetattr(fd, &t) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int reason = errno;  // for the caller's message, past the close
    close(fd);
    errno = reason;
    return nullptr;
  }
  ioctl(fd, TIOCEXCL);
  return std::make_unique<PosixPort>(fd);
}

}  // namespace q700
