// The About box: program name and version, credits, and two link labels that open the
// distributor's web site and a mail to its support.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

#include "app/win32/dialogs.h"
#include "resources/resource.h"
#include "ui/win32/gdi.h"
#include "ui/win32/relabel.h"

namespace q700::win32 {
namespace {

struct AboutState {
  HINSTANCE instance;
  TextLoader& texts;
  Font underlined;
  HFONT plain = nullptr;
  HWND hot = nullptr;  // the label under the mouse
};

bool IsLink(HWND window) {
  const int id = GetDlgCtrlID(window);
  return id == IDC_ABOUT_WEB || id == IDC_ABOUT_MAIL;
}

void SetHot(AboutState& state, HWND label) {
  if (state.hot == label) return;
  HWND old = state.hot;
  state.hot = label;
  // A label is underlined while the mouse is away from it.
  for (HWND changed : {old, label}) {
    if (changed == nullptr) continue;
    SendMessageW(changed, WM_SETFONT,
                 reinterpret_cast<WPARAM>(changed == label ? state.plain : state.underlined.get()),
                 TRUE);
  }
}

LRESULT CALLBACK LinkProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                          DWORD_PTR data) {
  auto* state = reinterpret_cast<AboutState*>(data);
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(state->instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR)));
      return TRUE;
    case WM_MOUSEMOVE:
      if (state->hot != label) {
        SetHot(*state, label);
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, label, 0};
        TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSELEAVE:
      if (state->hot == label) SetHot(*state, nullptr);
      break;
  }
  return DefSubclassProc(label, message, wparam, lparam);
}

void OpenLink(HWND dialog, int id) {
  const std::wstring target =
      id == IDC_ABOUT_WEB ? std::wstring(kWebAddress) : L"mailto:" + std::wstring(kSupportAddress);
  ShellExecuteW(dialog, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The system's hot-light colour, or pure blue when it has none or one that does not stand out from
// the dialog (some systems set it to a pale grey).
COLORREF LinkColour() {
  if (GetSysColorBrush(COLOR_HOTLIGHT) == nullptr) return RGB(0, 0, 255);
  const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int distance = std::abs(GetRValue(link) - GetRValue(face)) +
                       std::abs(GetGValue(link) - GetGValue(face)) +
                       std::abs(GetBValue(link) - GetBValue(face));
  return distance < 192 ? RGB(0, 0, 255) : link;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<AboutState*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      RelabelDialog(
          dialog, state->texts, kAboutTitleId,
          {{IDC_ABOUT_DESIGNED, kAboutDesignedId}, {IDC_ABOUT_REWORKED, kAboutReworkedId}});
      state->plain = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
      LOGFONTW font{};
      GetObjectW(state->plain != nullptr ? static_cast<HGDIOBJ>(state->plain)
                                         : GetStockObject(DEFAULT_GUI_FONT),
                 sizeof(font), &font);
      font.lfUnderline = TRUE;
      state->underlined.Reset(CreateFontIndirectW(&font));
      for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        HWND label = GetDlgItem(dialog, id);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(state->underlined.get()), FALSE);
        SetWindowSubclass(label, LinkProc, 1, reinterpret_cast<DWORD_PTR>(state));
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lparam);
      if (!IsLink(control)) return FALSE;
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, LinkColour());
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_ABOUT_WEB:
        case IDC_ABOUT_MAIL:
          if (HIWORD(wparam) == STN_CLICKED) OpenLink(dialog, LOWORD(wparam));
          return TRUE;
        case IDOK:
        case IDCANCEL:
          EndDialog(dialog, LOWORD(wparam));
          return TRUE;
      }
      break;
    case WM_DESTROY:
      for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        RemoveWindowSubclass(GetDlgItem(dialog, id), LinkProc, 1);
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner, HINSTANCE instance, TextLoader& texts) {
  AboutState state{instance, texts};
  DialogBoxParamW(instance, L"AboutBox", owner, AboutProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace q700::win32
