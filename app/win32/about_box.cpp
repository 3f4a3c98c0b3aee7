// The About box: program name and version, credits, and two link labels that open the
// distributor's web site and a mail to its support.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

#include "app/win32/dialogs.h"
#include "resources/resource.h"
#include "ui/win32/dialog_handler.h"
#include "ui/win32/gdi.h"
#include "ui/win32/relabel.h"

namespace q700::win32 {
namespace {

bool IsLink(HWND window) {
  const int id = GetDlgCtrlID(window);
  return id == IDC_ABOUT_WEB || id == IDC_ABOUT_MAIL;
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

class AboutWindow : public DialogHandler {
 public:
  explicit AboutWindow(TextLoader& texts) : texts_(texts) {}

 protected:
  void OnInit() override {
    RelabelDialog(hwnd(), texts_, kAboutTitleId,
                  {{IDC_ABOUT_DESIGNED, kAboutDesignedId}, {IDC_ABOUT_REWORKED, kAboutReworkedId}});
    plain_ = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    GetObjectW(plain_ != nullptr ? static_cast<HGDIOBJ>(plain_) : GetStockObject(DEFAULT_GUI_FONT),
               sizeof(font), &font);
    font.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectW(&font));
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
      HWND label = Item(id);
      SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(underlined_.get()), FALSE);
      SetWindowSubclass(label, LinkProc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
  }

  // A link label's click (STN_CLICKED has BN_CLICKED's code), OK and Cancel.
  void OnClick(int id) override {
    if (id == IDC_ABOUT_WEB || id == IDC_ABOUT_MAIL) {
      OpenLink(id);
    } else if (id == IDOK || id == IDCANCEL) {
      EndDialog(hwnd(), id);
    }
  }

  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) override {
    if (message == WM_CTLCOLORSTATIC) {
      HWND control = reinterpret_cast<HWND>(lparam);
      if (!IsLink(control)) return false;
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, LinkColour());
      SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    if (message == WM_DESTROY) {
      for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        RemoveWindowSubclass(Item(id), LinkProc, 1);
      }
    }
    return false;
  }

 private:
  void SetHot(HWND label) {
    if (hot_ == label) return;
    HWND old = hot_;
    hot_ = label;
    // A label is underlined while the mouse is away from it.
    for (HWND changed : {old, label}) {
      if (changed == nullptr) continue;
      SendMessageW(changed, WM_SETFONT,
                   reinterpret_cast<WPARAM>(changed == label ? plain_ : underlined_.get()), TRUE);
    }
  }

  void OpenLink(int id) {
    const std::wstring target = id == IDC_ABOUT_WEB ? std::wstring(kWebAddress)
                                                    : L"mailto:" + std::wstring(kSupportAddress);
    ShellExecuteW(hwnd(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }

  static LRESULT CALLBACK LinkProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR data) {
    auto* window = reinterpret_cast<AboutWindow*>(data);
    switch (message) {
      case WM_SETCURSOR:
        SetCursor(LoadCursorW(ResourceModule(), MAKEINTRESOURCEW(IDC_HAND_CURSOR)));
        return TRUE;
      case WM_MOUSEMOVE:
        if (window->hot_ != label) {
          window->SetHot(label);
          TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, label, 0};
          TrackMouseEvent(&track);
        }
        break;
      case WM_MOUSELEAVE:
        if (window->hot_ == label) window->SetHot(nullptr);
        break;
    }
    return DefSubclassProc(label, message, wparam, lparam);
  }

  TextLoader& texts_;
  Font underlined_;
  HFONT plain_ = nullptr;
  HWND hot_ = nullptr;  // the label under the mouse
};

}  // namespace

void ShowAboutBox(HWND owner, TextLoader& texts) {
  AboutWindow window(texts);
  RunModalDialog(owner, L"AboutBox", window);
}

}  // namespace q700::win32
