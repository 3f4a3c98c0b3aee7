// Label tables of the Form page, its detail dialogs and the grid pickers.
#include "editor/form_labels.h"

#include "resources/dialogs/form_ids.h"

namespace q700::editor {
namespace {

constexpr int kMoreLabel = 69;

constexpr LabelRow kFormPageRows[] = {
    {IDC_FORM_NAME_LABEL, 52, "Name :"},
    {IDC_FORM_FONT_LABEL, 53, "Font :"},
    {IDC_FORM_ESCAPE_LABEL, 54, "Esc  :"},
    {IDC_FORM_NEXT_LABEL, 55, "Next :"},
    {IDC_FORM_LOOKUP_LABEL, 56, "Lookup :"},
    {IDC_FORM_RECORD_LABEL, 57, "Record :"},
    {IDC_FORM_ERROR_LABEL, 58, "if an error occured :"},
    {IDC_FORM_TIME_STAMP, 59, "Time Stamp"},
    {IDC_FORM_BRANCH, 60, "Branch"},
    {IDC_FORM_HEADING + 1, 61, "Line"},
    {IDC_FORM_HEADING + 2, 62, "Data type"},
    {IDC_FORM_HEADING + 3, 63, "Prompt"},
    {IDC_FORM_HEADING + 4, 64, "Input source"},
    {IDC_FORM_HEADING + 5, 65, "Min length"},
    {IDC_FORM_HEADING + 6, 66, "Max length"},
    {IDC_FORM_HEADING + 7, 67, "Lookup"},
    {IDC_FORM_HEADING + 8, 68, "Properties"},
    {IDC_LINE_MORE + 1, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 2, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 3, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 4, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 5, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 6, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 7, kMoreLabel, "more..."},
    {IDC_LINE_MORE + 8, kMoreLabel, "more..."},
};

constexpr LabelRow kFieldPropertiesRows[] = {
    {0, kLabelFormNumber, "Form #"},
    {0, kLabelLineNumber, "Line #"},
    {IDC_FIELD_FIXED_LENGTH, 74, "Fixed data length"},
    {IDC_FIELD_INITIAL, 75, "Initial value or text"},
    {IDC_FIELD_PREFIX, 76, "Add prefix code"},
    {IDC_FIELD_SUFFIX, 77, "Add suffix code"},
    {IDC_FIELD_INPUT_MARK, 78, "Show input mark"},
    {IDC_FIELD_DECIMALS_LABEL, 79, "Decimal places :"},
    {IDC_FIELD_PARTIAL, 80, "Read partial barcode"},
    {IDC_FIELD_BARCODE_PART, 81, "Barcode part"},
    {IDC_FIELD_GS1_PART, 82, "GS1 part"},
    {IDC_FIELD_CUT_GS1, 83, "Cut GS1 Code"},
    {IDC_FIELD_START_LABEL, 84, "Start position :"},
    {IDC_FIELD_PARTIAL_LENGTH_LABEL, 85, "Maximum length :"},
    {IDC_FIELD_SAVE_FULL, 86, "Save full barcode in Data File"},
    {IDC_FIELD_GS1_CODE_LABEL, 87, "GS1 Code: "},
    {IDC_FIELD_LEADING, 88, "Check leading code"},
    {IDC_FIELD_CHECK_DIGIT, 89, "Check digit verification"},
    {IDC_FIELD_AUTO_ENTER_LABEL, 90, "Auto ENTER :"},
    {IDC_FIELD_DATA_GROUP, 91, "Data"},
    {IDC_FIELD_BARCODE_GROUP, 92, "Barcode"},
};

constexpr LabelRow kLookupPropertiesRows[] = {
    {IDC_LOOKUP_SAVE, 102, "Save field data"},
    {IDC_LOOKUP_FIXED_LENGTH, 103, "Fixed data length"},
    {IDC_LOOKUP_PREFIX, 104, "Add prefix code"},
    {IDC_LOOKUP_SUFFIX, 105, "Add suffix code"},
};

constexpr LabelRow kStampRows[] = {
    {IDC_STAMP_POSITION_LABEL, 112, "Date && Time Stamp :"},
    {IDC_STAMP_SPLIT, 113, "Separate DATE stamp and TIME stamp to two fields."},
    {IDC_STAMP_YEAR, 114, "Year"},
    {IDC_STAMP_MONTH, 115, "Month"},
    {IDC_STAMP_DAY, 116, "Day"},
    {IDC_STAMP_DATE_SEPARATOR, 117, "Separator"},
    {IDC_STAMP_DATE_STYLE_LABEL, 118, "Date Style :"},
    {IDC_STAMP_HOUR, 119, "Hour"},
    {IDC_STAMP_MINUTE, 120, "Minute"},
    {IDC_STAMP_SECOND, 121, "Second"},
    {IDC_STAMP_TIME_SEPARATOR, 122, "Separator"},
    {0, kLabelDateFormat, "Date Format : "},
    {0, kLabelTimeFormat, "Time Format : "},
};

constexpr LabelRow kBranchRows[] = {
    {IDC_BRANCH_KEY_HEADING, 142, "Function key :"},
    {IDC_BRANCH_TARGET_HEADING, 143, "Branch to :"},
    {IDC_BRANCH_MORE + 0, 144, "More..."},
    {IDC_BRANCH_MORE + 1, 144, "More..."},
    {IDC_BRANCH_MORE + 2, 144, "More..."},
    {IDC_BRANCH_MORE + 3, 144, "More..."},
};

constexpr LabelRow kSummationRows[] = {
    {IDC_SUM_SOURCE_LABEL, 152, "Source:"},
    {IDC_SUM_FIELD_LABEL, 153, "Summation by field:"},
    {IDC_SUM_MULTIPLY, 154, "And multiply by field:"},
};

constexpr LabelRow kRemainsRows[] = {
    {IDC_REMAINS_ENABLE, 162, "Enable"},
    {IDC_REMAINS_FILTER_FOR_LABEL, 163, "Filter for:"},
    {IDC_REMAINS_FIELD_LABEL, 164, "Field DB:"},
    {IDC_REMAINS_SUFFIX, 165, "Filter is suffix:"},
};

constexpr LabelRow kKeySequencePickerRows[] = {
    {IDC_GRID_RESULT_LABEL, 132, "Resulting text :"},
    {IDC_GRID_CLEAR, 133, "Clear"},
};

}  // namespace

const LabelTable kFormPageLabels = {51, "Form", kFormPageRows};
const LabelTable kFieldPropertiesLabels = {71, "Properties", kFieldPropertiesRows};
const LabelTable kLookupPropertiesLabels = {101, "Properties", kLookupPropertiesRows};
const LabelTable kStampLabels = {111, "Date & Time Stamp settings", kStampRows};
const LabelTable kBranchLabels = {141, "Branch", kBranchRows};
const LabelTable kSummationLabels = {151, "Properties summation", kSummationRows};
const LabelTable kRemainsLabels = {161, "Properties filter remains", kRemainsRows};
const LabelTable kKeySequencePickerLabels = {131, "The Grid Control", kKeySequencePickerRows};
const LabelTable kCharacterPickerLabels = {671, "The Grid Control", {}};

}  // namespace q700::editor
