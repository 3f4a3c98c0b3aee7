// Receiving the terminal's collected records into a text file: the request, the numbered and
// summed records with their acknowledgements, the end mark, and the closing question.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "base/result.h"
#include "link/link_settings.h"
#include "link/link_ui.h"

namespace q700 {

struct Link;
class TextLoader;

inline constexpr uint32_t kRequestLimitMs = 3000;
inline constexpr int kRequestTimeOutsWaitedOut = 3;
inline constexpr int kRequestFailures = 6;
inline constexpr uint32_t kRecordLimitMs = 500;
inline constexpr int kRecordTimeOuts = 10;
inline constexpr size_t kRecordMax = 255;
// Sequence number, the two sum bytes and the carriage return.
inline constexpr size_t kRecordMin = 4;

// How a receive ended.
enum class ReceiveStatus {
  kCancelled,    // no file chosen
  kFileFailed,   // the output file could not be created
  kPortFailed,   // the port did not open
  kNoContact,    // the terminal did not accept the request
  kNothing,      // the terminal had no records
  kTimedOut,     // the records stopped coming
  kWriteFailed,  // a record could not be written to the file
  kInterrupted,  // the user asked the program to stop
  kDone,         // records received
};
// The terminal finished, with records or without.
constexpr bool Succeeded(ReceiveStatus status) {
  return status == ReceiveStatus::kDone || status == ReceiveStatus::kNothing;
}

struct [[nodiscard]] ReceiveResult : Result<ReceiveStatus> {
  int count = 0;  // records written to the file
  // Where records acknowledged before a failure were kept; empty when none were.
  std::filesystem::path kept;
};

// The command. The result's messages are the closing ones ("No data received!", after a failed
// request that request's failure first) and every failure's; the question that offers the
// received data is asked through `ui` itself, since its answer opens the file. The records are
// written to a new file beside the chosen one, which replaces it only when records came; on any
// failure an earlier file stays as it was, and records acknowledged before a failure are kept in
// a file beside it that the result names. `texts` supplies the language's version of the closing
// question.
ReceiveResult ReceiveData(Link& link, LinkUi& ui, TextLoader& texts, LinkRoute route);

// The Save dialog for the received data.
std::optional<std::filesystem::path> ChooseOutputFile(LinkUi& ui);

// Where the exchange puts each good record (its data bytes) before it acknowledges it.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  // False, with the reason, when the record could not be kept: the exchange then ends.
  virtual bool Store(std::string_view data, std::string* error) = 0;
};

// The exchange on the open port: "READ\r" until the terminal answers "ACK\r", then the records
// until "OVER\r". Each good record goes to `out` before it is acknowledged. The result carries
// the count and the failure's message (kNoContact, kTimedOut, kWriteFailed).
ReceiveResult ReceiveRecords(Link& link, LinkUi& ui, RecordSink& out);
// The same into a text file: each record and CR LF, flushed.
ReceiveResult ReceiveRecords(Link& link, LinkUi& ui, std::FILE* out);

// "5 records received before the failure were kept in data.partial.txt.", caption "Upload
// Data": the terminal saw them acknowledged and may not send them again.
Message RecordsKeptMessage(int count, const std::filesystem::path& kept);

// Passes the count display's stages to the front end: 0 before the first record, 1 with the
// count after each stored record, 2 at the end.
void ShowReceiveCount(LinkUi& ui, int stage, int count);

// "Done : 5 records received.\nView the received data?" (with a language, its texts 4 and 5
// around the count), Yes and No, caption "Upload Data".
Message ReceiveDoneMessage(int count, const TextLoader& texts);

}  // namespace q700
