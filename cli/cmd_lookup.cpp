// tpq700 lookup check and tpq700 lookup convert: a lookup file against its definition in a
// design, and a lookup file made from spreadsheet text.
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/design_file.h"
#include "cli/lookup_files.h"
#include "data/csv_reader.h"
#include "data/lookup_convert.h"

namespace q700::cli {
namespace {

struct LookupArguments {
  std::string design;
  int number = 1;
  std::string file;
  std::string code_page;
};

void AddDesignAndNumber(CLI::App& cmd, LookupArguments& args) {
  cmd.add_option("DESIGN", args.design, "Project file (.TPX) that defines the lookup file")
      ->required();
  cmd.add_option("N", args.number, "Which of its lookup files: 1, 2 or 3")
      ->required()
      ->check(CLI::Range(1, 3));
}

nlohmann::ordered_json ProblemsJson(const LookupArguments& args, int code_page,
                                    const LookupCheck& check) {
  nlohmann::ordered_json problems = nlohmann::ordered_json::array();
  for (const LookupProblem& p : check.problems) {
    problems.push_back({{"line", p.line},
                        {"field", p.field},
                        {"prompt", p.prompt},
                        {"kind", ProblemKindName(p.kind)},
                        {"problem", p.text},
                        {"terminal", TerminalActionName(p.action)},
                        {"terminal_text", TerminalActionText(p.action)}});
  }
  return {{"file", args.file},      {"design", args.design}, {"lookup", args.number},
          {"code_page", code_page}, {"lines", check.lines},  {"problems", problems}};
}

void AddLookupCheckCommand(CLI::App& lookup, Context& ctx) {
  auto* cmd = lookup.add_subcommand("check", "Check a lookup file against its definition");
  auto args = std::make_shared<LookupArguments>();
  auto json = std::make_shared<bool>(false);
  AddDesignAndNumber(*cmd, *args);
  cmd->add_option("FILE", args->file, "The lookup file (text, one record a line)")->required();
  AddCodePageOption(*cmd, args->code_page, "Code page of the file and of the design's texts");
  cmd->add_flag("--json", *json, "Print the problems as one JSON object");
  cmd->footer(
      "Reads FILE as the terminal does (a carriage return ends a line) and checks the "
      "definition, then every line: the number and lengths of the fields (a delimited file) or "
      "the line's length (fixed-length records), the key field empty or used twice, lines over "
      "253 bytes, text the code page cannot show (UTF-8 text too), line feeds without carriage "
      "returns, a byte-order mark. Each problem names the line, the field with the prompt of a "
      "form line that shows it, and what the terminal will do with the line by the definition's "
      "bad-format action. Exit status 0 when there are no problems, 1 when there are.\n");
  cmd->callback([&ctx, args, json] {
    const int code_page = CodePageOf(args->code_page);
    const std::optional<LookupLayout> layout =
        LoadLookupLayout(ctx, args->design, args->number, code_page);
    if (!layout) return;
    const std::optional<std::string> file = ReadWholeFile(ctx, args->file);
    if (!file) return;
    const LookupCheck check = CheckLookupFile(*file, &*layout, code_page);
    if (*json) {
      // A file name that is not UTF-8 must not stop the report.
      ctx.out << ProblemsJson(*args, code_page, check)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << "\n";
    } else {
      PrintLookupProblems(ctx.out, check, args->file, DefinitionPlace(args->design, args->number));
      ctx.out << args->file << ": " << check.lines << (check.lines == 1 ? " line, " : " lines, ")
              << (check.problems.empty() ? "no" : std::to_string(check.problems.size()))
              << (check.problems.size() == 1 ? " problem" : " problems") << " (lookup file "
              << args->number << " of " << args->design << ")\n";
    }
    if (!check.problems.empty()) ctx.status = kExitFailed;
  });
}

std::optional<char> ParseSeparator(const std::string& text) {
  if (text == "tab" || text == "\\t" || text == "\t") return '\t';
  if (text == "comma") return ',';
  if (text == "semicolon") return ';';
  if (text.size() == 1 && text != "\"" && text != "\r" && text != "\n") return text[0];
  return std::nullopt;
}

// "EAN,Description,Price" to its names; a name may not hold a comma (choose it by number).
std::vector<std::string> SplitColumns(const std::string& list) {
  std::vector<std::string> columns;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    columns.push_back(list.substr(start, comma - start));
    if (comma == std::string::npos) return columns;
    start = comma + 1;
  }
}

std::string FormatName(const LookupLayout& layout) {
  if (!layout.delimited()) {
    return "fixed-length records of " + std::to_string(layout.member_length) + " characters";
  }
  return CsvSeparatorName(static_cast<char>(layout.delimiter)) + "-delimited";
}

void AddLookupConvertCommand(CLI::App& lookup, Context& ctx) {
  auto* cmd = lookup.add_subcommand(
      "convert", "Make a lookup file from CSV, tab- or semicolon-separated text");
  auto args = std::make_shared<LookupArguments>();
  auto out = std::make_shared<std::string>();
  auto columns = std::make_shared<std::string>();
  auto separator = std::make_shared<std::string>();
  auto no_header = std::make_shared<bool>(false);
  auto force = std::make_shared<bool>(false);
  AddDesignAndNumber(*cmd, *args);
  cmd->add_option("INPUT", args->file, "Spreadsheet text in UTF-8 (CSV and the like)")->required();
  cmd->add_option("-o,--output", *out, "The lookup file to write")->required();
  cmd->add_option("--columns", *columns,
                  "The columns for the fields, in field order: header names or numbers from 1, "
                  "separated by commas (default: the first columns)");
  cmd->add_option("--separator", *separator,
                  "What separates the input's columns: comma, semicolon, tab or one character "
                  "(default: guessed from the first line)")
      ->check([](const std::string& value) -> std::string {
        return ParseSeparator(value) ? "" : "not a separator: " + value;
      });
  cmd->add_flag("--no-header", *no_header,
                "The first row is data (default: it names the columns and is not converted)");
  AddCodePageOption(*cmd, args->code_page, "Code page of the lookup file written");
  cmd->add_flag("--force", *force, "Replace OUTPUT when it exists");
  cmd->footer(
      "Values in double quotes may hold separators, line breaks and doubled quotes; a UTF-8 "
      "byte-order mark is skipped. Each line gets the chosen columns in the definition's format "
      "(its delimiter, or each field padded with blanks to its place and length) and ends in CR "
      "LF. A value longer than its field is cut (a warning names the line and field); a row "
      "that cannot be made to fit (the key too long or empty, a key used before, a character "
      "the code page has no byte for, a line break or the delimiter inside a value, a missing "
      "column) is left out and named. Notes go to stderr, the summary to stdout. Exit status 0 "
      "when every row was written, 1 when rows were left out or nothing could be written.\n");
  cmd->callback([&ctx, args, out, columns, separator, no_header, force] {
    std::error_code ec;
    if (!*force && std::filesystem::exists(*out, ec)) {
      ctx.Fail(*out + " exists; name another file or replace it with --force");
      return;
    }
    LookupConvertOptions options;
    options.code_page = CodePageOf(args->code_page);
    options.header = !*no_header;
    if (!separator->empty()) options.separator = *ParseSeparator(*separator);
    if (!columns->empty()) options.columns = SplitColumns(*columns);
    const std::optional<LookupLayout> layout =
        LoadLookupLayout(ctx, args->design, args->number, options.code_page);
    if (!layout) return;
    const std::optional<std::string> input = ReadWholeFile(ctx, args->file);
    if (!input) return;
    const LookupConversion conversion = ConvertToLookupFile(*input, *layout, options);
    if (!conversion.error.empty()) {
      const std::string place = DefinitionPlace(args->design, args->number);
      for (const LookupProblem& problem : conversion.definition) {
        ctx.err << FormatLookupProblem(problem, place) << "\n";
      }
      ctx.Fail(args->file + ": nothing written: " + conversion.error);
      return;
    }
    for (const LookupConvertNote& note : conversion.notes) {
      ctx.err << FormatConvertNote(note, args->file) << "\n";
    }
    const std::string& bytes = conversion.output;
    if (!SaveOutputFile(ctx, *out,
                        ConstBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))) {
      return;
    }
    ctx.out << *out << ": " << conversion.written
            << (conversion.written == 1 ? " line written" : " lines written") << ", "
            << conversion.cut << " cut, " << conversion.left_out << " left out (lookup file "
            << args->number << ": " << FormatName(*layout) << ", code page " << options.code_page
            << "; input " << CsvSeparatorName(conversion.separator) << "-separated"
            << (options.header ? ", header row skipped" : "")
            << (conversion.blank != 0 ? ", " + std::to_string(conversion.blank) + " blank rows"
                                      : "")
            << ")\n";
    if (conversion.left_out != 0) ctx.status = kExitFailed;
  });
}

}  // namespace

void AddLookupCommand(CLI::App& app, Context& ctx) {
  auto* cmd = app.add_subcommand("lookup", "Check lookup files, or make them from spreadsheets");
  cmd->require_subcommand(1);
  AddLookupCheckCommand(*cmd, ctx);
  AddLookupConvertCommand(*cmd, ctx);
}

}  // namespace q700::cli
