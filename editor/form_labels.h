// Language ids of the labels of the Form page, the form detail dialogs and the two grid pickers;
// their English texts are the templates'. The ids lie in the blocks of their dialogs: 52-69 for
// the Form page, 71-99 for the field properties, 101-109 for the lookup properties, 111-129 for
// the date and time stamp, 131-133 for the key sequence picker, 141-149 for the branches,
// 151-159 for the summation, 161-169 for the remains and 671 for the character picker.
#pragma once

#include <array>

#include "texts/label_table.h"

namespace q700::editor {

// Texts the dialogs compose themselves, followed by a number or a pattern.
inline constexpr int kLabelFormNumber = 72;   // "Form #"
inline constexpr int kLabelLineNumber = 73;   // "Line #"
inline constexpr int kLabelDateFormat = 123;  // "Date Format : "
inline constexpr int kLabelTimeFormat = 124;  // "Time Format : "

extern const LabelTable kFormPageLabels;           // FORMDLG, title id 51
extern const LabelTable kFieldPropertiesLabels;    // AdvanceDlg
extern const LabelTable kLookupPropertiesLabels;   // LookupAdvanceDlg
extern const LabelTable kStampLabels;              // DateTimeStampDlg
extern const LabelTable kBranchLabels;             // FormBranchDlg
extern const LabelTable kSummationLabels;          // FormSummation
extern const LabelTable kRemainsLabels;            // FormRemains
extern const LabelTable kKeySequencePickerLabels;  // GRIDDLG
extern const LabelTable kCharacterPickerLabels;    // ACGRIDDLG

// Every table above.
inline constexpr std::array<const LabelTable*, 9> kFormLabelTables = {
    &kFormPageLabels,         &kFieldPropertiesLabels,
    &kLookupPropertiesLabels, &kStampLabels,
    &kBranchLabels,           &kSummationLabels,
    &kRemainsLabels,          &kKeySequencePickerLabels,
    &kCharacterPickerLabels};

}  // namespace q700::editor
