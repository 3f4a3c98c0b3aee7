// Staged files on Windows: a unique file beside the target, flushed to the disk, then moved over
// the target or, without replacing anything, under a free name beside it.
#include <io.h>
#include <windows.h>

#include "base/staged_file.h"
#include "base/system_error.h"

namespace q700 {
namespace {

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : std::filesystem::path(L".");
}

bool Fail(std::string* error, const std::filesystem::path& what) {
  if (error != nullptr) *error = what.string() + ": " + SystemErrorText();
  return false;
}

}  // namespace

bool StagedFile::Create(std::string* error) {
  Discard();
  const std::filesystem::path folder = FolderOf(target_);
  wchar_t temp[MAX_PATH + 1] = {};
  if (GetTempFileNameW(folder.c_str(), L"tpq", 0, temp) == 0) return Fail(error, folder);
  stream_ = _wfopen(temp, L"wb");
  if (stream_ == nullptr) {
    const DWORD code = GetLastError();
    DeleteFileW(temp);
    SetLastError(code);
    return Fail(error, temp);
  }
  temp_ = temp;
  return true;
}

bool StagedFile::Finish(std::string* error) {
  if (stream_ == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return Fail(error, target_);
  }
  const bool written = std::fflush(stream_) == 0 && _commit(_fileno(stream_)) == 0;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!(written && closed)) {
    SetLastError(ERROR_WRITE_FAULT);
    return Fail(error, target_);
  }
  return true;
}

bool StagedFile::Commit(std::string* error) {
  if (!Finish(error)) {
    Discard();
    return false;
  }
  // A target that cannot be replaced leaves the new file for KeepAside (or the destructor).
  if (!MoveFileExW(temp_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Fail(error, target_);
  }
  temp_.clear();
  return true;
}

std::optional<std::filesystem::path> StagedFile::KeepAside(std::string* error) {
  if (temp_.empty() || (stream_ != nullptr && !Finish(error))) {
    Discard();
    return std::nullopt;
  }
  for (int n = 1; n < 1000; ++n) {
    const std::filesystem::path aside = AsideName(target_, n);
    if (MoveFileExW(temp_.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
      temp_.clear();
      return aside;
    }
    const DWORD code = GetLastError();
    if (code != ERROR_ALREADY_EXISTS && code != ERROR_FILE_EXISTS) break;
  }
  Fail(error, AsideName(target_, 1));
  Discard();
  return std::nullopt;
}

void StagedFile::Discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temp_.empty()) DeleteFileW(temp_.c_str());
  temp_.clear();
}

}  // namespace q700
