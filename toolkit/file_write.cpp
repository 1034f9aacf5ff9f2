// Writing byte sets to a file without ever leaving a half-written target: the
// bytes go to a new temporary file beside it, are checked, flushed and
// closed, and only then does the temporary file take the target's place.
#include <windows.h>

#include <string>
#include <utility>

#include "toolkit/export_ops.h"
#include "toolkit/text.h"

namespace toolkit {
namespace {

// Owns a file handle.
class File {
 public:
  explicit File(HANDLE handle) : handle_(handle) {}
  ~File() { Close(); }
  File(File&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File& operator=(File&&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    if (!Valid()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

bool Transient(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether the existing target could be replaced now: another process that
// holds it open without sharing makes this fail with a sharing violation.
// Asking first keeps ReplaceFileW from failing half-way, which on some
// systems leaves a backup file of its own behind.
bool Replaceable(const std::wstring& target) {
  File probe(CreateFileW(target.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return probe.Valid();
}

// Puts the finished temporary file in the target's place in one step,
// retrying briefly while another process has the target open.
bool TakePlace(const std::wstring& temporary, const std::wstring& target) {
  for (int attempt = 0;; ++attempt) {
    bool done = false;
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
      done = Replaceable(target) && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
    } else {
      done = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }
    if (done) return true;
    const DWORD error = GetLastError();
    if (!Transient(error) || attempt == 9) {
      SetLastError(error);
      return false;
    }
    Sleep(50);
  }
}

// Creates a new, unshared file beside the target; its name is unique.
File CreateTemporary(const std::wstring& target, std::wstring* name) {
  const std::size_t slash = target.find_last_of(L'\\');
  const std::wstring folder = target.substr(0, slash + 1);
  const std::wstring base = target.substr(slash + 1);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    *name = folder + L"~" + base + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount() + attempt) + L".tmp";
    File file(CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Valid() || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return File(INVALID_HANDLE_VALUE);
}

}  // namespace

bool WriteBytesToFile(const char* path, std::initializer_list<std::span<const std::uint8_t>> byteSets) {
  if (path == nullptr || path[0] == '\0') {
    SetLastError(ERROR_INVALID_NAME);
    return false;
  }
  const std::wstring target = FullPath(Widen(path));
  if (target.empty()) return false;
  std::wstring temporary;
  File file = CreateTemporary(target, &temporary);
  if (!file.Valid()) return false;

  DWORD error = ERROR_SUCCESS;
  for (const auto& bytes : byteSets) {
    if (bytes.empty()) continue;
    if (bytes.size() > MAXDWORD) {
      error = ERROR_FILE_TOO_LARGE;
      break;
    }
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) {
      error = GetLastError();
      break;
    }
    if (written != size) {
      error = ERROR_WRITE_FAULT;  // a short write
      break;
    }
  }
  if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get())) error = GetLastError();
  if (!file.Close() && error == ERROR_SUCCESS) error = GetLastError();
  if (error == ERROR_SUCCESS && !TakePlace(temporary, target)) error = GetLastError();
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
  }
  return true;
}

}  // namespace toolkit
