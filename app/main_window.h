// The identifiers of the main window and its units, by which the program's
// routines name them when they call the toolkit.
#pragma once

#include "toolkit/definition.h"

namespace main_window {

inline constexpr toolkit::WindowId kWindow = 0x52010001;
inline constexpr toolkit::UnitId kWindowUnit = 0x06010000;
inline constexpr toolkit::UnitId 通用对话框1 = 0x16011951;
inline constexpr toolkit::UnitId 按钮1 = 0x1601194f;
inline constexpr toolkit::UnitId 编辑框1 = 0x1601193f;
inline constexpr toolkit::UnitId 标签1 = 0x16011938;

// The definition the toolkit builds the window from.
const toolkit::WindowDefinition& Definition();

}  // namespace main_window
