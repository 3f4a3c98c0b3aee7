// What the tool's lookup file commands share: the --codepage option, reading a whole file, the
// definition of a design's lookup file, and the check with its report.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "data/lookup_check.h"
#include "data/lookup_layout.h"

namespace q700::cli {

// Adds --codepage (default 1252) to a command; the value is checked when parsed.
void AddCodePageOption(CLI::App& command, std::string& code_page, const std::string& what);
// The code page of a checked --codepage value.
int CodePageOf(const std::string& code_page);

// The whole file; nothing, after reporting it, when it cannot be read.
std::optional<std::string> ReadWholeFile(Context& ctx, const std::string& path);

// Lookup file `number` of the design file; nothing, after reporting it, when the design cannot
// be loaded.
std::optional<LookupLayout> LoadLookupLayout(Context& ctx, const std::string& design_path,
                                             int number, int code_page);

// "DESIGN (lookup file N)", where the problems of a definition are.
std::string DefinitionPlace(const std::string& design_path, int number);

// Prints every problem, one a line.
void PrintLookupProblems(std::ostream& out, const LookupCheck& check, const std::string& file,
                         const std::string& definition_place);

}  // namespace q700::cli
