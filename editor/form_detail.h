// Pieces shared by the form detail dialogs: the state of a check box and the backup of the form
// record that a dialog takes when it opens and puts back on Cancel.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "base/message.h"
#include "model/form_record.h"

namespace q700::editor {

struct CheckState {
  bool checked = false;
  bool enabled = true;
  bool operator==(const CheckState&) const = default;
};

class FormBackup {
 public:
  void Take(FormRecord record) {
    std::copy_n(record.bytes().begin(), kFormRecordSize, bytes_.begin());
  }
  void Restore(FormRecord record) const {
    std::copy(bytes_.begin(), bytes_.end(), record.bytes().begin());
  }

 private:
  std::array<uint8_t, kFormRecordSize> bytes_{};
};

// What pressing OK in a dialog led to: close it, or keep it open and show a message.
struct DialogOk {
  bool close = true;
  std::optional<Message> message;
};

// The storage behind a prefix or suffix picker box: the 10 bytes of a key sequence.
using CodeBox = std::array<uint8_t, form_offset::kCodeSize>;

}  // namespace q700::editor
