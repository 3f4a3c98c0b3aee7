// The editor sheet: the modal six-page property sheet in which a design is edited.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "editor/editor_session.h"
#include "model/design.h"
#include "texts/terminal_texts.h"
#include "texts/text_loader.h"

namespace q700::win32 {

struct EditorSheetContext {
  Design& design;
  TextLoader& texts;
  DefaultTerminalTexts& defaults;
  // Lives as long as the program: the editor state kept between openings of the sheet.
  editor::EditorSession& session;
  // The current file name for the caption; empty for a design never saved.
  std::filesystem::path file_name;
  // The sheet closed with OK and committed its pages: the caller marks the design modified,
  // sends key 51 to the simulator and recomputes its utilities line count.
  std::function<void()> on_commit;
  // A dialog that writes into the design at its own OK and marks it modified itself (Code ID).
  std::function<void()> mark_modified;
};

// The sheet's caption: "Генератор Приложений - [ " and the file name or "New file", then " ]";
// the prefix and "New file" come from the language when one is active.
std::wstring EditorCaption(TextLoader& texts, const std::filesystem::path& file_name);

// Runs the sheet modally over `owner`, first page selected; returns true when it closed with OK.
bool OpenEditor(HWND owner, EditorSheetContext& context);

// The same, calling `on_created` with the sheet's window once it exists and before it runs, so
// that in-process tests can drive the modal sheet.
bool OpenEditor(HWND owner, EditorSheetContext& context,
                const std::function<void(HWND sheet)>& on_created);

}  // namespace q700::win32
