// Fuzz target for field assignments: each input line is one NAME=VALUE, given on the command line
// and as the keys of a design in JSON. An accepted value changes only its own field's bytes, reads
// back as what was given and comes back the same when written again as it reads. `tpq700 set
// --no-rules` saves exactly that design, or fails and leaves the file as it was; `tpq700 set`
// reports every value that the editor's rules changed; `tpq700 new --from` builds each value given
// and its design survives show --json and new --from byte for byte.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/app.h"
#include "cli/field_text.h"
#include "fuzz/fuzz_support.h"
#include "model/defaults.h"
#include "model/field_names.h"
#include "model/project_file.h"
#include "texts/code_page.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

constexpr size_t kMaxAssignments = 8;

// The bytes a field may change: a word's two, a text's or characters' slot, else one byte.
q700::Bytes Footprint(const q700::FieldInfo& f, q700::Design& d) {
  return q700::DesignBlockBytes(d, f.block).subspan(f.offset, q700::FieldWidth(f));
}

// True when the designs differ only inside the field's bytes.
bool OnlyFieldChanged(const q700::FieldInfo& f, q700::Design& before, q700::Design& after) {
  const q700::Bytes field = Footprint(f, after);
  const auto b = q700::DesignBlocks(before);
  const auto a = q700::DesignBlocks(after);
  for (size_t block = 0; block < a.size(); ++block) {
    for (size_t i = 0; i < a[block].size(); ++i) {
      const uint8_t* p = &a[block][i];
      if (p >= field.data() && p < field.data() + field.size()) continue;
      if (*p != b[block][i]) return false;
    }
  }
  return true;
}

std::optional<long> Number(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string WithoutTrailingNuls(std::string text) {
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// Sets an accepted value (in the design's code page) and checks what it did.
void CheckAccepted(const q700::FieldInfo& f, q700::Design& design, const std::string& value) {
  q700::Design before = design;
  q700::SetField(f, design, value);
  Q700_FUZZ_CHECK(OnlyFieldChanged(f, before, design));

  const std::string shown = q700::FormatField(f, design);
  Q700_FUZZ_CHECK(!q700::CheckFieldValue(f, shown, q700::ValueLimits::kStored).has_value());
  q700::Design again = design;
  q700::SetField(f, again, shown);
  Q700_FUZZ_CHECK(again == design);

  switch (f.kind) {
    case q700::FieldKind::kNumber:
      Q700_FUZZ_CHECK(static_cast<long>(q700::FieldNumber(f, design)) == *Number(value));
      break;
    case q700::FieldKind::kChoice:
      if (const auto n = Number(value); n && shown == std::to_string(*n)) {
        Q700_FUZZ_CHECK(static_cast<long>(q700::FieldNumber(f, design)) == *n);
      }
      break;
    case q700::FieldKind::kText:
      Q700_FUZZ_CHECK(*q700::UnescapeText(shown) == *q700::UnescapeText(value));
      break;
    case q700::FieldKind::kChars: {
      std::string given = *q700::UnescapeText(value);
      // The weight code's prefix is kept right-aligned.
      if (f.block == q700::DesignBlock::kWeight && f.size == 2) {
        given.insert(0, 2 - given.size(), ' ');
      }
      Q700_FUZZ_CHECK(*q700::UnescapeText(shown) == WithoutTrailingNuls(given));
      break;
    }
    case q700::FieldKind::kChar:
      Q700_FUZZ_CHECK(*q700::UnescapeText(shown) == *q700::UnescapeText(value));
      break;
  }
}

struct Setup {
  Setup() {
    q700::RefillTerminalTexts(loader, defaults);
    q700::ResetDesign(design, defaults);
    const q700::ProjectFileBytes bytes = q700::ProjectFileContents(design);
    file_bytes.assign(bytes.begin(), bytes.end());
  }
  q700::TextLoader loader;
  q700::DefaultTerminalTexts defaults;
  q700::Design design;
  std::string file_bytes;
  std::filesystem::path folder = q700::fuzz::ScratchFolder();
};

struct Run {
  int status;
  std::string err;
};

Run Tool(std::vector<std::string> args) {
  args.insert(args.begin(), "tpq700");
  std::ostringstream out;
  std::ostringstream err;
  const int status = q700::cli::Run(args, out, err);
  return {status, err.str()};
}

std::unique_ptr<q700::Design> Load(Setup& setup, const std::filesystem::path& path) {
  auto design = std::make_unique<q700::Design>(setup.design);
  Q700_FUZZ_CHECK(q700::ReadProjectFile(path, *design, setup.loader));
  return design;
}

// `tpq700 set` with the editor's rules: every value it stores other than the one --no-rules
// stores is one it reports.
void CheckRules(Setup& setup, const std::vector<std::string>& assignments,
                const std::filesystem::path& as_given) {
  const std::filesystem::path path = setup.folder / "rules.TPX";
  q700::fuzz::WriteFile(path, reinterpret_cast<const uint8_t*>(setup.file_bytes.data()),
                        setup.file_bytes.size());
  std::vector<std::string> args = {"set", path.string()};
  args.insert(args.end(), assignments.begin(), assignments.end());
  const Run run = Tool(args);
  Q700_FUZZ_CHECK(run.status == q700::cli::kExitOk);
  auto with_rules = Load(setup, path);
  auto without = Load(setup, as_given);
  for (const q700::FieldInfo& f : q700::DesignFields()) {
    if (q700::SameFieldValue(f, *with_rules, *without)) continue;
    const bool reported = run.err.find(" derived " + f.name + "=") != std::string::npos ||
                          run.err.find(" made " + f.name + "=") != std::string::npos;
    Q700_FUZZ_CHECK(reported);
  }
}

// The same assignments as a design in JSON: built when every value fits its bytes, and each
// given field reads back as it reads when set alone.
void CheckFrom(Setup& setup, const std::vector<std::string>& assignments) {
  std::map<std::string, std::string> values;  // the last value of each field, as JSON keeps it
  for (const std::string& a : assignments) {
    const size_t eq = a.find('=');
    // Runs of bytes are keys of JSON only; the design_json target reads those.
    if (eq == std::string::npos || q700::FindField(a.substr(0, eq)) == nullptr) return;
    values[a.substr(0, eq)] = a.substr(eq + 1);
  }
  std::string json;
  try {
    json = nlohmann::json(values).dump();
  } catch (const nlohmann::json::exception&) {
    return;  // not UTF-8: no JSON holds it
  }
  bool fits = true;
  for (const auto& [name, value] : values) {
    const q700::FieldInfo* f = q700::FindField(name);
    std::string error;
    const auto converted = q700::cli::ValueInCodePage(*f, value, q700::kDefaultCodePage, error);
    fits = fits && converted &&
           !q700::CheckFieldValue(*f, *converted, q700::ValueLimits::kStored).has_value() &&
           !q700::CheckFieldInDesign(*f, setup.design, *converted).has_value();
  }
  const std::filesystem::path from = setup.folder / "from.json";
  const std::filesystem::path built = setup.folder / "built.TPX";
  q700::fuzz::WriteFile(from, reinterpret_cast<const uint8_t*>(json.data()), json.size());
  std::filesystem::remove(built);
  const Run run = Tool({"new", built.string(), "--from", from.string()});
  // A choice checked against the new design may still be refused against one whose flags the
  // same JSON sets; a refusal must then name its field.
  if (!fits) {
    Q700_FUZZ_CHECK(run.status != q700::cli::kExitOk);
    Q700_FUZZ_CHECK(!std::filesystem::exists(built));
    return;
  }
  if (run.status != q700::cli::kExitOk) {
    Q700_FUZZ_CHECK(run.err.find("no_match") != std::string::npos);
    return;
  }
  auto design = Load(setup, built);
  for (const auto& [name, value] : values) {
    const q700::FieldInfo* f = q700::FindField(name);
    if (f->raised_while) continue;  // reads in the light of another field
    std::string error;
    const std::string converted =
        *q700::cli::ValueInCodePage(*f, value, q700::kDefaultCodePage, error);
    auto alone = std::make_unique<q700::Design>(setup.design);
    q700::SetField(*f, *alone, converted);
    Q700_FUZZ_CHECK(q700::SameFieldValue(*f, *alone, *design));
  }
  // And back through its own JSON.
  std::ostringstream out;
  std::ostringstream err;
  Q700_FUZZ_CHECK(q700::cli::Run({"tpq700", "show", built.string(), "--json"}, out, err) == 0);
  const std::string shown = out.str();
  q700::fuzz::WriteFile(from, reinterpret_cast<const uint8_t*>(shown.data()), shown.size());
  const std::filesystem::path again = setup.folder / "again.TPX";
  Q700_FUZZ_CHECK(Tool({"new", "--force", again.string(), "--from", from.string()}).status == 0);
  Q700_FUZZ_CHECK(q700::fuzz::ReadFile(again) == q700::fuzz::ReadFile(built));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  std::vector<std::string> assignments;
  std::string_view input = q700::fuzz::AsText(data, size);
  while (!input.empty() && assignments.size() < kMaxAssignments) {
    const size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    // Options and empty words are the argument parser's business, not an assignment's.
    if (line.empty() || line[0] == '-' || line.find('\0') != std::string_view::npos) continue;
    assignments.emplace_back(line);
  }
  if (assignments.empty()) return 0;

  q700::Design design = setup.design;
  bool refused = false;
  std::vector<const q700::FieldInfo*> fields;
  std::vector<std::string> values;
  for (const std::string& a : assignments) {
    const size_t eq = a.find('=');
    const q700::FieldInfo* f = eq == std::string::npos ? nullptr : q700::FindField(a.substr(0, eq));
    if (f == nullptr) {
      refused = true;
      continue;
    }
    // The command line is UTF-8; the design holds the code page's bytes.
    std::string error;
    const std::optional<std::string> value =
        q700::cli::ValueInCodePage(*f, a.substr(eq + 1), q700::kDefaultCodePage, error);
    std::optional<std::string> problem = value ? q700::CheckFieldValue(*f, *value) : error;
    if (problem) {
      // The reason names the field.
      Q700_FUZZ_CHECK(problem->find(f->name) != std::string::npos);
      refused = true;
      continue;
    }
    fields.push_back(f);
    values.push_back(*value);
  }
  // Fields that depend on others are set after them, and checked against what they hold then.
  for (const size_t i : q700::SetOrder(fields)) {
    if (q700::CheckFieldInDesign(*fields[i], design, values[i])) {
      refused = true;
      continue;
    }
    CheckAccepted(*fields[i], design, values[i]);
  }

  const std::filesystem::path path = setup.folder / "design.TPX";
  q700::fuzz::WriteFile(path, reinterpret_cast<const uint8_t*>(setup.file_bytes.data()),
                        setup.file_bytes.size());
  std::vector<std::string> args = {"set", path.string(), "--no-rules"};
  args.insert(args.end(), assignments.begin(), assignments.end());
  const Run run = Tool(args);
  const std::string saved = q700::fuzz::ReadFile(path);
  if (refused) {
    Q700_FUZZ_CHECK(run.status != q700::cli::kExitOk);
    Q700_FUZZ_CHECK(!run.err.empty());
    Q700_FUZZ_CHECK(saved == setup.file_bytes);
  } else {
    Q700_FUZZ_CHECK(run.status == q700::cli::kExitOk);
    const q700::ProjectFileBytes expected = q700::ProjectFileContents(design);
    Q700_FUZZ_CHECK(saved == std::string(expected.begin(), expected.end()));
    CheckRules(setup, assignments, path);
  }
  CheckFrom(setup, assignments);
  return 0;
}
