// The last failure of a system call on POSIX systems: errno.
#include <cerrno>
#include <cstring>

#include "base/system_error.h"

namespace q700 {

void ClearSystemError() { errno = 0; }

std::string SystemErrorText() { return errno != 0 ? std::strerror(errno) : std::string(); }

}  // namespace q700
