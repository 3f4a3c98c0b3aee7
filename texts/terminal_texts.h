// The default terminal texts: the texts of the terminal's own screens in the current language,
// in 40 groups of one width each (16 columns for the small font, 12 for the large font). New
// designs and the Startup page copy from them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "texts/text_ids.h"

namespace q700 {

class TextLoader;

struct TerminalTextGroup {
  int first_id;
  int count;
  int width;  // 12 or 16 characters
};

inline constexpr std::array<TerminalTextGroup, 40> kTerminalTextGroups = {{
    {kTerminalMainMenu, 3, 12},          {kTerminalUtilitiesSmall, 8, 16},
    {kTerminalUtilitiesLarge, 8, 12},    {kTerminalExtraItemsSmall, 5, 16},
    {kTerminalExtraItemsLarge, 5, 12},   {kTerminalSettingsSmall, 8, 16},
    {kTerminalSettingsLarge, 8, 12},     {kTerminalUploadPortSmall, 6, 16},
    {kTerminalUploadPortLarge, 5, 12},   {kTerminalDownloadPortSmall, 6, 16},
    {kTerminalDownloadPortLarge, 4, 12}, {kTerminalBaudRateSmall, 5, 16},
    {kTerminalBaudRateLarge, 5, 12},     {kTerminalBacklightSmall, 4, 16},
    {kTerminalBacklightLarge, 4, 12},    {kTerminalDataDeletionSmall, 4, 16},
    {kTerminalDataDeletionLarge, 4, 12}, {kTerminalEntryOptionsSmall, 6, 16},
    {kTerminalEntryOptionsLarge, 4, 12}, {kTerminalViewSettingsSmall, 8, 16},
    {kTerminalViewSettingsLarge, 6, 12}, {kTerminalModemTransmit, 4, 16},
    {kTerminalPhoneNumber, 2, 12},       {kTerminalDeleteData, 4, 12},
    {kTerminalConfirm, 4, 12},           {kTerminalMemoryPower, 4, 12},
    {kTerminalLoadLookup, 7, 12},        {kTerminalSystemFault, 3, 12},
    {kTerminalUploadData, 5, 12},        {kTerminalSaveRecord, 5, 12},
    {kTerminalDeleteRecord, 5, 12},      {kTerminalAutoDelete, 3, 12},
    {kTerminalSetPassword, 2, 12},       {kTerminalConnecting, 4, 12},
    {kTerminalModemConnection, 3, 12},   {kTerminalEntryErrorsSmall, 6, 16},
    {kTerminalEntryErrorsLarge, 6, 12},  {kTerminalLoadStatus, 8, 12},
    {kTerminalBrowseKeysSmall, 3, 16},   {kTerminalBrowseKeysLarge, 3, 12},
}};

// Port lines: the line of each port menu that names choice 3, the modem or the Bluetooth SPP port.
struct PortLineIds {
  int modem_small, bluetooth_small, modem_large, bluetooth_large;
};
inline constexpr PortLineIds kUploadPortLine{
    kTerminalUploadModemSmall, kTerminalUploadBluetoothSmall, kTerminalUploadModemLarge,
    kTerminalUploadBluetoothLarge};
inline constexpr PortLineIds kDownloadPortLine{
    kTerminalDownloadModemSmall, kTerminalDownloadBluetoothSmall, kTerminalDownloadModemLarge,
    kTerminalDownloadBluetoothLarge};
// The acoustic-coupler line of the upload port menu.
inline constexpr int kAcousticLineSmall = kTerminalUploadAcousticSmall;
inline constexpr int kAcousticLineLarge = kTerminalUploadAcousticLarge;
// The calculator item of the utilities menu, small and large font.
inline constexpr int kCalculatorSmall = kTerminalExtraItemsSmall;
inline constexpr int kCalculatorLarge = kTerminalExtraItemsLarge;

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
