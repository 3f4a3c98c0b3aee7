// What an exchange with the terminal asks of its front end: messages and questions, a file
// choice, the download progress and the count of received records. The Windows program shows
// the real dialogs; the command-line tool prints to stderr and answers from its options; tests
// record the calls.
#pragma once

#include <filesystem>
#include <optional>

#include "base/message.h"

namespace q700 {

enum class FileChoice {
  kLookupFile,  // the Open dialog for a lookup file to send
  kOutputFile,  // the Save dialog for the received data
};

class LinkUi : public MessageSink {
 public:
  // Message boxes and questions (inherited `Show`): caption and text ids, icon, buttons.

  // The chosen file, or nothing when the user cancels. `initial` is the path offered first
  // (the lookup path chosen last in this run; empty for the output file).
  virtual std::optional<std::filesystem::path> ChooseFile(FileChoice kind,
                                                          const std::filesystem::path& initial) = 0;

  // The download progress window: opened once the handshake succeeded, its bar at a position
  // from 0 (positions above 100 show a full bar), closed on success and before a failure message.
  virtual void OpenProgress() = 0;
  virtual void SetProgress(int position) = 0;
  virtual void CloseProgress() = 0;

  // The count of received records: stage 0 before the first record, 1 after each stored record
  // with the count, 2 when the transfer ends.
  virtual void ShowReceiveCount(int stage, int count) = 0;

  // The user answered Yes to viewing the received data: open the file for them.
  virtual void ViewReceivedFile(const std::filesystem::path& path) = 0;
};

}  // namespace q700
