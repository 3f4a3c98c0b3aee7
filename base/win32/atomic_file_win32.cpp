// File replacement on Windows: write through to disk, then MoveFileEx over the old file.
#include <windows.h>

#include <algorithm>

#include "base/atomic_file.h"

namespace q700 {
namespace {

std::string LastErrorText() {
  wchar_t* buffer = nullptr;
  const DWORD code = GetLastError();
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = "error " + std::to_string(code);
  if (buffer != nullptr) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, buffer, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer, -1, utf8.data(), n, nullptr, nullptr);
    while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r')) utf8.pop_back();
    text = utf8;
    LocalFree(buffer);
  }
  return text;
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& path, ConstBytes contents,
                         std::string* error) {
  const auto fail = [&](const std::string& what) {
    if (error != nullptr) *error = what + ": " + LastErrorText();
    return false;
  };
  std::filesystem::path temp = path;
  temp += L".tmp~";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  if (file == INVALID_HANDLE_VALUE) return fail(path.string());
  size_t done = 0;
  bool ok = true;
  while (ok && done < contents.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1 << 20));
    ok = WriteFile(file, contents.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  if (!ok) {
    const DWORD code = GetLastError();
    CloseHandle(file);
    DeleteFileW(temp.c_str());
    SetLastError(code);
    return fail(path.string());
  }
  CloseHandle(file);
  if (!MoveFileExW(temp.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = GetLastError();
    DeleteFileW(temp.c_str());
    SetLastError(code);
    return fail(path.string());
  }
  return true;
}

}  // namespace q700
