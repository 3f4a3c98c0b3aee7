// Sending a lookup text file to the terminal: the choice and opening of the file, one summed
// record per line, and the end mark.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "base/bytes.h"
#include "link/link_ui.h"

namespace q700 {

struct Link;

// The longest line that fits a record (its sum and carriage return make it 256 bytes).
inline constexpr size_t kLookupLineMax = 253;
// How much of the file is read at a time; the progress moves after each chunk.
inline constexpr size_t kLookupChunkSize = 128;

// The lookup file of a download, open from its choice to the end of the command or a retry.
struct LookupFile {
  std::filesystem::path path;
  std::ifstream stream;
  uintmax_t size = 0;
};

// The record of one line: its bytes, the sum's high and low byte (each 13 sent as 14), and a
// carriage return.
std::vector<uint8_t> FrameLookupRecord(ConstBytes line);

// Offers the Open dialog from the path chosen last; remembers the choice in the link.
std::optional<std::filesystem::path> ChooseLookupFile(Link& link, LinkUi& ui);

// Opens the chosen file and checks that the terminal will see its lines as they are: every line
// ends in a carriage return and fits a record. On failure the user has been told ("Cannot open
// the file!", or the first line that ends in a line feed alone or is too long) and nothing has
// been sent.
bool OpenLookupFile(const std::filesystem::path& path, LinkUi& ui, LookupFile* file);

// What the terminal would make of a file's lines. Lines are counted as an editor counts them:
// a carriage return ends one (a line feed beside it belongs to it), and so does a bare line feed,
// one with no carriage return beside it, which the terminal drops, joining the lines around it.
struct LookupLineScan {
  size_t first_bare_line_feed = 0;  // the line it ends, from 1; 0 when there is none
  size_t first_long_line = 0;  // the first line longer than kLookupLineMax, from 1; 0 when none
};
LookupLineScan ScanLookupLines(std::istream& in);

// Sends the file line by line and then "OVER\r", each answered "ACK", moving the progress. On
// failure the file is set back to its start.
bool SendLookupFile(Link& link, LinkUi& ui, LookupFile& file);

}  // namespace q700
