// The main window as data: a fixed, centred 374 x 77 window holding the
// caption label, the speed box, the export button and the hidden save-dialog
// component, with the three event bindings of the program.
#include "app/main_window.h"

namespace main_window {
namespace {

using namespace toolkit;

constexpr EventBinding kWindowBindings[] = {{event::kWindowCreated, "MainWindow_Created"}};
constexpr EventBinding kButtonBindings[] = {{event::kButtonClicked, "ExportButton_Clicked"}};
constexpr EventBinding kLabelBindings[] = {{event::kLabelFeedback, "HotkeyLabel_Feedback"}};

constexpr WindowProperties kWindowProperties{
    .caption = "Tarnwick",
    .borderStyle = 2,
    .backColor = kButtonFace,
    .controlBox = true,
    .maxButton = false,
    .minButton = true,
    .startPosition = 1,
    .movable = true,
    .enterMovesFocus = false,
    .escCloses = true,
    .f1Help = false,
    .showInTaskbar = true,
    .shape = 0,
    .alwaysOnTop = false,
};

constexpr CommonDlgProperties kDialogProperties{
    .dialogType = 1,
    .title = "",
    .fileName = "Tarnwick源码",
    .filter = "",
    .initialFilter = 0,
    .initialDirectory = "",
    // The package is a ZIP file, so it is offered under that suffix.
    .defaultSuffix = ".zip",
    .promptCreate = 0,
    .fileMustExist = 1,
    .promptOverwrite = 1,
    .pathMustExist = 1,
    .keepCurrentDirectory = 0,
};

constexpr ButtonProperties kButtonProperties{.buttonType = 0, .caption = "获取本程序源码"};

constexpr EditBoxProperties kSpeedBoxProperties{
    .text = "50",
    .borderStyle = 1,
    .textColor = 0x000000,
    .backColor = 0xFFFFFF,
    .hideSelection = true,
    .maxLength = 0,
    .multiLine = false,
    .alignment = 0,
    .inputMode = kIntegerInput,
    .selStart = 0,
    .selLength = 0,
};

constexpr LabelProperties kLabelProperties{
    .caption = "上下左右控制移动   移动速度：",
    .textEffect = 0,
    .borderStyle = 0,
    .textColor = 0x000000,
    .backColor = kButtonFace,
    .alignment = 0,
    .wordWrap = false,
    .verticalAlignment = 1,
};

// Stored order: the window's own unit, then the units from the top of the
// z-order down.
constexpr UnitDefinition kUnits[] = {
    {"", kWindowUnit, {.left = 50, .top = 50, .width = 374, .height = 77}, kWindowProperties, kWindowBindings},
    {"通用对话框1", 通用对话框1, {.left = 67, .top = 4, .width = 48, .height = 40, .visible = false},
     kDialogProperties, {}},
    {"按钮1", 按钮1, {.left = 250, .top = 13, .width = 94, .height = 24, .tabStop = true}, kButtonProperties,
     kButtonBindings},
    {"编辑框1", 编辑框1, {.left = 193, .top = 16, .width = 32, .height = 21, .tabStop = true},
     kSpeedBoxProperties, {}},
    {"标签1", 标签1, {.left = 19, .top = 14, .width = 184, .height = 24}, kLabelProperties, kLabelBindings},
};

constexpr WindowDefinition kDefinition{kWindow, kUnits};

}  // namespace

const WindowDefinition& Definition() { return kDefinition; }

}  // namespace main_window
