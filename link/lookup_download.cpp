// The lookup file download: file choice, line records and the end mark.
#include "link/lookup_download.h"

#include <string>
#include <system_error>

#include "link/download.h"
#include "link/link.h"
#include "link/link_texts.h"

namespace q700 {
namespace {

constexpr uint8_t kCr = 13;
constexpr uint8_t kLf = 10;
constexpr std::string_view kEndMark = "OVER\r";

uint8_t AvoidCr(unsigned byte) { return byte == kCr ? 14 : static_cast<uint8_t>(byte); }

// Refusing a line that does not fit beats cutting or splitting it: the terminal would keep a
// lookup entry that is not in the file.
void TellLineTooLong(LinkUi& ui, size_t line_number) {
  Message message;
  message.caption_id = kCaptionError;
  message.text_utf8 = "Line " + std::to_string(line_number) +
                      " of the lookup file is longer than 253 bytes (lines end with a carriage "
                      "return); nothing was sent.";
  message.icon = Icon::kWarning;
  ui.Show(message);
}

// Sent as it stands, a file with Unix line ends would arrive as a single record and be reported
// as complete.
void TellBareLineFeed(LinkUi& ui, size_t line_number) {
  Message message;
  message.caption_id = kCaptionError;
  message.text_utf8 = "Line " + std::to_string(line_number) +
                      " of the lookup file ends in a line feed without a carriage return. The "
                      "terminal ends a line only at a carriage return, so it would take such lines "
                      "as one record; nothing was sent. Save the file with Windows line ends "
                      "(carriage return and line feed).";
  message.icon = Icon::kWarning;
  ui.Show(message);
}

void Rewind(LookupFile& file) {
  file.stream.clear();
  file.stream.seekg(0);
}

}  // namespace

std::vector<uint8_t> FrameLookupRecord(ConstBytes line) {
  unsigned sum = 0;
  for (const uint8_t byte : line) sum += byte;
  std::vector<uint8_t> record(line.begin(), line.end());
  record.push_back(AvoidCr((sum >> 8) & 0xFF));
  record.push_back(AvoidCr(sum & 0xFF));
  record.push_back(kCr);
  return record;
}

std::optional<std::filesystem::path> ChooseLookupFile(Link& link, LinkUi& ui) {
  std::optional<std::filesystem::path> path =
      ui.ChooseFile(FileChoice::kLookupFile, link.lookup_path);
  if (path) link.lookup_path = *path;
  return path;
}

LookupLineScan ScanLookupLines(std::istream& in) {
  LookupLineScan scan;
  size_t line_number = 1;
  size_t length = 0;
  uint8_t previous = 0;
  bool pending_line_feed = false;  // a line feed after no carriage return, before the next byte
  char chunk[4096];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const std::streamsize n = in.gcount();
    for (std::streamsize i = 0; i < n; ++i) {
      const auto byte = static_cast<uint8_t>(chunk[i]);
      if (pending_line_feed) {
        pending_line_feed = false;
        if (byte != kCr) {
          scan.first_bare_line_feed = line_number;
          return scan;
        }
      }
      if (byte == kCr) {
        ++line_number;
        length = 0;
      } else if (byte == kLf) {
        pending_line_feed = previous != kCr;
      } else if (++length > kLookupLineMax && scan.first_long_line == 0) {
        scan.first_long_line = line_number;
      }
      previous = byte;
    }
  }
  if (pending_line_feed) scan.first_bare_line_feed = line_number;
  return scan;
}

bool OpenLookupFile(const std::filesystem::path& path, LinkUi& ui, LookupFile* file) {
  file->path = path;
  file->stream.open(path, std::ios::binary);
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (!file->stream.is_open() || ec) {
    file->stream.close();
    Message message;
    message.caption_id = kCaptionError;
    message.text_id = kTextCannotOpenFile;
    message.icon = Icon::kWarning;
    message.reason = path.string() + ": " + (ec ? ec.message() : std::string("cannot be read"));
    ui.Show(message);
    return false;
  }
  file->size = size;
  const LookupLineScan scan = ScanLookupLines(file->stream);
  if (scan.first_bare_line_feed != 0 || scan.first_long_line != 0) {
    file->stream.close();
    if (scan.first_bare_line_feed != 0) {
      TellBareLineFeed(ui, scan.first_bare_line_feed);
    } else {
      TellLineTooLong(ui, scan.first_long_line);
    }
    return false;
  }
  Rewind(*file);
  return true;
}

bool SendLookupFile(Link& link, LinkUi& ui, LookupFile& file) {
  Rewind(file);
  std::vector<uint8_t> line;
  size_t line_number = 1;
  const auto send_line = [&] {
    const std::vector<uint8_t> record = FrameLookupRecord(line);
    line.clear();
    ++line_number;
    return SendPacket(link, ui, record);
  };

  uintmax_t done = 0;
  char chunk[kLookupChunkSize];
  while (done < file.size) {
    const auto want =
        static_cast<std::streamsize>(std::min<uintmax_t>(kLookupChunkSize, file.size - done));
    file.stream.read(chunk, want);
    const std::streamsize n = file.stream.gcount();
    if (n <= 0) break;  // the file shrank since it was opened
    done += static_cast<uintmax_t>(n);
    for (std::streamsize i = 0; i < n; ++i) {
      const auto byte = static_cast<uint8_t>(chunk[i]);
      if (byte == kCr) {
        if (!send_line()) {
          Rewind(file);
          return false;
        }
      } else if (byte != kLf) {
        if (line.size() == kLookupLineMax) {
          // The file grew a long line after it was checked.
          ui.CloseProgress();
          TellLineTooLong(ui, line_number);
          Rewind(file);
          return false;
        }
        line.push_back(byte);
      }
    }
    ui.SetProgress(static_cast<int>(done * 100 / file.size));
  }
  if (!line.empty() && !send_line()) {
    Rewind(file);
    return false;
  }
  ui.SetProgress(100);
  return SendPacket(link, ui,
                    ConstBytes(reinterpret_cast<const uint8_t*>(kEndMark.data()), kEndMark.size()));
}

}  // namespace q700
