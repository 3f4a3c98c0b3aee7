#include "ui/win32/message_box.h"

#include "ui/win32/text_convert.h"

namespace q700::win32 {

std::wstring MessageCaption(TextLoader& texts, const Message& message) {
  if (message.caption_id != 0) return FromAnsi(texts.Load(message.caption_id, Slot::kCaption));
  return FromUtf8(message.caption_utf8);
}

std::wstring MessageText(TextLoader& texts, const Message& message) {
  if (message.text_id == 0 && !message.text_utf8.empty()) return FromUtf8(message.text_utf8);
  std::string text = message.text_id != 0 ? texts.Load(message.text_id, Slot::kMessage) : "";
  return FromAnsi(text + message.detail);
}

Answer ShowMessageBox(HWND owner, TextLoader& texts, const Message& message) {
  UINT style = 0;
  switch (message.icon) {
    case Icon::kNone:
      break;
    case Icon::kWarning:
      style |= MB_ICONWARNING;
      break;
    case Icon::kInformation:
      style |= MB_ICONINFORMATION;
      break;
    case Icon::kQuestion:
      style |= MB_ICONQUESTION;
      break;
  }
  switch (message.buttons) {
    case Buttons::kOk:
      style |= MB_OK;
      break;
    case Buttons::kOkCancel:
      style |= MB_OKCANCEL;
      break;
    case Buttons::kYesNo:
      style |= MB_YESNO;
      break;
    case Buttons::kYesNoCancel:
      style |= MB_YESNOCANCEL;
      break;
  }
  if (owner == nullptr) owner = GetActiveWindow();
  const std::wstring caption = MessageCaption(texts, message);
  const std::wstring text = MessageText(texts, message);
  switch (MessageBoxW(owner, text.c_str(), caption.c_str(), style)) {
    case IDYES:
      return Answer::kYes;
    case IDNO:
      return Answer::kNo;
    case IDCANCEL:
      return Answer::kCancel;
    default:
      return Answer::kOk;
  }
}

}  // namespace q700::win32
