// A message for the user, as the core describes it: caption and text by string-table id, icon and
// buttons. Each front end shows it its own way (a message box, a line on stderr, a test record).
#pragma once

#include <string>

namespace q700 {

enum class Icon { kNone, kWarning, kInformation, kQuestion };
enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

struct Message {
  int caption_id = 0;  // string-table id; 0 when `caption_utf8` is used instead
  int text_id = 0;     // string-table id; 0 when `text_utf8` is used instead
  // Bytes in the user's code page appended to the loaded text (a port name, a line number).
  std::string detail;
  // Fixed program texts, UTF-8; used when the id is 0.
  std::string caption_utf8;
  std::string text_utf8;
  Icon icon = Icon::kNone;
  Buttons buttons = Buttons::kOk;
  // What the system said and about which file or port ("COM9: Access is denied."), UTF-8, for
  // front ends that show more than the message box's text; empty when there is nothing to add.
  std::string reason;
};

}  // namespace q700

namespace q700 {

// Where the core shows a message: a message box in the Windows program, stderr in the
// command-line tool, a record in tests. Returns the user's answer.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual Answer Show(const Message& message) = 0;
};

}  // namespace q700
