// The toolkit operations of the export command: opening a web address, the
// file dialog of a CommonDlg unit, and writing byte sets to a file. The
// shell and common-dialog libraries are loaded when first needed, not at
// start-up. GUI thread only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "toolkit/definition.h"

namespace toolkit {

// Opens the address with the handler registered for its scheme (normally
// the default browser). Never reports failure; the shell may show its own.
void OpenWebAddress(const char* address);

// Shows the open or save dialog of a CommonDlg unit with its settings.
// True when the user confirmed it; the unit's file name then holds the
// chosen full path. False on Cancel or failure, the file name unchanged.
bool ShowCommonDialog(WindowId window, UnitId dialog);

// Writes the byte sets' bytes, in order, to the file at path (UTF-8),
// replacing it as a whole: the bytes go to a new file in the same folder,
// which then takes the target's place in one step. True when all bytes are
// on disk under path. On false nothing at path has changed, no temporary
// file is left, and GetLastError() tells why.
bool WriteBytesToFile(const char* path, std::initializer_list<std::span<const std::uint8_t>> byteSets);

// One message box owned by the window: text, in the window's title.
void ShowErrorMessage(HWND owner, const std::string& text);

// The system's description of an error code, as UTF-8.
std::string SystemErrorText(DWORD error);

namespace detail {

// The dialog's default suffix as the platform wants it: without a leading
// dot (".u" would give "name..u").
std::wstring PlatformSuffix(const std::string& suffix);

// The initial file name cut to fit a buffer of capacity units with its
// terminator, never between the two halves of a surrogate pair.
std::wstring FitFileName(const std::wstring& name, std::size_t capacity);

}  // namespace detail
}  // namespace toolkit
