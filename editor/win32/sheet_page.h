// A page of the editor sheet: a dialog handler that also answers the sheet's notifications, and
// the table entry through which the sheet creates it. A page is added by writing its handler in
// a file of its own, declaring its factory below and adding its entry to the table of
// editor_sheet.cpp.
#pragma once

#include <windows.h>

#include <memory>

#include "editor/win32/dialog_handler.h"
#include "editor/win32/editor_sheet.h"

namespace q700::win32 {

// What the pages of one opening of the sheet share.
struct SheetRun {
  bool applied = false;  // OK was pressed and every shown page committed
};

class SheetPage : public DialogHandler {
 public:
  void set_run(SheetRun* run) { run_ = run; }

 protected:
  // The sheet closes with OK: commit the working copy. False keeps the sheet open; the page
  // has told the user why. Pages never shown are not asked.
  virtual bool Apply() = 0;
  // The sheet closes with Cancel or its close box: drop the working copy.
  virtual void Cancel() = 0;
  // The user leaves the page for another one; false keeps it shown.
  virtual bool Leave() { return true; }
  // Messages other than the sheet's notifications.
  virtual bool OnPageMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

 private:
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) final;

  SheetRun* run_ = nullptr;
};

// One page of the sheet, in tab order: its template, its title (language id and built-in
// text) and how to make its handler.
struct SheetPageType {
  const wchar_t* template_name;
  int title_id;
  const char* title;
  std::unique_ptr<SheetPage> (*create)(EditorSheetContext& context);
};

// The pages' factories, one per page file.
std::unique_ptr<SheetPage> CreateFormPage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateBarcodePage(EditorSheetContext& context);

}  // namespace q700::win32
