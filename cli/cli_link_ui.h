// The front end of the exchanges in the command-line tool: messages on stderr, answers from the
// options, the file named on the command line, a progress bar while stderr is a terminal.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/link_options.h"
#include "link/link_ui.h"

namespace q700::cli {

struct CliUiOptions {
  std::filesystem::path file;  // what every file choice gives
  int retries = 0;             // how many retry questions are answered Yes
  bool quiet = false;          // no progress and no information messages; failures still shown
  bool progress = false;       // draw the progress bar and the receive count
};

// The options of the commands that run an exchange.
struct ExchangeOptions {
  LinkOptions link;
  int retries = 0;
  bool quiet = false;
};

// Whether a command asks the retry question, and so takes --retries.
enum class RetryOption { kOffered, kNone };

// Adds --port, --via, --baud, --retries when offered, and --quiet.
void AddExchangeOptions(CLI::App& command, ExchangeOptions& options, RetryOption retries);

// The front end for one command: the file it names, progress while stderr is a terminal.
CliUiOptions UiOptionsFor(Context& ctx, const ExchangeOptions& options, std::filesystem::path file);

// True when the process's stderr is a terminal.
bool StderrIsTerminal();

class CliLinkUi final : public LinkUi {
 public:
  CliLinkUi(Context& ctx, CliUiOptions options) : ctx_(ctx), options_(std::move(options)) {}
  // An interrupted exchange leaves its progress line standing, ended by a line break.
  ~CliLinkUi() override;

  Answer Show(const Message& message) override;
  std::optional<std::filesystem::path> ChooseFile(FileChoice kind,
                                                  const std::filesystem::path& initial) override;
  void OpenProgress() override;
  void SetProgress(int position) override;
  void CloseProgress() override;
  void ShowReceiveCount(int stage, int count) override;
  // The tool opens no viewer: the question is always answered No.
  void ViewReceivedFile(const std::filesystem::path&) override {}

  // Takes one of the --retries for an exchange the tool starts again itself, saying so under
  // `caption_id`; false when none is left or the user asked the program to stop.
  bool TakeRetry(int caption_id);

  int retries_used() const { return retries_used_; }

 private:
  void DrawLine(const std::string& text);
  void ClearLine();
  void EndLine();

  Context& ctx_;
  CliUiOptions options_;
  int retries_used_ = 0;
  int shown_position_ = -1;
  size_t line_width_ = 0;  // characters of the progress line on the screen
};

}  // namespace q700::cli
