// Painting and clicks of the pickers' grid of codes.
#include "editor/win32/grid_control.h"

#include <string>

#include "ui/win32/gdi.h"
#include "ui/win32/text_convert.h"

namespace q700::win32 {
namespace {

using editor::CellLook;
using editor::GridCellSize;
using editor::GridRect;
using editor::PickerKind;

constexpr wchar_t kGridClass[] = L"Q700Grid";

COLORREF ToColor(editor::Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

RECT ToRect(GridRect r) { return {r.left, r.top, r.right, r.bottom}; }

GridModel* ModelOf(HWND grid) {
  return reinterpret_cast<GridModel*>(GetWindowLongPtrW(grid, GWLP_USERDATA));
}

GridCellSize SizeOf(HWND grid, PickerKind kind) {
  RECT client;
  GetClientRect(grid, &client);
  return editor::CellSize(kind, client.right, client.bottom);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void CentredText(HDC dc, const RECT& cell, const std::string& text, COLORREF color) {
  SetTextColor(dc, color);
  RECT r = cell;
  const std::wstring wide = FromAnsi(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintGrid(HWND grid, HDC dc, const GridModel& model) {
  RECT client;
  GetClientRect(grid, &client);
  const editor::GridShape shape = editor::ShapeOf(model.kind);
  const GridCellSize size = SizeOf(grid, model.kind);
  const int right = size.width * (shape.columns + 1);
  const int bottom = size.height * (shape.rows + 1);

  Brush background(CreateSolidBrush(ToColor(editor::kGridBackground)));
  FillRect(dc, &client, background.get());
  Brush data(CreateSolidBrush(ToColor(editor::kGridDataFill)));
  const RECT data_area = {size.width, size.height, right, bottom};
  FillRect(dc, &data_area, data.get());

  SetBkMode(dc, TRANSPARENT);
  Selection font(dc, reinterpret_cast<HFONT>(SendMessageW(GetParent(grid), WM_GETFONT, 0, 0)));

  // Lines between the cells: light grey in the data, white between the headers.
  Pen data_pen(CreatePen(PS_SOLID, 1, ToColor(editor::kGridDataLine)));
  Pen header_pen(CreatePen(PS_SOLID, 1, ToColor(editor::kGridHeaderLine)));
  for (int c = 1; c <= shape.columns; ++c) {
    const int x = c * size.width;
    Selection pen(dc, data_pen.get());
    Line(dc, x, size.height, x, bottom);
    SelectObject(dc, header_pen.get());
    Line(dc, x, 0, x, size.height);
  }
  for (int r = 1; r <= shape.rows; ++r) {
    const int y = r * size.height;
    Selection pen(dc, data_pen.get());
    Line(dc, size.width, y, right, y);
    SelectObject(dc, header_pen.get());
    Line(dc, 0, y, size.width, y);
  }

  for (int c = 0; c < shape.columns; ++c) {
    CentredText(dc, ToRect(editor::CellRect(size, c + 1, 0)), editor::ColumnHeader(c),
                ToColor(editor::kGridText));
  }
  for (int r = 0; r < shape.rows; ++r) {
    CentredText(dc, ToRect(editor::CellRect(size, 0, r + 1)), editor::RowHeader(r),
                ToColor(editor::kGridText));
  }

  const int codes = editor::CodeCount(model.kind);
  for (int code = 0; code < codes; ++code) {
    const bool selected = code == model.selected;
    const CellLook look = editor::CellLookOf(model.kind, code, selected);
    RECT cell = ToRect(editor::CodeRect(size, code));
    if (selected) {
      // Inside the lines, so the grid stays whole around the selection.
      RECT fill = {cell.left + 1, cell.top + 1, cell.right, cell.bottom};
      Brush brush(CreateSolidBrush(ToColor(look.fill)));
      FillRect(dc, &fill, brush.get());
    }
    CentredText(dc, cell, editor::CellName(model.kind, code), ToColor(look.text));
  }

  // Black frame around the grid and between the headers and the data.
  Pen frame_pen(CreatePen(PS_SOLID, 1, ToColor(editor::kGridFrame)));
  Selection pen(dc, frame_pen.get());
  Line(dc, size.width, 0, size.width, bottom);
  Line(dc, 0, size.height, right, size.height);
  Selection hollow(dc, GetStockObject(HOLLOW_BRUSH));
  Rectangle(dc, 0, 0, right + 1, bottom + 1);
}

void Paint(HWND grid) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(grid, &ps);
  RECT client;
  GetClientRect(grid, &client);
  // Painted off screen first, so a click does not make the grid flicker.
  Bitmap canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
  {
    MemoryDc memory(dc, canvas.get());
    if (const GridModel* model = ModelOf(grid)) {
      PaintGrid(grid, memory.get(), *model);
    } else {
      FillRect(memory.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  }
  EndPaint(grid, &ps);
}

LRESULT CALLBACK GridProc(HWND grid, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint(grid);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN: {
      GridModel* model = ModelOf(grid);
      if (model == nullptr) return 0;
      SetFocus(grid);
      RECT client;
      GetClientRect(grid, &client);
      const std::optional<int> code =
          editor::HitTest(model->kind, client.right, client.bottom,
                          static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      if (code && model->on_pick) model->on_pick(*code);
      return 0;
    }
  }
  return DefWindowProcW(grid, message, wparam, lparam);
}

}  // namespace

void RegisterGridClass() {
  static const bool registered = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = GridProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kGridClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

void AttachGrid(HWND grid, GridModel* model) {
  SetWindowLongPtrW(grid, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(model));
  InvalidateRect(grid, nullptr, FALSE);
}

void RedrawCode(HWND grid, int code) {
  const GridModel* model = ModelOf(grid);
  if (model == nullptr || code < 0) return;
  RECT cell = ToRect(editor::CodeRect(SizeOf(grid, model->kind), code));
  InflateRect(&cell, 1, 1);
  InvalidateRect(grid, &cell, FALSE);
}

}  // namespace q700::win32
