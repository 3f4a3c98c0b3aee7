// The port list on POSIX systems: sysfs tty devices and rfcomm devices, in natural name order.
#include <algorithm>
#include <fstream>
#include <system_error>

#include "link/posix/port_posix.h"

namespace q700 {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Name order with runs of digits compared as numbers: ttyS2 before ttyS10.
bool NaturalLess(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      size_t ei = i, ej = j;
      while (ei < a.size() && IsDigit(a[ei])) ++ei;
      while (ej < b.size() && IsDigit(b[ej])) ++ej;
      std::string_view da = a.substr(i, ei - i), db = b.substr(j, ej - j);
      while (da.size() > 1 && da[0] == '0') da.remove_prefix(1);
      while (db.size() > 1 && db[0] == '0') db.remove_prefix(1);
      if (da.size() != db.size()) return da.size() < db.size();
      if (da != db) return da < db;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

// The 8250 driver makes ttyS slots whether or not a UART answers; type 0 means none does.
bool IsEmptySerialSlot(const std::filesystem::path& tty_folder) {
  std::ifstream in(tty_folder / "type");
  int type = -1;
  return in >> type && type == 0;
}

std::vector<std::string> ListDevices(const std::filesystem::path& sys_class_tty,
                                     const std::filesystem::path& dev) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(sys_class_tty, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!Exists(it->path() / "device") || !Exists(dev / name)) continue;
    if (StartsWith(name, "ttyS") && IsEmptySerialSlot(it->path())) continue;
    names.push_back(name);
  }
  ec.clear();
  for (std::filesystem::directory_iterator it(dev, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (StartsWith(name, "rfcomm")) names.push_back(name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace

PortKind PosixPortKind(std::string_view device_name) {
  if (StartsWith(device_name, "rfcomm")) return PortKind::kBluetooth;
  if (StartsWith(device_name, "ttyS") || StartsWith(device_name, "ttyUSB") ||
      StartsWith(device_name, "ttyACM")) {
    return PortKind::kSerial;
  }
  return PortKind::kVirtual;
}

PosixPortSystem::PosixPortSystem(std::filesystem::path sys_class_tty, std::filesystem::path dev)
    : sys_class_tty_(std::move(sys_class_tty)), dev_(std::move(dev)) {}

EntryStatus PosixPortSystem::ReadEntry(size_t position, PortEntry* entry) {
  // Listed afresh each time, as the registry is read afresh: the few directory reads cost
  // nothing next to a transfer, and a plugged-in adapter shows at once.
  const std::vector<std::string> names = ListDevices(sys_class_tty_, dev_);
  if (position >= names.size()) return EntryStatus::kEnd;
  entry->port_name = names[position];
  entry->device_path = (dev_ / names[position]).string();
  return EntryStatus::kOk;
}

PortKind PosixPortSystem::KindOf(const PortEntry& entry) { return PosixPortKind(entry.port_name); }

std::string PosixPortSystem::DeviceName(std::string_view port_name) {
  if (port_name.find('/') != std::string_view::npos) return std::string(port_name);
  return (dev_ / std::string(port_name)).string();
}

std::unique_ptr<SerialPort> PosixPortSystem::Open(const std::string& device_name) {
  return OpenPosixPort(device_name);
}

std::unique_ptr<PortSystem> MakeSystemPorts() { return std::make_unique<PosixPortSystem>(); }

}  // namespace q700
