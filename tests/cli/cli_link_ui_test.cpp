// The command line's front end of the exchanges: message lines, the retry question answered from
// --retries, the other questions answered No, and what --quiet leaves out.
#include "cli/cli_link_ui.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/interrupt.h"
#include "cli/app.h"

#ifndef _WIN32
#include <signal.h>
#endif

namespace q700::cli {
namespace {

Message Retry() {
  return Message{
      .caption_id = 1121, .text_id = 1166, .icon = Icon::kQuestion, .buttons = Buttons::kYesNo};
}

TEST(CliLinkUiTest, RetriesAreAnsweredYesUntilTheyRunOut) {
  std::ostringstream out, err;
  Context ctx(out, err);
  CliLinkUi ui(ctx, CliUiOptions{.file = "data.txt", .retries = 2});
  EXPECT_EQ(ui.Show(Retry()), Answer::kYes);
  EXPECT_EQ(ui.Show(Retry()), Answer::kYes);
  EXPECT_EQ(ui.Show(Retry()), Answer::kNo);
  EXPECT_EQ(ui.retries_used(), 2);
  EXPECT_EQ(err.str(),
            "tpq700: Error: Failed to download, would you like to retry? Yes (retry 1 of 2)\n"
            "tpq700: Error: Failed to download, would you like to retry? Yes (retry 2 of 2)\n"
            "tpq700: Error: Failed to download, would you like to retry? No\n");
  // Every file choice gives the file of the command line.
  EXPECT_EQ(ui.ChooseFile(FileChoice::kOutputFile, {}), std::filesystem::path("data.txt"));
  EXPECT_EQ(ui.ChooseFile(FileChoice::kLookupFile, "other.txt"), std::filesystem::path("data.txt"));
}

TEST(CliLinkUiTest, OtherQuestionsAreAnsweredNoUnprintedAndQuietKeepsOnlyFailures) {
  std::ostringstream out, err;
  Context ctx(out, err);
  Message done{.caption_id = 1124, .buttons = Buttons::kYesNo};
  done.detail = "Done : 3 records received.\nView the received data?";
  {
    CliLinkUi ui(ctx, CliUiOptions{});
    EXPECT_EQ(ui.Show(done), Answer::kNo);
    // The window's question is not the tool's: what happened is told, the question left out.
    EXPECT_EQ(err.str(), "tpq700: Upload Data: Done : 3 records received.\n");
  }
  err.str("");
  CliLinkUi quiet(ctx, CliUiOptions{.retries = 1, .quiet = true, .progress = true});
  quiet.Show(done);
  quiet.Show(Message{.caption_id = 1123, .text_id = 1132, .icon = Icon::kInformation});
  quiet.OpenProgress();
  quiet.SetProgress(50);
  quiet.ShowReceiveCount(1, 7);
  EXPECT_EQ(err.str(), "");
  quiet.Show(Message{.caption_id = 1121, .text_id = 1146, .icon = Icon::kWarning});
  EXPECT_EQ(quiet.Show(Retry()), Answer::kYes);
  EXPECT_EQ(err.str(),
            "tpq700: Error: Memory full for Terminal!\n"
            "tpq700: Error: Failed to download, would you like to retry? Yes (retry 1 of 1)\n");
}

TEST(CliLinkUiTest, TheProgressLineIsClearedBeforeAMessage) {
  std::ostringstream out, err;
  Context ctx(out, err);
  CliLinkUi ui(ctx, CliUiOptions{.progress = true});
  ui.OpenProgress();
  ui.SetProgress(0);
  ui.SetProgress(105);  // shown full
  ui.Show(Message{.caption_id = 1121, .text_id = 1168, .icon = Icon::kWarning});
  const std::string text = err.str();
  EXPECT_NE(text.find("\rDownloading... [" + std::string(30, '-') + "] 0%"), std::string::npos);
  EXPECT_NE(text.find("[" + std::string(30, '#') + "] 100%"), std::string::npos);
  const size_t message = text.find("tpq700: Error: Error on downloading!\n");
  ASSERT_NE(message, std::string::npos);
  EXPECT_EQ(text[message - 1], '\r');  // the bar was wiped first
}

// A message carries the file or port and the system's reason; the line adds it in brackets.
TEST(CliLinkUiTest, AFailureNamesItsPortAndReason) {
  std::ostringstream out, err;
  Context ctx(out, err);
  CliLinkUi ui(ctx, CliUiOptions{});
  Message port{.caption_id = 1121, .text_id = 1162};
  port.reason = "/dev/ttyUSB3: No such file or directory";
  ui.Show(port);
  EXPECT_EQ(err.str(),
            "tpq700: Error: Cannot open the COM port! (/dev/ttyUSB3: No such file or directory)\n");
}

#ifndef _WIN32
// Stopped by Ctrl-C, the progress stays on the screen and the shell's prompt starts on a line of
// its own.
TEST(CliLinkUiTest, AnInterruptedProgressLineEndsWithALineBreak) {
  InstallInterruptHandlers();
  ResetInterruptForTest();
  std::ostringstream out, err;
  Context ctx(out, err);
  {
    CliLinkUi ui(ctx, CliUiOptions{.progress = true});
    ui.OpenProgress();
    ui.SetProgress(40);
    raise(SIGINT);
  }
  ResetInterruptForTest();
  EXPECT_EQ(err.str(), "\rDownloading... [############------------------] 40%\n");
}
#endif

}  // namespace
}  // namespace q700::cli
