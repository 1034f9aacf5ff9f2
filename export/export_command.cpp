// The export command: opens the referral page, then saves the embedded
// source package where the user chooses.
#include "export/export_command.h"

#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "toolkit/byte_set.h"
#include "toolkit/export_ops.h"
#include "toolkit/toolkit.h"

std::span<const std::uint8_t> SOURCE_PACKAGE() {
  HRSRC resource = FindResourceW(nullptr, L"SOURCE_PACKAGE", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, resource)};
}

namespace {

// A failed save is reported once, naming the file and the system's reason;
// the target keeps whatever it held before.
void ReportFailedSave(const char* path, DWORD error) {
  const std::string text = std::string("源码未能保存到：\n") + path + "\n\n" + toolkit::SystemErrorText(error);
  toolkit::ShowErrorMessage(toolkit::GetUnitHandle(main_window::kWindow, main_window::kWindowUnit), text);
}

}  // namespace

void ExportButton_Clicked() {
  toolkit::OpenWebAddress(REFERRAL_URL);
  if (!toolkit::ShowCommonDialog(main_window::kWindow, main_window::通用对话框1)) return;
  char* path = toolkit::ReadUnitProperty(main_window::kWindow, main_window::通用对话框1,
                                         toolkit::prop::kDialogFileName, -1);
  const char* target = path != nullptr ? path : "";
  const auto package = toolkit::ByteSetBytes(SOURCE_PACKAGE());
  const bool saved = package && toolkit::WriteBytesToFile(target, {*package});
  if (!saved) ReportFailedSave(target, package ? GetLastError() : static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
  if (path != nullptr) toolkit::FreeBlock(path);
}
