// Label tables of the Menu, Lookup, Settings and Startup pages and the Settings detail dialogs.
#include "editor/page_labels.h"

#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"

namespace q700::editor {
namespace {

constexpr LabelRow kMenuPageRows[] = {
    {IDC_MENU_NAME_LABEL, 202, "Name :"},
    {IDC_MENU_FONT_LABEL, 203, "Font :"},
    {IDC_MENU_ESCAPE_LABEL, 204, "Esc :"},
    {IDC_MENU_CAPTION_FLAG, 205, "Menu caption :"},
    {IDC_MENU_DATA_GROUP, 206, "Data"},
    {IDC_MENU_SAVE_CAPTION, 207, "Save caption"},
    {IDC_MENU_SAVE_ITEM, 208, "Save selected item"},
    {IDC_MENU_PASS_DOWN, 209, "Pass down"},
    {IDC_MENU_SEPARATE_FILES, 210, "Save the collected data for each form to separate data files."},
    {IDC_MENU_ITEM_HEADING, 211, "Item No."},
    {IDC_MENU_TEXT_HEADING, 212, "Item Name"},
    {IDC_MENU_NEXT_HEADING, 213, "Next :"},
    {IDC_MENU_RESET, 214, "Reset"},
};

constexpr LabelRow kLookupPageRows[] = {
    {IDC_LOOKUPS_NAME_LABEL, 252, "Name :"},
    {IDC_LOOKUPS_MEMBER_LENGTH_LABEL, 253, "Member length :"},
    {IDC_LOOKUPS_FIELD_COUNT_LABEL, 254, "Number of fields :"},
    {IDC_LOOKUPS_FORMAT_GROUP, 255, "Field property"},
    {IDC_LOOKUPS_FIXED, 256, "Fixed length "},
    {IDC_LOOKUPS_DELIMITED, 257, "Delimiter "},
    {IDC_LOOKUPS_NOTE, 269,
     "For the exchange through Zentakel.dll only delimiters are to be used!!!"},
    {IDC_LOOKUPS_READ_ONCE, 267, "Only read data once"},
    {IDC_LOOKUPS_UPLOAD, 258, "Lookup data can be uploaded"},
    {IDC_LOOKUPS_NEGATIVE, 268, "Permit negative remains"},
    {IDC_LOOKUPS_DELETE_EMPTY, 1795, "Delete if null value"},
    {IDC_LOOKUPS_BAD_FORMAT_LABEL, 259, "Action when the format of record is wrong :"},
    {IDC_LOOKUPS_NO_MATCH_LABEL, 260, "Action when the input data has no match :"},
    {IDC_LOOKUPS_FIELD_HEADING, 261, "Field"},
    {IDC_LOOKUPS_OFFSET_HEADING, 262, "Offset"},
    {IDC_LOOKUPS_LENGTH_HEADING, kLabelFixedLengthColumn, "   Length"},
    {0, kLabelDelimitedColumn, "Max Length"},
    {IDC_LOOKUPS_KEY_HEADING, 265, "Key field"},
    {IDC_LOOKUPS_RESET, 266, "Reset"},
};

constexpr LabelRow kSettingsPageRows[] = {
    {IDC_SETTINGS_GROUP, 602, "System initial settings"},
    {IDC_SETTINGS_UPLOAD_LABEL, 603, "1.  Upload Port"},
    {IDC_SETTINGS_DOWNLOAD_LABEL, 605, "2.  Download Port"},
    {IDC_SETTINGS_MODEM_SPEED_LABEL, 632, "3.  Modem Speed", true},
    {IDC_SETTINGS_BAUD_RATE_LABEL, 606, "4.  Baud Rate"},
    {IDC_SETTINGS_BACKLIGHT_LABEL, 607, "5.  Backlight"},
    {IDC_SETTINGS_TIMEOUT_LABEL, 608, "Turn backlight off if idle for"},
    {IDC_SETTINGS_TIMEOUT_UNIT, 609, "(1 ~ 9) x 10 sec"},
    {IDC_SETTINGS_DELETION_LABEL, 610, "6.  Data Deletion"},
    {IDC_SETTINGS_PROMPT_LABEL, 611, "7.  Entry Options"},
    {IDC_SETTINGS_STAY, 612, "Stay on the LCD"},
    {IDC_SETTINGS_PRESS_KEY, 613, "Press any key to continue"},
    {IDC_SETTINGS_DURATION_UNIT, 614, "(1 ~ 99) x 100 ms"},
    {IDC_SETTINGS_KEY_CLICK_LABEL, 633, "8.  Key Click", true},
    {IDC_SETTINGS_GOOD_READ_LABEL, 634, "9.  Barcode Good Read", true},
    {IDC_SETTINGS_WARNING_LABEL, 635, "10. Warning Beep", true},
    {IDC_SETTINGS_SECURITY, 636, "Security ...", true},
    {IDC_SETTINGS_COUPLER, 629, "Acoustic Coupler ..."},
    {IDC_SETTINGS_FUNCTION_KEYS, 631, "Function Key ..."},
    {IDC_SETTINGS_RESET, 630, "Reset"},
};

constexpr LabelRow kSecurityRows[] = {
    {IDC_SECURITY_GROUP, 615, "Security Checking"},
    {IDC_SECURITY_PASSWORD_LABEL, 616, "Password (10 digits) :"},
    {IDC_SECURITY_FLAG + 1, 617, "Settings"},
    {IDC_SECURITY_FLAG + 2, 618, "Edit Data"},
    {IDC_SECURITY_FLAG + 3, 619, "Delete Data"},
    {IDC_SECURITY_FLAG + 4, 620, "Set Date/Time"},
    {IDC_SECURITY_FLAG + 5, 621, "Load Application"},
    {IDC_SECURITY_FLAG + 6, 622, "Load Lookup File"},
    {IDC_SECURITY_FLAG + 7, 623, "Upload Port"},
    {IDC_SECURITY_FLAG + 8, 624, "Download Port"},
    {IDC_SECURITY_FLAG + 9, 625, "Baud Rate"},
    {IDC_SECURITY_FLAG + 10, 626, "Backlight"},
    {IDC_SECURITY_FLAG + 11, 627, "Data Deletion"},
    {IDC_SECURITY_FLAG + 12, 628, "Entry Options"},
    {IDC_SECURITY_FLAG + 13, 638, "Key Click", true},
    {IDC_SECURITY_FLAG + 14, 639, "Barcode Good Read", true},
    {IDC_SECURITY_FLAG + 15, 640, "Warning Beep", true},
};

constexpr LabelRow kFunctionKeyRows[] = {
    {IDC_FNKEY_ENABLE, 682, "Enable Function Key Mappings"},
    {IDC_FNKEY_LABEL + 1, 683, "Function 1 (FN+1)  :"},
    {IDC_FNKEY_LABEL + 2, 684, "Function 2 (FN+2)  :"},
    {IDC_FNKEY_LABEL + 3, 685, "Function 3 (FN+3)  :"},
    {IDC_FNKEY_LABEL + 4, 686, "Function 4 (FN+4)  :"},
    {IDC_FNKEY_LABEL + 5, 687, "Function 5 (FN+5)  :"},
    {IDC_FNKEY_LABEL + 6, 688, "Function 6 (FN+6)  :"},
    {IDC_FNKEY_LABEL + 7, 689, "Function 7 (FN+7)  :"},
};

constexpr LabelRow kAcousticCouplerRows[] = {
    {IDC_AC_DATA_BITS_LABEL, 642, "1.  Data Bits"},
    {IDC_AC_STOP_BITS_LABEL, 643, "2.  Stop Bits"},
    {IDC_AC_PARITY_LABEL, 644, "3.  Parity"},
    {IDC_AC_VOLUME_LABEL, 657, "4.  Volume Level"},
    {IDC_AC_TONE_LABEL, 645, "5.  Starting Tone Length"},
    {IDC_AC_TONE_UNIT, 646, "(1 ~ 5) sec"},
    {IDC_AC_CONTROL_CHARS, 647, "Transmit Control Character"},
    {IDC_AC_START_LABEL, 648, "Start of Text"},
    {IDC_AC_END_LABEL, 649, "End of Text"},
    {IDC_AC_BLOCK_GROUP, 650, "Block Setting"},
    {IDC_AC_BLOCK, 651, "Block Transmission"},
    {IDC_AC_BLOCK_SIZE_LABEL, 652, "Block Size"},
    {IDC_AC_BLOCK_DELAY_LABEL, 653, "Block Delay"},
    {IDC_AC_PADDING_LABEL, 654, "Padding Character"},
    {IDC_AC_BLOCK_END_LABEL, 655, "End of Transmission Block"},
    {IDC_AC_BLOCK_CHECK, 656, "Transmit Block Check Character"},
};

constexpr LabelRow kStartupPageRows[] = {
    {IDC_STARTUP_TARGET_LABEL, 702, "Program start from :"},
    {IDC_STARTUP_DELIMITER_GROUP, 703, "Data Field Delimiter"},
    {IDC_STARTUP_COUNT_LABEL, 704, "Number of Delimiter :"},
    {IDC_STARTUP_ASCII_LABEL, 705, "ASCII :"},
    {IDC_STARTUP_TEXT_LABEL, 706, "Text :"},
    {IDC_STARTUP_LARGE_FONT, 707, "Use large font for all prompts"},
    {IDC_STARTUP_IMPORT, 709, "Import Prompts and Messages ..."},
    {IDC_STARTUP_RESET, 708, "Reset"},
    {IDC_STARTUP_GROUP_LABEL, 710, "Redefine Prompts and Messages :"},
};

}  // namespace

const LabelTable kMenuPageLabels = {201, "Menu", kMenuPageRows};
const LabelTable kLookupPageLabels = {251, "Lookup", kLookupPageRows};
const LabelTable kSettingsPageLabels = {601, "Settings", kSettingsPageRows};
const LabelTable kSecurityLabels = {636, "Security Settings", kSecurityRows, true};
const LabelTable kFunctionKeyLabels = {681, "Function Key Mapping", kFunctionKeyRows};
const LabelTable kAcousticCouplerLabels = {641, "Acoustic Coupler Settings", kAcousticCouplerRows};
const LabelTable kStartupPageLabels = {701, "Startup", kStartupPageRows};

}  // namespace q700::editor
