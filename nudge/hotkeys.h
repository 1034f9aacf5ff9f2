// The identifiers of the four arrow hotkeys, written once when the main
// window is created; 0 for a key the platform refused (another program holds
// it).
#pragma once

#include <cstdint>

extern std::int32_t upHotkeyId;
extern std::int32_t downHotkeyId;
extern std::int32_t leftHotkeyId;
extern std::int32_t rightHotkeyId;
