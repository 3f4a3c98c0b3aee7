// The language-file entries of the exchanges with the terminal (their string-table texts are
// named in texts/text_ids.h).
#pragma once

#include "texts/text_ids.h"

namespace q700 {

// Language-file entries of the receive exchange: the two halves of the closing question around
// the count, and the count display's label.
inline constexpr int kLanguageDoneBefore = 4;
inline constexpr int kLanguageDoneAfter = 5;
inline constexpr int kLanguageDataReceived = 6;
// Language-file entries of the download progress window: its title and its label.
inline constexpr int kLanguageProgressTitle = 7;
inline constexpr int kLanguageProgressLabel = 8;

}  // namespace q700
