// A COM port through overlapped I/O. Each transfer waits on its event until it is done or its
// time is up; one still pending then is cancelled and waited for, so the transfer record and the
// caller's buffer are free again when the call returns.
#include "link/win32/port_win32.h"

#include "base/interrupt.h"

#include <windows.h>

#include <algorithm>

namespace q700 {
namespace {

std::wstring Wide(const std::string& text) {
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n > 0 ? n : 0, L'\0');
  if (n > 0) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  }
  return wide;
}

class Win32Port final : public SerialPort {
 public:
  Win32Port(HANDLE handle, HANDLE event) : handle_(handle), event_(event) {
    COMMTIMEOUTS t{};
    if (GetCommTimeouts(handle_, &t)) {
      timeouts_ = {t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                   t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant};
    }
    SetDriverTimeouts();
  }

  ~Win32Port() override {
    CloseHandle(handle_);
    CloseHandle(event_);
  }

  bool SetQueueSizes(uint32_t receive_bytes, uint32_t send_bytes) override {
    return SetupComm(handle_, receive_bytes, send_bytes) != 0;
  }

  bool ApplySettings(const LineSettings& s) override {
    // The driver's record supplies what the link leaves alone (XON/XOFF characters and limits);
    // the switches the link never sets stay off, as in a record that started out all zero.
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handle_, &dcb)) return false;
    dcb.BaudRate = s.baud_rate;
    dcb.ByteSize = s.byte_size;
    dcb.Parity = static_cast<BYTE>(s.parity);
    dcb.StopBits = static_cast<BYTE>(s.stop_bits);
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = s.cts_output_flow;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = static_cast<DWORD>(s.dtr);
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = FALSE;
    dcb.fOutX = s.xon_output_flow;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = static_cast<DWORD>(s.rts);
    dcb.fAbortOnError = FALSE;
    return SetCommState(handle_, &dcb) != 0;
  }

  bool ReadSettings(LineSettings* settings) override {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handle_, &dcb)) return false;
    settings->baud_rate = dcb.BaudRate;
    settings->byte_size = dcb.ByteSize;
    settings->parity = static_cast<Parity>(std::min<BYTE>(dcb.Parity, 4));
    settings->stop_bits = static_cast<StopBits>(std::min<BYTE>(dcb.StopBits, 2));
    settings->rts = static_cast<RtsControl>(dcb.fRtsControl);
    settings->dtr = static_cast<DtrControl>(std::min<DWORD>(dcb.fDtrControl, 2));
    settings->cts_output_flow = dcb.fOutxCtsFlow != 0;
    settings->xon_output_flow = dcb.fOutX != 0;
    return true;
  }

  bool SetTimeouts(const PortTimeouts& timeouts) override {
    timeouts_ = timeouts;
    return SetDriverTimeouts();
  }

  bool GetTimeouts(PortTimeouts* timeouts) override {
    *timeouts = timeouts_;
    return true;
  }

  IoResult Write(ConstBytes data, uint32_t timeout_ms) override {
    if (data.empty()) return {IoStatus::kDone, 0};
    if (Interrupted()) return {IoStatus::kInterrupted, 0};
    // A write the driver ends at its own time-out counts as done, with the bytes it moved.
    return Transfer(Direction::kWrite, const_cast<uint8_t*>(data.data()),
                    static_cast<DWORD>(data.size()), timeout_ms);
  }

  IoResult Read(Bytes buffer, uint32_t timeout_ms) override {
    if (buffer.empty()) return {IoStatus::kDone, 0};
    if (Interrupted()) return {IoStatus::kInterrupted, 0};
    // Ask for what is queued, or for one byte: the read then ends as soon as anything is there.
    DWORD want = 1;
    DWORD errors = 0;
    COMSTAT stat{};
    if (ClearCommError(handle_, &errors, &stat)) {
      if (stat.cbInQue > 0) {
        want = static_cast<DWORD>(std::min<size_t>(buffer.size(), stat.cbInQue));
      } else if (timeout_ms == 0) {
        return {IoStatus::kTimedOut, 0};
      }
    }
    const IoResult result = Transfer(Direction::kRead, buffer.data(), want, timeout_ms);
    if (result.status == IoStatus::kDone && result.count == 0) return {IoStatus::kTimedOut, 0};
    return result;
  }

  bool Purge(Queues queues) override {
    DWORD flags = 0;
    if (HasReceive(queues)) flags |= PURGE_RXCLEAR;
    if (HasSend(queues)) flags |= PURGE_TXCLEAR;
    return PurgeComm(handle_, flags) != 0;
  }

 private:
  // Reads wait for the bytes asked for without a limit of the driver: the wait on the event
  // brings the deadline. Writes keep the driver limit the link set.
  bool SetDriverTimeouts() {
    COMMTIMEOUTS t{};
    t.WriteTotalTimeoutMultiplier = timeouts_.write_multiplier;
    t.WriteTotalTimeoutConstant = timeouts_.write_constant;
    return SetCommTimeouts(handle_, &t) != 0;
  }

  enum class Direction { kRead, kWrite };

  IoResult Transfer(Direction direction, uint8_t* data, DWORD size, uint32_t timeout_ms) {
    ResetEvent(event_);
    overlapped_ = OVERLAPPED{};
    overlapped_.hEvent = event_;
    const BOOL started = direction == Direction::kRead
                             ? ReadFile(handle_, data, size, nullptr, &overlapped_)
                             : WriteFile(handle_, data, size, nullptr, &overlapped_);
    if (!started && GetLastError() != ERROR_IO_PENDING) return {IoStatus::kFailed, 0};
    DWORD moved = 0;
    if (!started) {
      // The wait ends at the deadline, or at once when the user asks the program to stop.
      HANDLE waits[2] = {event_, static_cast<HANDLE>(InterruptEvent())};
      const DWORD count = waits[1] != nullptr ? 2 : 1;
      const DWORD woke = WaitForMultipleObjects(count, waits, FALSE, timeout_ms);
      if (woke != WAIT_OBJECT_0) {
        // Cancel, and wait until the driver lets go of the record and the buffer.
        CancelIoEx(handle_, &overlapped_);
        if (GetOverlappedResult(handle_, &overlapped_, &moved, TRUE)) {
          return {IoStatus::kDone, moved};  // it finished just before the cancel
        }
        return {woke == WAIT_OBJECT_0 + 1 ? IoStatus::kInterrupted : IoStatus::kTimedOut, moved};
      }
    }
    if (!GetOverlappedResult(handle_, &overlapped_, &moved, TRUE)) {
      return {IoStatus::kFailed, moved};
    }
    return {IoStatus::kDone, moved};
  }

  HANDLE handle_;
  HANDLE event_;
  OVERLAPPED overlapped_{};
  PortTimeouts timeouts_;
};

}  // namespace

std::unique_ptr<SerialPort> OpenWin32Port(const std::string& device_name) {
  const std::wstring name = Wide(device_name);
  if (name.empty()) return nullptr;
  HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (event == nullptr) {
    CloseHandle(handle);
    return nullptr;
  }
  return std::make_unique<Win32Port>(handle, event);
}

}  // namespace q700
