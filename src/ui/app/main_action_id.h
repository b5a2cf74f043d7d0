#pragma once

// The main window's commands by identity. Menus, toolbars, the enabling and the tests reach an
// action through its identity: a misspelt command does not compile, where a misspelt name was a
// null action at run time. The drawing tools go by their tool id and the arrange commands by
// their canvas command; everything else is here.

#include <cstddef>

namespace ui {

enum class MainAction : int {
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FilePrint,
    FilePrintPreview,
    FileExportPdf,
    FileExportPictures,
    FileExit,

    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditSelectAll,
    EditGrid,

    ViewProject,
    ViewStatusBar,
    ViewZoomWnd,
    ViewMemory,
    ViewOptions,

    ScreenNew,
    ScreenDelete,
    ScreenProperties,
    ScreenTagList,
    ScreenPreview,
    ScreenPreviewHere,

    ProjectParams,
    ProjectComm1,
    ProjectComm2,
    ProjectPlcType,
    ProjectXref,
    ProjectReplace,
    ProjectCsvExportTags,
    ProjectCsvExportAlarms,
    ProjectCsvExportMessages,
    ProjectCsvImportTags,
    ProjectCsvImportAlarms,
    ProjectCsvImportMessages,
    ProjectComPort,

    FunctionAlarms,
    FunctionCalculations,
    FunctionTransfers,
    FunctionReservations,
    FunctionMessages,
    FunctionImages,
    FunctionKeys,
    FunctionSystemMemory,

    CommDownload,
    CommUpload,
    CommFont,
    CommClock,
    CommPasswordSet,
    CommPasswordRemove,
    CommErase,
    CommOsDownload,
    CommAlarmRead,
    CommAlarmDelete,
    CommSysInfo,

    WindowCascade,
    WindowTile,

    HelpManual,
    HelpAbout,

    Count // not a command: the number of them
};

inline constexpr std::size_t kMainActionCount = std::size_t(MainAction::Count);

} // namespace ui
