// Messages of the core shown as message boxes, owned by the window that is active at the time.
#pragma once

#include <windows.h>

#include "base/message.h"
#include "texts/text_loader.h"

namespace q700::win32 {

// The caption and text of a message as they are shown: loaded through the text loader (with the
// detail appended), or the fixed UTF-8 texts.
std::wstring MessageCaption(TextLoader& texts, const Message& message);
std::wstring MessageText(TextLoader& texts, const Message& message);

// Shows the message box and returns the answer. `owner` null means the active window.
Answer ShowMessageBox(HWND owner, TextLoader& texts, const Message& message);

class MessageBoxSink : public MessageSink {
 public:
  MessageBoxSink(TextLoader& texts, HWND owner = nullptr) : texts_(texts), owner_(owner) {}
  Answer Show(const Message& message) override { return ShowMessageBox(owner_, texts_, message); }

 private:
  TextLoader& texts_;
  HWND owner_;
};

}  // namespace q700::win32
