// Label tables of the Menu, Lookup, Settings and Startup pages and the Settings detail dialogs.
#include "editor/page_labels.h"

#include "resources/dialogs/pages_ids.h"
#include "resources/dialogs/settings_ids.h"

namespace q700::editor {
namespace {

constexpr LabelRow kMenuPageRows[] = {
    {IDC_MENU_NAME_LABEL, 202},   {IDC_MENU_FONT_LABEL, 203},   {IDC_MENU_ESCAPE_LABEL, 204},
    {IDC_MENU_CAPTION_FLAG, 205}, {IDC_MENU_DATA_GROUP, 206},   {IDC_MENU_SAVE_CAPTION, 207},
    {IDC_MENU_SAVE_ITEM, 208},    {IDC_MENU_PASS_DOWN, 209},    {IDC_MENU_SEPARATE_FILES, 210},
    {IDC_MENU_ITEM_HEADING, 211}, {IDC_MENU_TEXT_HEADING, 212}, {IDC_MENU_NEXT_HEADING, 213},
    {IDC_MENU_RESET, 214},
};

constexpr LabelRow kLookupPageRows[] = {
    {IDC_LOOKUPS_NAME_LABEL, 252},
    {IDC_LOOKUPS_MEMBER_LENGTH_LABEL, 253},
    {IDC_LOOKUPS_FIELD_COUNT_LABEL, 254},
    {IDC_LOOKUPS_FORMAT_GROUP, 255},
    {IDC_LOOKUPS_FIXED, 256},
    {IDC_LOOKUPS_DELIMITED, 257},
    {IDC_LOOKUPS_NOTE, 269},
    {IDC_LOOKUPS_READ_ONCE, 267},
    {IDC_LOOKUPS_UPLOAD, 258},
    {IDC_LOOKUPS_NEGATIVE, 268},
    {IDC_LOOKUPS_DELETE_EMPTY, 1795},
    {IDC_LOOKUPS_BAD_FORMAT_LABEL, 259},
    {IDC_LOOKUPS_NO_MATCH_LABEL, 260},
    {IDC_LOOKUPS_FIELD_HEADING, 261},
    {IDC_LOOKUPS_OFFSET_HEADING, 262},
    {IDC_LOOKUPS_KEY_HEADING, 265},
    {IDC_LOOKUPS_RESET, 266},
};

// The page sets the length column's heading itself, for the format of the lookup shown.
constexpr ComposedText kLookupPageComposed[] = {
    {kLabelFixedLengthColumn, "   Length"},
    {kLabelDelimitedColumn, "Max Length"},
};

constexpr LabelRow kSettingsPageRows[] = {
    {IDC_SETTINGS_GROUP, 602},
    {IDC_SETTINGS_UPLOAD_LABEL, 603},
    {IDC_SETTINGS_DOWNLOAD_LABEL, 605},
    {IDC_SETTINGS_MODEM_SPEED_LABEL, 632, LabelSource::kStringTable},
    {IDC_SETTINGS_BAUD_RATE_LABEL, 606},
    {IDC_SETTINGS_BACKLIGHT_LABEL, 607},
    {IDC_SETTINGS_TIMEOUT_LABEL, 608},
    {IDC_SETTINGS_TIMEOUT_UNIT, 609},
    {IDC_SETTINGS_DELETION_LABEL, 610},
    {IDC_SETTINGS_PROMPT_LABEL, 611},
    {IDC_SETTINGS_STAY, 612},
    {IDC_SETTINGS_PRESS_KEY, 613},
    {IDC_SETTINGS_DURATION_UNIT, 614},
    {IDC_SETTINGS_KEY_CLICK_LABEL, 633, LabelSource::kStringTable},
    {IDC_SETTINGS_GOOD_READ_LABEL, 634, LabelSource::kStringTable},
    {IDC_SETTINGS_WARNING_LABEL, 635, LabelSource::kStringTable},
    {IDC_SETTINGS_SECURITY, 636, LabelSource::kStringTable},
    {IDC_SETTINGS_COUPLER, 629},
    {IDC_SETTINGS_FUNCTION_KEYS, 631},
    {IDC_SETTINGS_RESET, 630},
};

constexpr LabelRow kSecurityRows[] = {
    {IDC_SECURITY_GROUP, 615},
    {IDC_SECURITY_PASSWORD_LABEL, 616},
    {IDC_SECURITY_FLAG + 1, 617},
    {IDC_SECURITY_FLAG + 2, 618},
    {IDC_SECURITY_FLAG + 3, 619},
    {IDC_SECURITY_FLAG + 4, 620},
    {IDC_SECURITY_FLAG + 5, 621},
    {IDC_SECURITY_FLAG + 6, 622},
    {IDC_SECURITY_FLAG + 7, 623},
    {IDC_SECURITY_FLAG + 8, 624},
    {IDC_SECURITY_FLAG + 9, 625},
    {IDC_SECURITY_FLAG + 10, 626},
    {IDC_SECURITY_FLAG + 11, 627},
    {IDC_SECURITY_FLAG + 12, 628},
    {IDC_SECURITY_FLAG + 13, 638, LabelSource::kStringTable},
    {IDC_SECURITY_FLAG + 14, 639, LabelSource::kStringTable},
    {IDC_SECURITY_FLAG + 15, 640, LabelSource::kStringTable},
};

constexpr LabelRow kFunctionKeyRows[] = {
    {IDC_FNKEY_ENABLE, 682},    {IDC_FNKEY_LABEL + 1, 683}, {IDC_FNKEY_LABEL + 2, 684},
    {IDC_FNKEY_LABEL + 3, 685}, {IDC_FNKEY_LABEL + 4, 686}, {IDC_FNKEY_LABEL + 5, 687},
    {IDC_FNKEY_LABEL + 6, 688}, {IDC_FNKEY_LABEL + 7, 689},
};

constexpr LabelRow kAcousticCouplerRows[] = {
    {IDC_AC_DATA_BITS_LABEL, 642},   {IDC_AC_STOP_BITS_LABEL, 643}, {IDC_AC_PARITY_LABEL, 644},
    {IDC_AC_VOLUME_LABEL, 657},      {IDC_AC_TONE_LABEL, 645},      {IDC_AC_TONE_UNIT, 646},
    {IDC_AC_CONTROL_CHARS, 647},     {IDC_AC_START_LABEL, 648},     {IDC_AC_END_LABEL, 649},
    {IDC_AC_BLOCK_GROUP, 650},       {IDC_AC_BLOCK, 651},           {IDC_AC_BLOCK_SIZE_LABEL, 652},
    {IDC_AC_BLOCK_DELAY_LABEL, 653}, {IDC_AC_PADDING_LABEL, 654},   {IDC_AC_BLOCK_END_LABEL, 655},
    {IDC_AC_BLOCK_CHECK, 656},
};

constexpr LabelRow kStartupPageRows[] = {
    {IDC_STARTUP_TARGET_LABEL, 702}, {IDC_STARTUP_DELIMITER_GROUP, 703},
    {IDC_STARTUP_COUNT_LABEL, 704},  {IDC_STARTUP_ASCII_LABEL, 705},
    {IDC_STARTUP_TEXT_LABEL, 706},   {IDC_STARTUP_LARGE_FONT, 707},
    {IDC_STARTUP_IMPORT, 709},       {IDC_STARTUP_RESET, 708},
    {IDC_STARTUP_GROUP_LABEL, 710},
};

}  // namespace

const LabelTable kMenuPageLabels = {"MENUDLG", 201, kMenuPageRows};
const LabelTable kLookupPageLabels = {"LOOKUPDLG", 251, kLookupPageRows, kLookupPageComposed};
const LabelTable kSettingsPageLabels = {"SETTINGSDLG", 601, kSettingsPageRows};
const LabelTable kSecurityLabels = {
    "SECURITYDLG", 636, kSecurityRows, {}, LabelSource::kStringTable};
const LabelTable kFunctionKeyLabels = {"FUNCTIONKEYDLG", 681, kFunctionKeyRows};
const LabelTable kAcousticCouplerLabels = {"ACSETTINGSDLG", 641, kAcousticCouplerRows};
const LabelTable kStartupPageLabels = {"STARTUPDLG", 701, kStartupPageRows};

}  // namespace q700::editor
