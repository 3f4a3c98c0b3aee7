// Stands in for the system header while cmake/DialogTexts.cmake reads the dialog templates: only
// the ids of the system that the templates use.
#define IDOK 1
#define IDCANCEL 2
#define IDC_STATIC (-1)
