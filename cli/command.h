// What every command of the tool shares: the output streams, the exit status and the texts.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/app.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::cli {

struct Context {
  Context(std::ostream& out_stream, std::ostream& err_stream);

  std::ostream& out;
  std::ostream& err;
  int status = kExitOk;
  // Set by a command whose normal end is Ctrl-C (a station serving until stopped): its own status
  // stands instead of the interrupted one.
  bool interrupt_ends_normally = false;
  // The built-in English texts; the tool has no language of its own.
  TextLoader texts;
  DefaultTerminalTexts defaults;

  // Reports a failed operation on stderr and sets the exit status.
  void Fail(const std::string& message);
};

// A list of words at the end of a command, each taken as written: the parser's own lists would
// drop a word "[]" and split "[a,b]" at its commas. The first word goes to `first` through the
// option this adds (so the help names it), the others are kept as the command's extras.
enum class Words { kRequired, kOptional };
void AddWordList(CLI::App& cmd, const std::string& name, std::vector<std::string>& first,
                 const std::string& description, Words words = Words::kRequired);
// The whole list, in order; an extra that looks like an option is refused as the parser would.
std::vector<std::string> WordList(const CLI::App& cmd, const std::vector<std::string>& first);

// Each command file adds its subcommand to the app.
void AddFieldsCommand(CLI::App& app, Context& ctx);
void AddNewCommand(CLI::App& app, Context& ctx);
void AddShowCommand(CLI::App& app, Context& ctx);
void AddGetCommand(CLI::App& app, Context& ctx);
void AddSetCommand(CLI::App& app, Context& ctx);
void AddCheckCommand(CLI::App& app, Context& ctx);
void AddConvertCommand(CLI::App& app, Context& ctx);
void AddImageCommand(CLI::App& app, Context& ctx);
void AddSimulateCommand(CLI::App& app, Context& ctx);
void AddPortsCommand(CLI::App& app, Context& ctx);
void AddPrefsCommand(CLI::App& app, Context& ctx);
void AddDownloadCommand(CLI::App& app, Context& ctx);
void AddSendLookupCommand(CLI::App& app, Context& ctx);
void AddLookupCommand(CLI::App& app, Context& ctx);
void AddReceiveCommand(CLI::App& app, Context& ctx);
void AddCollectCommand(CLI::App& app, Context& ctx);
void AddRecordsCommand(CLI::App& app, Context& ctx);
void AddDetectCommand(CLI::App& app, Context& ctx);
void AddTerminalCommand(CLI::App& app, Context& ctx);
void AddLanguageIdsCommand(CLI::App& app, Context& ctx);

}  // namespace q700::cli
