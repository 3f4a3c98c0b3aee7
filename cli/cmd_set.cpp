// tpq700 set: changes fields of a design by name, or from a design in JSON, with the editor's
// rules, and saves it.
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/assignments.h"
#include "cli/codepage_option.h"
#include "cli/design_file.h"
#include "cli/design_json.h"
#include "cli/field_text.h"
#include "editor/field_rules.h"

namespace q700::cli {
namespace {

struct SetOptions {
  std::string file;
  std::vector<std::string> words;
  std::string from;
  int code_page = 0;
  bool no_rules = false;
};

// Tells what the rules derived, with the value given when they changed one.
void ReportDerived(Context& ctx, const std::vector<editor::DerivedValue>& derived,
                   const std::vector<const FieldInfo*>& changed, Design& given, Design& result,
                   int code_page) {
  for (const editor::DerivedValue& d : derived) {
    const FieldInfo& f = *d.field;
    ctx.err << "tpq700: " << d.by;
    if (std::find(changed.begin(), changed.end(), &f) != changed.end()) {
      ctx.err << " made " << f.name << '=' << ShownValue(f, result, code_page)
              << " (given: " << ShownValue(f, given, code_page) << ")\n";
    } else {
      ctx.err << " derived " << f.name << '=' << ShownValue(f, result, code_page) << "\n";
    }
  }
}

void RunSet(Context& ctx, const CLI::App& cmd, const SetOptions& options) {
  std::vector<Assignment> assignments;
  bool malformed = false;
  const std::vector<std::string> words = WordList(cmd, options.words);
  for (const std::string& word : words) {
    std::string error;
    bool bad_word = false;
    if (auto a = ParseAssignmentWord(word, options.code_page, error, bad_word)) {
      assignments.push_back(std::move(*a));
    } else {
      ctx.Fail(error);
      malformed = malformed || bad_word;
    }
  }
  if (words.empty() && options.from.empty()) {
    ctx.err << "tpq700: set needs NAME=VALUE words or --from FILE\n";
    ctx.status = kExitUsage;
    return;
  }
  std::optional<JsonDesign> json;
  if (!options.from.empty()) json = LoadJsonDesign(ctx, options.from, options.code_page);
  if (malformed) ctx.status = kExitUsage;
  if (ctx.status != kExitOk) return;

  auto before = std::make_unique<Design>();
  if (!LoadDesignFile(ctx, options.file, *before, DesignUse::kWrite)) return;
  auto design = std::make_unique<Design>(*before);
  std::vector<std::string> problems;
  if (json) problems = PutJsonDesign(*design, *json);
  if (problems.empty()) problems = SetAssignments(*design, assignments);
  for (const std::string& problem : problems) ctx.Fail(problem);
  if (ctx.status != kExitOk) return;

  if (!options.no_rules) {
    const std::vector<const FieldInfo*> changed = ChangedFields(*before, *design);
    const auto given = std::make_unique<Design>(*design);
    DefaultTerminalTexts defaults = ctx.defaults;
    editor::EditorSession session(ctx.texts, defaults);
    PrintingSink sink(ctx);
    const std::vector<editor::DerivedValue> derived =
        editor::ApplyEditorRules(session, *before, *design, changed, sink);
    ReportDerived(ctx, derived, changed, *given, *design, options.code_page);
  }
  SaveDesignFile(ctx, options.file, *design);
}

}  // namespace

void AddSetCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("set", "Change fields of a design and save it");
  auto options = std::make_shared<SetOptions>();
  cmd->add_option("FILE", options->file, "Project file (.TPX), replaced when all is done")
      ->required();
  cmd->add_option("--from", options->from,
                  "Set every field of a design in JSON as 'tpq700 show --json' writes it "
                  "(\"-\": standard input), before the NAME=VALUE words")
      ->type_name("FILE");
  AddCodePageOption(*cmd, options->code_page);
  cmd->add_flag("--no-rules", options->no_rules,
                "Store the values as given, without the editor's rules");
  AddWordList(*cmd, "NAME=VALUE", options->words,
              "Field assignments; a choice takes its label or its number, a text the escapes "
              "of 'tpq700 show'",
              Words::kOptional);
  cmd->footer(
      "Every assignment is checked before anything changes; the file is replaced only when the "
      "new one is complete. Then the editor's pages and dialogs run for what changed, as if the "
      "changes had been made there: a change of type clears a line's details, a delimited "
      "lookup file gets its layout, a port rewrites the terminal's port menu, and so on; each "
      "value they set is reported on stderr. --from takes values as far as the bytes hold them "
      "(what the editor would not offer too); the NAME=VALUE words only what the editor "
      "offers.\n");
  cmd->callback([&ctx, cmd, options] { RunSet(ctx, *cmd, *options); });
}

}  // namespace q700::cli
