// Fuzz target for the lookup file download: any bytes as the lookup file, sent to a terminal on
// an in-memory line that acknowledges every message at once (so no time passes). Either the
// send is refused before the port is even opened, naming the first line that ends in a line feed
// with no carriage return beside it or, when there is none, the first line longer than 253 bytes;
// or the terminal receives "ZENTAK\r", every line of the file as one record (carriage returns end
// lines, line feeds are dropped, a last line without its carriage return is sent too) with its
// sum, and "OVER\r", each exactly once, and the user is told it is complete.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_line.h"
#include "fuzz/fuzz_support.h"
#include "link/download.h"
#include "link/link_texts.h"

namespace {

constexpr size_t kLineMax = 253;

uint8_t NoCr(unsigned byte) { return byte == 13 ? 14 : static_cast<uint8_t>(byte); }

// The lines of the file as the terminal must receive them.
std::vector<std::string> Lines(std::string_view file) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : file) {
    if (c == '\r') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\n') {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The line (counted as an editor counts them: at each carriage return, and at each line feed
// with no carriage return beside it) that the first line feed without a carriage return beside
// it ends; 0 when there is none.
size_t FirstBareLineFeed(std::string_view file) {
  size_t line = 1;
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r') ++line;
    if (file[i] != '\n') continue;
    const bool after_cr = i > 0 && file[i - 1] == '\r';
    const bool before_cr = i + 1 < file.size() && file[i + 1] == '\r';
    if (!after_cr && !before_cr) return line;
  }
  return 0;
}

std::string Record(const std::string& line) {
  unsigned sum = 0;
  for (const char c : line) sum += static_cast<uint8_t>(c);
  std::string record = line;
  record.push_back(static_cast<char>(NoCr(sum / 256)));
  record.push_back(static_cast<char>(NoCr(sum % 256)));
  record.push_back('\r');
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path = q700::fuzz::ScratchFolder() / "lookup.txt";
  q700::fuzz::WriteFile(path, data, size);
  const std::string_view file = q700::fuzz::AsText(data, size);

  // The terminal: "ACK\r" for every carriage return, the only byte that ends a message.
  q700::fuzz::FuzzLine terminal([](const std::string& written) {
    std::string answer;
    for (const char c : written) {
      if (c == '\r') answer += "ACK\r";
    }
    return answer;
  });
  terminal.ui.files = {path};
  q700::FakeClock& clock = terminal.clock;
  q700::MemoryPortPair& line = terminal.line;
  q700::test::RecordingLinkUi& ui = terminal.ui;

  q700::Design design{};
  const uint64_t start_ms = clock.NowMs();
  const bool done = q700::DownloadToTerminal(terminal.link, ui, design, q700::LinkRoute::kDirect,
                                             q700::DownloadMode::kLookupFile);
  const std::vector<uint8_t> sent = line.Written(0);
  Q700_FUZZ_CHECK(!line.IsOpen(0));
  // Every answer came at once: nothing waited out a time limit.
  Q700_FUZZ_CHECK(clock.NowMs() == start_ms);

  const std::vector<std::string> lines = Lines(file);
  size_t too_long = 0;
  for (size_t i = 0; i < lines.size() && too_long == 0; ++i) {
    if (lines[i].size() > kLineMax) too_long = i + 1;
  }
  const size_t bare = FirstBareLineFeed(file);
  if (bare != 0 || too_long != 0) {
    Q700_FUZZ_CHECK(!done);
    Q700_FUZZ_CHECK(sent.empty() && terminal.ports.opened.empty());
    Q700_FUZZ_CHECK(ui.messages.size() == 1);
    const std::string& text = ui.messages[0].text_utf8;
    const std::string start = "Line " + std::to_string(bare != 0 ? bare : too_long) + " ";
    Q700_FUZZ_CHECK(text.rfind(start, 0) == 0);
    const bool names_line_feed =
        text.find("line feed without a carriage return") != std::string::npos;
    Q700_FUZZ_CHECK(names_line_feed == (bare != 0));
    return 0;
  }

  std::string expected = "ZENTAK\r";
  for (const std::string& l : lines) expected += Record(l);
  expected += "OVER\r";
  Q700_FUZZ_CHECK(done);
  Q700_FUZZ_CHECK(std::string(sent.begin(), sent.end()) == expected);
  Q700_FUZZ_CHECK(ui.TextIds() == std::vector<int>{q700::kTextDownloadedCompletely});
  Q700_FUZZ_CHECK(!ui.progress.empty() && ui.progress.back() == 100);
  for (size_t i = 1; i < ui.progress.size(); ++i) {
    Q700_FUZZ_CHECK(ui.progress[i - 1] <= ui.progress[i]);
  }
  return 0;
}
