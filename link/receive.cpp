// The data upload: request, records, end mark and the received-data file.
#include "link/receive.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/interrupt.h"
#include "base/staged_file.h"
#include "link/link.h"
#include "link/link_texts.h"
#include "texts/text_loader.h"

namespace q700 {
namespace {

constexpr uint8_t kCr = 13;
constexpr std::string_view kRequest = "READ\r";
constexpr std::string_view kAccept = "ACK\r";
constexpr std::string_view kRefuse = "NAK\r";
constexpr std::string_view kEndMark = "OVER\r";

void Send(Link& link, std::string_view text) {
  LinkWrite(link, ConstBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

Message Plain(int caption_id, int text_id, std::string detail = {}) {
  Message message;
  message.caption_id = caption_id;
  message.text_id = text_id;
  message.detail = std::move(detail);
  return message;
}

// A failure's message with the file or port and the system's reason for front ends that show it.
Message Because(int text_id, std::string reason) {
  Message message = Plain(kCaptionError, text_id);
  message.reason = std::move(reason);
  return message;
}

ReceiveResult Ended(ReceiveStatus status, int count, std::vector<Message> messages = {},
                    std::string reason = {}) {
  ReceiveResult result;
  result.status = status;
  result.count = count;
  result.messages = std::move(messages);
  result.reason = std::move(reason);
  return result;
}

uint8_t AvoidCr(unsigned byte) { return byte == kCr ? 14 : static_cast<uint8_t>(byte); }

// The request phase: nothing once the terminal answered exactly "ACK\r", else how it ended.
std::optional<ReceiveResult> Request(Link& link) {
  int failed = 0;
  for (;;) {
    Send(link, kRequest);
    const uint64_t deadline = link.clock.NowMs() + kRequestLimitMs;
    std::string answer;
    bool ended = false;
    while (!ended) {
      uint8_t byte = 0;
      size_t got = 0;
      const bool read = LinkRead(link, Bytes(&byte, 1), &got, deadline);
      if (Interrupted()) return Ended(ReceiveStatus::kInterrupted, 0);
      if (got == 1 && answer.size() < kReplyMaxChars) {
        answer.push_back(static_cast<char>(byte));
        ended = byte == kCr;
      }
      if (!ended && (!read || link.clock.NowMs() >= deadline)) {
        if (failed >= kRequestTimeOutsWaitedOut) {
          // "No data received!" follows, which would read as a terminal without records.
          std::string reason = "no terminal answered on " + link.port_name;
          return Ended(ReceiveStatus::kNoContact, 0, {Because(kTextTimeOut, reason)}, reason);
        }
        break;
      }
    }
    if (answer == kAccept) return std::nullopt;
    if (++failed >= kRequestFailures) {
      std::string reason = "the terminal on " + link.port_name + " refused the request";
      return Ended(ReceiveStatus::kNoContact, 0, {Because(kTextFailedToConnect, reason)}, reason);
    }
  }
}

// Each record's data and a line end into a file, flushed; false when the file refused it.
class FileRecords final : public RecordSink {
 public:
  explicit FileRecords(std::FILE* out) : out_(out) {}
  bool Store(std::string_view data, std::string* error) override {
    static constexpr char kLineEnd[2] = {13, 10};
    errno = 0;
    if ((!data.empty() && std::fwrite(data.data(), 1, data.size(), out_) != data.size()) ||
        std::fwrite(kLineEnd, 1, 2, out_) != 2 || std::fflush(out_) != 0) {
      *error = errno != 0 ? std::generic_category().message(errno) : "write failed";
      return false;
    }
    return true;
  }

 private:
  std::FILE* out_;
};

// A terminal may drop what it saw acknowledged: records received before a failure are kept in a
// file of their own beside the target, and the result says where.
void KeepAcknowledged(StagedFile& staged, ReceiveResult& result) {
  if (result.count == 0) return;
  std::string error;
  if (const std::optional<std::filesystem::path> aside = staged.KeepAside(&error)) {
    result.kept = *aside;
    result.messages.push_back(RecordsKeptMessage(result.count, *aside));
  } else {
    result.messages.push_back(Because(kTextFileCreateFailed, error));
  }
}

// The old way for what is not a regular file: written as the records come, never deleted.
ReceiveResult ReceiveIntoDevice(Link& link, LinkUi& ui, TextLoader& texts, LinkRoute route,
                                const std::filesystem::path& path) {
  errno = 0;
#ifdef _WIN32
  std::FILE* out = _wfopen(path.c_str(), L"wb");
#else
  std::FILE* out = std::fopen(path.c_str(), "wb");
#endif
  if (out == nullptr) {
    const std::string system = errno != 0 ? std::generic_category().message(errno) : "refused";
    const std::string reason = path.string() + ": " + system;
    return Ended(ReceiveStatus::kFileFailed, 0, {Because(kTextFileCreateFailed, reason)}, reason);
  }
  PortOpenResult opened = OpenLinkPort(link, Connection::kReceive, route);
  if (!opened) {
    std::fclose(out);
    return Ended(ReceiveStatus::kPortFailed, 0, std::move(opened.messages),
                 std::move(opened.reason));
  }
  ReceiveResult result = ReceiveRecords(link, ui, out);
  CloseLinkPort(link, UnreadInput::kKeep);
  std::fclose(out);
  if (result.status == ReceiveStatus::kDone) {
    ui.Show(ReceiveDoneMessage(result.count, texts));
  } else if (result.status == ReceiveStatus::kNothing ||
             result.status == ReceiveStatus::kNoContact) {
    result.messages.push_back(Plain(kCaptionUploadData, kTextNoDataReceived));
  }
  return result;
}

}  // namespace

std::optional<std::filesystem::path> ChooseOutputFile(LinkUi& ui) {
  return ui.ChooseFile(FileChoice::kOutputFile, {});
}

Message RecordsKeptMessage(int count, const std::filesystem::path& kept) {
  Message message;
  message.caption_id = kCaptionUploadData;
  message.text_utf8 = std::to_string(count) + " records received before the failure were kept in " +
                      kept.string() + ".";
  return message;
}

void ShowReceiveCount(LinkUi& ui, int stage, int count) { ui.ShowReceiveCount(stage, count); }

Message ReceiveDoneMessage(int count, const TextLoader& texts) {
  Message message;
  message.caption_id = kCaptionUploadData;
  const std::string_view before = texts.Label(kLanguageDoneBefore);
  if (!before.empty()) {
    message.detail =
        std::string(before) + std::to_string(count) + std::string(texts.Label(kLanguageDoneAfter));
  } else {
    message.detail =
        "Done : " + std::to_string(count) + " records received.\nView the received data?";
  }
  message.buttons = Buttons::kYesNo;
  return message;
}

ReceiveResult ReceiveRecords(Link& link, LinkUi& ui, std::FILE* out) {
  FileRecords records(out);
  return ReceiveRecords(link, ui, records);
}

ReceiveResult ReceiveRecords(Link& link, LinkUi& ui, RecordSink& out) {
  if (std::optional<ReceiveResult> refused = Request(link)) return std::move(*refused);
  int expected = 0;
  int count = 0;
  int time_outs = 0;
  ShowReceiveCount(ui, 0, 0);
  std::array<uint8_t, kRecordMax + 1> record{};
  for (;;) {
    size_t stored = 0;
    size_t seen = 0;
    bool ended = false;
    const uint64_t deadline = link.clock.NowMs() + kRecordLimitMs;
    while (!ended) {
      uint8_t byte = 0;
      size_t got = 0;
      const bool read = LinkRead(link, Bytes(&byte, 1), &got, deadline);
      if (got == 1) {
        if (stored < kRecordMax) record[stored++] = byte;
        ++seen;
        ended = byte == kCr;
      }
      if (!ended && (!read || link.clock.NowMs() >= deadline)) break;
    }
    if (Interrupted()) {
      ShowReceiveCount(ui, 2, count);
      return Ended(ReceiveStatus::kInterrupted, count);
    }
    if (!ended) {
      if (time_outs < kRecordTimeOuts) {
        ++time_outs;
        Send(link, kRefuse);
        continue;
      }
      ShowReceiveCount(ui, 2, count);
      return Ended(
          ReceiveStatus::kTimedOut, count,
          {Because(kTextTimeOut, "the terminal on " + link.port_name + " stopped sending")});
    }
    time_outs = 0;
    record[stored] = 0;
    const std::string_view text(reinterpret_cast<const char*>(record.data()), stored);
    if (text == kEndMark) {
      ShowReceiveCount(ui, 2, count);
      return Ended(count > 0 ? ReceiveStatus::kDone : ReceiveStatus::kNothing, count);
    }
    // Too short to hold a sum, or cut at the buffer's end: the terminal must send it again.
    if (stored < kRecordMin || seen > kRecordMax) {
      Send(link, kRefuse);
      continue;
    }
    if (record[0] != expected) {
      // A repeat of the record before: its acknowledgement went missing.
      Send(link, record[0] == (expected + 9) % 10 ? kAccept : kRefuse);
      continue;
    }
    unsigned sum = 0;
    for (size_t i = 0; i + 3 < stored; ++i) sum += record[i];
    sum &= 0xFFFF;
    if (AvoidCr(sum & 0xFF) != record[stored - 3] || AvoidCr(sum >> 8) != record[stored - 2]) {
      Send(link, kRefuse);
      continue;
    }
    // Kept before it is acknowledged: a record that was not kept stays on the terminal.
    std::string error;
    if (!out.Store(std::string_view(reinterpret_cast<const char*>(record.data()) + 1, stored - 4),
                   &error)) {
      ShowReceiveCount(ui, 2, count);
      return Ended(ReceiveStatus::kWriteFailed, count,
                   {Plain(kCaptionError, kTextFileCreateFailed, " (" + error + ")")}, error);
    }
    ++count;
    expected = (expected + 1) % 10;
    ShowReceiveCount(ui, 1, count);
    Send(link, kAccept);
  }
}

ReceiveResult ReceiveData(Link& link, LinkUi& ui, TextLoader& texts, LinkRoute route) {
  const std::optional<std::filesystem::path> path = ChooseOutputFile(ui);
  if (!path) return Ended(ReceiveStatus::kCancelled, 0);
  // A device or pipe named as the output (/dev/stdout) is written straight and never removed.
  std::error_code ec;
  if (std::filesystem::exists(*path, ec) && !std::filesystem::is_regular_file(*path, ec)) {
    return ReceiveIntoDevice(link, ui, texts, route, *path);
  }
  // The records go to a new file beside the chosen one, which takes its place only when records
  // came: a port that does not open, no records, a time-out or an interruption leave an earlier
  // file exactly as it was.
  StagedFile staged(*path);
  std::string error;
  if (!staged.Create(&error)) {
    return Ended(ReceiveStatus::kFileFailed, 0, {Because(kTextFileCreateFailed, error)}, error);
  }
  PortOpenResult opened = OpenLinkPort(link, Connection::kReceive, route);
  if (!opened) {
    return Ended(ReceiveStatus::kPortFailed, 0, std::move(opened.messages),
                 std::move(opened.reason));
  }
  ReceiveResult result = ReceiveRecords(link, ui, staged.stream());
  CloseLinkPort(link, UnreadInput::kKeep);

  switch (result.status) {
    case ReceiveStatus::kDone:
      if (!staged.Commit(&error)) {
        result.status = ReceiveStatus::kWriteFailed;
        result.messages.push_back(Because(kTextFileCreateFailed, error));
        result.reason = std::move(error);
        KeepAcknowledged(staged, result);
        break;
      }
      if (ui.Show(ReceiveDoneMessage(result.count, texts)) == Answer::kYes) {
        ui.ViewReceivedFile(*path);
      }
      break;
    case ReceiveStatus::kNothing:
    case ReceiveStatus::kNoContact:
      // After a failed request too: the terminal gave nothing.
      result.messages.push_back(Plain(kCaptionUploadData, kTextNoDataReceived));
      break;
    default:
      KeepAcknowledged(staged, result);
      break;
  }
  return result;
}

}  // namespace q700
