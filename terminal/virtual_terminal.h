// The terminal and its IR cradle as a program: the device side of every exchange, for trying the
// link without hardware and as the peer of the link's tests. It is a state machine fed with the
// bytes that arrive and the time; what it answers comes out with the earliest time to send it.
//
// Both downloads open with the same "ZENTAK\r", and the terminal must answer before it can see
// which one follows. It answers the first "ZENTAK\r" of an exchange with "NAK ACK": a lookup
// download takes it (it contains "ACK"), an application download waits it out as "not ready"
// (it contains "NAK") and asks again, and that second "ZENTAK\r" is answered with the tag. A
// reply holding both the tag and "ACK" would not fit the host's ten-character replies.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "model/download_image.h"
#include "terminal/terminal_faults.h"

namespace q700 {

// What the terminal's user chose on its keypad to receive. kEither answers the first handshake
// "NAK ACK", which either download can take; a choice answers it as the device does once chosen.
enum class TerminalExpect { kEither, kApplication, kLookup };

struct TerminalConfig {
  std::string tag = "Q700RU004";  // the version tag the handshake answers with; 1 to 9 characters
  TerminalExpect expect = TerminalExpect::kEither;
  std::filesystem::path store = ".";  // application.bin and lookup-N.txt go here
  std::vector<std::string> records;   // uploaded on "READ\r", each at most 251 bytes, no CR
  uint64_t memory = std::numeric_limits<uint64_t>::max();  // room for one download
  FaultPlan faults;
  uint64_t seed = 1;
};

// Bytes for the host and the earliest time to send them.
struct TerminalOutput {
  std::vector<uint8_t> bytes;
  uint64_t not_before_ms = 0;
};

// Silence inside a message longer than this ends it; a message cut short is looked at alone.
inline constexpr uint32_t kTerminalGapMs = 50;
// An exchange whose host stays silent this long is over.
inline constexpr uint32_t kTerminalAbandonMs = 5000;
inline constexpr size_t kUploadDataMax = 251;

class VirtualTerminal {
 public:
  explicit VirtualTerminal(TerminalConfig config);

  // Bytes from the host that arrived at `now_ms`.
  void Receive(ConstBytes bytes, uint64_t now_ms);
  // Lets time pass to `now_ms`: ends cut-short messages and abandoned exchanges.
  void Tick(uint64_t now_ms);
  // When Tick has something to do next; the maximum when nothing waits.
  uint64_t NextDeadline() const;

  std::vector<TerminalOutput> TakeOutput();
  // One line per event worth telling (a stored file, an upload, an exchange given up).
  std::vector<std::string> TakeLog();

  // Exchanges that have ended, completed or not.
  int exchanges_ended() const { return exchanges_ended_; }
  bool in_exchange() const { return mode_ != Mode::kIdle; }
  // Faults of the plan injected so far; each is also logged as "fault: ...".
  int faults_injected() const { return faults_injected_; }

 private:
  enum class Mode { kIdle, kAnswered, kApplication, kLookup, kUpload };

  void Feed(uint8_t byte, uint64_t now_ms);
  void HandleLine(const std::vector<uint8_t>& line);
  void HandlePartial(const std::vector<uint8_t>& bytes);
  void OnHandshake();
  // The answer to an exchange's first handshake, by what the terminal was told to expect.
  std::string FirstAnswer() const;
  // Takes the application's blocks from here on, and answers with the tag.
  void StartApplication();
  void HandleBlock(std::vector<uint8_t> block);
  void HandleLookupRecord(std::vector<uint8_t> record);
  void StartUpload();
  void HandleUploadReply(const std::string& reply);
  void SendUploadItem();
  // Counts a data message the host will take as a try; after its last try the host gives up.
  bool CountTry();
  void StoreApplication();
  void StoreLookupFile();
  void EndExchange(const std::string& why);
  // Sends a reply through the line's faults; true when it reaches the host intact.
  bool Reply(std::string_view text);
  void Emit(std::vector<uint8_t> bytes);
  void CorruptOne(std::vector<uint8_t>& bytes, size_t protected_tail);
  void Log(std::string line) { log_.push_back(std::move(line)); }
  void Fault(const std::string& what);

  TerminalConfig config_;
  FaultDice dice_;
  Mode mode_ = Mode::kIdle;
  uint64_t now_ms_ = 0;
  std::vector<uint8_t> input_;
  uint64_t last_byte_ms_ = 0;
  uint64_t last_activity_ms_ = 0;
  int cradle_bytes_left_ = 0;

  int handshakes_ = 0;       // "ZENTAK\r" of the current exchange
  bool reply_lost_ = false;  // the last handshake reply did not reach the host
  bool data_started_ = false;
  int tries_ = 0;          // data messages since the last acknowledgement that arrived
  int refused_ = 0;        // "NAK" of the nak fault for the current block or record
  bool ack_lost_ = false;  // the acknowledgement of the last stored record went missing

  DownloadImage image_{};
  int next_block_ = 0;
  std::vector<std::string> lines_;
  uint64_t lookup_bytes_ = 0;
  bool lookup_stored_ = false;

  size_t upload_next_ = 0;
  bool upload_started_ = false;  // "ACK\r" to the request reached the host
  bool upload_holding_ = false;  // a record held back until the host's "NAK\r"

  std::vector<TerminalOutput> output_;
  std::vector<std::string> log_;
  int exchanges_ended_ = 0;
  int faults_injected_ = 0;
};

// The lines of a records file: split at line feeds, a carriage return before one dropped. False,
// with the reason, when a line holds a carriage return or is longer than 251 bytes.
bool ParseUploadRecords(std::string_view text, std::vector<std::string>* records,
                        std::string* error);

// The record of upload item `data` with sequence number `sequence`: the number, the data, the
// sum's low and high byte (each 13 sent as 14) and a carriage return.
std::vector<uint8_t> FrameUploadRecord(int sequence, std::string_view data);

}  // namespace q700
