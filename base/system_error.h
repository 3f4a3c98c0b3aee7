// The system's own words for the last failure of a system call (errno on POSIX, GetLastError on
// Windows), for the reason part of a result.
#pragma once

#include <string>

namespace q700 {

// Forgets the last failure, so that a call which fails without saying why leaves no stale reason.
void ClearSystemError();

// The text of the last failure ("No such file or directory", "Access is denied."); empty when
// there is none.
std::string SystemErrorText();

}  // namespace q700
