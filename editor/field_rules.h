// What the editor makes of fields changed by name: the logic of the pages and dialogs that own
// them, run as a user who made the same changes there and pressed OK would run it. A change of
// type clears a line's details, read-once keeps the no-match action the user chose, a port
// rewrites the terminal's port menu, a font refills the terminal's screens; then each page's
// OK derives what it derives from the rest (a delimited lookup layout, the form tidy-up, the
// pass-down flag, the Code 128 family bit, the length limits of a symbology, ...).
#pragma once

#include <string>
#include <vector>

#include "base/message.h"
#include "editor/editor_session.h"
#include "model/design.h"
#include "model/field_names.h"

namespace q700::editor {

// A field whose value a page or dialog set, and which one ("the Lookup page").
struct DerivedValue {
  const FieldInfo* field;
  std::string by;
};

// `before` is the design as it was; `design` holds it with the fields of `changed` set to
// their new values, and receives what the editor makes of them. Only the records that a changed
// field belongs to, and the pages and dialogs that own such a field, take part. The warnings a
// page shows go to `sink`; its answer decides as the user's would. Returns the fields whose
// values the rules set, in table order.
std::vector<DerivedValue> ApplyEditorRules(EditorSession& session, Design& before, Design& design,
                                           const std::vector<const FieldInfo*>& changed,
                                           MessageSink& sink);

}  // namespace q700::editor
