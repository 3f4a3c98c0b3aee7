// The 26 message groups in which the terminal's own screen texts are edited: which design slot
// each row stands for, its default text in each font, and the staging table that the Startup
// page edits them in.
#pragma once

#include <array>
#include <string>

#include "model/design.h"
#include "texts/text_ids.h"

namespace q700 {

class DefaultTerminalTexts;
class TextLoader;

inline constexpr int kMessageGroupCount = 26;
inline constexpr int kGroupRowsMax = 8;
inline constexpr size_t kStagingRowSize = 21;
inline constexpr int kFirstGroupCaptionId = kItemMessageGroups;

// Groups whose row count and width follow the terminal's system font.
bool IsFontDependentGroup(int group);
// The text set (7 to 32) whose slots a group's rows stand for; groups 6 and 25 also take rows
// from the extra menu texts (see GroupRowSlot).
int GroupTextSet(int group);
// Rows of a group in a font (the rows shown and edited).
int GroupRows(int group, bool large_font);
// Characters per row: 12, or 16 for a font-dependent group with the small font.
int GroupWidth(int group, bool large_font);
// The size tag of a group's caption, such as "(8x12)". It is a label only: it can differ from
// the rows shown.
std::string GroupSizeTag(int group, bool large_font);
// The caption of a group in the list: its text followed directly by its size tag.
std::string GroupCaption(TextLoader& loader, int group, bool large_font);

// String id of the default text of a row in a font.
int GroupDefaultId(int group, int row, bool large_font);

// The design slot that a row stands for: a text-set slot, or an extra menu text of the settings
// block for the buzzer row of the settings group and the last four rows of the last group.
// Empty for rows beyond the group's small-font row count.
Bytes GroupRowSlot(Design& design, int group, int row);

// Rows of the upload-port and download-port groups that hold the port line, by font.
inline constexpr int kUploadPortGroup = 7;
inline constexpr int kDownloadPortGroup = 8;
inline constexpr int kSettingsGroup = 6;
inline constexpr int kMiscContinuousGroup = 25;
inline constexpr int kCalculatorRow = 3;  // of the last group
int PortLineRow(int group, bool large_font);

// The Startup page's working texts: 26 groups x 8 rows x 21 bytes.
using StagingRow = std::array<uint8_t, kStagingRowSize>;
using StagingTable = std::array<std::array<StagingRow, kGroupRowsMax>, kMessageGroupCount>;

// Copies every row that stands for a design slot from the design into the staging table.
void FillStagingFromDesign(Design& design, StagingTable& staging);
// Writes every row that stands for a design slot back into the design.
void WriteStagingToDesign(const StagingTable& staging, Design& design);

// Refills the font-dependent groups from the default texts of the new font, the port lines from
// the port text flags (settings byte 255 layout). Fixed-width groups keep their texts.
void RefillFontGroups(StagingTable& staging, bool large_font, uint8_t port_flags,
                      const DefaultTerminalTexts& defaults, TextLoader& loader);

// Puts the port lines named by the port text flags into a text block (the design's), in a font.
void SetPortLines(Bytes text_block, bool large_font, uint8_t port_flags, TextLoader& loader);

}  // namespace q700
