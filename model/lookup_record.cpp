#include "model/lookup_record.h"

namespace q700 {

void ApplyDelimitedLayout(LookupRecord lookup) {
  const int count = lookup.field_count();
  unsigned total = 0;
  for (int k = 0; k < count && k < kLookupFields; ++k) total += lookup.field_length(k);
  lookup.member_length() = static_cast<uint8_t>(total + count - 1);
  lookup.field_offset(0) = 1;
  for (int k = 1; k < count && k < kLookupFields; ++k) {
    lookup.field_offset(k) =
        static_cast<uint8_t>(lookup.field_offset(k - 1) + lookup.field_length(k - 1) + 1);
  }
}

bool AnyLookupDefined(Bytes lookup_table) {
  for (int i = 0; i < kLookupCount; ++i) {
    if (LookupAt(lookup_table, i).defined()) return true;
  }
  return false;
}

}  // namespace q700
