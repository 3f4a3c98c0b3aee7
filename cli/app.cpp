#include "cli/app.h"

#include <algorithm>
#include <ostream>

#include "base/interrupt.h"
#include "cli/command.h"

namespace q700::cli {

Context::Context(std::ostream& out_stream, std::ostream& err_stream)
    : out(out_stream), err(err_stream) {
  RefillTerminalTexts(texts, defaults);
}

void Context::Fail(const std::string& message) {
  err << "tpq700: " << message << "\n";
  status = kExitFailed;
}

void AddWordList(CLI::App& cmd, const std::string& name, std::vector<std::string>& first,
                 const std::string& description, Words words) {
  cmd.add_option(name, first, description)
      ->required(words == Words::kRequired)
      ->allow_extra_args(false);
  cmd.allow_extras();
}

std::vector<std::string> WordList(const CLI::App& cmd, const std::vector<std::string>& first) {
  std::vector<std::string> words = first;
  std::vector<std::string> options;
  for (const std::string& word : cmd.remaining()) {
    (word.size() > 1 && word[0] == '-' ? options : words).push_back(word);
  }
  if (!options.empty()) throw CLI::ExtrasError(options);
  return words;
}

std::vector<std::string> ArgsFrom(int argc, char** argv) { return {argv, argv + argc}; }

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Context ctx(out, err);
  CLI::App app{
      "tpq700: designs, download images, ports and the terminal link of the Q700 application "
      "generator",
      "tpq700"};
  app.set_version_flag("--version", "tpq700 " Q700_VERSION, "Print the version and exit");
  app.require_subcommand(1);
  app.fallthrough(false);
  AddNewCommand(app, ctx);
  AddShowCommand(app, ctx);
  AddGetCommand(app, ctx);
  AddSetCommand(app, ctx);
  AddCheckCommand(app, ctx);
  AddConvertCommand(app, ctx);
  AddImageCommand(app, ctx);
  AddSimulateCommand(app, ctx);
  AddFieldsCommand(app, ctx);
  AddPortsCommand(app, ctx);
  AddPrefsCommand(app, ctx);
  AddDetectCommand(app, ctx);
  AddDownloadCommand(app, ctx);
  AddLookupCommand(app, ctx);
  AddSendLookupCommand(app, ctx);
  AddReceiveCommand(app, ctx);
  AddCollectCommand(app, ctx);
  AddRecordsCommand(app, ctx);
  AddTerminalCommand(app, ctx);
  AddLanguageIdsCommand(app, ctx);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  if (!reversed.empty()) reversed.pop_back();  // the program name
  // The parser would take "++" as the end of a command's words and drop it without a word; the
  // tool has no use for it, so it is an unexpected argument like any other.
  if (std::find(reversed.begin(), reversed.end(), "++") != reversed.end()) {
    err << "tpq700: The following argument was not expected: ++\n";
    err << "Run 'tpq700 --help' (or 'tpq700 COMMAND --help') for usage.\n";
    return kExitUsage;
  }
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {
      out << e.what() << "\n";
      return kExitOk;
    }
    err << "tpq700: " << e.what() << "\n";
    err << "Run 'tpq700 --help' (or 'tpq700 COMMAND --help') for usage.\n";
    return kExitUsage;
  }
  // The command has wound down: files it replaces are whole (old or new), ports are closed.
  if (Interrupted() && !ctx.interrupt_ends_normally) {
    err << "tpq700: interrupted\n";
    return kExitInterrupted;
  }
  return ctx.status;
}

}  // namespace q700::cli
