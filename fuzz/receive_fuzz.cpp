// Fuzz target for the data upload: the input is everything the terminal sends, cut after each
// carriage return into messages; each write of the program is answered with the next message
// (and the request's "ACK\r" at once with the first record, as the terminal does), nothing once
// the input is used up. A model of the exchange, written from the protocol's rules, says what the
// program must write, which records it must keep, and how it ends; the received file must hold
// exactly those records, each once and in order, or be gone when the exchange failed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_line.h"
#include "fuzz/fuzz_support.h"
#include "link/link_texts.h"
#include "link/receive.h"
#include "texts/text_loader.h"

namespace {

const std::string kRead = "READ\r";
const std::string kAck = "ACK\r";
const std::string kNak = "NAK\r";

// The terminal's messages: the input cut after each carriage return.
class Messages {
 public:
  explicit Messages(std::string_view input) : input_(input) {}
  // The next message; empty once the input is used up (the terminal is silent).
  std::string Next() {
    const size_t cr = input_.find('\r');
    const size_t end = cr == std::string_view::npos ? input_.size() : cr + 1;
    std::string message(input_.substr(0, end));
    input_.remove_prefix(end);
    return message;
  }

 private:
  std::string_view input_;
};

uint8_t NoCr(unsigned byte) { return byte == 13 ? 14 : static_cast<uint8_t>(byte); }

struct Expected {
  std::vector<std::string> writes;  // what the program must write, in order
  std::string file;                 // the records kept, each with CR LF
  int count = 0;                    // records stored
  bool timed_out = false;           // the records stopped coming: nothing is kept
  std::vector<int> texts;           // the failure messages, in order
};

// The exchange as the rules of the upload have it, on the same messages.
Expected Model(std::string_view input) {
  Messages messages(input);
  Expected e;
  // Request: "READ\r" until the answer is exactly "ACK\r". An answer ends at a carriage return
  // within its first ten bytes; one that does not end is waited out three times, and the fourth
  // time the request fails. Six answers other than "ACK\r" end it too.
  int failed = 0;
  std::string record;
  for (;;) {
    e.writes.push_back(kRead);
    const std::string answer = messages.Next();
    const bool ended = !answer.empty() && answer.back() == '\r' && answer.size() <= 10;
    if (!ended && failed >= 3) {
      e.texts = {q700::kTextTimeOut, q700::kTextNoDataReceived};
      return e;
    }
    if (ended && answer == kAck) break;
    if (++failed >= 6) {
      e.texts = {q700::kTextFailedToConnect, q700::kTextNoDataReceived};
      return e;
    }
  }
  // Records: each ends at its carriage return; a silent terminal is asked again with "NAK\r"
  // ten times, and the eleventh time the upload fails and nothing is kept.
  int expected_number = 0;
  int time_outs = 0;
  for (;;) {
    const std::string m = messages.Next();
    if (m.empty() || m.back() != '\r') {
      if (time_outs == 10) {
        e.texts = {q700::kTextTimeOut};
        e.timed_out = true;
        e.file.clear();
        return e;
      }
      ++time_outs;
      e.writes.push_back(kNak);
      continue;
    }
    time_outs = 0;
    if (m == "OVER\r") {
      if (e.count == 0) e.texts = {q700::kTextNoDataReceived};
      return e;
    }
    if (m.size() < 4 || m.size() > 255) {
      e.writes.push_back(kNak);
      continue;
    }
    const int number = static_cast<uint8_t>(m[0]);
    if (number != expected_number) {
      e.writes.push_back(number == (expected_number + 9) % 10 ? kAck : kNak);
      continue;
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 3 < m.size(); ++i) sum += static_cast<uint8_t>(m[i]);
    sum &= 0xFFFF;
    if (static_cast<uint8_t>(m[m.size() - 3]) != NoCr(sum & 0xFF) ||
        static_cast<uint8_t>(m[m.size() - 2]) != NoCr(sum >> 8)) {
      e.writes.push_back(kNak);
      continue;
    }
    e.file += m.substr(1, m.size() - 4) + "\r\n";
    ++e.count;
    expected_number = (expected_number + 1) % 10;
    e.writes.push_back(kAck);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path = q700::fuzz::ScratchFolder() / "received.txt";
  static q700::TextLoader texts;
  const std::string_view input = q700::fuzz::AsText(data, size);

  Messages messages(input);
  bool requesting = true;
  q700::fuzz::FuzzLine terminal([&](const std::string& written) {
    std::string reply = messages.Next();
    // The terminal follows its "ACK\r" to the request with the first record.
    if (requesting && written == kRead && reply == kAck) {
      requesting = false;
      reply += messages.Next();
    }
    return reply;
  });
  terminal.ui.files = {path};

  const q700::ReceiveResult result =
      q700::ReceiveData(terminal.link, terminal.ui, texts, q700::LinkRoute::kDirect);
  q700::ShowMessages(terminal.ui, result);
  const int count = result.count;
  const Expected e = Model(input);

  Q700_FUZZ_CHECK(count == e.count);
  Q700_FUZZ_CHECK((result.status == q700::ReceiveStatus::kTimedOut) == e.timed_out);
  Q700_FUZZ_CHECK(terminal.Writes() == e.writes);
  std::vector<int> shown = terminal.ui.TextIds();
  if (count > 0 && !e.timed_out) {
    // The closing question, which names the count.
    Q700_FUZZ_CHECK(shown.size() == 1 && shown[0] == 0);
    Q700_FUZZ_CHECK(terminal.ui.messages[0].detail.find(std::to_string(count) + " records") !=
                    std::string::npos);
    Q700_FUZZ_CHECK(q700::fuzz::ReadFile(path) == e.file);
  } else {
    Q700_FUZZ_CHECK(shown == e.texts);
    Q700_FUZZ_CHECK(!std::filesystem::exists(path));
  }
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return 0;
}
