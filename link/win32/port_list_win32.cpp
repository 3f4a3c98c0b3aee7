// The port list on Windows: the values of HKLM\Hardware\DeviceMap\SerialComm.
#include <windows.h>

#include "link/port_list.h"
#include "link/win32/port_win32.h"

namespace q700 {
namespace {

std::string Narrow(const wchar_t* text, int length) {
  const int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(n > 0 ? n : 0, '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), n, nullptr, nullptr);
  return narrow;
}

class Win32PortSystem final : public PortSystem {
 public:
  EntryStatus ReadEntry(size_t position, PortEntry* entry) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS) {
      return EntryStatus::kFailed;
    }
    // Room well past the limits of the list: longer texts fail here, shorter ones are checked
    // against the limits by the caller.
    wchar_t name[256];
    DWORD name_length = 256;
    wchar_t data[256];
    DWORD data_bytes = sizeof(data);
    DWORD type = 0;
    const LONG result = RegEnumValueW(key, static_cast<DWORD>(position), name, &name_length,
                                      nullptr, &type, reinterpret_cast<BYTE*>(data), &data_bytes);
    RegCloseKey(key);
    if (result == ERROR_NO_MORE_ITEMS) return EntryStatus::kEnd;
    if (result != ERROR_SUCCESS || type != REG_SZ) return EntryStatus::kFailed;
    int data_length = static_cast<int>(data_bytes / sizeof(wchar_t));
    while (data_length > 0 && data[data_length - 1] == L'\0') --data_length;
    entry->device_path = Narrow(name, static_cast<int>(name_length));
    entry->port_name = Narrow(data, data_length);
    return EntryStatus::kOk;
  }

  std::string DeviceName(std::string_view port_name) override {
    if (port_name.find('\\') != std::string_view::npos) return std::string(port_name);
    return "\\\\.\\" + std::string(port_name);
  }

  std::unique_ptr<SerialPort> Open(const std::string& device_name) override {
    return OpenWin32Port(device_name);
  }
};

}  // namespace

std::unique_ptr<PortSystem> MakeSystemPorts() { return std::make_unique<Win32PortSystem>(); }

}  // namespace q700
