// Fuzz target for the handshake, the reply reader and the block sends of both downloads: the
// terminal answers each write of the program with the next piece of the input (pieces end at a
// line feed, which is not sent; an empty piece is silence). The first byte picks the application
// or a two-line lookup file. A model written from the protocol's rules (replies end at a carriage
// return or after ten characters, the rest waits for the next reply; "NAK" is waited out by the
// application's handshake; "ACK" and "FULL" are exact) says what the program must write and
// which messages it must show; the program must do exactly that.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_line.h"
#include "fuzz/fuzz_support.h"
#include "link/download.h"
#include "link/link_texts.h"
#include "link/lookup_download.h"
#include "model/defaults.h"
#include "model/download_image.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

constexpr std::string_view kTag = "Q700RU004";
const std::string kLookupText = "12\r\nZZY\r\n";

// The terminal's answers: the pieces of the input between line feeds.
class Pieces {
 public:
  explicit Pieces(std::string_view input) : input_(input) {}
  std::string Next() {
    if (input_.empty()) return {};
    const size_t lf = input_.find('\n');
    std::string piece(input_.substr(0, lf));
    input_.remove_prefix(lf == std::string_view::npos ? input_.size() : lf + 1);
    return piece;
  }

 private:
  std::string_view input_;
};

// The program's side as the rules have it.
class Model {
 public:
  explicit Model(std::string_view input) : pieces_(input) {}

  std::vector<std::string> writes;
  std::vector<int> texts;

  // A write of the program and the reply it reads: at most ten characters, up to and without a
  // carriage return, up to a NUL as text; what arrived and was not taken starts the next reply.
  std::string Command(const std::string& bytes) {
    writes.push_back(bytes);
    const std::string piece = pieces_.Next();
    arrived_.insert(arrived_.end(), piece.begin(), piece.end());
    std::string reply;
    while (reply.size() < 10 && (reply.empty() || reply.back() != '\r') && !arrived_.empty()) {
      reply.push_back(arrived_.front());
      arrived_.pop_front();
    }
    if (!reply.empty() && reply.back() == '\r') reply.pop_back();
    return reply.substr(0, reply.find('\0'));
  }

  bool Handshake(bool application) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      const std::string reply = Command("ZENTAK\r");
      if (application) {
        if (reply.find("NAK") != std::string::npos) continue;
        if (reply.find(kTag) != std::string::npos) return true;
      } else if (reply.find("ACK") != std::string::npos) {
        return true;
      }
      if (reply.size() > 1) {
        Command("NAK\r");
        texts.push_back(application ? q700::kTextVersionIncompatible : q700::kTextRetryDownload);
        return false;
      }
    }
    texts.push_back(q700::kTextTerminalNotReady);
    return false;
  }

  bool Packet(const std::string& bytes) {
    for (int send = 0; send < 7; ++send) {
      const std::string reply = Command(bytes);
      if (reply == "FULL") {
        texts.push_back(q700::kTextMemoryFull);
        return false;
      }
      if (reply == "ACK") return true;
    }
    texts.push_back(q700::kTextErrorOnDownloading);
    return false;
  }

  void Download(bool application, const std::vector<std::string>& packets) {
    if (!Handshake(application)) return;
    for (const std::string& packet : packets) {
      if (!Packet(packet)) return;
    }
    texts.push_back(q700::kTextDownloadedCompletely);
  }

 private:
  Pieces pieces_;
  std::deque<char> arrived_;
};

struct Setup {
  Setup() {
    q700::TextLoader loader;
    q700::RefillTerminalTexts(loader, defaults);
    q700::ResetDesign(design, defaults);
    // The application's blocks: 100 bytes of the image, the sum's high and low byte, the number.
    q700::Design prepared = design;
    q700::PrepareDownload(prepared);
    const q700::DownloadImage image = q700::BuildImage(prepared);
    for (size_t n = 0; n < 200; ++n) {
      std::string block(reinterpret_cast<const char*>(image.data()) + n * 100, 100);
      unsigned sum = 0;
      for (const char c : block) sum += static_cast<uint8_t>(c);
      block.push_back(static_cast<char>(sum / 256));
      block.push_back(static_cast<char>(sum % 256));
      block.push_back(static_cast<char>(n));
      blocks.push_back(block);
    }
    // The lookup file's records: its two lines with their sums (99; 269 sent as 1 and 14), and
    // the end mark.
    records = {std::string("12\x00\x63\r", 5), std::string("ZZY\x01\x0E\r", 6), "OVER\r"};
    q700::fuzz::WriteFile(lookup_path, reinterpret_cast<const uint8_t*>(kLookupText.data()),
                          kLookupText.size());
  }
  q700::DefaultTerminalTexts defaults;
  q700::Design design;
  std::vector<std::string> blocks;
  std::vector<std::string> records;
  std::filesystem::path lookup_path = q700::fuzz::ScratchFolder() / "lookup.txt";
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  if (size == 0) return 0;
  const bool application = (data[0] & 1) == 0;
  const std::string_view input = q700::fuzz::AsText(data + 1, size - 1);

  Pieces pieces(input);
  q700::fuzz::FuzzLine terminal([&](const std::string&) { return pieces.Next(); });
  terminal.link.port = terminal.line.Open(0);
  q700::Design design = setup.design;
  q700::LookupFile lookup;
  if (!application) {
    Q700_FUZZ_CHECK(q700::OpenLookupFile(setup.lookup_path, terminal.ui, &lookup));
  }
  const bool done = q700::RunDownloadExchange(
      terminal.link, terminal.ui, design,
      application ? q700::DownloadMode::kApplication : q700::DownloadMode::kLookupFile,
      application ? nullptr : &lookup);

  Model model(input);
  model.Download(application, application ? setup.blocks : setup.records);
  Q700_FUZZ_CHECK(terminal.Writes() == model.writes);
  Q700_FUZZ_CHECK(terminal.ui.TextIds() == model.texts);
  Q700_FUZZ_CHECK(done == (model.texts.back() == q700::kTextDownloadedCompletely));
  // Every reply the program kept is a short text without its carriage return.
  const std::string_view last = terminal.link.ReplyText();
  Q700_FUZZ_CHECK(last.size() <= 10 && last.find('\r') == std::string_view::npos);
  return 0;
}
