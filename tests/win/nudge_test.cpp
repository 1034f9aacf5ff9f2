// The feedback handler against the real cursor: directions, the speed text
// as the box holds it, and the conversion of Unicode text by the GBK rules.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "nudge/hotkeys.h"
#include "tests/win/fixture.h"
#include "toolkit/input.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace {

using namespace testing_support;

struct Case {
  const wchar_t* speed;
  int key;  // 0 up, 1 down, 2 left, 3 right
  POINT expected;
};

TEST(Nudge, EachArrowMovesBySpeedFromTheBox) {
  LoadTarnwick();
  const std::int32_t* ids[] = {&upHotkeyId, &downHotkeyId, &leftHotkeyId, &rightHotkeyId};
  const Case cases[] = {
      {L"50", 0, {500, 350}},     {L"50", 1, {500, 450}},     {L"50", 2, {450, 400}},
      {L"50", 3, {550, 400}},     {L"-30", 0, {500, 430}},    {L"-30", 2, {530, 400}},
      {L"", 0, {500, 400}},       {L"abc", 3, {500, 400}},    {L"0050", 1, {500, 450}},
      {L"5-5", 3, {505, 400}},    {L"12px", 2, {488, 400}},   {L"\xff15\xff10", 0, {500, 350}},
      {L"\xff0d\xff15", 3, {495, 400}},  {L"\x3000\xff19", 1, {500, 409}},
      {L"\x4e94\x5341", 1, {500, 400}},  {L"4294967346", 0, {500, 350}},
  };
  HWND edit = Unit(main_window::编辑框1);
  for (const auto& c : cases) {
    SetWindowTextW(edit, c.speed);
    SetCursorPos(500, 400);
    HotkeyLabel_Feedback(*ids[c.key], 0);
    const POINT at = Cursor();
    EXPECT_EQ(at.x, c.expected.x) << toolkit::Narrow(c.speed) << " key " << c.key;
    EXPECT_EQ(at.y, c.expected.y) << toolkit::Narrow(c.speed) << " key " << c.key;
  }
  EXPECT_EQ(toolkit::OutstandingBlocks(), 0);  // every text read was released
}

TEST(Nudge, IdentifiersThatMatchNothingDoNothing) {
  LoadTarnwick();
  for (const std::int32_t id : {0, 1, 33000, 33005, -33001}) {
    SetCursorPos(500, 400);
    HotkeyLabel_Feedback(id, 0);
    EXPECT_EQ(Cursor().x, 500) << id;
    EXPECT_EQ(Cursor().y, 400) << id;
  }
}

TEST(Nudge, TheWholePathFromWmHotkey) {
  LoadTarnwick();
  SetCursorPos(500, 400);
  SendMessageW(Unit(main_window::kWindowUnit), WM_HOTKEY, 33001, MAKELPARAM(0, VK_UP));
  EXPECT_EQ(Cursor().y, 350);
  SendMessageW(Unit(main_window::kWindowUnit), WM_HOTKEY, 33004, MAKELPARAM(0, VK_RIGHT));
  EXPECT_EQ(Cursor().x, 550);
}

TEST(Nudge, LargeSpeedsWrapAndThePlatformConfinesTheCursor) {
  LoadTarnwick();
  SetWindowTextW(Unit(main_window::编辑框1), L"2147483647");
  SetCursorPos(500, 100);
  HotkeyLabel_Feedback(downHotkeyId, 0);  // asks for y = -2147483549
  EXPECT_EQ(Cursor().y, 0);
}

struct TextCase {
  const char* utf8;
  std::int32_t value;
};

TEST(TextToInteger, UnicodeTextByTheGbkRules) {
  const TextCase cases[] = {
      {"", 0}, {"50", 50}, {"５０", 50}, {"－５", -5}, {"　９", 9}, {"五十", 0}, {"＋７", 7},
      {"7😀", 7}, {"😀7", 0}, {"12é", 12}, {"2147483648", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(toolkit::TextToInteger(c.utf8), c.value) << c.utf8;
  EXPECT_EQ(toolkit::TextToInteger(nullptr), 0);
}

}  // namespace
