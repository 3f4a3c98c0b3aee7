// Helpers of the in-process GUI tests: answering modal windows (message boxes, dialogs, menus)
// while a command runs, reading their texts, and pumping posted messages.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace q700::test {

// Answers the modal windows that an action opens, one step per window, in order. A step gets
// the window (a dialog, message box or menu) once it is shown and enabled; it must close it. A
// window that no step expects fails the test and is cancelled.
class ModalScript {
 public:
  using Step = std::function<void(HWND window)>;
  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  // Runs the action with the steps answering; fails the test when steps are left over.
  void Run(const std::function<void()>& action);
  size_t remaining() const { return steps_.size(); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Poll();

  std::deque<Step> steps_;
  std::vector<HWND> handled_;
  bool in_step_ = false;
};

// Steps for message boxes: records the caption and text, then clicks the button.
struct SeenBox {
  std::wstring caption;
  std::wstring text;
};
ModalScript::Step ClickButton(int id, SeenBox* seen = nullptr);
// A step for a file dialog: types the name and clicks OK; or cancels.
ModalScript::Step TypeFileName(const std::wstring& name);
// Cancels a dialog, message box, the editor sheet, or closes a menu.
ModalScript::Step Cancel();

std::wstring WindowText(HWND window);
// The texts of a message box's static controls, joined.
std::wstring StaticTexts(HWND window);
std::wstring MenuItemText(HMENU menu, int position);
void PumpMessages();

}  // namespace q700::test
