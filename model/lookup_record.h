// Lookup record (122 bytes): the record format of one of the three lookup files.
#pragma once

#include "model/design.h"

namespace q700 {

namespace lookup_offset {
inline constexpr size_t kMemberLength = 0;
inline constexpr size_t kFieldCount = 1;
inline constexpr size_t kKeyField = 2;
inline constexpr size_t kFieldOffsets = 3;   // 8 bytes
inline constexpr size_t kFieldLengths = 11;  // 8 bytes
inline constexpr size_t kDelimiter = 19;
inline constexpr size_t kUploadFlag = 20;
inline constexpr size_t kNoMatchAction = 21;
inline constexpr size_t kBadFormatAction = 22;
inline constexpr size_t kReadOnce = 23;
inline constexpr size_t kNegativeRemains = 24;
inline constexpr size_t kDeleteIfEmpty = 25;
inline constexpr size_t kSpare = 26;
}  // namespace lookup_offset

inline constexpr int kLookupFields = 8;
inline constexpr uint8_t kTab = 9;

class LookupRecord {
 public:
  explicit LookupRecord(Bytes bytes) : b_(bytes.first(kLookupRecordSize)) {}

  uint8_t& member_length() { return b_[lookup_offset::kMemberLength]; }
  uint8_t& field_count() { return b_[lookup_offset::kFieldCount]; }
  uint8_t& key_field() { return b_[lookup_offset::kKeyField]; }
  // Field k from 0.
  uint8_t& field_offset(int k) { return b_[lookup_offset::kFieldOffsets + k]; }
  uint8_t& field_length(int k) { return b_[lookup_offset::kFieldLengths + k]; }
  uint8_t& delimiter() { return b_[lookup_offset::kDelimiter]; }
  uint8_t& upload_flag() { return b_[lookup_offset::kUploadFlag]; }
  uint8_t& no_match_action() { return b_[lookup_offset::kNoMatchAction]; }
  uint8_t& bad_format_action() { return b_[lookup_offset::kBadFormatAction]; }
  uint8_t& read_once() { return b_[lookup_offset::kReadOnce]; }
  uint8_t& negative_remains() { return b_[lookup_offset::kNegativeRemains]; }
  uint8_t& delete_if_empty() { return b_[lookup_offset::kDeleteIfEmpty]; }
  Bytes bytes() { return b_; }

  // A lookup file counts as defined when its member length and field count are both non-zero.
  bool defined() { return member_length() != 0 && field_count() != 0; }

 private:
  Bytes b_;
};

inline LookupRecord LookupAt(Bytes lookup_table, int index) {
  return LookupRecord(lookup_table.subspan(static_cast<size_t>(index) * kLookupRecordSize));
}
inline LookupRecord LookupAt(Design& d, int index) { return LookupAt(d.lookups, index); }

// For a delimited record: member length = the field lengths plus one delimiter between
// neighbouring fields (kept in one byte), and the offsets of fields 1 to field count.
void ApplyDelimitedLayout(LookupRecord lookup);

// True when any of the three lookup records is defined.
bool AnyLookupDefined(Bytes lookup_table);

}  // namespace q700
