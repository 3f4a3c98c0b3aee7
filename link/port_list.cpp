// Kinds, labels and positions of the serial ports, over any platform's list.
#include "link/port_list.h"

#include "link/link_settings.h"

namespace q700 {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The entry at `position` when it reads and its texts fit the room given.
EntryStatus ReadFitting(PortSystem& ports, size_t position, size_t path_max, size_t name_max,
                        PortEntry* entry) {
  const EntryStatus status = ports.ReadEntry(position, entry);
  if (status != EntryStatus::kOk) return status;
  if (entry->device_path.size() > path_max || entry->port_name.size() > name_max) {
    return EntryStatus::kFailed;
  }
  return EntryStatus::kOk;
}

}  // namespace

PortKind PortSystem::PortKindFromDevicePath(std::string_view device_path) {
  const size_t slash = device_path.rfind('\\');
  if (slash == std::string_view::npos) return PortKind::kUnknown;
  const std::string_view last = device_path.substr(slash + 1);
  if (last.size() >= 2 && Upper(last[0]) == 'B' && Upper(last[1]) == 'T') {
    return PortKind::kBluetooth;
  }
  if (last.size() >= 2 && Upper(last[0]) == 'S' && Upper(last[1]) == 'E') {
    return PortKind::kSerial;
  }
  return PortKind::kVirtual;
}

std::string_view PortKindText(PortKind kind) {
  switch (kind) {
    case PortKind::kSerial:
      return "Serial port";
    case PortKind::kVirtual:
      return "Virtual port";
    case PortKind::kBluetooth:
      return "Bluetooth port";
    default:
      return {};
  }
}

std::string_view PortKindWord(PortKind kind) {
  switch (kind) {
    case PortKind::kSerial:
      return "serial";
    case PortKind::kVirtual:
      return "virtual";
    case PortKind::kBluetooth:
      return "bluetooth";
    default:
      return "unknown";
  }
}

std::string PortLabel(std::string_view port_name, PortKind kind) {
  std::string label(port_name);
  label += " - ";
  label += kind == PortKind::kUnknown ? std::string_view("Unknown port") : PortKindText(kind);
  return label;
}

std::string_view PortNameOfLabel(std::string_view label) {
  return label.substr(0, label.find(' '));
}

std::optional<int> PortNumberOf(std::string_view port_name) {
  size_t at = port_name.find('M');
  if (at == std::string_view::npos) at = port_name.find('m');
  if (at == std::string_view::npos) return std::nullopt;
  size_t i = at + 1;
  if (i >= port_name.size() || port_name[i] < '0' || port_name[i] > '9') return std::nullopt;
  int number = 0;
  for (; i < port_name.size() && port_name[i] >= '0' && port_name[i] <= '9'; ++i) {
    if (number > 100'000'000) return std::nullopt;  // no port has such a number
    number = number * 10 + (port_name[i] - '0');
  }
  return number;
}

int EnumeratePorts(PortSystem& ports, LinkSettings& settings, std::vector<std::string>* labels) {
  if (labels != nullptr) labels->clear();
  int count = 0;
  for (size_t position = 0;; ++position) {
    PortEntry entry;
    const EntryStatus status = ReadFitting(ports, position, kWalkPathMax, kWalkNameMax, &entry);
    if (status == EntryStatus::kEnd) break;
    if (status == EntryStatus::kFailed) return 0;
    const std::string label = PortLabel(entry.port_name, ports.KindOf(entry));
    if (settings.port_index == -1 && PortNumberOf(entry.port_name) == settings.preferred_port) {
      settings.port_index = static_cast<int32_t>(position);
    }
    if (labels != nullptr) labels->push_back(label);
    ++count;
  }
  return count;
}

PortKind GetPortName(PortSystem& ports, int position, std::string* port_name) {
  if (position < 0) return PortKind::kNone;
  PortEntry entry;
  if (ReadFitting(ports, static_cast<size_t>(position), kEntryPathMax, kEntryNameMax, &entry) !=
      EntryStatus::kOk) {
    return PortKind::kNone;
  }
  *port_name = entry.port_name;
  return ports.KindOf(entry);
}

int FindPortIndex(PortSystem& ports, std::string_view label) {
  const std::string_view name = PortNameOfLabel(label);
  for (size_t position = 0;; ++position) {
    PortEntry entry;
    if (ReadFitting(ports, position, kEntryPathMax, kEntryNameMax, &entry) != EntryStatus::kOk) {
      return 0;
    }
    if (entry.port_name == name) return static_cast<int>(position);
  }
}

int FindPortLabelPosition(PortSystem& ports, int position, std::span<const std::string> rows) {
  std::string name;
  if (GetPortName(ports, position, &name) == PortKind::kNone) return -1;
  for (size_t row = 0; row < rows.size(); ++row) {
    const std::string_view label = rows[row];
    if (label.find(' ') == std::string_view::npos) continue;
    if (PortNameOfLabel(label) == name) return static_cast<int>(row);
  }
  return -1;
}

int DialogPortIndex(int stored_index, int port_count) {
  return (stored_index < 0 || stored_index >= port_count) ? 0 : stored_index;
}

}  // namespace q700
