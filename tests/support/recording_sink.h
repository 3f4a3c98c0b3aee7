// A message sink for tests: records every message and answers with a set answer.
#pragma once

#include <vector>

#include "base/message.h"

namespace q700::test {

class RecordingSink : public MessageSink {
 public:
  Answer Show(const Message& message) override {
    messages.push_back(message);
    return answer;
  }

  std::vector<Message> messages;
  Answer answer = Answer::kOk;
};

}  // namespace q700::test
