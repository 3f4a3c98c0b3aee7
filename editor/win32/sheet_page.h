// A page of the editor sheet: a dialog handler that also answers the sheet's notifications, and
// the table entry through which the sheet creates it. A page is added by writing its handler in
// a file of its own, declaring its factory below and adding its entry to the table of
// editor_sheet.cpp.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "editor/win32/editor_sheet.h"
#include "texts/label_table.h"
#include "ui/win32/dialog_handler.h"

namespace q700::win32 {

class SheetPage;

// What the pages of one opening of the sheet share.
struct SheetRun {
  bool applied = false;  // OK was pressed and every shown page committed
  // The pages in tab order: they commit in this order, whatever order the sheet notifies them
  // in, since a page may leave something for a later page to write (the Lookup page's
  // calculator number reaches the Startup page's texts).
  std::vector<SheetPage*> pages;
};

class SheetPage : public DialogHandler {
 public:
  void set_run(SheetRun* run) { run_ = run; }

 protected:
  // The property sheet: the owner of the page's message boxes and dialogs.
  HWND sheet() const { return GetAncestor(hwnd(), GA_ROOT); }

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
  // Commits this page and, first, every page before it in tab order.
  bool CommitThrough();
  // Commits this page once, when it was shown.
  bool Commit();

  SheetRun* run_ = nullptr;
  bool committed_ = false;
};

// One page of the sheet, in tab order: its labels (which name its template and its title's
// language id) and how to make its handler.
struct SheetPageType {
  const LabelTable& labels;
  std::unique_ptr<SheetPage> (*create)(EditorSheetContext& context);
};

// The pages' factories, one per page file.
std::unique_ptr<SheetPage> CreateFormPage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateBarcodePage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateMenuPage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateLookupPage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateSettingsPage(EditorSheetContext& context);
std::unique_ptr<SheetPage> CreateStartupPage(EditorSheetContext& context);

}  // namespace q700::win32
