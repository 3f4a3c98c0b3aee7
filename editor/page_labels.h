// Language ids of the labels of the Menu, Lookup, Settings and Startup pages and of the Settings
// page's detail dialogs. The ids lie in the blocks of their dialogs: 201-214 for the Menu page,
// 251-269 (and 1795) for the Lookup page, 601-640 for the Settings page and its Security dialog,
// 641-657 for the acoustic coupler, 681-689 for the function keys and 701-710 for the Startup page.
#pragma once

#include <array>

#include "texts/label_table.h"

namespace q700::editor {

// The length column of the Lookup page, which the page sets itself for the lookup shown.
inline constexpr int kLabelFixedLengthColumn = 263;  // "   Length"
inline constexpr int kLabelDelimitedColumn = 264;    // "Max Length"

extern const LabelTable kMenuPageLabels;         // MENUDLG, title id 201
extern const LabelTable kLookupPageLabels;       // LOOKUPDLG, title id 251
extern const LabelTable kSettingsPageLabels;     // SETTINGSDLG, title id 601
extern const LabelTable kSecurityLabels;         // SECURITYDLG, titled by the text of 636
extern const LabelTable kFunctionKeyLabels;      // FUNCTIONKEYDLG, title id 681
extern const LabelTable kAcousticCouplerLabels;  // ACSETTINGSDLG, title id 641
extern const LabelTable kStartupPageLabels;      // STARTUPDLG, title id 701

// Every table above.
inline constexpr std::array<const LabelTable*, 7> kPageLabelTables = {
    &kMenuPageLabels,    &kLookupPageLabels,      &kSettingsPageLabels, &kSecurityLabels,
    &kFunctionKeyLabels, &kAcousticCouplerLabels, &kStartupPageLabels};

}  // namespace q700::editor
