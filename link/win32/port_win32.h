// Serial ports on Windows: COM ports through overlapped I/O, and the registry's port list.
#pragma once

#include <memory>
#include <string>

#include "link/port.h"

namespace q700 {

// Opens a port by its device name ("\\.\COM3", in the ANSI code page) for exclusive overlapped
// transfers; null when it cannot be opened.
std::unique_ptr<SerialPort> OpenWin32Port(const std::string& device_name);

}  // namespace q700
