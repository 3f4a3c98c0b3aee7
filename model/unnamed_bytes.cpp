// The bytes of a design that no field's value shows, in runs by record.
#include "model/unnamed_bytes.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace q700 {
namespace {

struct BlockShape {
  DesignBlock block;
  size_t size;
  size_t record_size;  // the block's size for blocks of one record
  const char* stem;    // "menu" gives menu.1, menu.2, ..; a block of one record is named by it
};

constexpr std::array<BlockShape, kDesignBlockCount> kBlocks = {{
    {DesignBlock::kVersionTag, kVersionTagSize, kVersionTagSize, "version_tag"},
    {DesignBlock::kReservedWord, kReservedWordSize, kReservedWordSize, "reserved_word"},
    {DesignBlock::kBarcode, kBarcodeBlockSize, kBarcodeBlockSize, "barcode"},
    {DesignBlock::kMenus, kMenuTableSize, kMenuRecordSize, "menu"},
    {DesignBlock::kForms, kFormTableSize, kFormRecordSize, "form"},
    {DesignBlock::kLookups, kLookupTableSize, kLookupRecordSize, "lookup"},
    {DesignBlock::kTexts, kTextBlockSize, kTextBlockSize, "texts"},
    {DesignBlock::kReservedArea, kReservedAreaSize, kReservedAreaSize, "reserved_area"},
    {DesignBlock::kSettings, kSettingsBlockSize, kSettingsBlockSize, "settings"},
    {DesignBlock::kWeight, kWeightBlockSize, kWeightBlockSize, "weight"},
}};

const BlockShape& ShapeOf(DesignBlock block) { return kBlocks[BlockOrder(block)]; }

bool HasRecords(const BlockShape& shape) { return shape.record_size != shape.size; }

std::string RecordName(const BlockShape& shape, int record) {
  if (!HasRecords(shape)) return shape.stem;
  return std::string(shape.stem) + "." + std::to_string(record + 1);
}

// Per block, the bits that no field's value covers, whatever the design holds.
using Masks = std::array<std::vector<uint8_t>, kDesignBlockCount>;

const Masks& FixedMasks() {
  static const Masks masks = [] {
    Masks m;
    for (const BlockShape& shape : kBlocks) m[BlockOrder(shape.block)].assign(shape.size, 0xFF);
    for (const FieldInfo& f : DesignFields()) {
      std::vector<uint8_t>& mask = m[BlockOrder(f.block)];
      for (size_t i = 0; i < FieldWidth(f); ++i) {
        mask[f.offset + i] &= static_cast<uint8_t>(~FieldBitMask(f, i));
      }
    }
    return m;
  }();
  return masks;
}

// The bytes of a text slot that its value does not give: from where its text ends (at most
// the slot's capacity) to the end of the slot. The NUL is among them, so that a slot without
// one is built back too.
std::pair<size_t, size_t> TextTail(const FieldInfo& f, Design& design) {
  const Bytes slot = DesignBlockBytes(design, f.block).subspan(f.offset, f.size);
  const size_t end = std::min(SlotTextLength(slot), f.size - 1);
  return {f.offset + end, f.offset + f.size};
}

Masks DesignMasks(Design& design) {
  Masks masks = FixedMasks();
  for (const FieldInfo& f : DesignFields()) {
    if (f.kind != FieldKind::kText) continue;
    const auto [first, last] = TextTail(f, design);
    std::vector<uint8_t>& mask = masks[BlockOrder(f.block)];
    std::fill(mask.begin() + static_cast<std::ptrdiff_t>(first),
              mask.begin() + static_cast<std::ptrdiff_t>(last), uint8_t{0xFF});
  }
  return masks;
}

}  // namespace

int BlockOrder(DesignBlock block) { return static_cast<int>(block); }

int RecordOf(DesignBlock block, size_t offset) {
  return static_cast<int>(offset / ShapeOf(block).record_size);
}

std::vector<ByteRun> UnnamedByteRuns(Design& design, Design& base) {
  const Masks masks = DesignMasks(design);
  std::vector<ByteRun> runs;
  for (const BlockShape& shape : kBlocks) {
    const Bytes block = DesignBlockBytes(design, shape.block);
    const Bytes base_block = DesignBlockBytes(base, shape.block);
    const std::vector<uint8_t>& mask = masks[BlockOrder(shape.block)];
    for (size_t record = 0; record * shape.record_size < shape.size; ++record) {
      const size_t begin = record * shape.record_size;
      const size_t end = begin + shape.record_size;
      size_t i = begin;
      while (i < end) {
        if (mask[i] == 0) {
          ++i;
          continue;
        }
        // A stretch of bytes with unnamed bits, cut into runs of at most kByteRunSize.
        size_t stop = i;
        while (stop < end && mask[stop] != 0 && stop - i < kByteRunSize) ++stop;
        ByteRun run;
        run.place = {shape.block, i, end - i};
        run.name =
            RecordName(shape, static_cast<int>(record)) + ".bytes." + std::to_string(i - begin);
        bool any = false;
        for (size_t k = i; k < stop; ++k) {
          run.bytes.push_back(block[k] & mask[k]);
          any = any || run.bytes.back() != 0 || (base_block[k] & mask[k]) != 0;
        }
        if (any) runs.push_back(std::move(run));
        i = stop;
      }
    }
  }
  return runs;
}

std::optional<BytePlace> FindBytePlace(std::string_view name) {
  constexpr std::string_view kBytes = ".bytes.";
  const size_t at = name.rfind(kBytes);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view record = name.substr(0, at);
  const std::string_view number = name.substr(at + kBytes.size());
  size_t offset = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), offset);
  if (error != std::errc() || end != number.data() + number.size() || number.empty()) {
    return std::nullopt;
  }
  for (const BlockShape& shape : kBlocks) {
    for (size_t r = 0; r * shape.record_size < shape.size; ++r) {
      if (RecordName(shape, static_cast<int>(r)) != record) continue;
      if (offset >= shape.record_size) return std::nullopt;
      return BytePlace{shape.block, r * shape.record_size + offset, shape.record_size - offset};
    }
  }
  return std::nullopt;
}

void PutUnnamedBytes(Design& design, const std::vector<PlacedBytes>& runs) {
  const Masks masks = DesignMasks(design);
  for (const auto& [place, bytes] : runs) {
    const std::vector<uint8_t>& mask = masks[BlockOrder(place.block)];
    const Bytes block = DesignBlockBytes(design, place.block);
    for (size_t k = 0; k < bytes.size() && k < place.room; ++k) {
      const size_t i = place.offset + k;
      block[i] = static_cast<uint8_t>((block[i] & ~mask[i]) | (bytes[k] & mask[i]));
    }
  }
}

void ClearTextTail(const FieldInfo& field, Design& design) {
  if (field.kind != FieldKind::kText) return;
  const auto [first, last] = TextTail(field, design);
  const Bytes block = DesignBlockBytes(design, field.block);
  std::fill(block.begin() + static_cast<std::ptrdiff_t>(first),
            block.begin() + static_cast<std::ptrdiff_t>(last), uint8_t{0});
}

}  // namespace q700
