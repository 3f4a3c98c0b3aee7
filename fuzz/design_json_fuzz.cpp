// Fuzz target for a design in JSON (tpq700 new --from and set --from): the input is the JSON
// text. It is built or refused whole with a reason; a design built from it is the same whether
// new --from or set --no-rules --from builds it on a new design, and survives show --json and new
// --from byte for byte.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "fuzz/fuzz_support.h"

namespace {

struct Run {
  int status;
  std::string out;
  std::string err;
};

Run Tool(std::vector<std::string> args) {
  args.insert(args.begin(), "tpq700");
  std::ostringstream out;
  std::ostringstream err;
  const int status = q700::cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path folder = q700::fuzz::ScratchFolder();
  const std::filesystem::path json = folder / "design.json";
  const std::filesystem::path built = folder / "built.TPX";
  const std::filesystem::path set = folder / "set.TPX";
  q700::fuzz::WriteFile(json, data, size);
  std::filesystem::remove(built);

  const Run made = Tool({"new", built.string(), "--from", json.string()});
  Q700_FUZZ_CHECK(Tool({"new", "--force", set.string()}).status == 0);
  const std::string fresh = q700::fuzz::ReadFile(set);
  const Run changed = Tool({"set", set.string(), "--no-rules", "--from", json.string()});
  if (made.status != q700::cli::kExitOk) {
    Q700_FUZZ_CHECK(made.status == q700::cli::kExitFailed);
    Q700_FUZZ_CHECK(!made.err.empty());
    Q700_FUZZ_CHECK(!std::filesystem::exists(built));
    // set refuses the same JSON and leaves its file as it was.
    Q700_FUZZ_CHECK(changed.status == q700::cli::kExitFailed);
    Q700_FUZZ_CHECK(q700::fuzz::ReadFile(set) == fresh);
    return 0;
  }
  const std::string design = q700::fuzz::ReadFile(built);
  Q700_FUZZ_CHECK(changed.status == q700::cli::kExitOk);
  Q700_FUZZ_CHECK(q700::fuzz::ReadFile(set) == design);

  const Run shown = Tool({"show", built.string(), "--json"});
  Q700_FUZZ_CHECK(shown.status == q700::cli::kExitOk);
  q700::fuzz::WriteFile(json, reinterpret_cast<const uint8_t*>(shown.out.data()), shown.out.size());
  Q700_FUZZ_CHECK(Tool({"new", "--force", built.string(), "--from", json.string()}).status == 0);
  Q700_FUZZ_CHECK(q700::fuzz::ReadFile(built) == design);
  return 0;
}
