// Window definitions as data. A program describes each of its windows as a
// table of units with their properties and event bindings; the toolkit reads
// the tables at start-up, resolves the bindings to the program's routines by
// name, and builds the platform windows from them. Nothing here needs a
// platform header.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <variant>

namespace toolkit {

using WindowId = std::uint32_t;
using UnitId = std::uint32_t;

// A colour value in the platform's 0x00BBGGRR layout, or kButtonFace.
using Colour = std::uint32_t;
inline constexpr Colour kButtonFace = 0xFF000000;

// Property numbers: 0-7 are common to every unit type, 8 and up belong to
// the type.
namespace prop {
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
inline constexpr int kTag = 4;
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
inline constexpr int kMousePointer = 7;

inline constexpr int kWindowCaption = 8;
inline constexpr int kLabelCaption = 8;
inline constexpr int kEditText = 8;
inline constexpr int kButtonCaption = 10;

inline constexpr int kDialogType = 8;
inline constexpr int kDialogTitle = 9;
inline constexpr int kDialogFileName = 10;
inline constexpr int kDialogFilter = 11;
inline constexpr int kDialogInitialFilter = 12;
inline constexpr int kDialogInitialDirectory = 13;
inline constexpr int kDialogDefaultSuffix = 14;
inline constexpr int kDialogPromptCreate = 15;
inline constexpr int kDialogFileMustExist = 16;
inline constexpr int kDialogPromptOverwrite = 17;
inline constexpr int kDialogPathMustExist = 18;
inline constexpr int kDialogKeepCurrentDirectory = 19;
}  // namespace prop

// Event numbers, per unit type.
namespace event {
inline constexpr std::int32_t kWindowCreated = 0;
inline constexpr std::int32_t kWindowCloseRequest = 1;
inline constexpr std::int32_t kWindowDestroyed = 2;
inline constexpr std::int32_t kButtonClicked = 0;
inline constexpr std::int32_t kLabelFeedback = 0;
inline constexpr std::int32_t kEditChanged = 0;
inline constexpr std::int32_t kEditLostFocus = 1;
}  // namespace event

struct CommonProperties {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  const char* tag = "";
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  int tabOrder = 0;
  int mousePointer = 0;  // 0: the class's own cursor
};

struct WindowProperties {
  const char* caption = "";
  int borderStyle = 2;  // 0 none, 2 fixed frame with caption bar
  Colour backColor = kButtonFace;
  bool controlBox = true;
  bool maxButton = false;
  bool minButton = false;
  int startPosition = 1;  // 1: centred on the primary screen
  bool movable = true;
  bool enterMovesFocus = false;
  bool escCloses = false;
  bool f1Help = false;
  bool showInTaskbar = true;
  int shape = 0;
  bool alwaysOnTop = false;
};

struct LabelProperties {
  const char* caption = "";
  int textEffect = 0;
  int borderStyle = 0;
  Colour textColor = 0x000000;
  Colour backColor = kButtonFace;
  int alignment = 0;  // 0 left, 1 centre, 2 right
  bool wordWrap = false;
  int verticalAlignment = 1;  // 0 top, 1 centre, 2 bottom
};

struct EditBoxProperties {
  const char* text = "";
  int borderStyle = 1;  // 1: sunken 3-D edge
  Colour textColor = 0x000000;
  Colour backColor = 0xFFFFFF;
  bool hideSelection = true;
  int maxLength = 0;
  bool multiLine = false;
  int alignment = 0;
  int inputMode = 0;  // 7: integer input
  int selStart = 0;
  int selLength = 0;
};
inline constexpr int kIntegerInput = 7;

struct ButtonProperties {
  int buttonType = 0;  // 1: the default button that Enter presses
  const char* caption = "";
};

struct CommonDlgProperties {
  int dialogType = 0;  // 0 open-file, 1 save-file
  const char* title = "";
  const char* fileName = "";
  const char* filter = "";
  int initialFilter = 0;
  const char* initialDirectory = "";
  const char* defaultSuffix = "";
  int promptCreate = 0;
  int fileMustExist = 0;
  int promptOverwrite = 0;
  int pathMustExist = 0;
  int keepCurrentDirectory = 0;
};

using UnitProperties = std::variant<WindowProperties, LabelProperties, EditBoxProperties,
                                    ButtonProperties, CommonDlgProperties>;

struct EventBinding {
  std::int32_t event;
  const char* routine;  // a name from the program's routine table
};

struct UnitDefinition {
  const char* name;
  UnitId id;
  CommonProperties common;
  UnitProperties own;
  std::span<const EventBinding> bindings;
};

// units[0] is the window's own unit; the others follow in stored order.
struct WindowDefinition {
  WindowId id;
  std::span<const UnitDefinition> units;
};

// Up to five 32-bit arguments of an event, first argument first.
using EventArguments = std::array<std::int32_t, 5>;
using Routine = void (*)(const EventArguments&);

struct NamedRoutine {
  const char* name;
  Routine routine;
};

// Everything the toolkit needs to know of a program.
struct Program {
  std::span<const WindowDefinition> windows;
  std::span<const NamedRoutine> routines;
  WindowId startupWindow;
  std::int32_t (*start)();
};

}  // namespace toolkit
