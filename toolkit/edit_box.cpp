// The integer input mode of an edit box: typing lets through only digits and
// minus signs, and the text is tidied when the box loses the focus.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/integer_text.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace toolkit::detail {
namespace {

constexpr UINT_PTR kIntegerInputId = 0x7A01;

// Control codes (below 32) always pass, so Backspace and the clipboard keys
// work; pasted text is therefore not filtered, only tidied later.
bool TypedCharacterAllowed(WPARAM code) { return code < 32 || code == L'-' || (code >= L'0' && code <= L'9'); }

LRESULT CALLBACK IntegerInputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR) {
  if (message == WM_CHAR && !TypedCharacterAllowed(wParam)) return 0;  // dropped without a sound
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, IntegerInputProc, id);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void AttachIntegerInput(HWND edit) { SetWindowSubclass(edit, IntegerInputProc, kIntegerInputId, 0); }

void NormaliseIntegerBox(HWND edit) {
  const std::string text = WindowTextUtf8(edit);
  const std::string tidy = NormaliseIntegerInput(text);
  if (tidy == text) return;
  DWORD start = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  SetWindowTextW(edit, Widen(tidy).c_str());
  SendMessageW(edit, EM_SETSEL, start, start);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace toolkit::detail
