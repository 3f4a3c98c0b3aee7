// The 20,000-byte image of a design that the terminal receives, and the preparation of the menu
// and form records that comes before it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/design.h"

namespace q700 {

inline constexpr size_t kImageSize = 20000;
using DownloadImage = std::array<uint8_t, kImageSize>;

// Image offsets: every block up to the weight-code block lies 12 bytes before its place in the
// project file, since the image has neither the version tag nor the reserved word.
inline constexpr size_t kImageShift = kFileBarcodeOffset;
inline constexpr size_t kImageBarcodeOffset = 0;
inline constexpr size_t kImageMenuTableOffset = kFileMenuTableOffset - kImageShift;
inline constexpr size_t kImageFormTableOffset = kFileFormTableOffset - kImageShift;
inline constexpr size_t kImageLookupTableOffset = kFileLookupTableOffset - kImageShift;
inline constexpr size_t kImageTextOffset = kFileTextOffset - kImageShift;
inline constexpr size_t kImageSettingsOffset = kFileSettingsOffset - kImageShift;
inline constexpr size_t kImageWeightOffset = kFileWeightOffset - kImageShift;
inline constexpr size_t kImageUsedSize = kImageWeightOffset + kWeightBlockSize;
static_assert(kImageTextOffset == 16039);
static_assert(kImageSettingsOffset == 18562);
static_assert(kImageUsedSize == 18842);

// Normalises the design in place for the terminal: form lines tidied (lengths capped, unused
// lines without prompt and lookup column), menu texts padded with blanks to the line width,
// item counts and form line counts recomputed. The design's modified state is not the business
// of this function: the caller leaves it alone.
void PrepareDownload(Design& design);

// Lays the design into the image: the records as they are, the terminal texts filled with blanks
// to their slots, and the settings converted to the values the terminal expects (the design's own
// settings are not changed).
DownloadImage BuildImage(Design& design);

}  // namespace q700
