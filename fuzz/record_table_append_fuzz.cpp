// Fuzz target for reading a file that received records are appended to: the first byte chooses
// CSV or JSON Lines, the rest is the file. A file that is refused says why; a file that is taken
// keeps every byte it held at the start of the new contents, and the new contents are taken in
// turn, with the new batch as their highest.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/record_table.h"
#include "fuzz/fuzz_support.h"
#include "model/defaults.h"
#include "model/form_record.h"
#include "model/settings_block.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace {

using namespace q700;

// A form as the stock-taking sample has it: an article, a quantity of five digits, a stamp.
std::vector<RecordLayout> Layouts() {
  TextLoader loader;
  DefaultTerminalTexts defaults;
  RefillTerminalTexts(loader, defaults);
  Design design;
  ResetDesign(design, defaults);
  design.settings[settings_offset::kFirstDelimiter] = ',';
  FormRecord form = FormAt(design, 0);
  form.at(form_offset::kStampPosition) = kStampBottom;
  form.type(0) = kTypeText;
  SetSlotText(form.prompt(0), "Item:");
  form.type(1) = kTypeInteger;
  SetSlotText(form.prompt(1), "Qty:");
  form.line(form_offset::kFixedLengthFlag, 1) = 1;
  form.line(form_offset::kFixedLength, 1) = 5;
  form.line(form_offset::kAlignment, 1) = 3;
  return {RecordLayoutOf(design, 1)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<RecordLayout> layouts = Layouts();
  if (size == 0) return 0;
  TableOptions options;
  options.origin = true;
  options.format = data[0] % 2 == 0 ? TableFormat::kCsv : TableFormat::kJsonLines;
  const RecordTable table(layouts, options);
  const std::string contents(fuzz::AsText(data + 1, size - 1));

  const ExistingTable existing = ReadExistingTable(contents, table);
  if (!existing.ok) {
    Q700_FUZZ_CHECK(!existing.error.empty());
    return 0;
  }
  Q700_FUZZ_CHECK(existing.last_batch >= 0);
  const BatchOrigin origin{"2026-03-05T09:07:30+01:00", "/dev/pts/3", existing.last_batch + 1};
  const std::vector<std::string> rows = {table.Format("A1,00012,2026/03/05,09:07:30", &origin).text,
                                         table.Format("not, \"split\"", &origin).text};
  const std::string appended = AppendBatch(contents, existing, table, rows);
  Q700_FUZZ_CHECK(appended.compare(0, contents.size(), contents) == 0);
  const ExistingTable again = ReadExistingTable(appended, table);
  Q700_FUZZ_CHECK(again.ok);
  Q700_FUZZ_CHECK(again.ends_in_line);
  Q700_FUZZ_CHECK(again.last_batch == existing.last_batch + 1);
  return 0;
}
