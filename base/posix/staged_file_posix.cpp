// Staged files on POSIX systems: mkstemp beside the target, fsync, then rename over the target or
// link() under a free name beside it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/staged_file.h"

namespace q700 {
namespace {

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

bool Fail(std::string* error, const std::string& what) {
  if (error != nullptr) *error = what + ": " + std::strerror(errno);
  return false;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
}

}  // namespace

bool StagedFile::Create(std::string* error) {
  Discard();
  const std::filesystem::path folder = FolderOf(target_);
  std::string temp = (folder / ("." + target_.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Fail(error, folder.string());
  // mkstemp makes the file private; received data gets the mode any new file of the user gets.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  stream_ = fdopen(fd, "wb");
  if (stream_ == nullptr) {
    const int saved = errno;
    close(fd);
    unlink(temp.c_str());
    errno = saved;
    return Fail(error, temp);
  }
  temp_ = temp;
  return true;
}

bool StagedFile::Finish(std::string* error) {
  if (stream_ == nullptr) {
    errno = EBADF;
    return Fail(error, target_.string());
  }
  const bool written = std::fflush(stream_) == 0 && fsync(fileno(stream_)) == 0;
  const int saved = errno;
  const bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!written) errno = saved;
  return written && closed ? true : Fail(error, target_.string());
}

bool StagedFile::Commit(std::string* error) {
  if (!Finish(error)) {
    Discard();
    return false;
  }
  // A target that cannot be replaced leaves the new file for KeepAside (or the destructor).
  if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail(error, target_.string());
  temp_.clear();
  SyncFolder(FolderOf(target_));
  return true;
}

std::optional<std::filesystem::path> StagedFile::KeepAside(std::string* error) {
  if (temp_.empty() || (stream_ != nullptr && !Finish(error))) {
    Discard();
    return std::nullopt;
  }
  for (int n = 1; n < 1000; ++n) {
    const std::filesystem::path aside = AsideName(target_, n);
    // link() never replaces a file, unlike rename().
    if (link(temp_.c_str(), aside.c_str()) == 0) {
      Discard();
      SyncFolder(FolderOf(target_));
      return aside;
    }
    if (errno != EEXIST) break;
  }
  Fail(error, AsideName(target_, 1).string());
  Discard();
  return std::nullopt;
}

void StagedFile::Discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace q700
