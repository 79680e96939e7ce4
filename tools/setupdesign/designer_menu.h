// The designer's menu bar and its keyboard shortcuts.
#pragma once

#include <windows.h>

// The menu bar; `languages` receives the Language menu, filled per medium.
HMENU CreateDesignerMenu(HMENU& languages);
// The shortcuts the menu shows beside its commands.
HACCEL CreateDesignerAccelerators();
