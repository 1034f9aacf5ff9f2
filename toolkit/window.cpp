// Building a window from its definition, the window procedures of the
// toolkit's own classes, the keyboard rules of a loaded window and the
// message loop.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkit/dpi.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace toolkit {
using namespace detail;

namespace {

constexpr wchar_t kWindowClass[] = L"TarnwickWindow";
constexpr wchar_t kLabelClass[] = L"TarnwickLabel";
constexpr wchar_t kComponentClass[] = L"TarnwickComponent";

bool loopRunning = false;
int loopExitCode = 0;

COLORREF ColourOf(Colour colour) {
  return colour == kButtonFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0xFFFFFF);
}

HFONT FontOf(const LiveUnit& unit) {
  return unit.window->font ? unit.window->font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LiveUnit* UnitFromCreateParams(HWND hwnd, LPARAM lParam) {
  auto* unit = static_cast<LiveUnit*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(unit));
  unit->hwnd = hwnd;
  return unit;
}

LiveUnit* StoredUnit(HWND hwnd) { return reinterpret_cast<LiveUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

WindowId IdOf(const LiveUnit& unit) { return unit.window->def->id; }

void FillWith(HDC dc, const RECT& rect, Colour colour) {
  if (colour == kButtonFace) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HBRUSH brush = CreateSolidBrush(ColourOf(colour));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// ---- focus ------------------------------------------------------------------

// Units that Tab visits: visible, enabled, tab stop, not a component; by tab
// order, and on equal order the later stored unit first.
std::vector<LiveUnit*> TabSequence(LiveWindow& window) {
  std::vector<LiveUnit*> sequence;
  for (std::size_t i = window.units.size(); i-- > 1;) {
    LiveUnit& unit = window.units[i];
    if (unit.hwnd == nullptr || PropertiesOf<CommonDlgProperties>(*unit.def)) continue;
    if (!unit.def->common.tabStop || !IsWindowVisible(unit.hwnd) || !IsWindowEnabled(unit.hwnd)) continue;
    sequence.push_back(&unit);
  }
  std::stable_sort(sequence.begin(), sequence.end(), [](const LiveUnit* a, const LiveUnit* b) {
    return a->def->common.tabOrder < b->def->common.tabOrder;
  });
  return sequence;
}

LiveUnit* UnitContaining(LiveWindow& window, HWND hwnd) {
  for (LiveUnit& unit : window.units) {
    if (unit.hwnd != nullptr && (unit.hwnd == hwnd || IsChild(unit.hwnd, hwnd))) {
      if (&unit != &window.units[0]) return &unit;
    }
  }
  return nullptr;
}

void MoveFocus(LiveWindow& window, bool backwards) {
  const std::vector<LiveUnit*> sequence = TabSequence(window);
  if (sequence.empty()) return;
  const LiveUnit* current = UnitContaining(window, GetFocus());
  auto at = std::find(sequence.begin(), sequence.end(), current);
  std::size_t next = 0;
  if (at != sequence.end()) {
    const std::size_t index = static_cast<std::size_t>(at - sequence.begin());
    next = backwards ? (index + sequence.size() - 1) % sequence.size() : (index + 1) % sequence.size();
  } else if (backwards) {
    next = sequence.size() - 1;
  }
  SetFocus(sequence[next]->hwnd);
}

// Gives the focus back to the control that had it, or to the first unit of
// the tab sequence when none had it yet.
void RestoreFocus(LiveWindow& window) {
  if (window.lastFocus != nullptr && IsWindow(window.lastFocus) && IsChild(window.hwnd, window.lastFocus)) {
    SetFocus(window.lastFocus);
    return;
  }
  const std::vector<LiveUnit*> sequence = TabSequence(window);
  if (!sequence.empty()) SetFocus(sequence.front()->hwnd);
}

// ---- keyboard ----------------------------------------------------------------

bool ClaimsEnter(const LiveUnit* focused) {
  if (focused == nullptr) return false;
  const auto* edit = PropertiesOf<EditBoxProperties>(*focused->def);
  return edit != nullptr && edit->multiLine && (GetWindowLongPtrW(focused->hwnd, GWL_STYLE) & ES_READONLY) == 0;
}

LiveUnit* DefaultButton(LiveWindow& window, LiveUnit* focused) {
  auto isDefault = [](const LiveUnit* unit) {
    const auto* button = unit ? PropertiesOf<ButtonProperties>(*unit->def) : nullptr;
    return button != nullptr && button->buttonType == 1 && unit->hwnd != nullptr && IsWindowEnabled(unit->hwnd);
  };
  if (isDefault(focused)) return focused;
  for (std::size_t i = 1; i < window.units.size(); ++i) {
    if (isDefault(&window.units[i])) return &window.units[i];
  }
  return nullptr;
}

// Applies the window's key rules before a key-down is dispatched; true when
// the key has been used up.
bool HandleWindowKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  LiveUnit* root = UnitOfHandle(GetAncestor(msg.hwnd, GA_ROOT));
  if (root == nullptr || root != &root->window->units[0]) return false;
  LiveWindow& window = *root->window;
  const auto* props = PropertiesOf<WindowProperties>(*root->def);
  if (props == nullptr) return false;
  LiveUnit* focused = UnitContaining(window, msg.hwnd);

  switch (msg.wParam) {
    case VK_ESCAPE:
      if (!props->escCloses) return false;
      SendMessageW(window.hwnd, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      if (ClaimsEnter(focused)) return false;
      if (LiveUnit* button = DefaultButton(window, focused)) {
        SendMessageW(button->hwnd, BM_CLICK, 0, 0);
        return true;
      }
      if (!props->enterMovesFocus) return false;
      MoveFocus(window, false);
      return true;
    case VK_TAB:
      if (msg.message == WM_SYSKEYDOWN || GetKeyState(VK_CONTROL) < 0) return false;
      MoveFocus(window, GetKeyState(VK_SHIFT) < 0);
      return true;
    default:
      return false;
  }
}

// ---- window procedures -------------------------------------------------------

LRESULT OnCommand(LiveWindow& window, WPARAM wParam, LPARAM lParam) {
  LiveUnit* unit = UnitOfHandle(reinterpret_cast<HWND>(lParam));
  if (unit == nullptr || unit->window != &window) return 0;
  const WindowId id = window.def->id;
  const UINT code = HIWORD(wParam);
  if (PropertiesOf<ButtonProperties>(*unit->def) && code == BN_CLICKED) {
    RaiseEvent(id, unit->def->id, event::kButtonClicked);
  } else if (const auto* edit = PropertiesOf<EditBoxProperties>(*unit->def)) {
    if (code == EN_CHANGE) {
      unit->text = WindowTextUtf8(unit->hwnd);
      RaiseEvent(id, unit->def->id, event::kEditChanged);
    } else if (code == EN_KILLFOCUS) {
      if (edit->inputMode == kIntegerInput) NormaliseIntegerBox(unit->hwnd);
      RaiseEvent(id, unit->def->id, event::kEditLostFocus);
    }
  }
  return 0;
}

void SetIcons(HWND hwnd, UINT dpi);
void EnsureLineHeight(const LiveUnit& unit);

// Lays the window out again for a new DPI: the same window scaled, at the
// place the system suggests. Controls keep their text and the focus.
void ApplyDpi(LiveWindow& window, UINT dpi, const RECT& suggested) {
  const HFONT old = window.font;
  window.dpi = dpi;
  window.font = GuiFontForDpi(dpi);
  const CommonProperties& common = window.units[0].def->common;
  SetWindowPos(window.hwnd, nullptr, suggested.left, suggested.top, Scale(common.width, dpi),
               Scale(common.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(window.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(window.font), FALSE);
  SetIcons(window.hwnd, dpi);
  for (std::size_t i = 1; i < window.units.size(); ++i) {
    LiveUnit& unit = window.units[i];
    if (unit.hwnd == nullptr) continue;
    const CommonProperties& c = unit.def->common;
    SetWindowPos(unit.hwnd, nullptr, Scale(c.left, dpi), Scale(c.top, dpi), Scale(c.width, dpi),
                 Scale(c.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(unit.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(window.font), TRUE);
    const auto* edit = PropertiesOf<EditBoxProperties>(*unit.def);
    if (edit != nullptr && !edit->multiLine) EnsureLineHeight(unit);
  }
  if (OwnsFont(old)) DeleteObject(old);
  RedrawWindow(window.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) UnitFromCreateParams(hwnd, lParam);
  LiveUnit* self = StoredUnit(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LiveWindow& window = *self->window;
  const auto* props = PropertiesOf<WindowProperties>(*self->def);

  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      FillWith(reinterpret_cast<HDC>(wParam), client, props->backColor);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) window.lastFocus = focus;
        return 0;
      }
      if (!HIWORD(wParam)) RestoreFocus(window);  // not while minimised
      return 0;
    case WM_SETFOCUS:
      RestoreFocus(window);
      return 0;
    case WM_COMMAND:
      return OnCommand(window, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      LiveUnit* unit = UnitOfHandle(reinterpret_cast<HWND>(lParam));
      const auto* edit = unit ? PropertiesOf<EditBoxProperties>(*unit->def) : nullptr;
      if (edit == nullptr || unit->background == nullptr) break;
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ColourOf(edit->textColor));
      SetBkColor(dc, ColourOf(edit->backColor));
      return reinterpret_cast<LRESULT>(unit->background);
    }
    case WM_DPICHANGED:
      ApplyDpi(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      RaiseEvent(window.def->id, self->def->id, event::kWindowCloseRequest);
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      RaiseEvent(window.def->id, self->def->id, event::kWindowDestroyed);
      return 0;
    case WM_NCDESTROY: {
      for (LiveUnit& unit : window.units) {
        if (unit.background != nullptr) DeleteObject(unit.background);
      }
      if (OwnsFont(window.font)) DeleteObject(window.font);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      RemoveLiveWindow(&window);
      if (loopRunning && LiveWindowCount() == 0) PostQuitMessage(0);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void PaintLabel(HWND hwnd, const LiveUnit& unit, const LabelProperties& label) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  if (!IsRectEmpty(&paint.rcPaint)) {
    RECT client{};
    GetClientRect(hwnd, &client);
    FillWith(dc, client, label.backColor);
    const std::wstring text = Widen(WindowTextUtf8(hwnd));
    if (!text.empty()) {
      const HGDIOBJ oldFont = SelectObject(dc, FontOf(unit));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColourOf(label.textColor));
      UINT format = DT_NOCLIP;
      format |= label.alignment == 1 ? DT_CENTER : label.alignment == 2 ? DT_RIGHT : DT_LEFT;
      if (label.wordWrap) {
        format |= DT_WORDBREAK;
      } else {
        format |= DT_SINGLELINE;
        format |= label.verticalAlignment == 1 ? DT_VCENTER : label.verticalAlignment == 2 ? DT_BOTTOM : DT_TOP;
      }
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
      SelectObject(dc, oldFont);
    }
  }
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) UnitFromCreateParams(hwnd, lParam);
  LiveUnit* self = StoredUnit(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_UNIT_FEEDBACK:
      RaiseEvent(IdOf(*self), self->def->id, event::kLabelFeedback, static_cast<std::int32_t>(wParam),
                 static_cast<std::int32_t>(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintLabel(hwnd, *self, *PropertiesOf<LabelProperties>(*self->def));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    case WM_NCDESTROY:
      self->hwnd = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ComponentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) UnitFromCreateParams(hwnd, lParam);
  if (message == WM_NCDESTROY) {
    if (LiveUnit* self = StoredUnit(hwnd)) self->hwnd = nullptr;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterClasses() {
  static bool registered = false;
  if (registered) return true;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const struct {
    const wchar_t* name;
    WNDPROC proc;
  } classes[] = {{kWindowClass, MainWindowProc}, {kLabelClass, LabelProc}, {kComponentClass, ComponentProc}};
  for (const auto& c : classes) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = c.proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = c.name;
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }
  registered = true;
  return true;
}

// ---- building ----------------------------------------------------------------

// The executable's icon group in the large and small sizes of the DPI.
void SetIcons(HWND hwnd, UINT dpi) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto& [metric, kind] : {std::pair{SM_CXICON, ICON_BIG}, std::pair{SM_CXSMICON, ICON_SMALL}}) {
    const int size = MetricForDpi(metric, dpi);
    if (HANDLE icon = LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED)) {
      SendMessageW(hwnd, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
  }
}

DWORD FlagStyle(const CommonProperties& common) {
  return (common.disabled ? WS_DISABLED : 0u) | (common.tabStop ? WS_TABSTOP : 0u);
}

HWND CreateTopLevel(LiveUnit& unit, const WindowProperties& props) {
  const CommonProperties& common = unit.def->common;
  DWORD style = WS_CLIPCHILDREN | FlagStyle(common);
  if (props.borderStyle == 0) {
    style |= WS_POPUP;
  } else {
    if (props.caption[0] != '\0') style |= WS_CAPTION;
    if (props.controlBox) style |= WS_SYSMENU;
    if (props.borderStyle == 1) style |= WS_THICKFRAME;
  }
  if (props.minButton) style |= WS_MINIMIZEBOX;
  if (props.maxButton) style |= WS_MAXIMIZEBOX;
  const DWORD exStyle = props.alwaysOnTop ? WS_EX_TOPMOST : 0u;

  // Centred on the primary screen, whose DPI is the system's.
  UINT dpi = SystemDpi();
  int width = Scale(common.width, dpi);
  int height = Scale(common.height, dpi);
  int x = Scale(common.left, dpi);
  int y = Scale(common.top, dpi);
  if (props.startPosition == 1) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  const std::wstring caption = Widen(props.caption);
  HWND hwnd = CreateWindowExW(exStyle, kWindowClass, caption.c_str(), style, x, y, width, height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), &unit);
  if (hwnd == nullptr) return nullptr;

  dpi = WindowDpi(hwnd);
  width = Scale(common.width, dpi);
  height = Scale(common.height, dpi);
  RECT outer{};
  GetWindowRect(hwnd, &outer);
  if (outer.left != x || outer.top != y || outer.right - outer.left != width || outer.bottom - outer.top != height) {
    SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  unit.window->dpi = dpi;
  unit.window->font = GuiFontForDpi(dpi);
  SetIcons(hwnd, dpi);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(unit.window->font), FALSE);
  return hwnd;
}

HWND CreateChild(LiveUnit& unit, const wchar_t* className, const std::wstring& text, DWORD style) {
  const CommonProperties& common = unit.def->common;
  HWND parent = unit.window->hwnd;
  const UINT dpi = unit.window->dpi;
  HWND hwnd = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | FlagStyle(common) | style,
                              Scale(common.left, dpi), Scale(common.top, dpi), Scale(common.width, dpi),
                              Scale(common.height, dpi), parent, nullptr, GetModuleHandleW(nullptr), &unit);
  unit.hwnd = hwnd;
  return hwnd;
}

// The height of one line of double-byte text in the box's font, plus the
// sunken edge above and below.
int SingleLineHeight(const LiveUnit& unit) {
  HDC dc = GetDC(unit.hwnd);
  const HGDIOBJ old = SelectObject(dc, FontOf(unit));
  SIZE extent{};
  GetTextExtentPoint32W(dc, L"\x56fd", 1, &extent);
  SelectObject(dc, old);
  ReleaseDC(unit.hwnd, dc);
  return extent.cy + 2 * MetricForDpi(SM_CYEDGE, unit.window->dpi);
}

// A single-line edit box is at least one line of text high.
void EnsureLineHeight(const LiveUnit& unit) {
  RECT rect{};
  GetWindowRect(unit.hwnd, &rect);
  const int height = SingleLineHeight(unit);
  if (rect.bottom - rect.top < height) {
    SetWindowPos(unit.hwnd, nullptr, 0, 0, rect.right - rect.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND CreateEditBox(LiveUnit& unit, const EditBoxProperties& props) {
  DWORD style = ES_AUTOHSCROLL;
  style |= props.alignment == 1 ? ES_CENTER : props.alignment == 2 ? ES_RIGHT : ES_LEFT;
  if (!props.hideSelection) style |= ES_NOHIDESEL;
  if (props.multiLine) style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  HWND edit = CreateChild(unit, L"EDIT", Widen(props.text), style);
  if (edit == nullptr) return nullptr;
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(unit)), FALSE);
  if (!props.multiLine) EnsureLineHeight(unit);
  SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(props.maxLength), 0);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(props.selStart),
               static_cast<LPARAM>(props.selStart + props.selLength));
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  if (props.borderStyle == 1) {
    SetWindowLongPtrW(edit, GWL_EXSTYLE, GetWindowLongPtrW(edit, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  unit.text = WindowTextUtf8(edit);
  unit.background = CreateSolidBrush(ColourOf(props.backColor));
  if (props.inputMode == kIntegerInput) AttachIntegerInput(edit);
  return edit;
}

HWND CreateUnit(LiveUnit& unit) {
  if (const auto* label = PropertiesOf<LabelProperties>(*unit.def)) {
    return CreateChild(unit, kLabelClass, Widen(label->caption), 0);
  }
  if (const auto* edit = PropertiesOf<EditBoxProperties>(*unit.def)) return CreateEditBox(unit, *edit);
  if (const auto* button = PropertiesOf<ButtonProperties>(*unit.def)) {
    const DWORD kind = button->buttonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    HWND hwnd = CreateChild(unit, L"BUTTON", Widen(button->caption), kind | BS_CENTER | BS_VCENTER | BS_MULTILINE);
    if (hwnd != nullptr) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(unit)), FALSE);
    return hwnd;
  }
  if (const auto* dialog = PropertiesOf<CommonDlgProperties>(*unit.def)) {
    unit.fileName = dialog->fileName;
    return CreateChild(unit, kComponentClass, L"", 0);
  }
  return nullptr;
}

}  // namespace

bool detail::MessageLoopRunning() { return loopRunning; }

bool detail::BuildWindow(WindowId id, std::string* error) {
  const WindowDefinition* def = FindDefinition(id);
  if (def == nullptr || def->units.empty() || !PropertiesOf<WindowProperties>(def->units[0])) {
    *error = "the window definition " + std::to_string(id) + " cannot be read";
    return false;
  }
  if (FindLiveWindow(id) != nullptr) {
    *error = "the window " + std::to_string(id) + " is loaded already";
    return false;
  }
  if (!RegisterClasses()) {
    *error = "the window classes cannot be registered";
    return false;
  }
  LiveWindow* window = AddLiveWindow(*def);
  LiveUnit& self = window->units[0];
  window->hwnd = CreateTopLevel(self, *PropertiesOf<WindowProperties>(*self.def));
  if (window->hwnd == nullptr) {
    RemoveLiveWindow(window);
    *error = "the window " + std::string(self.def->name) + " cannot be created";
    return false;
  }
  for (std::size_t i = window->units.size(); i-- > 1;) {
    if (CreateUnit(window->units[i]) == nullptr) {
      *error = "the unit " + std::string(window->units[i].def->name) + " cannot be created";
      DestroyWindow(window->hwnd);
      return false;
    }
  }
  for (std::size_t i = window->units.size(); i-- > 1;) {
    const LiveUnit& unit = window->units[i];
    const bool shown = unit.def->common.visible && !PropertiesOf<CommonDlgProperties>(*unit.def);
    ShowWindow(unit.hwnd, shown ? SW_SHOWNA : SW_HIDE);
  }
  // Stacked in stored order: the first stored unit on top.
  for (std::size_t i = 1; i < window->units.size(); ++i) {
    SetWindowPos(window->units[i].hwnd, i == 1 ? HWND_TOP : window->units[i - 1].hwnd, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  window->eventsOpen = true;
  const HWND hwnd = window->hwnd;
  RaiseEvent(id, self.def->id, event::kWindowCreated);
  if (IsWindow(hwnd) && self.def->common.visible) ShowWindow(hwnd, SW_SHOW);
  return true;
}

void LoadWindow(WindowId window) {
  std::string error;
  if (!BuildWindow(window, &error)) Fatal(error);
}

void RunMessageLoop() {
  if (LiveWindowCount() == 0) return;
  loopRunning = true;
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      loopExitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) break;
    if (HandleWindowKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  loopRunning = false;
}

int ExitCodeOfLoop() { return loopExitCode; }

}  // namespace toolkit
