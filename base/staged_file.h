// A file written beside the one it is meant to become: the target takes the new contents only
// when the writer commits, so a run that fails or is interrupted leaves the target exactly as it
// was and no half-written file under its name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace q700 {

class StagedFile {
 public:
  explicit StagedFile(std::filesystem::path target) : target_(std::move(target)) {}
  ~StagedFile() { Discard(); }
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Creates the new, empty file in the target's folder. False with the folder and the system's
  // reason in `error` ("/data: No such file or directory").
  bool Create(std::string* error);

  // The open new file; null before Create and after the file was committed, kept or discarded.
  std::FILE* stream() const { return stream_; }
  const std::filesystem::path& target() const { return target_; }

  // Flushes the new file to the disk and puts it in the target's place. When the target cannot be
  // replaced, the new file stays for KeepAside.
  bool Commit(std::string* error);

  // Flushes the new file to the disk and keeps it beside the target under a name no file holds
  // yet ("data.partial.txt", then "data.partial-2.txt", ...); never under the target's name.
  std::optional<std::filesystem::path> KeepAside(std::string* error);

  // Closes and removes the new file; the target is untouched.
  void Discard();

 private:
  // Flushes and closes the stream; false with the reason.
  bool Finish(std::string* error);

  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::FILE* stream_ = nullptr;
};

// The name of the n-th file kept aside for `target`: "data.partial.txt" for 1, then
// "data.partial-2.txt" and so on.
std::filesystem::path AsideName(const std::filesystem::path& target, int n);

}  // namespace q700
