// Field values at the tool's edge: the command line and JSON hold UTF-8 (with the escapes of
// 'tpq700 show'), the design holds bytes of the terminal's code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/design.h"
#include "model/field_names.h"

namespace q700::cli {

// A value as given, for the design: a text's characters in the code page, escapes kept for the
// field's own reader. Nothing, with `error` naming the field, for a character that the code
// page has no byte for or a text that is not UTF-8. Values of other kinds pass unchanged.
std::optional<std::string> ValueInCodePage(const FieldInfo& field, std::string_view utf8,
                                           int code_page, std::string& error);

// A field's value as the tool prints it: UTF-8, with a byte that the code page leaves
// undefined written as \xHH.
std::string ShownValue(const FieldInfo& field, Design& design, int code_page);

}  // namespace q700::cli
