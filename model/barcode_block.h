// Barcode settings block (23 bytes of bit fields, the layout the terminal's reader reads) and the
// weight-code block (six little-endian words).
#pragma once

#include <cstdint>

#include "base/bytes.h"

namespace q700 {

// A bit field of the barcode settings block: `width` bits starting at bit `low` of `byte`.
struct BitField {
  uint8_t byte;
  uint8_t low;
  uint8_t width = 1;
};

inline unsigned Get(ConstBytes block, BitField f) { return GetBits(block[f.byte], f.low, f.width); }
inline void Set(Bytes block, BitField f, unsigned value) {
  SetBits(block[f.byte], f.low, f.width, value);
}

namespace barcode {
// Symbology enables.
inline constexpr BitField kCode39{0, 7};
inline constexpr BitField kItalianPharmacode{0, 6};
inline constexpr BitField kFrenchPharmacode{0, 5};
inline constexpr BitField kIndustrial25{0, 4};
inline constexpr BitField kInterleave25{0, 3};
inline constexpr BitField kMatrix25{0, 2};
inline constexpr BitField kCodabar{0, 1};
inline constexpr BitField kCode93{0, 0};
inline constexpr BitField kCode128Family{1, 7};
inline constexpr BitField kUpce{1, 6};
inline constexpr BitField kUpceAddon2{1, 5};
inline constexpr BitField kUpceAddon5{1, 4};
inline constexpr BitField kEan8{1, 3};
inline constexpr BitField kEan8Addon2{1, 2};
inline constexpr BitField kEan8Addon5{1, 1};
inline constexpr BitField kEan13{1, 0};
inline constexpr BitField kEan13Addon2{2, 7};
inline constexpr BitField kEan13Addon5{2, 6};
inline constexpr BitField kMsi{2, 5};
inline constexpr BitField kPlessey{2, 4};
inline constexpr BitField kTelepen{2, 2};
inline constexpr BitField kTelepenOriginal{2, 1};
inline constexpr BitField kRss14Limited{2, 0};
inline constexpr BitField kRss14Expanded{3, 7};
inline constexpr BitField kRss14{3, 6};
inline constexpr BitField kCode128{22, 7};
inline constexpr BitField kEan128{22, 6};
inline constexpr BitField kCoop25{12, 3};
inline constexpr BitField kNegative{11, 4};
// Options.
inline constexpr BitField kRss14CodeId{3, 5};
inline constexpr BitField kRss14ApplicationId{3, 4};
inline constexpr BitField kRss14CheckDigit{3, 3};
inline constexpr BitField kRss14LimitedCodeId{3, 2};
inline constexpr BitField kRss14LimitedApplicationId{3, 1};
inline constexpr BitField kRss14LimitedCheckDigit{3, 0};
inline constexpr BitField kRss14ExpandedCodeId{4, 7};
inline constexpr BitField kUpcE1{4, 6};
inline constexpr BitField kUpcE1TripleCheck{4, 5};
inline constexpr BitField kCode39StartStop{5, 7};
inline constexpr BitField kCode39VerifyChecksum{5, 6};
inline constexpr BitField kCode39TransmitChecksum{5, 5};
inline constexpr BitField kCode39FullAscii{5, 4};
inline constexpr BitField kItalianTransmitChecksum{5, 3};
inline constexpr BitField kFrenchTransmitChecksum{5, 2};
inline constexpr BitField kInterleave25VerifyChecksum{5, 1};
inline constexpr BitField kInterleave25TransmitChecksum{5, 0};
inline constexpr BitField kIndustrial25VerifyChecksum{6, 7};
inline constexpr BitField kIndustrial25TransmitChecksum{6, 6};
inline constexpr BitField kMatrix25VerifyChecksum{6, 5};
inline constexpr BitField kMatrix25TransmitChecksum{6, 4};
inline constexpr BitField kInterleave25StartStop{6, 2, 2};
inline constexpr BitField kIndustrial25StartStop{6, 0, 2};
inline constexpr BitField kMatrix25StartStop{7, 6, 2};
inline constexpr BitField kCodabarStartStop{7, 4, 2};
inline constexpr BitField kCodabarTransmitStartStop{7, 3};
inline constexpr BitField kMsiVerification{9, 6, 2};
inline constexpr BitField kMsiTransmission{9, 4, 2};
inline constexpr BitField kPlesseyTransmitChecksum{9, 3};
inline constexpr BitField kPlesseyUk{9, 2};
inline constexpr BitField kUpceToUpca{9, 1};
inline constexpr BitField kUpcaToEan13{9, 0};
inline constexpr BitField kEan13Isbn{10, 7};
inline constexpr BitField kEan13Issn{10, 6};
inline constexpr BitField kUpceTransmitChecksum{10, 5};
inline constexpr BitField kUpcaTransmitChecksum{10, 4};
inline constexpr BitField kEan8TransmitChecksum{10, 3};
inline constexpr BitField kEan13TransmitChecksum{10, 2};
inline constexpr BitField kUpceSystemNumber{10, 1};
inline constexpr BitField kUpcaSystemNumber{10, 0};
inline constexpr BitField kEan8ToEan13{11, 7};
inline constexpr BitField kReadRedundancy{11, 2, 2};
inline constexpr BitField kIndustrial25LengthMode{12, 6};
inline constexpr BitField kCoop25CheckDigit{12, 5};
inline constexpr BitField kCoop25TransmitDigit{12, 4};
inline constexpr BitField kEan13Gtin{12, 2};
inline constexpr BitField kIndustrial25First{12, 0, 2};
inline constexpr BitField kIndustrial25Second{13, 0, 8};
inline constexpr BitField kInterleave25LengthMode{14, 7};
inline constexpr BitField kInterleave25First{14, 0, 7};
inline constexpr BitField kInterleave25Second{15, 0, 8};
inline constexpr BitField kMatrix25LengthMode{16, 7};
inline constexpr BitField kMatrix25First{16, 0, 7};
inline constexpr BitField kMatrix25Second{17, 0, 8};
inline constexpr BitField kMsiLengthMode{18, 7};
inline constexpr BitField kMsiFirst{18, 0, 7};
inline constexpr BitField kMsiSecond{19, 0, 8};
inline constexpr BitField kScanMode{20, 4, 4};
inline constexpr BitField kTimeout{21, 0, 8};
inline constexpr BitField kEan128CodeIdSuppressed{22, 5};
inline constexpr BitField kCode128Copy{22, 4};
}  // namespace barcode

namespace weight_offset {
inline constexpr size_t kMark = 0;
inline constexpr size_t kFlags = 2;
inline constexpr size_t kPrefix = 4;  // two characters
inline constexpr size_t kMask = 6;
inline constexpr size_t kKeyField = 8;
inline constexpr size_t kQuantityField = 10;
inline constexpr uint16_t kMarkValue = 0xABDA;
inline constexpr uint16_t kEnable = 1;
inline constexpr uint16_t kFormat1C = 2;
}  // namespace weight_offset

}  // namespace q700
