// tpq700 language-ids: every language id with its English text, as the lines of a language file.
#include <ostream>

#include "cli/command.h"
#include "editor/label_texts.h"

namespace q700::cli {

void AddLanguageIdsCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand(
      "language-ids",
      "List every language id of the dialogs and texts with its English text, one ID=TEXT line "
      "each, the form of a language file's lines");
  cmd->callback([&ctx] {
    for (const editor::LanguageIdText& entry : editor::LanguageIdTexts()) {
      ctx.out << entry.id << '=' << entry.text << '\n';
    }
  });
}

}  // namespace q700::cli
