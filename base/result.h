// What an operation came to, as one value: what happened, the messages that belong to it and the
// system's reason behind a failure. The operation shows nothing itself; its caller shows the
// messages its own way (a message box, a line on stderr, a test record) and may add the reason.
#pragma once

#include <string>
#include <vector>

#include "base/message.h"

namespace q700 {

// `Status` is the operation's own enum of outcomes; its header declares
// `bool Succeeded(Status)` beside it.
template <class Status>
struct [[nodiscard]] Result {
  Status status{};
  // What the user is to be told, in the order it is to be shown: a failure's message, a warning
  // that comes with a success. Empty when there is nothing to say.
  std::vector<Message> messages;
  // The system's reason behind a failure, for front ends that tell more than the message: the
  // file or port and the system's text ("cannot open /x/a.TPX: No such file or directory").
  std::string reason;

  bool ok() const { return Succeeded(status); }
  explicit operator bool() const { return ok(); }
};

// Shows the messages in order; returns the answer to the last one (kOk when there is none).
template <class Status>
Answer ShowMessages(MessageSink& sink, const Result<Status>& result) {
  Answer answer = Answer::kOk;
  for (const Message& message : result.messages) answer = sink.Show(message);
  return answer;
}

}  // namespace q700
