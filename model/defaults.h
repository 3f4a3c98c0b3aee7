// The contents of a new design.
#pragma once

#include "model/design.h"

namespace q700 {

class DefaultTerminalTexts;

// First string id of the small-font default texts of each text set (6 to 32), 0 for none. The
// texts of a set are consecutive ids, except that the main-menu set has three texts and a line
// of 12 blanks.
int DefaultTextIdOfSet(int set);

// Resets the design to a new project: barcode defaults (keeping the bits that no default sets),
// menu, form and lookup records, settings bytes 0 to 149, weight code, and the terminal texts
// from the default terminal texts of the current language. The reserved word, the reserved
// area and the other bytes no default sets keep what they held.
void ResetDesign(Design& design, const DefaultTerminalTexts& texts);

}  // namespace q700
