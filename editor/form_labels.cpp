// Label tables of the Form page, its detail dialogs and the grid pickers.
#include "editor/form_labels.h"

#include "resources/dialogs/form_ids.h"

namespace q700::editor {
namespace {

constexpr int kMoreLabel = 69;

constexpr LabelRow kFormPageRows[] = {
    {IDC_FORM_NAME_LABEL, 52},       {IDC_FORM_FONT_LABEL, 53},
    {IDC_FORM_ESCAPE_LABEL, 54},     {IDC_FORM_NEXT_LABEL, 55},
    {IDC_FORM_LOOKUP_LABEL, 56},     {IDC_FORM_RECORD_LABEL, 57},
    {IDC_FORM_ERROR_LABEL, 58},      {IDC_FORM_TIME_STAMP, 59},
    {IDC_FORM_BRANCH, 60},           {IDC_FORM_HEADING + 1, 61},
    {IDC_FORM_HEADING + 2, 62},      {IDC_FORM_HEADING + 3, 63},
    {IDC_FORM_HEADING + 4, 64},      {IDC_FORM_HEADING + 5, 65},
    {IDC_FORM_HEADING + 6, 66},      {IDC_FORM_HEADING + 7, 67},
    {IDC_FORM_HEADING + 8, 68},      {IDC_LINE_MORE + 1, kMoreLabel},
    {IDC_LINE_MORE + 2, kMoreLabel}, {IDC_LINE_MORE + 3, kMoreLabel},
    {IDC_LINE_MORE + 4, kMoreLabel}, {IDC_LINE_MORE + 5, kMoreLabel},
    {IDC_LINE_MORE + 6, kMoreLabel}, {IDC_LINE_MORE + 7, kMoreLabel},
    {IDC_LINE_MORE + 8, kMoreLabel},
};

constexpr LabelRow kFieldPropertiesRows[] = {
    {IDC_FIELD_FIXED_LENGTH, 74},     {IDC_FIELD_INITIAL, 75},
    {IDC_FIELD_PREFIX, 76},           {IDC_FIELD_SUFFIX, 77},
    {IDC_FIELD_INPUT_MARK, 78},       {IDC_FIELD_DECIMALS_LABEL, 79},
    {IDC_FIELD_PARTIAL, 80},          {IDC_FIELD_BARCODE_PART, 81},
    {IDC_FIELD_GS1_PART, 82},         {IDC_FIELD_CUT_GS1, 83},
    {IDC_FIELD_START_LABEL, 84},      {IDC_FIELD_PARTIAL_LENGTH_LABEL, 85},
    {IDC_FIELD_SAVE_FULL, 86},        {IDC_FIELD_GS1_CODE_LABEL, 87},
    {IDC_FIELD_LEADING, 88},          {IDC_FIELD_CHECK_DIGIT, 89},
    {IDC_FIELD_AUTO_ENTER_LABEL, 90}, {IDC_FIELD_DATA_GROUP, 91},
    {IDC_FIELD_BARCODE_GROUP, 92},
};

constexpr ComposedText kFieldPropertiesComposed[] = {
    {kLabelFormNumber, "Form #"},
    {kLabelLineNumber, "Line #"},
};

constexpr LabelRow kLookupPropertiesRows[] = {
    {IDC_LOOKUP_SAVE, 102},
    {IDC_LOOKUP_FIXED_LENGTH, 103},
    {IDC_LOOKUP_PREFIX, 104},
    {IDC_LOOKUP_SUFFIX, 105},
};

constexpr LabelRow kStampRows[] = {
    {IDC_STAMP_POSITION_LABEL, 112},
    {IDC_STAMP_SPLIT, 113},
    {IDC_STAMP_YEAR, 114},
    {IDC_STAMP_MONTH, 115},
    {IDC_STAMP_DAY, 116},
    {IDC_STAMP_DATE_SEPARATOR, 117},
    {IDC_STAMP_DATE_STYLE_LABEL, 118},
    {IDC_STAMP_HOUR, 119},
    {IDC_STAMP_MINUTE, 120},
    {IDC_STAMP_SECOND, 121},
    {IDC_STAMP_TIME_SEPARATOR, 122},
};

constexpr ComposedText kStampComposed[] = {
    {kLabelDateFormat, "Date Format : "},
    {kLabelTimeFormat, "Time Format : "},
};

constexpr LabelRow kBranchRows[] = {
    {IDC_BRANCH_KEY_HEADING, 142}, {IDC_BRANCH_TARGET_HEADING, 143}, {IDC_BRANCH_MORE + 0, 144},
    {IDC_BRANCH_MORE + 1, 144},    {IDC_BRANCH_MORE + 2, 144},       {IDC_BRANCH_MORE + 3, 144},
};

constexpr LabelRow kSummationRows[] = {
    {IDC_SUM_SOURCE_LABEL, 152},
    {IDC_SUM_FIELD_LABEL, 153},
    {IDC_SUM_MULTIPLY, 154},
};

constexpr LabelRow kRemainsRows[] = {
    {IDC_REMAINS_ENABLE, 162},
    {IDC_REMAINS_FILTER_FOR_LABEL, 163},
    {IDC_REMAINS_FIELD_LABEL, 164},
    {IDC_REMAINS_SUFFIX, 165},
};

constexpr LabelRow kKeySequencePickerRows[] = {
    {IDC_GRID_RESULT_LABEL, 132},
    {IDC_GRID_CLEAR, 133},
};

}  // namespace

const LabelTable kFormPageLabels = {"FORMDLG", 51, kFormPageRows};
const LabelTable kFieldPropertiesLabels = {"AdvanceDlg", 71, kFieldPropertiesRows,
                                           kFieldPropertiesComposed};
const LabelTable kLookupPropertiesLabels = {"LookupAdvanceDlg", 101, kLookupPropertiesRows};
const LabelTable kStampLabels = {"DateTimeStampDlg", 111, kStampRows, kStampComposed};
const LabelTable kBranchLabels = {"FormBranchDlg", 141, kBranchRows};
const LabelTable kSummationLabels = {"FormSummation", 151, kSummationRows};
const LabelTable kRemainsLabels = {"FormRemains", 161, kRemainsRows};
const LabelTable kKeySequencePickerLabels = {"GRIDDLG", 131, kKeySequencePickerRows};
const LabelTable kCharacterPickerLabels = {"ACGRIDDLG", 671, {}};

}  // namespace q700::editor
