#pragma once

#include "views/DVCommandIds.h"

// Command ids of the application, its documents and frames; those of the views are in DVCmd.
namespace CommandIds {
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_OPEN_CASE = 557;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_WINDOW_MANAGER = 180;
constexpr int ID_PROJECT_PROPERTIES = 464;
constexpr int ID_VIEW_REQUIREMENTS_WINDOW = 32772;
constexpr int ID_VIEW_OVERVIEW_WINDOW = 32773;
constexpr int ID_VIEW_USE_CASES_WINDOW = 32775;
constexpr int ID_VIEW_ACTORS_WINDOW = 32776;
constexpr int ID_LINK_PROJECT = 446;
constexpr int ID_UNLINK_PROJECT = 447;
constexpr int ID_STYLE_FIRST = 210;
constexpr int ID_STYLE_LAST = 218;
constexpr int ID_STYLE_DEFAULT = 215;
// The Escape key of the main window's accelerators.
constexpr int ID_ESCAPE = DVCmd::Escape;
}  // namespace CommandIds
