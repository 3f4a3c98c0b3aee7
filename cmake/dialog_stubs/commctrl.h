// Stands in for the system header while cmake/DialogTexts.cmake reads the dialog templates: the
// templates take only style names from it, which the reading ignores.
