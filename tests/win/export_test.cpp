// Writing byte sets to files, and the pieces of the file dialog that can be
// checked without a person at the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/export_command.h"
#include "tests/win/helper_process.h"
#include "toolkit/byte_set.h"
#include "toolkit/export_ops.h"
#include "toolkit/text.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class Folder {
 public:
  explicit Folder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + name;
    Clear();
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~Folder() {
    Clear();
    RemoveDirectoryW(path_.c_str());
  }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
  std::string Utf8(const std::wstring& name) const { return toolkit::Narrow(*this / name); }

  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

 private:
  void Clear() {
    for (const std::wstring& name : Names()) DeleteFileW((*this / name).c_str());
  }
  std::wstring path_;
};

Bytes ReadAll(const std::wstring& path) {
  Bytes bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  std::uint8_t buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.insert(bytes.end(), buffer, buffer + read);
  CloseHandle(file);
  return bytes;
}

void WriteAll(const std::wstring& path, const Bytes& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

TEST(WriteBytesToFile, NewAndExistingFilesGetExactlyTheBytes) {
  Folder folder(L"tarnwick-write");
  const Bytes package(522928, 0x5A);
  struct Case {
    const wchar_t* name;
    Bytes before;  // empty: no file there
  };
  const Case cases[] = {
      {L"new.zip", {}},
      {L"longer.zip", Bytes(600000, 0x11)},
      {L"shorter.zip", Bytes(10, 0x22)},
      {L"\x6e90\x7801 \xd55c.zip", {}},  // characters outside the ANSI code page and GBK
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toolkit::Narrow(c.name));
    if (!c.before.empty()) WriteAll(folder / c.name, c.before);
    EXPECT_TRUE(toolkit::WriteBytesToFile(folder.Utf8(c.name).c_str(), {package}));
    EXPECT_EQ(ReadAll(folder / c.name), package);
  }
  EXPECT_EQ(folder.Names().size(), std::size(cases));  // no temporary file left behind
}

TEST(WriteBytesToFile, SeveralByteSetsInOrderEmptyOnesSkipped) {
  Folder folder(L"tarnwick-sets");
  const Bytes a = {1, 2, 3}, empty = {}, b = {4, 5};
  EXPECT_TRUE(toolkit::WriteBytesToFile(folder.Utf8(L"out.bin").c_str(), {a, empty, b, empty}));
  EXPECT_EQ(ReadAll(folder / L"out.bin"), (Bytes{1, 2, 3, 4, 5}));
  EXPECT_TRUE(toolkit::WriteBytesToFile(folder.Utf8(L"none.bin").c_str(), {empty}));
  EXPECT_EQ(ReadAll(folder / L"none.bin"), Bytes{});
}

TEST(WriteBytesToFile, FailuresChangeNothingAndSayWhy) {
  Folder folder(L"tarnwick-fail");
  const Bytes bytes = {7, 7, 7};
  EXPECT_FALSE(toolkit::WriteBytesToFile("", {bytes}));
  EXPECT_FALSE(toolkit::WriteBytesToFile(nullptr, {bytes}));

  SetLastError(0);
  EXPECT_FALSE(toolkit::WriteBytesToFile(folder.Utf8(L"missing\\out.zip").c_str(), {bytes}));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(folder.Names().empty());  // nothing created

  const Bytes old = {'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'};
  WriteAll(folder / L"held.zip", old);
  {
    testing_support::Holder holder(L"--hold-file=" + (folder / L"held.zip"));
    ASSERT_TRUE(holder.Holding());
    SetLastError(0);
    EXPECT_FALSE(toolkit::WriteBytesToFile(folder.Utf8(L"held.zip").c_str(), {Bytes(1000, 1)}));
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_FALSE(toolkit::SystemErrorText(GetLastError()).empty());
  }
  EXPECT_EQ(ReadAll(folder / L"held.zip"), old);
  EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"held.zip"});  // the temporary file is gone
}

TEST(CommonDialog, SuffixLosesItsLeadingDot) {
  EXPECT_EQ(toolkit::detail::PlatformSuffix(".zip"), L"zip");
  EXPECT_EQ(toolkit::detail::PlatformSuffix(".u"), L"u");
  EXPECT_EQ(toolkit::detail::PlatformSuffix("txt"), L"txt");
  EXPECT_EQ(toolkit::detail::PlatformSuffix(""), L"");
}

TEST(CommonDialog, InitialNameIsCutWithoutSplittingACharacter) {
  const std::wstring fits = L"Tarnwick\x6e90\x7801";
  EXPECT_EQ(toolkit::detail::FitFileName(fits, 260), fits);
  const std::wstring longName(300, L'a');
  EXPECT_EQ(toolkit::detail::FitFileName(longName, 260), std::wstring(259, L'a'));
  // A surrogate pair across the cut goes whole.
  std::wstring pair(258, L'a');
  pair += L"\xd83d\xde00";
  pair += L"b";
  EXPECT_EQ(toolkit::detail::FitFileName(pair, 260), std::wstring(258, L'a'));
  EXPECT_EQ(toolkit::detail::FitFileName(L"abc", 0), L"");
}

}  // namespace
