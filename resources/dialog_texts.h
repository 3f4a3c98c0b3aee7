// The titles and control texts of the editor's dialog templates, read from the resource scripts
// when the program is built, for code that runs without the resources: the tool and the native
// tests learn the English labels from here, so a label is written once, in its template.
#pragma once

#include <string_view>

namespace q700 {

// The title of a template; empty for a template that is not known. Names compare without regard
// to case, as resource names do.
std::string_view TemplateTitle(std::string_view dialog);

// The text a template gives a control; empty when the template has no such control or the
// control has no text.
std::string_view TemplateText(std::string_view dialog, int control);

}  // namespace q700
