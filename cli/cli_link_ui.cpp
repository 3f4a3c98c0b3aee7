// The exchanges' front end on the command line.
#include "cli/cli_link_ui.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "base/interrupt.h"
#include "cli/design_file.h"
#include "link/link_texts.h"

namespace q700::cli {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

void AddExchangeOptions(CLI::App& command, ExchangeOptions& options, RetryOption retries) {
  AddLinkOptions(command, options.link);
  if (retries == RetryOption::kOffered) {
    command
        .add_option("--retries", options.retries,
                    "How many times to start a failed exchange again (a download: answer Yes when "
                    "asked whether to retry; default 0)")
        ->check(CLI::Range(0, 1000));
  }
  command.add_flag("--quiet", options.quiet,
                   "No progress and no success messages; failures are still reported");
}

CliUiOptions UiOptionsFor(Context& ctx, const ExchangeOptions& options,
                          std::filesystem::path file) {
  CliUiOptions ui;
  ui.file = std::move(file);
  ui.retries = options.retries;
  ui.quiet = options.quiet;
  ui.progress = !options.quiet && &ctx.err == &std::cerr && StderrIsTerminal();
  return ui;
}

bool StderrIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

CliLinkUi::~CliLinkUi() {
  if (Interrupted()) {
    EndLine();
  } else {
    ClearLine();
  }
}

Answer CliLinkUi::Show(const Message& message) {
  const bool question =
      message.buttons == Buttons::kYesNo || message.buttons == Buttons::kYesNoCancel;
  const bool retry_question = question && message.text_id == kTextRetryDownload;
  Answer answer = question ? Answer::kNo : Answer::kOk;
  std::string suffix;
  if (retry_question) {
    if (retries_used_ < options_.retries) {
      ++retries_used_;
      answer = Answer::kYes;
      suffix = " Yes (retry " + std::to_string(retries_used_) + " of " +
               std::to_string(options_.retries) + ")";
    } else {
      suffix = " No";
    }
  }
  // Quiet leaves out what reports success ("Downloaded completely!", the count of received
  // records, which stdout has anyway); failures and the retry question stay.
  const bool success_report = message.icon == Icon::kInformation || (question && !retry_question);
  if (options_.quiet && success_report) return answer;
  std::string line = MessageLine(ctx_, message);
  // The program's other questions (view the received data?) are the window's business: the tool
  // tells what happened and leaves the question out.
  if (question && !retry_question) line = line.substr(0, line.find('\n'));
  std::replace(line.begin(), line.end(), '\n', ' ');
  if (!message.reason.empty()) line += " (" + message.reason + ")";
  ClearLine();
  ctx_.err << "tpq700: " << line << suffix << "\n";
  ctx_.err.flush();
  return answer;
}

bool CliLinkUi::TakeRetry(int caption_id) {
  if (Interrupted() || retries_used_ >= options_.retries) return false;
  ++retries_used_;
  Message message;
  message.caption_id = caption_id;
  message.text_utf8 = "starting again (retry " + std::to_string(retries_used_) + " of " +
                      std::to_string(options_.retries) + ")";
  ClearLine();
  ctx_.err << "tpq700: " << MessageLine(ctx_, message) << "\n";
  ctx_.err.flush();
  return true;
}

std::optional<std::filesystem::path> CliLinkUi::ChooseFile(FileChoice,
                                                           const std::filesystem::path&) {
  if (options_.file.empty()) return std::nullopt;
  return options_.file;
}

void CliLinkUi::OpenProgress() { shown_position_ = -1; }

void CliLinkUi::SetProgress(int position) {
  if (!options_.progress || options_.quiet) return;
  const int percent = std::clamp(position, 0, 100);
  if (percent == shown_position_) return;
  shown_position_ = percent;
  const int filled = percent * kBarWidth / 100;
  std::string bar = "Downloading... [" + std::string(static_cast<size_t>(filled), '#') +
                    std::string(static_cast<size_t>(kBarWidth - filled), '-') + "] ";
  bar += std::to_string(percent) + "%";
  DrawLine(bar);
}

void CliLinkUi::CloseProgress() {
  ClearLine();
  shown_position_ = -1;
}

void CliLinkUi::ShowReceiveCount(int stage, int count) {
  if (!options_.progress || options_.quiet) return;
  if (stage == 2) {
    ClearLine();
  } else {
    DrawLine("Data received : " + std::to_string(count));
  }
}

void CliLinkUi::DrawLine(const std::string& text) {
  std::string line = "\r" + text;
  if (text.size() < line_width_) line += std::string(line_width_ - text.size(), ' ');
  line_width_ = text.size();
  ctx_.err << line;
  ctx_.err.flush();
}

void CliLinkUi::EndLine() {
  if (line_width_ == 0) return;
  ctx_.err << "\n";
  ctx_.err.flush();
  line_width_ = 0;
}

void CliLinkUi::ClearLine() {
  if (line_width_ == 0) return;
  ctx_.err << "\r" << std::string(line_width_, ' ') << "\r";
  ctx_.err.flush();
  line_width_ = 0;
}

}  // namespace q700::cli
