// The default terminal texts: the texts of the terminal's own screens in the current language,
// in 40 groups of one width each (16 columns for the small font, 12 for the large font). New
// designs and the Startup page copy from them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace q700 {

class TextLoader;

struct TerminalTextGroup {
  int first_id;
  int count;
  int width;  // 12 or 16 characters
};

inline constexpr std::array<TerminalTextGroup, 40> kTerminalTextGroups = {{
    {721, 3, 12},  {761, 8, 16},  {771, 8, 12},  {1711, 5, 16}, {1721, 5, 12}, {781, 8, 16},
    {791, 8, 12},  {801, 6, 16},  {811, 5, 12},  {841, 6, 16},  {851, 4, 12},  {861, 5, 16},
    {871, 5, 12},  {881, 4, 16},  {891, 4, 12},  {901, 4, 16},  {911, 4, 12},  {921, 6, 16},
    {931, 4, 12},  {941, 8, 16},  {951, 6, 12},  {821, 4, 16},  {831, 2, 12},  {981, 4, 12},
    {991, 4, 12},  {1021, 4, 12}, {1031, 7, 12}, {1091, 3, 12}, {741, 5, 12},  {731, 5, 12},
    {971, 5, 12},  {751, 3, 12},  {961, 2, 12},  {1001, 4, 12}, {1011, 3, 12}, {1071, 6, 16},
    {1081, 6, 12}, {1041, 8, 12}, {1051, 3, 16}, {1061, 3, 12},
}};

// Port lines: the line of each port menu that names choice 3, the modem or the Bluetooth SPP port.
struct PortLineIds {
  int modem_small, bluetooth_small, modem_large, bluetooth_large;
};
inline constexpr PortLineIds kUploadPortLine{805, 807, 814, 816};
inline constexpr PortLineIds kDownloadPortLine{846, 847, 854, 855};
// The acoustic-coupler line of the upload port menu.
inline constexpr int kAcousticLineSmall = 806;
inline constexpr int kAcousticLineLarge = 815;
// The calculator item of the utilities menu, small and large font.
inline constexpr int kCalculatorSmall = 1711;
inline constexpr int kCalculatorLarge = 1721;

class DefaultTerminalTexts {
 public:
  DefaultTerminalTexts();

  // The default text of an id of the 40 groups; empty for any other id.
  std::string_view Get(int id) const;
  // Replaces the default text of an id of the 40 groups, cut to its group's width. Other ids are
  // ignored.
  void Set(int id, std::string_view text);
  // Width of the group holding `id`, or 0 when no group holds it.
  static int WidthOf(int id);

 private:
  static int IndexOf(int id);
  std::array<std::string, 256> texts_;  // enough for the 40 groups' ids
};

// Refills every group from the text loader (slot TerminalText) in the current language, each
// text cut to its group's width. Run at start-up and after every change of language.
void RefillTerminalTexts(TextLoader& loader, DefaultTerminalTexts& texts);

// The port line text for a port menu, font and port kind from the text loader.
std::string PortLineText(TextLoader& loader, const PortLineIds& ids, bool large_font,
                         bool bluetooth);

}  // namespace q700
