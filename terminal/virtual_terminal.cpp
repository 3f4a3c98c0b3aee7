// The virtual terminal's exchanges: cradle control bytes, handshake, blocks, lookup records and
// the upload of collected records, with the faults of its plan.
#include "terminal/virtual_terminal.h"

#include <algorithm>
#include <system_error>

#include "base/atomic_file.h"
#include "link/cradle.h"
#include "link/download.h"
#include "link/link_settings.h"

namespace q700 {
namespace {

constexpr uint8_t kCr = 13;
constexpr uint8_t kLf = 10;
// A host line never gets this long; anything longer is noise.
constexpr size_t kLineLimit = 300;
// The pauses between the cradle's command bytes are at most 200 ms.
constexpr uint32_t kCradleCommandLimitMs = 1000;

uint8_t AvoidCr(unsigned byte) { return byte == kCr ? 14 : static_cast<uint8_t>(byte); }

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// A short message for the log: without its carriage return.
std::string Printable(std::string_view text) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return std::string(text);
}

uint32_t SpeedOfRateByte(uint8_t rate) {
  for (int i = 0; i < 5; ++i) {
    if (kCradleRateBytes[i] == rate) return kBaudRates[i];
  }
  return 0;
}

}  // namespace

VirtualTerminal::VirtualTerminal(TerminalConfig config)
    : config_(std::move(config)), dice_(config_.seed) {}

void VirtualTerminal::Receive(ConstBytes bytes, uint64_t now_ms) {
  Tick(now_ms);
  for (const uint8_t byte : bytes) {
    last_byte_ms_ = now_ms;
    last_activity_ms_ = now_ms;
    Feed(byte, now_ms);
  }
}

void VirtualTerminal::Tick(uint64_t now_ms) {
  now_ms_ = now_ms;
  if (!input_.empty() && now_ms >= last_byte_ms_ + kTerminalGapMs) {
    std::vector<uint8_t> partial;
    partial.swap(input_);
    HandlePartial(partial);
  }
  if (cradle_bytes_left_ > 0 && now_ms >= last_byte_ms_ + kCradleCommandLimitMs) {
    cradle_bytes_left_ = 0;
  }
  if (mode_ != Mode::kIdle && now_ms >= last_activity_ms_ + kTerminalAbandonMs) {
    EndExchange("exchange given up: the host went silent");
  }
}

uint64_t VirtualTerminal::NextDeadline() const {
  uint64_t deadline = std::numeric_limits<uint64_t>::max();
  if (!input_.empty()) deadline = std::min(deadline, last_byte_ms_ + kTerminalGapMs);
  if (cradle_bytes_left_ > 0) {
    deadline = std::min(deadline, last_byte_ms_ + kCradleCommandLimitMs);
  }
  if (mode_ != Mode::kIdle) deadline = std::min(deadline, last_activity_ms_ + kTerminalAbandonMs);
  return deadline;
}

std::vector<TerminalOutput> VirtualTerminal::TakeOutput() {
  std::vector<TerminalOutput> out;
  out.swap(output_);
  return out;
}

std::vector<std::string> VirtualTerminal::TakeLog() {
  std::vector<std::string> log;
  log.swap(log_);
  return log;
}

void VirtualTerminal::Feed(uint8_t byte, uint64_t now_ms) {
  now_ms_ = now_ms;
  // Outside an exchange the cradle's transceiver is in control mode as far as the bytes tell:
  // a pseudo terminal carries no RTS line to say so.
  if (mode_ == Mode::kIdle && input_.empty()) {
    if (cradle_bytes_left_ > 0) {
      if (cradle_bytes_left_ == 2) {
        const uint32_t speed = SpeedOfRateByte(byte);
        Log(speed != 0 ? "cradle set to " + std::to_string(speed) + " bit/s"
                       : "cradle speed command without a rate byte");
      }
      --cradle_bytes_left_;
      return;
    }
    if (byte == kCradleProbe) {
      output_.push_back({{kCradleProbe}, now_ms});
      return;
    }
    if (byte == kCradleCommand) {
      cradle_bytes_left_ = 2;
      return;
    }
  }
  input_.push_back(byte);
  if (mode_ == Mode::kApplication) {
    if (input_.size() == kBlockSize) {
      std::vector<uint8_t> block;
      block.swap(input_);
      HandleBlock(std::move(block));
    }
    return;
  }
  if (byte == kCr) {
    std::vector<uint8_t> line;
    line.swap(input_);
    HandleLine(line);
  } else if (input_.size() > kLineLimit) {
    input_.clear();
  }
}

void VirtualTerminal::HandlePartial(const std::vector<uint8_t>& bytes) {
  if (mode_ == Mode::kApplication) {
    const std::string text = Text(bytes);
    if (text == "ZENTAK\r" || text == "READ\r" || text == "NAK\r") {
      HandleLine(bytes);
      return;
    }
  }
  if (bytes.front() == kCradleProbe || bytes.front() == kCradleCommand) {
    // The cradle's control bytes: the host is setting up a new connection.
    if (mode_ != Mode::kIdle) EndExchange("exchange given up: the host started a new connection");
    for (const uint8_t byte : bytes) Feed(byte, now_ms_);
  }
  // Anything else cut short has nothing to answer; the host will send it again.
}

void VirtualTerminal::HandleLine(const std::vector<uint8_t>& line) {
  const std::string text = Text(line);
  if (text == "ZENTAK\r") {
    OnHandshake();
    return;
  }
  if (text == "READ\r") {
    StartUpload();
    return;
  }
  switch (mode_) {
    case Mode::kIdle:
      return;
    case Mode::kAnswered:
      if (text == "NAK\r") {
        EndExchange("the host refused the handshake");
        return;
      }
      mode_ = Mode::kLookup;
      lines_.clear();
      lookup_bytes_ = 0;
      lookup_stored_ = false;
      HandleLookupRecord(line);
      return;
    case Mode::kApplication:
      if (text == "NAK\r") EndExchange("the host refused the tag " + config_.tag);
      return;
    case Mode::kLookup:
      HandleLookupRecord(line);
      return;
    case Mode::kUpload:
      HandleUploadReply(text);
      return;
  }
}

void VirtualTerminal::OnHandshake() {
  if (dice_.Roll(config_.faults.silence)) {
    Fault("silence to the handshake");
    return;
  }
  const bool same_handshake = handshakes_ > 0 && handshakes_ < kHandshakeAttempts &&
                              !data_started_ &&
                              (mode_ == Mode::kAnswered || mode_ == Mode::kApplication);
  if (!same_handshake) {
    if (mode_ != Mode::kIdle) EndExchange("exchange given up: the host started over");
    handshakes_ = 1;
    if (config_.expect == TerminalExpect::kApplication) {
      StartApplication();
      return;
    }
    mode_ = Mode::kAnswered;
    reply_lost_ = !Reply(FirstAnswer());
    return;
  }
  ++handshakes_;
  // A terminal told to take a lookup file answers every handshake of the exchange alike.
  if (mode_ == Mode::kAnswered && (reply_lost_ || config_.expect == TerminalExpect::kLookup)) {
    // The host never saw the first answer, so it cannot have told which download it runs.
    reply_lost_ = !Reply(FirstAnswer());
    return;
  }
  if (mode_ != Mode::kApplication) {
    StartApplication();
    return;
  }
  reply_lost_ = !Reply(config_.tag + "\r");
}

std::string VirtualTerminal::FirstAnswer() const {
  return config_.expect == TerminalExpect::kLookup ? "ACK\r" : "NAK ACK\r";
}

void VirtualTerminal::StartApplication() {
  mode_ = Mode::kApplication;
  next_block_ = 0;
  image_.fill(0);
  tries_ = 0;
  refused_ = 0;
  reply_lost_ = !Reply(config_.tag + "\r");
}

bool VirtualTerminal::CountTry() {
  if (++tries_ < kPacketSends) return false;
  EndExchange("exchange given up: the host has sent the same data " + std::to_string(kPacketSends) +
              " times");
  return true;
}

void VirtualTerminal::HandleBlock(std::vector<uint8_t> block) {
  data_started_ = true;
  if (dice_.Roll(config_.faults.silence)) {
    Fault("silence to block " + std::to_string(block[102]));
    CountTry();
    return;
  }
  if (dice_.Roll(config_.faults.corrupt)) {
    Fault("corrupt a byte of block " + std::to_string(block[102]));
    CorruptOne(block, 0);
  }
  unsigned sum = 0;
  for (size_t i = 0; i < kBlockDataSize; ++i) sum += block[i];
  const int number = block[102];
  const bool sound = block[100] == sum / 256 && block[101] == sum % 256 && number < kBlockCount;
  if (sound && number + 1 == next_block_) {
    // A repeat: the acknowledgement of this block went missing.
    if (Reply("ACK\r")) {
      tries_ = 0;
      if (next_block_ == kBlockCount) EndExchange("application download complete");
    } else {
      CountTry();
    }
    return;
  }
  if (!sound || number != next_block_) {
    Reply("NAK\r");
    CountTry();
    return;
  }
  if (number == config_.faults.full ||
      static_cast<uint64_t>(number + 1) * kBlockDataSize > config_.memory) {
    if (number == config_.faults.full) Fault("FULL to block " + std::to_string(number));
    if (Reply("FULL\r")) {
      EndExchange("memory full at block " + std::to_string(number));
    } else {
      CountTry();
    }
    return;
  }
  if (refused_ < config_.faults.nak) {
    ++refused_;
    Fault("NAK to block " + std::to_string(number));
    Reply("NAK\r");
    CountTry();
    return;
  }
  std::copy_n(block.begin(), kBlockDataSize,
              image_.begin() + static_cast<std::ptrdiff_t>(number * kBlockDataSize));
  ++next_block_;
  refused_ = 0;
  // Stored before it is acknowledged: the image is complete on the terminal from here on.
  if (next_block_ == kBlockCount) StoreApplication();
  if (Reply("ACK\r")) {
    tries_ = 0;
    if (next_block_ == kBlockCount) EndExchange("application download complete");
  } else {
    CountTry();
  }
}

void VirtualTerminal::HandleLookupRecord(std::vector<uint8_t> record) {
  data_started_ = true;
  if (dice_.Roll(config_.faults.silence)) {
    Fault("silence to lookup record " + std::to_string(lines_.size()));
    CountTry();
    return;
  }
  if (Text(record) == "OVER\r") {
    if (!lookup_stored_) {
      StoreLookupFile();
      lookup_stored_ = true;
    }
    if (Reply("ACK\r")) {
      EndExchange("lookup file download complete");
    } else {
      CountTry();
    }
    return;
  }
  if (dice_.Roll(config_.faults.corrupt)) {
    Fault("corrupt a byte of lookup record " + std::to_string(lines_.size()));
    CorruptOne(record, 1);
  }
  bool sound = record.size() >= 3;
  const size_t length = sound ? record.size() - 3 : 0;
  if (sound) {
    unsigned sum = 0;
    for (size_t i = 0; i < length; ++i) sum += record[i];
    sound =
        record[length] == AvoidCr((sum >> 8) & 0xFF) && record[length + 1] == AvoidCr(sum & 0xFF);
  }
  if (!sound) {
    Reply("NAK\r");
    CountTry();
    return;
  }
  if (ack_lost_) {
    // The host never saw the acknowledgement of its last line, so this is that line again.
    ack_lost_ = !Reply("ACK\r");
    if (ack_lost_) {
      CountTry();
    } else {
      tries_ = 0;
    }
    return;
  }
  if (static_cast<int>(lines_.size()) == config_.faults.full ||
      lookup_bytes_ + length + 2 > config_.memory) {
    if (static_cast<int>(lines_.size()) == config_.faults.full) {
      Fault("FULL to lookup record " + std::to_string(lines_.size()));
    }
    if (Reply("FULL\r")) {
      EndExchange("memory full at lookup record " + std::to_string(lines_.size()));
    } else {
      CountTry();
    }
    return;
  }
  if (refused_ < config_.faults.nak) {
    ++refused_;
    Fault("NAK to lookup record " + std::to_string(lines_.size()));
    Reply("NAK\r");
    CountTry();
    return;
  }
  lines_.emplace_back(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(length));
  lookup_bytes_ += length + 2;
  refused_ = 0;
  ack_lost_ = !Reply("ACK\r");
  if (ack_lost_) {
    CountTry();
  } else {
    tries_ = 0;
  }
}

void VirtualTerminal::StartUpload() {
  if (dice_.Roll(config_.faults.silence)) {
    Fault("silence to the request");
    return;
  }
  if (mode_ != Mode::kIdle && mode_ != Mode::kUpload) {
    EndExchange("exchange given up: the host asked for the records");
  }
  mode_ = Mode::kUpload;
  upload_next_ = 0;
  upload_holding_ = false;
  // Without the acknowledgement the host is still asking; it will ask again.
  upload_started_ = Reply("ACK\r");
  if (upload_started_) SendUploadItem();
}

void VirtualTerminal::SendUploadItem() {
  if (dice_.Roll(config_.faults.silence)) {
    // Held back: the host's time-out "NAK\r" asks for it.
    Fault("silence: upload record " + std::to_string(upload_next_) + " held back");
    upload_holding_ = true;
    return;
  }
  if (config_.faults.cut >= 0 && upload_next_ >= static_cast<size_t>(config_.faults.cut) &&
      upload_next_ < config_.records.size()) {
    Fault("cut: silent after " + std::to_string(upload_next_) + " upload records");
    EndExchange("upload cut off");
    return;
  }
  if (upload_next_ < config_.records.size()) {
    std::vector<uint8_t> record =
        FrameUploadRecord(static_cast<int>(upload_next_ % 10), config_.records[upload_next_]);
    if (dice_.Roll(config_.faults.corrupt)) {
      Fault("corrupt a byte of upload record " + std::to_string(upload_next_));
      CorruptOne(record, 1);
    }
    Emit(std::move(record));
    return;
  }
  Emit({'O', 'V', 'E', 'R', '\r'});
  EndExchange("uploaded " + std::to_string(config_.records.size()) + " records");
}

void VirtualTerminal::HandleUploadReply(const std::string& reply) {
  if (!upload_started_) return;
  if (dice_.Roll(config_.faults.drop)) {
    Fault("drop the host's " + Printable(reply));
    return;
  }
  if (upload_holding_) {
    if (reply == "NAK\r") {
      upload_holding_ = false;
      SendUploadItem();
    }
    return;
  }
  if (reply == "ACK\r") {
    ++upload_next_;
    SendUploadItem();
  } else if (reply == "NAK\r") {
    SendUploadItem();
  }
}

void VirtualTerminal::StoreApplication() {
  const std::filesystem::path path = config_.store / "application.bin";
  std::string error;
  if (ReplaceFileContents(path, image_, &error)) {
    Log("stored application.bin (" + std::to_string(image_.size()) + " bytes)");
  } else {
    Log("cannot store " + path.string() + ": " + error);
  }
}

void VirtualTerminal::StoreLookupFile() {
  std::error_code ec;
  std::filesystem::path path;
  for (int n = 1;; ++n) {
    path = config_.store / ("lookup-" + std::to_string(n) + ".txt");
    if (!std::filesystem::exists(path, ec)) break;
  }
  std::string contents;
  for (const std::string& line : lines_) {
    contents += line;
    contents += "\r\n";
  }
  std::string error;
  if (ReplaceFileContents(
          path, ConstBytes(reinterpret_cast<const uint8_t*>(contents.data()), contents.size()),
          &error)) {
    Log("stored " + path.filename().string() + " (" + std::to_string(lines_.size()) + " lines)");
  } else {
    Log("cannot store " + path.string() + ": " + error);
  }
}

void VirtualTerminal::Fault(const std::string& what) {
  ++faults_injected_;
  Log("fault: " + what);
}

void VirtualTerminal::EndExchange(const std::string& why) {
  Log(why);
  mode_ = Mode::kIdle;
  handshakes_ = 0;
  reply_lost_ = false;
  data_started_ = false;
  tries_ = 0;
  refused_ = 0;
  ack_lost_ = false;
  upload_started_ = false;
  upload_holding_ = false;
  ++exchanges_ended_;
}

bool VirtualTerminal::Reply(std::string_view text) {
  if (dice_.Roll(config_.faults.drop)) {
    Fault("drop the reply " + Printable(text));
    return false;
  }
  std::vector<uint8_t> bytes(text.begin(), text.end());
  if (dice_.Roll(config_.faults.garble)) {
    Fault("garble the reply " + Printable(text));
    for (size_t i = 0; i + 1 < bytes.size(); ++i) bytes[i] = '?';
    Emit(std::move(bytes));
    return false;
  }
  Emit(std::move(bytes));
  return true;
}

void VirtualTerminal::Emit(std::vector<uint8_t> bytes) {
  output_.push_back({std::move(bytes), now_ms_ + config_.faults.delay_ms});
  last_activity_ms_ = now_ms_;
}

void VirtualTerminal::CorruptOne(std::vector<uint8_t>& bytes, size_t protected_tail) {
  // One flipped top bit moves any sum by 128, which no check can miss; a byte that would turn
  // into a carriage return is left alone so the record keeps its end.
  std::vector<size_t> candidates;
  for (size_t i = 0; i + protected_tail < bytes.size(); ++i) {
    if (protected_tail == 0 || (bytes[i] ^ 0x80) != kCr) candidates.push_back(i);
  }
  if (candidates.empty()) return;
  bytes[candidates[dice_.Below(candidates.size())]] ^= 0x80;
}

bool ParseUploadRecords(std::string_view text, std::vector<std::string>* records,
                        std::string* error) {
  records->clear();
  size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const size_t end = text.find(static_cast<char>(kLf));
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find('\r') != std::string_view::npos) {
      *error = "line " + std::to_string(line_number) + " holds a carriage return";
      return false;
    }
    if (line.size() > kUploadDataMax) {
      *error = "line " + std::to_string(line_number) + " is longer than " +
               std::to_string(kUploadDataMax) + " bytes";
      return false;
    }
    records->emplace_back(line);
  }
  return true;
}

std::vector<uint8_t> FrameUploadRecord(int sequence, std::string_view data) {
  std::vector<uint8_t> record;
  record.reserve(data.size() + 4);
  record.push_back(static_cast<uint8_t>(sequence));
  unsigned sum = static_cast<unsigned>(sequence);
  for (const char c : data) {
    record.push_back(static_cast<uint8_t>(c));
    sum += static_cast<uint8_t>(c);
  }
  sum &= 0xFFFF;
  record.push_back(AvoidCr(sum & 0xFF));
  record.push_back(AvoidCr(sum >> 8));
  record.push_back(kCr);
  return record;
}

}  // namespace q700
