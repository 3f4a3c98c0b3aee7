// The project file (.TPX): the blocks of a design behind a 10-byte header and followed by 100
// zero bytes, 18,954 bytes in all; reading it checks the header and upgrades older designs.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/bytes.h"
#include "base/message.h"
#include "base/result.h"
#include "model/design.h"

namespace q700 {

class TextLoader;

using ProjectFileBytes = std::array<uint8_t, kProjectFileSize>;

// The file's bytes for a design: its blocks in file order and the zero trailer.
ProjectFileBytes ProjectFileContents(const Design& design);

// Writes the design to `path`. The old file is replaced only once the new one is complete on
// disk, so a failure (missing folder, full disk) keeps it as it was. Nothing is shown to the user:
// the caller reports "File open/create failed!" and keeps the design marked modified. On failure
// `error` (when given) gets the system's reason.
bool WriteProjectFile(const std::filesystem::path& path, Design& design,
                      std::string* error = nullptr);

// What reading a project file came to.
enum class ProjectRead {
  kLoaded,       // read into the design
  kUpgraded,     // read, and brought up from an older revision: the warning asks for a save
  kCannotRead,   // the file could not be opened or read; the design is unchanged
  kNotAProject,  // the header is foreign; the design is unchanged
};
constexpr bool Succeeded(ProjectRead read) {
  return read == ProjectRead::kLoaded || read == ProjectRead::kUpgraded;
}
using ProjectReadResult = Result<ProjectRead>;

// Reads the contents of a project file into the design, over what it holds: a short file leaves
// the blocks it does not reach as they were; bytes after the weight-code block are ignored. A
// foreign header changes nothing ("Format mismatch !!!"). A design of an older revision is
// upgraded, and the result carries the warning that asks the user to save it.
ProjectReadResult ReadProjectBytes(ConstBytes file, Design& design, TextLoader& texts);

// Reads a project file as ReadProjectBytes does. A file that cannot be opened or read changes
// nothing; the result carries "File open/create failed!" and the system's reason.
ProjectReadResult ReadProjectFile(const std::filesystem::path& path, Design& design,
                                  TextLoader& texts);

// The warning shown after an older design was upgraded on loading. Its text is the same in every
// language.
Message UpgradeWarning();
// The message shown for a file whose header is not a project file's.
Message FormatMismatchMessage();
// What the front ends show when a project file cannot be written or opened.
Message FileFailedMessage();

}  // namespace q700
