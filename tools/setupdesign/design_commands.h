// The designer's command identifiers and the facts of its windows that its
// end-to-end tests work it by.
#pragma once

// Class names of the main window and the canvas.
constexpr const char* kDesignerClass = "SetupDesigner";
constexpr const char* kCanvasClass = "SetupDesignerCanvas";
// The canvas draws the picture this many pixels in from its top-left corner,
// room for the selection's handles.
constexpr int kCanvasMargin = 12;

// Child window identifiers.
enum DesignerChild : int {
    kFormListId = 200,
    kFormListLabelId,
    kCanvasId,
    kPropertyPanelId,
    kLanguageTableId,
    kFindingsPaneId,
};

// Menu and accelerator commands.
enum DesignerCommand : int {
    kCmdOpen = 1000,
    kCmdSave,
    kCmdRun,
    kCmdExit,
    kCmdUndo,
    kCmdRedo,
    kCmdDelete,
    kCmdSelectAll,
    kCmdAddButton,
    kCmdAddForm,
    kCmdDeleteForm,
    kCmdButtonEarlier,
    kCmdButtonLater,
    kCmdAlignLeft,
    kCmdAlignRight,
    kCmdAlignTop,
    kCmdAlignBottom,
    kCmdAlignCentres,
    kCmdAlignMiddles,
    kCmdSameSize,
    kCmdZoomIn,
    kCmdZoomOut,
    kCmdZoomActual,
    kCmdNextPane,
    kCmdPreviousPane,
    // Language i of the Language menu (in the file's order) is kCmdLanguage + i.
    kCmdLanguage = 1100,
};
