// Control ids of the Form page, the form detail dialogs and the two grid pickers, shared by the
// dialog templates and the code that drives them. Ids a control of the line grid carries end in
// the line number (1 to 8).
#pragma once

// FORMDLG: header lists, buttons and the first id of each column of the line grid.
#define IDC_FORM_NAME 451
#define IDC_FORM_FONT 452
#define IDC_FORM_ESCAPE 453
#define IDC_FORM_NEXT 454
#define IDC_FORM_LOOKUP 455
#define IDC_FORM_RECORD 456
#define IDC_FORM_ERROR 457
#define IDC_FORM_TIME_STAMP 210
#define IDC_FORM_BRANCH 211
#define IDC_LINE_TYPE 400
#define IDC_LINE_PROMPT 300
#define IDC_LINE_SOURCE 410
#define IDC_LINE_MIN 310
#define IDC_LINE_MAX 320
#define IDC_LINE_LOOKUP 420
#define IDC_LINE_MORE 200
// Labels of the page (relabelled from the language).
#define IDC_FORM_NAME_LABEL 501
#define IDC_FORM_FONT_LABEL 502
#define IDC_FORM_ESCAPE_LABEL 503
#define IDC_FORM_NEXT_LABEL 504
#define IDC_FORM_LOOKUP_LABEL 505
#define IDC_FORM_RECORD_LABEL 506
#define IDC_FORM_ERROR_LABEL 507
#define IDC_FORM_HEADING 510 /* + column 1 to 8 */
#define IDC_FORM_ROW 520     /* + line 1 to 8 */

// AdvanceDlg: field properties of an ordinary line.
#define IDC_FIELD_FORM_NUMBER 501
#define IDC_FIELD_LINE_NUMBER 502
#define IDC_FIELD_FIXED_LENGTH 101
#define IDC_FIELD_INITIAL 102
#define IDC_FIELD_PREFIX 103
#define IDC_FIELD_SUFFIX 104
#define IDC_FIELD_INPUT_MARK 105
#define IDC_FIELD_PARTIAL 106
#define IDC_FIELD_LEADING 107
#define IDC_FIELD_CHECK_DIGIT 108
#define IDC_FIELD_FIXED_LENGTH_EDIT 301
#define IDC_FIELD_INITIAL_EDIT 302
#define IDC_FIELD_PREFIX_BOX 303
#define IDC_FIELD_SUFFIX_BOX 304
#define IDC_FIELD_INPUT_MARK_EDIT 305
#define IDC_FIELD_START 306
#define IDC_FIELD_PARTIAL_LENGTH 307
#define IDC_FIELD_LEADING_EDIT 308
#define IDC_FIELD_ALIGNMENT 401
#define IDC_FIELD_CHECK_DIGIT_LIST 402
#define IDC_FIELD_AUTO_ENTER 403
#define IDC_FIELD_DECIMALS 404
#define IDC_FIELD_SAVE_FULL 1011
#define IDC_FIELD_GS1_CODE 1013
#define IDC_FIELD_BARCODE_PART 1053
#define IDC_FIELD_GS1_PART 1054
#define IDC_FIELD_CUT_GS1 1055
#define IDC_FIELD_DECIMALS_LABEL 901
#define IDC_FIELD_START_LABEL 902
#define IDC_FIELD_PARTIAL_LENGTH_LABEL 903
#define IDC_FIELD_GS1_CODE_LABEL 904
#define IDC_FIELD_AUTO_ENTER_LABEL 905
#define IDC_FIELD_DATA_GROUP 911
#define IDC_FIELD_BARCODE_GROUP 912

// LookupAdvanceDlg: properties of a lookup line.
#define IDC_LOOKUP_SAVE 101
#define IDC_LOOKUP_FIXED_LENGTH 102
#define IDC_LOOKUP_PREFIX 103
#define IDC_LOOKUP_SUFFIX 104
#define IDC_LOOKUP_FIXED_LENGTH_EDIT 301
#define IDC_LOOKUP_PREFIX_BOX 302
#define IDC_LOOKUP_SUFFIX_BOX 303
#define IDC_LOOKUP_ALIGNMENT 401

// DateTimeStampDlg.
#define IDC_STAMP_POSITION 401
#define IDC_STAMP_SPLIT 101
#define IDC_STAMP_YEAR 102
#define IDC_STAMP_YEAR_DIGITS 402
#define IDC_STAMP_MONTH 103
#define IDC_STAMP_DAY 104
#define IDC_STAMP_DATE_SEPARATOR 105
#define IDC_STAMP_DATE_SEPARATOR_EDIT 301
#define IDC_STAMP_DATE_STYLE 403
#define IDC_STAMP_HOUR 106
#define IDC_STAMP_MINUTE 107
#define IDC_STAMP_SECOND 108
#define IDC_STAMP_TIME_SEPARATOR 109
#define IDC_STAMP_TIME_SEPARATOR_EDIT 302
#define IDC_STAMP_POSITION_LABEL 901
#define IDC_STAMP_DATE_STYLE_LABEL 902
#define IDC_STAMP_DATE_GROUP 911
#define IDC_STAMP_TIME_GROUP 912

// FormBranchDlg: a list and a "More..." button per function key.
#define IDC_BRANCH_TARGET 401 /* + key 0 to 3 */
#define IDC_BRANCH_MORE 3     /* + key 0 to 3 */
#define IDC_BRANCH_KEY_HEADING 901
#define IDC_BRANCH_TARGET_HEADING 902
#define IDC_BRANCH_KEY_LABEL 911 /* + key 0 to 3 */

// FormSummation and FormRemains.
#define IDC_SUM_SOURCE 1024
#define IDC_SUM_FIELD 1017
#define IDC_SUM_MULTIPLY 1011
#define IDC_SUM_MULTIPLY_FIELD 1018
#define IDC_SUM_SOURCE_LABEL 901
#define IDC_SUM_FIELD_LABEL 902
#define IDC_REMAINS_ENABLE 1029
#define IDC_REMAINS_FILTER_FOR 1024
#define IDC_REMAINS_FIELD 1017
#define IDC_REMAINS_SUFFIX 1011
#define IDC_REMAINS_FILTER_FOR_LABEL 901
#define IDC_REMAINS_FIELD_LABEL 902

// GRIDDLG and ACGRIDDLG: the grid control, and the key sequence picker's result line.
#define IDC_GRID 1000
#define IDC_GRID_RESULT_LABEL 901
#define IDC_GRID_RESULT 502
#define IDC_GRID_CLEAR 201

// The window class of the grid control in both picker templates.
#define Q700_GRID_CLASS "Q700Grid"
