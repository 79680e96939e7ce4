#include "app/rich_edit_library.h"

#include "framework/dll_safety.h"

#include <windows.h>

void LoadRichEditLibrary() {
    WNDCLASSA richEdit20{};
    if (!::GetClassInfoA(nullptr, "RichEdit20A", &richEdit20))
        LoadSystemLibrary("riched20.dll");
}
