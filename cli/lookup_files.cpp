// The lookup file commands' shared parts: code pages, whole files, definitions, problem reports.
#include "cli/lookup_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/design_file.h"
#include "texts/code_page.h"

namespace q700::cli {

void AddCodePageOption(CLI::App& command, std::string& code_page, const std::string& what) {
  command
      .add_option("--codepage", code_page,
                  what +
                      ": 1252 (Western, the default), 1251 (Cyrillic), 1250 ... or cp1252, "
                      "windows-1252")
      ->check([](const std::string& value) -> std::string {
        return ParseCodePage(value) ? "" : "no code page the system can convert: " + value;
      });
}

int CodePageOf(const std::string& code_page) {
  return code_page.empty() ? kDefaultCodePage : ParseCodePage(code_page).value_or(kDefaultCodePage);
}

std::optional<std::string> ReadWholeFile(Context& ctx, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ctx.Fail(path + ": cannot be read (" + std::strerror(errno) + ")");
    return std::nullopt;
  }
  // One read of the whole size, then whatever may have been added since.
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  std::string bytes(ec ? 0 : static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (in) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    ctx.Fail(path + ": cannot be read");
    return std::nullopt;
  }
  return bytes;
}

std::optional<LookupLayout> LoadLookupLayout(Context& ctx, const std::string& design_path,
                                             int number, int code_page) {
  Design design;
  if (!LoadDesignFile(ctx, design_path, design)) return std::nullopt;
  return ReadLookupLayout(design, number, code_page);
}

std::string DefinitionPlace(const std::string& design_path, int number) {
  return design_path + " (lookup file " + std::to_string(number) + ")";
}

void PrintLookupProblems(std::ostream& out, const LookupCheck& check, const std::string& file,
                         const std::string& definition_place) {
  for (const LookupProblem& problem : check.problems) {
    out << FormatLookupProblem(problem, problem.line == 0 ? definition_place : file) << "\n";
  }
}

}  // namespace q700::cli
