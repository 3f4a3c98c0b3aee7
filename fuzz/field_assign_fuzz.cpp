// Fuzz target for the command line's field assignments: each input line is one NAME=VALUE.
// An accepted value changes only its own field's bytes, reads back as what was given and comes
// back the same when written again as it reads; `tpq700 set` with the same assignments either
// saves exactly that design or, when any of them is refused, fails and leaves the file as it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/app.h"
#include "fuzz/fuzz_support.h"
#include "model/defaults.h"
#include "model/field_names.h"
#include "model/project_file.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

constexpr size_t kMaxAssignments = 8;

// The bytes a field may change: a word's two, a text's or characters' slot, else one byte.
q700::Bytes Footprint(const q700::FieldInfo& f, q700::Design& d) {
  const size_t width = f.word ? 2
                       : (f.kind == q700::FieldKind::kText || f.kind == q700::FieldKind::kChars)
                           ? f.size
                           : 1;
  return q700::DesignBlockBytes(d, f.block).subspan(f.offset, width);
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

// Sets an accepted value and checks what it did.
void CheckAccepted(const q700::FieldInfo& f, q700::Design& design, const std::string& value) {
  q700::Design before = design;
  q700::SetField(f, design, value);
  Q700_FUZZ_CHECK(OnlyFieldChanged(f, before, design));

  const std::string shown = q700::FormatField(f, design);
  Q700_FUZZ_CHECK(!q700::CheckFieldValue(f, shown).has_value());
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
    case q700::FieldKind::kChars: {
      std::string given = *q700::UnescapeText(value);
      // The weight code's prefix is kept right-aligned.
      if (f.kind == q700::FieldKind::kChars && f.block == q700::DesignBlock::kWeight &&
          f.size == 2) {
        given.insert(0, 2 - given.size(), ' ');
      }
      Q700_FUZZ_CHECK(*q700::UnescapeText(shown) == given);
      break;
    }
    case q700::FieldKind::kChar:
      Q700_FUZZ_CHECK(*q700::UnescapeText(shown) == *q700::UnescapeText(value));
      break;
  }
}

struct Setup {
  Setup() {
    q700::TextLoader loader;
    q700::DefaultTerminalTexts defaults;
    q700::RefillTerminalTexts(loader, defaults);
    q700::ResetDesign(design, defaults);
    const q700::ProjectFileBytes bytes = q700::ProjectFileContents(design);
    file_bytes.assign(bytes.begin(), bytes.end());
  }
  q700::Design design;
  std::string file_bytes;
  std::filesystem::path path = q700::fuzz::ScratchFolder() / "design.TPX";
};

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
  for (const std::string& a : assignments) {
    const size_t eq = a.find('=');
    const q700::FieldInfo* f = eq == std::string::npos ? nullptr : q700::FindField(a.substr(0, eq));
    if (f == nullptr) {
      refused = true;
      continue;
    }
    const std::string value = a.substr(eq + 1);
    const std::optional<std::string> problem = q700::CheckFieldValue(*f, value);
    if (problem) {
      // The reason names the field.
      Q700_FUZZ_CHECK(problem->find(f->name) != std::string::npos);
      refused = true;
      continue;
    }
    CheckAccepted(*f, design, value);
  }

  q700::fuzz::WriteFile(setup.path, reinterpret_cast<const uint8_t*>(setup.file_bytes.data()),
                        setup.file_bytes.size());
  std::vector<std::string> args = {"tpq700", "set", setup.path.string()};
  args.insert(args.end(), assignments.begin(), assignments.end());
  std::ostringstream out;
  std::ostringstream err;
  const int status = q700::cli::Run(args, out, err);
  const std::string saved = q700::fuzz::ReadFile(setup.path);
  if (refused) {
    Q700_FUZZ_CHECK(status != q700::cli::kExitOk);
    Q700_FUZZ_CHECK(!err.str().empty());
    Q700_FUZZ_CHECK(saved == setup.file_bytes);
  } else {
    Q700_FUZZ_CHECK(status == q700::cli::kExitOk);
    const q700::ProjectFileBytes expected = q700::ProjectFileContents(design);
    Q700_FUZZ_CHECK(saved == std::string(expected.begin(), expected.end()));
  }
  return 0;
}
