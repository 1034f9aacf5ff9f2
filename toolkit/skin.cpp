// The control skin: a flat look for the platform's push buttons, check
// boxes, radio buttons, group boxes, edit boxes, drop-down combo boxes with
// their lists, and up-down controls. Switching it on restyles every such
// control of the GUI thread at once and, through a thread hook that sees each
// WM_CREATE, every one created later on the thread, those of the platform's
// file dialogs included. Switching it off gives each control its own look
// back.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace toolkit {
namespace {

constexpr UINT_PTR kSkinId = 0x7A02;
constexpr wchar_t kSkinProperty[] = L"Tarnwick.Skin";

enum class Kind : DWORD_PTR { None, PushButton, CheckBox, RadioButton, GroupBox, Edit, ComboBox, ComboList, UpDown };

struct Palette {
  COLORREF accent;
  COLORREF fill;
  COLORREF pressed;
  COLORREF text;
  COLORREF muted;
};

// Style 1: white faces with a blue outline; 2: green; 3: slate.
constexpr Palette kPalettes[] = {
    {RGB(0x1F, 0x6F, 0xB5), RGB(0xFF, 0xFF, 0xFF), RGB(0xD6, 0xE6, 0xF5), RGB(0x10, 0x10, 0x10), RGB(0x8A, 0x8A, 0x8A)},
    {RGB(0x2E, 0x7D, 0x32), RGB(0xFF, 0xFF, 0xFF), RGB(0xDC, 0xEF, 0xDC), RGB(0x10, 0x10, 0x10), RGB(0x8A, 0x8A, 0x8A)},
    {RGB(0x45, 0x55, 0x6B), RGB(0xFA, 0xFA, 0xFB), RGB(0xDD, 0xE2, 0xE8), RGB(0x10, 0x10, 0x10), RGB(0x8A, 0x8A, 0x8A)},
};

struct SkinState {
  std::int32_t style = 0;
  HHOOK hook = nullptr;
  std::vector<HWND> skinned;
};

SkinState& Skin() {
  static SkinState state;
  return state;
}

const Palette& CurrentPalette() { return kPalettes[std::clamp(Skin().style, 1, 3) - 1]; }

Kind KindOf(HWND hwnd) {
  wchar_t name[32] = {};
  if (GetClassNameW(hwnd, name, 32) == 0) return Kind::None;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  if (lstrcmpiW(name, L"Button") == 0) {
    if (style & (BS_BITMAP | BS_ICON)) return Kind::None;
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return Kind::PushButton;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE: return (style & BS_PUSHLIKE) ? Kind::PushButton : Kind::CheckBox;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return (style & BS_PUSHLIKE) ? Kind::PushButton : Kind::RadioButton;
      case BS_GROUPBOX: return Kind::GroupBox;
      default: return Kind::None;
    }
  }
  if (lstrcmpiW(name, L"Edit") == 0) return Kind::Edit;
  if (lstrcmpiW(name, L"ComboBox") == 0) return (style & 3) == CBS_SIMPLE ? Kind::None : Kind::ComboBox;
  if (lstrcmpiW(name, L"ComboLBox") == 0) return Kind::ComboList;
  if (lstrcmpiW(name, UPDOWN_CLASSW) == 0) return Kind::UpDown;
  return Kind::None;
}

// ---- drawing -----------------------------------------------------------------

class SolidBrush {
 public:
  explicit SolidBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
  ~SolidBrush() { DeleteObject(brush_); }
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;
  operator HBRUSH() const { return brush_; }

 private:
  HBRUSH brush_;
};

void Fill(HDC dc, RECT rect, COLORREF colour) { FillRect(dc, &rect, SolidBrush(colour)); }

void Outline(HDC dc, RECT rect, COLORREF colour, int width = 1) {
  SolidBrush brush(colour);
  for (int i = 0; i < width; ++i) {
    FrameRect(dc, &rect, brush);
    InflateRect(&rect, -1, -1);
  }
}

HFONT FontOf(HWND hwnd) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The background the parent asks for behind a check box or radio button.
HBRUSH ParentBackground(HWND hwnd, HDC dc) {
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void DrawCaption(HDC dc, HWND hwnd, RECT rect, UINT format, COLORREF colour) {
  const std::wstring text = TextOf(hwnd);
  if (text.empty()) return;
  const HGDIOBJ old = SelectObject(dc, FontOf(hwnd));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  if (format & DT_WORDBREAK) {  // centre a wrapped caption vertically by hand
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    const int offset = ((rect.bottom - rect.top) - (measured.bottom - measured.top)) / 2;
    if (offset > 0) rect.top += offset;
  }
  DrawTextW(dc, text.c_str(), -1, &rect, format);
  SelectObject(dc, old);
}

void PaintPushButton(HWND hwnd, HDC dc, const Palette& p) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  const auto state = static_cast<UINT>(SendMessageW(hwnd, BM_GETSTATE, 0, 0));
  const bool enabled = IsWindowEnabled(hwnd);
  const bool pushed = (state & BST_PUSHED) || (state & BST_CHECKED);
  const bool focused = GetFocus() == hwnd;
  Fill(dc, rect, !enabled ? GetSysColor(COLOR_BTNFACE) : pushed ? p.pressed : p.fill);
  Outline(dc, rect, enabled ? p.accent : p.muted, focused ? 2 : 1);
  InflateRect(&rect, -4, -2);
  const bool multiLine = (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_MULTILINE) != 0;
  DrawCaption(dc, hwnd, rect, DT_CENTER | (multiLine ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER),
              enabled ? p.text : p.muted);
}

void PaintCheckOrRadio(HWND hwnd, HDC dc, const Palette& p, bool radio) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  FillRect(dc, &rect, ParentBackground(hwnd, dc));
  const bool enabled = IsWindowEnabled(hwnd);
  const auto check = static_cast<UINT>(SendMessageW(hwnd, BM_GETCHECK, 0, 0));
  const int box = 13;
  const int top = rect.top + ((rect.bottom - rect.top) - box) / 2;
  RECT mark{rect.left, top, rect.left + box, top + box};
  const COLORREF edge = enabled ? p.accent : p.muted;
  if (radio) {
    SolidBrush fill(p.fill);
    HPEN pen = CreatePen(PS_SOLID, 1, edge);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
    if (check == BST_CHECKED) {
      SolidBrush dot(edge);
      SelectObject(dc, dot);
      Ellipse(dc, mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3);
      SelectObject(dc, fill);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  } else {
    Fill(dc, mark, p.fill);
    Outline(dc, mark, edge);
    RECT inner = mark;
    InflateRect(&inner, -3, -3);
    if (check == BST_CHECKED) Fill(dc, inner, edge);
    if (check == BST_INDETERMINATE) Fill(dc, inner, p.pressed);
  }
  RECT text = rect;
  text.left = mark.right + 5;
  DrawCaption(dc, hwnd, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, enabled ? p.text : p.muted);
  if (GetFocus() == hwnd) {
    RECT focus = text;
    InflateRect(&focus, 1, -1);
    DrawFocusRect(dc, &focus);
  }
}

void PaintGroupBox(HWND hwnd, HDC dc, const Palette& p) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  const HGDIOBJ old = SelectObject(dc, FontOf(hwnd));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  Outline(dc, frame, p.accent);
  const std::wstring text = TextOf(hwnd);
  if (text.empty()) return;
  RECT band{rect.left + 8, rect.top, rect.right - 8, rect.top + metrics.tmHeight};
  SIZE extent{};
  const HGDIOBJ old2 = SelectObject(dc, FontOf(hwnd));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old2);
  band.right = std::min<LONG>(band.right, band.left + extent.cx + 4);
  FillRect(dc, &band, ParentBackground(hwnd, dc));
  band.left += 2;
  DrawCaption(dc, hwnd, band, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX, p.accent);
}

void PaintUpDown(HWND hwnd, HDC dc, const Palette& p) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  const bool horizontal = (GetWindowLongPtrW(hwnd, GWL_STYLE) & UDS_HORZ) != 0;
  RECT first = rect;
  RECT second = rect;
  if (horizontal) {
    first.right = second.left = (rect.left + rect.right) / 2;
  } else {
    first.bottom = second.top = (rect.top + rect.bottom) / 2;
  }
  const COLORREF edge = IsWindowEnabled(hwnd) ? p.accent : p.muted;
  for (const RECT& half : {first, second}) {
    Fill(dc, half, p.fill);
    Outline(dc, half, edge);
  }
  // Small triangles: up/left in the first half, down/right in the second.
  SolidBrush arrow(edge);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  const HGDIOBJ oldBrush = SelectObject(dc, arrow);
  for (int i = 0; i < 2; ++i) {
    const RECT& r = i == 0 ? first : second;
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    POINT points[3];
    if (horizontal) {
      const int d = i == 0 ? -1 : 1;
      points[0] = {cx - d * 2, cy - 3};
      points[1] = {cx - d * 2, cy + 3};
      points[2] = {cx + d * 1, cy};
    } else {
      const int d = i == 0 ? -1 : 1;
      points[0] = {cx - 3, cy - d * 1};
      points[1] = {cx + 3, cy - d * 1};
      points[2] = {cx, cy + d * 2};
    }
    Polygon(dc, points, 3);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void PaintClient(HWND hwnd, HDC dc, Kind kind) {
  const Palette& p = CurrentPalette();
  switch (kind) {
    case Kind::PushButton: PaintPushButton(hwnd, dc, p); break;
    case Kind::CheckBox: PaintCheckOrRadio(hwnd, dc, p, false); break;
    case Kind::RadioButton: PaintCheckOrRadio(hwnd, dc, p, true); break;
    case Kind::GroupBox: PaintGroupBox(hwnd, dc, p); break;
    case Kind::UpDown: PaintUpDown(hwnd, dc, p); break;
    default: break;
  }
}

// A flat frame over the non-client border of an edit box or a list: the
// accent line outside, the control's own background inside.
void PaintFlatFrame(HWND hwnd) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const int border = client.left - window.left;
  if (border <= 0) return;
  HDC dc = GetWindowDC(hwnd);
  RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
  const Palette& p = CurrentPalette();
  const bool enabled = IsWindowEnabled(hwnd);
  Outline(dc, rect, enabled ? (GetFocus() == hwnd ? p.accent : p.muted) : p.muted);
  InflateRect(&rect, -1, -1);
  if (border > 1) Outline(dc, rect, enabled ? p.fill : GetSysColor(COLOR_BTNFACE), border - 1);
  ReleaseDC(hwnd, dc);
}

// Drawn over the combo box's own painting: a flat outline and a flat button.
void PaintComboOverlay(HWND hwnd) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(hwnd, &info)) return;
  HDC dc = GetDC(hwnd);
  RECT rect{};
  GetClientRect(hwnd, &rect);
  const Palette& p = CurrentPalette();
  const bool enabled = IsWindowEnabled(hwnd);
  Outline(dc, rect, enabled ? p.accent : p.muted);
  InflateRect(&rect, -1, -1);
  Outline(dc, rect, enabled ? p.fill : GetSysColor(COLOR_BTNFACE));
  RECT button = info.rcButton;
  if (!IsRectEmpty(&button)) {
    Fill(dc, button, info.stateButton & STATE_SYSTEM_PRESSED ? p.pressed : p.fill);
    const int cx = (button.left + button.right) / 2;
    const int cy = (button.top + button.bottom) / 2;
    SolidBrush arrow(enabled ? p.accent : p.muted);
    HPEN pen = CreatePen(PS_SOLID, 1, enabled ? p.accent : p.muted);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, arrow);
    const POINT points[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    Polygon(dc, points, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }
  ReleaseDC(hwnd, dc);
}

void Redraw(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW); }

bool PaintsClient(Kind kind) {
  return kind == Kind::PushButton || kind == Kind::CheckBox || kind == Kind::RadioButton ||
         kind == Kind::GroupBox || kind == Kind::UpDown;
}

void Unskin(HWND hwnd);

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  const auto kind = static_cast<Kind>(data);
  switch (message) {
    case WM_PAINT:
      if (PaintsClient(kind)) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        PaintClient(hwnd, dc, kind);
        EndPaint(hwnd, &paint);
        return 0;
      }
      if (kind == Kind::ComboBox) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        PaintComboOverlay(hwnd);
        return result;
      }
      break;
    case WM_PRINTCLIENT:
      if (PaintsClient(kind)) {
        PaintClient(hwnd, reinterpret_cast<HDC>(wParam), kind);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      if (PaintsClient(kind)) return 1;
      break;
    case WM_NCPAINT:
      if (kind == Kind::Edit || kind == Kind::ComboList) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        PaintFlatFrame(hwnd);
        return result;
      }
      break;
    // The platform's buttons draw state changes straight away, outside
    // WM_PAINT; draw them again in the skin afterwards.
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      if (PaintsClient(kind) || kind == Kind::ComboBox) {
        Redraw(hwnd);
      } else if (kind == Kind::Edit && (message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_ENABLE)) {
        PaintFlatFrame(hwnd);
      }
      return result;
    }
    case WM_NCDESTROY: {
      Unskin(hwnd);
      break;
    }
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Restyle(HWND hwnd) {
  if (GetPropW(hwnd, kSkinProperty) != nullptr) return;
  const Kind kind = KindOf(hwnd);
  if (kind == Kind::None) return;
  if (!SetWindowSubclass(hwnd, SkinProc, kSkinId, static_cast<DWORD_PTR>(kind))) return;
  SetPropW(hwnd, kSkinProperty, reinterpret_cast<HANDLE>(static_cast<DWORD_PTR>(kind)));
  Skin().skinned.push_back(hwnd);
}

void Unskin(HWND hwnd) {
  RemoveWindowSubclass(hwnd, SkinProc, kSkinId);
  RemovePropW(hwnd, kSkinProperty);
  auto& list = Skin().skinned;
  list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_CREATE) Restyle(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK RestyleChild(HWND hwnd, LPARAM) {
  if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
    Restyle(hwnd);
    Redraw(hwnd);
  }
  return TRUE;
}

BOOL CALLBACK RestyleTopLevel(HWND hwnd, LPARAM) {
  RestyleChild(hwnd, 0);
  EnumChildWindows(hwnd, RestyleChild, 0);  // all descendants
  return TRUE;
}

}  // namespace

std::int32_t SetControlSkin(std::int32_t style) {
  SkinState& skin = Skin();
  const std::int32_t previous = skin.style;
  if (style >= 1 && style <= 3) {
    skin.style = style;
    if (skin.hook == nullptr) {
      skin.hook = SetWindowsHookExW(WH_CALLWNDPROC, CreationHook, nullptr, GetCurrentThreadId());
    }
    EnumThreadWindows(GetCurrentThreadId(), RestyleTopLevel, 0);
    for (HWND hwnd : std::vector<HWND>(skin.skinned)) Redraw(hwnd);  // a new style shows at once
    return previous;
  }
  skin.style = 0;
  if (skin.hook != nullptr) {
    UnhookWindowsHookEx(skin.hook);
    skin.hook = nullptr;
  }
  for (HWND hwnd : std::vector<HWND>(skin.skinned)) {
    Unskin(hwnd);
    Redraw(hwnd);
  }
  return previous;
}

bool IsSkinned(HWND control) { return GetPropW(control, kSkinProperty) != nullptr; }

}  // namespace toolkit
