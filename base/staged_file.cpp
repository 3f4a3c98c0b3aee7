// The names of files kept aside beside their target.
#include "base/staged_file.h"

namespace q700 {

std::filesystem::path AsideName(const std::filesystem::path& target, int n) {
  std::filesystem::path name = target.stem();
  name += n <= 1 ? ".partial" : ".partial-" + std::to_string(n);
  name += target.extension();
  return target.has_parent_path() ? target.parent_path() / name : name;
}

}  // namespace q700
